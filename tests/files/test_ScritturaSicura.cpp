#include "files/ScritturaSicura.h"

#include "files/CopiaDiRipristino.h"
#include "files/ErroreFile.h"
#include "support/FileTemporanei.h"
#include "support/GuastoScrittura.h"
#include "support/ProcessoFiglio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
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
std::string Salva(const std::string& percorso, std::string_view contenuto,
                  const std::string& cartellaDati = {}) {
    try {
        ScriviFileSicuro(percorso, contenuto, true, cartellaDati);
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
// cannot give to a new file, is rewritten in place. The copy of the old content that an
// in-place rewrite keeps meanwhile goes to the data folder when the file's own cannot take
// it; with nowhere to keep it the rewrite is refused.
TEST(ScriviFileSicuro, ReadOnlyFileIsRefusedOthersAreWrittenInPlace) {
    test::CartellaTemporanea dir;
    const std::string sola = dir.Percorso("sola"), dati = dir.Percorso("dati");
    fs::create_directory(sola);
    fs::create_directory(dati);
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
                   Salva(libero, "nuovo") + "\n" + Salva(libero, "nuovo", dati) + "\n" +
                   Salva(altrui, "nuovo") + "\n" + Salva(dir.Percorso("sola/nuovo.txt"), "x");
        },
        true);
    EXPECT_EQ(esito, "Impossibile scrivere il file " + chiuso + ": permesso negato\n" +
                         "Impossibile scrivere il file " + bloccato + ": permesso negato\n" +
                         "Impossibile scrivere il file " + libero +
                         ": permesso negato. Non \xE8 stato possibile tenere una copia del "
                         "contenuto precedente: il file non \xE8 stato modificato\nok\nok\n" +
                         "Impossibile scrivere il file " + dir.Percorso("sola/nuovo.txt") +
                         ": permesso negato");
    EXPECT_EQ(test::LeggiFile(chiuso), "vecchio");
    EXPECT_EQ(test::LeggiFile(bloccato), "vecchio");
    EXPECT_EQ(test::LeggiFile(libero), "nuovo");
    EXPECT_EQ(test::LeggiFile(altrui), "nuovo");
    EXPECT_EQ(Stat(altrui).st_uid, primaAltrui.st_uid);
    EXPECT_EQ(Stat(altrui).st_ino, primaAltrui.st_ino);
    EXPECT_EQ(Nomi(sola), (std::set<std::string>{"bloccato.txt", "libero.txt"}));
    EXPECT_EQ(Nomi(dir.Percorso("aperta")), (std::set<std::string>{"altrui.txt", "chiuso.txt"}));
    EXPECT_EQ(Nomi(dati), std::set<std::string>{});
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

// A large save killed at random moments, by rename and in place (a second hard link; a
// folder the user cannot write, whose copy goes to the data folder): the target holds the
// old or the new content, whole, every time; in place once the next opening has settled
// what the kill left. Every other in-place kill lands at a random byte of the save's
// writes, as only a few kills in time do. The counts, torn files among them, are the
// test's properties.
TEST(ScriviFileSicuro, KilledDuringTheSaveLeavesOldOrNewWhole) {
    const struct {
        const char* nome;
        int prove, righe;
    } modi[] = {{"rename", 30, 100000}, {"link", 100, 20000}, {"folder", 100, 20000}};
    std::mt19937 caso(7);
    for (const auto& [nome, prove, righe] : modi) {
        SCOPED_TRACE(nome);
        std::string vecchio, nuovo;
        for (int i = 0; i < righe; ++i) {
            vecchio += "K" + std::to_string(i) + std::string(40, ' ') + "A  \r\n";
            nuovo += "N" + std::to_string(i) + std::string(41, '.') + "X  \r\n";
        }
        test::CartellaTemporanea dir;
        const std::string cartella = dir.Percorso("f"), dati = dir.Percorso("dati");
        fs::create_directory(cartella);
        fs::create_directory(dati);
        const std::string p = cartella + "/abbinamenti.txt";
        ScriviFileSicuro(p, vecchio);
        if (nome == "link"s)
            fs::create_hard_link(p, dir.Percorso("altro.txt"));
        const bool utente = nome == "folder"s;
        if (utente) {
            test::DaiAllUtente(dir.Radice().string());
            fs::permissions(cartella, fs::perms(0555));
        }
        // As the user who saves: only the copies of their own are taken for copies.
        const auto Come = [utente](const std::function<std::string()>& fn) {
            return utente ? InFiglio(fn, true) : fn();
        };
        const auto Scrivi = [&](const std::string& contenuto) {
            ScriviFileSicuro(p, contenuto, true, dati);
            return "ok"s;
        };
        // A save as the child below makes it, unkilled: the kills land anywhere in one.
        const auto Figlio = [&](int64_t morteA = -1) {
            const pid_t figlio = ::fork();
            if (figlio == 0) {
                if (utente && !test::DiventaUtente())
                    ::_exit(3);
                if (morteA >= 0)
                    ImpostaMorteScrittura(morteA);
                // A write failed where nothing more is written, as the killing write does
                // when it makes the last copy: the save ends there, refused.
                try {
                    Scrivi(nuovo);
                } catch (const ErroreFile&) {
                    ::_exit(1);
                }
                ::_exit(0);
            }
            return figlio;
        };
        int64_t durata = 0;
        for (int k = 0; k < 3; ++k) {
            const auto inizio = std::chrono::steady_clock::now();
            const pid_t figlio = Figlio();
            ASSERT_GE(figlio, 0);
            int stato = 0;
            ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
            ASSERT_EQ(stato, 0);
            durata =
                std::max<int64_t>(durata, std::chrono::duration_cast<std::chrono::microseconds>(
                                              std::chrono::steady_clock::now() - inizio)
                                              .count());
        }
        int strappati = 0, vecchi = 0, nuovi = 0;
        for (int prova = 0; prova < prove; ++prova) {
            // In place: the old content written back through the same file, unsynced.
            if (nome == "rename"s)
                ScriviFileSicuro(p, vecchio);
            else
                std::ofstream(p, std::ios::binary | std::ios::trunc) << vecchio;
            // The save writes the copy (a header and the old content), then the new content.
            const bool aByte = nome != "rename"s && prova % 2 == 1;
            const auto byte = static_cast<int64_t>(caso() % (vecchio.size() + nuovo.size() + 300));
            const pid_t figlio = Figlio(aByte ? byte : -1);
            ASSERT_GE(figlio, 0);
            if (!aByte)
                ::usleep(
                    static_cast<useconds_t>(caso() % static_cast<uint64_t>(durata * 11 / 10 + 1)));
            if (!aByte)
                ::kill(figlio, SIGKILL);
            int stato = 0;
            ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
            const std::string letto = test::LeggiFile(p);
            const bool strappato = letto != vecchio && letto != nuovo;
            strappati += strappato;
            ASSERT_TRUE(!strappato || nome != "rename"s) << "try " << prova;
            const std::string esito = Come([&] {
                return std::to_string(static_cast<int>(RiprendiScritturaInterrotta(p, dati).esito));
            });
            const std::string dopo = test::LeggiFile(p);
            ASSERT_TRUE(dopo == vecchio || dopo == nuovo)
                << "try " << prova << ": " << dopo.size() << " bytes read after the opening";
            if (strappato) {
                EXPECT_EQ(dopo, vecchio) << "try " << prova;
                EXPECT_EQ(esito,
                          std::to_string(static_cast<int>(EsitoRipristino::RipristinatoVecchio)));
            }
            (dopo == vecchio ? vecchi : nuovi)++;
        }
        ASSERT_EQ(Come([&] { return Scrivi(vecchio); }), "ok");
        EXPECT_EQ(Nomi(cartella), std::set<std::string>{"abbinamenti.txt"});
        EXPECT_EQ(Nomi(dati), std::set<std::string>{});
        RecordProperty(nome + "_torn_before_opening"s, strappati);
        RecordProperty(nome + "_torn_after_opening"s, 0);
        RecordProperty(nome + "_old"s, vecchi);
        RecordProperty(nome + "_new"s, nuovi);
    }
}

} // namespace
} // namespace zelvano
