#include "files/ScritturaSicura.h"

#include "files/ErroreFile.h"
#include "support/FileTemporanei.h"
#include "support/GuastoScrittura.h"
#include "support/ProcessoFiglio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::InFiglio;

std::set<std::string> Nomi(const fs::path& cartella) {
    std::set<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella))
        nomi.insert(e.path().filename().string());
    return nomi;
}

// The save's outcome as one text: "ok", or the message it threw.
std::string Salva(const std::string& percorso, std::string_view contenuto) {
    try {
        ScriviFileSicuro(percorso, contenuto);
        return "ok";
    } catch (const ErroreFile& e) {
        return e.what();
    }
}

struct stat Stat(const std::string& p) {
    struct stat st {};
    EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
    return st;
}

TEST(ScriviFileSicuro, ReplacesTheWholeFileKeepingItsPermissions) {
    const struct {
        const char* vecchio; // nullptr: no file yet
        fs::perms modo;
        std::string nuovo;
    } casi[] = {
        {"0123456789", fs::perms(0640), "abc"},
        {"abc", fs::perms(0755), ""},
        {"a", fs::perms(0644), "\0\x80\xFF\r\n\n\r"s},
        {nullptr, fs::perms(0640), "new"}, // 0666 less the umask
    };
    const mode_t maschera = ::umask(027);
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nuovo);
        test::CartellaTemporanea dir;
        const std::string p = dir.Percorso("f.txt");
        if (c.vecchio != nullptr)
            fs::permissions(dir.Scrivi("f.txt", c.vecchio), c.modo);
        ScriviFileSicuro(p, c.nuovo);
        EXPECT_EQ(test::LeggiFile(p), c.nuovo);
        EXPECT_EQ(fs::status(p).permissions(), c.modo);
        EXPECT_EQ(Nomi(dir.Radice()), std::set<std::string>{"f.txt"});
    }
    ::umask(maschera);
}

// Links stay links, and the file they name is the one that changes.
TEST(ScriviFileSicuro, FollowsSymbolicLinksAndKeepsHardLinks) {
    test::CartellaTemporanea dir;
    fs::create_directory(dir.Percorso("vero"));
    const std::string vero = dir.Scrivi("vero/f.txt", "vecchio");
    const std::string dentro = dir.Percorso("vero/g.txt");
    fs::create_symlink("vero/f.txt", dir.Percorso("relativo"));
    fs::create_symlink(dir.Percorso("relativo"), dir.Percorso("catena"));
    fs::create_symlink("g.txt", dir.Percorso("vero/pendente"));
    fs::create_hard_link(vero, dir.Percorso("duro"));
    const ino_t inode = Stat(vero).st_ino;

    EXPECT_EQ(Salva(dir.Percorso("catena"), "uno"), "ok");
    EXPECT_TRUE(fs::is_symlink(dir.Percorso("catena")));
    EXPECT_TRUE(fs::is_symlink(dir.Percorso("relativo")));
    EXPECT_EQ(test::LeggiFile(vero), "uno");
    EXPECT_EQ(test::LeggiFile(dir.Percorso("duro")), "uno");
    EXPECT_EQ(Stat(vero).st_ino, inode) << "two hard links: rewritten in place";
    EXPECT_EQ(Stat(vero).st_nlink, 2u);

    // A link to a file not made yet makes it where the link points.
    EXPECT_EQ(Salva(dir.Percorso("vero/pendente"), "due"), "ok");
    EXPECT_TRUE(fs::is_symlink(dir.Percorso("vero/pendente")));
    EXPECT_EQ(test::LeggiFile(dentro), "due");
    EXPECT_EQ(Nomi(dir.Percorso("vero")), (std::set<std::string>{"f.txt", "g.txt", "pendente"}));

    fs::create_symlink("ciclo", dir.Percorso("ciclo"));
    EXPECT_EQ(Salva(dir.Percorso("ciclo"), "x"),
              "Impossibile scrivere il file " + dir.Percorso("ciclo") + ": percorso non valido");
}

// Owner, group and extended attributes (ACLs are some) stay with the file.
TEST(ScriviFileSicuro, KeepsOwnerGroupAndExtendedAttributes) {
    test::CartellaTemporanea dir;
    const std::string p = dir.Scrivi("f.txt", "vecchio");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(p.c_str(), test::UtenteQualsiasi, test::UtenteQualsiasi), 0);
    }
    const std::string valore = "valore \x01\xFF";
    ASSERT_EQ(::setxattr(p.c_str(), "user.zelvano", valore.data(), valore.size(), 0), 0)
        << "the test folder's file system must take user attributes";
    const struct stat prima = Stat(p);

    EXPECT_EQ(Salva(p, "nuovo"), "ok");
    const struct stat dopo = Stat(p);
    EXPECT_EQ(test::LeggiFile(p), "nuovo");
    EXPECT_EQ(dopo.st_uid, prima.st_uid);
    EXPECT_EQ(dopo.st_gid, prima.st_gid);
    EXPECT_EQ(dopo.st_mode, prima.st_mode);
    char letto[64] = {};
    const ssize_t n = ::getxattr(p.c_str(), "user.zelvano", letto, sizeof letto);
    EXPECT_EQ(std::string(letto, static_cast<std::size_t>(std::max<ssize_t>(n, 0))), valore);
    if (root) {
        EXPECT_NE(dopo.st_ino, prima.st_ino) << "root can give the owner: replaced by rename";
    }
}

// As an ordinary user (a root test drops to one): a read-only file is refused as a write
// would refuse it; a writable file in a read-only folder, or one whose owner the user
// cannot give to a new file, is rewritten in place.
TEST(ScriviFileSicuro, ReadOnlyFileIsRefusedOthersAreWrittenInPlace) {
    test::CartellaTemporanea dir;
    const std::string sola = dir.Percorso("sola");
    fs::create_directory(sola);
    const std::string bloccato = dir.Scrivi("sola/bloccato.txt", "vecchio");
    const std::string libero = dir.Scrivi("sola/libero.txt", "vecchio");
    fs::create_directory(dir.Percorso("aperta"));
    const std::string chiuso = dir.Scrivi("aperta/chiuso.txt", "vecchio");
    test::DaiAllUtente(dir.Radice().string());
    // Still the test's own: a child running as another user writes it but cannot own it.
    const std::string altrui = dir.Scrivi("aperta/altrui.txt", "vecchio");
    fs::permissions(altrui, fs::perms(0666));
    const struct stat primaAltrui = Stat(altrui);
    fs::permissions(bloccato, fs::perms(0444));
    fs::permissions(chiuso, fs::perms(0444));
    fs::permissions(sola, fs::perms(0555));

    const std::string esito = InFiglio(
        [&] {
            return Salva(chiuso, "nuovo") + "\n" + Salva(bloccato, "nuovo") + "\n" +
                   Salva(libero, "nuovo") + "\n" + Salva(altrui, "nuovo") + "\n" +
                   Salva(dir.Percorso("sola/nuovo.txt"), "x");
        },
        true);
    EXPECT_EQ(esito, "Impossibile scrivere il file " + chiuso + ": permesso negato\n" +
                         "Impossibile scrivere il file " + bloccato +
                         ": permesso negato\nok\nok\n" + "Impossibile scrivere il file " +
                         dir.Percorso("sola/nuovo.txt") + ": permesso negato");
    EXPECT_EQ(test::LeggiFile(chiuso), "vecchio");
    EXPECT_EQ(test::LeggiFile(bloccato), "vecchio");
    EXPECT_EQ(test::LeggiFile(libero), "nuovo");
    EXPECT_EQ(test::LeggiFile(altrui), "nuovo");
    EXPECT_EQ(Stat(altrui).st_uid, primaAltrui.st_uid);
    EXPECT_EQ(Stat(altrui).st_ino, primaAltrui.st_ino);
    EXPECT_EQ(Nomi(sola), (std::set<std::string>{"bloccato.txt", "libero.txt"}));
    EXPECT_EQ(Nomi(dir.Percorso("aperta")), (std::set<std::string>{"altrui.txt", "chiuso.txt"}));
}

// The injected failure stops a write part way, as a full disk does.
TEST(ScriviFileSicuro, WriteFailingHalfWayLeavesTheOldContent) {
    const std::string nuovo(100000, 'n');
    for (const bool sulPosto : {false, true}) {
        SCOPED_TRACE(sulPosto ? "in place" : "by rename");
        test::CartellaTemporanea dir;
        const std::string p = dir.Scrivi("f.txt", "vecchio contenuto\r\n");
        if (sulPosto)
            fs::create_hard_link(p, dir.Percorso("altro.txt"));
        ImpostaGuastoScrittura(4096);
        const std::string esito = Salva(p, nuovo);
        TogliGuastoScrittura();
        EXPECT_EQ(
            esito,
            "Impossibile scrivere il file " + p + ": disco pieno" +
                (sulPosto ? ". Il contenuto precedente del file \xE8 stato ripristinato" : ""));
        EXPECT_EQ(test::LeggiFile(p), "vecchio contenuto\r\n");
        EXPECT_EQ(Nomi(dir.Radice()).size(), sulPosto ? 2u : 1u);
    }
}

TEST(ScriviFileSicuro, RefusesWhatIsNotAPlainFile) {
    test::CartellaTemporanea dir;
    const std::string fifo = dir.Percorso("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& p : {fifo, "/dev/null"s}) {
        EXPECT_EQ(Salva(p, "x"),
                  "Impossibile scrivere il file " + p +
                      ": non \xE8 un file normale (\xE8 una FIFO, un dispositivo o un socket)");
    }
    EXPECT_EQ(Salva(dir.Percorso(""), "x"),
              "Impossibile scrivere il file " + dir.Percorso("") + ": \xE8 una cartella");
}

// A killed save leaves a temporary file named after its target; the next save of that
// target removes it, and only it. A name too long for the suffix still saves.
TEST(ScriviFileSicuro, TemporaryFilesAreRecognisableAndCleanedUp) {
    test::CartellaTemporanea dir;
    const std::string lungo(255, 'L');
    for (const std::string& nome : {"abbinamenti.txt"s, lungo}) {
        SCOPED_TRACE(nome.size());
        const std::string prefisso = PrefissoTemporanei(nome);
        EXPECT_LE(prefisso.size() + 6, 255u);
        EXPECT_NE(prefisso.find(".zelvano-salvataggio-"), std::string::npos);
        dir.Scrivi(prefisso + "Ab12Cd", "avanzo");
        EXPECT_EQ(Salva(dir.Percorso(nome), "nuovo"), "ok");
        EXPECT_EQ(test::LeggiFile(dir.Percorso(nome)), "nuovo");
        EXPECT_FALSE(fs::exists(dir.Percorso(prefisso + "Ab12Cd")));
    }
    EXPECT_NE(PrefissoTemporanei(lungo), PrefissoTemporanei(lungo.substr(1) + "M"));
    const std::string altrui = PrefissoTemporanei("altro.txt") + "Zz99Yy";
    dir.Scrivi(altrui, "di un altro file");
    EXPECT_EQ(Salva(dir.Percorso("abbinamenti.txt"), "ancora"), "ok");
    EXPECT_EQ(Nomi(dir.Radice()), (std::set<std::string>{"abbinamenti.txt", lungo, altrui}));
}

// A large save killed at random moments: the target holds the old or the new content,
// whole, every time.
TEST(ScriviFileSicuro, KilledDuringTheSaveLeavesOldOrNewWhole) {
    test::CartellaTemporanea dir;
    const std::string p = dir.Percorso("abbinamenti.txt");
    std::string vecchio, nuovo;
    for (int i = 0; i < 100000; ++i) {
        vecchio += "K" + std::to_string(i) + std::string(40, ' ') + "A  \r\n";
        nuovo += "N" + std::to_string(i) + std::string(41, '.') + "X  \r\n";
    }
    std::mt19937 caso(7);
    int vecchi = 0, nuovi = 0;
    for (int prova = 0; prova < 30; ++prova) {
        ScriviFileSicuro(p, vecchio); // also removes what the last killed save left
        const pid_t figlio = ::fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            ScriviFileSicuro(p, nuovo);
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(caso() % 30000));
        ::kill(figlio, SIGKILL);
        int stato = 0;
        ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
        const std::string letto = test::LeggiFile(p);
        ASSERT_TRUE(letto == vecchio || letto == nuovo)
            << "try " << prova << ": " << letto.size() << " bytes";
        (letto == vecchio ? vecchi : nuovi)++;
    }
    ScriviFileSicuro(p, vecchio);
    EXPECT_EQ(Nomi(dir.Radice()), std::set<std::string>{"abbinamenti.txt"});
    RecordProperty("old", vecchi);
    RecordProperty("new", nuovi);
}

} // namespace
} // namespace zelvano
