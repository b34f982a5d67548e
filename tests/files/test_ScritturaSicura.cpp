#include "files/ScritturaSicura.h"

#include "files/ErroreFile.h"
#include "support/FileTemporanei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string Nomi(const fs::path& cartella) {
    std::set<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella))
        nomi.insert(e.path().filename().string());
    std::string t;
    for (const std::string& n : nomi)
        t += n + " ";
    return t;
}

std::string TuttiIByte() {
    std::string s;
    for (int b = 0; b < 256; ++b)
        s += static_cast<char>(b);
    return s;
}

TEST(ScriviFileSicuro, ReplacesTheWholeFile) {
    struct Caso {
        const char* nome;
        bool esiste;
        std::string vecchio, nuovo;
    };
    std::string lungo;
    for (int k = 0; k < 100; ++k)
        lungo += "0123456789";
    const Caso casi[] = {
        {"shorter than before", true, lungo, "abc"},
        {"emptied", true, "abc", ""},
        {"new file", false, "", "x\r\n\0y"s},
        {"every byte", true, "a", TuttiIByte()},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::CartellaTemporanea dir;
        const std::string p = c.esiste ? dir.Scrivi("f.txt", c.vecchio) : dir.Percorso("f.txt");
        ScriviFileSicuro(p, c.nuovo);
        EXPECT_EQ(test::LeggiFile(p), c.nuovo);
        EXPECT_EQ(Nomi(dir.Radice()), "f.txt ");
    }
}

TEST(ScriviFileSicuro, KeepsTheTargetsPermissions) {
    test::CartellaTemporanea dir;
    for (const fs::perms modo :
         {fs::perms(0640), fs::perms(0604), fs::perms(0755), fs::perms(0600), fs::perms(0444)}) {
        SCOPED_TRACE(static_cast<int>(modo));
        const std::string p = dir.Scrivi("f.txt", "vecchio");
        fs::permissions(p, modo);
        ScriviFileSicuro(p, "nuovo");
        EXPECT_EQ(test::LeggiFile(p), "nuovo");
        EXPECT_EQ(fs::status(p).permissions(), modo);
        fs::remove(p);
    }

    const mode_t maschera = ::umask(027);
    ScriviFileSicuro(dir.Percorso("nuovo.txt"), "x");
    ::umask(maschera);
    EXPECT_EQ(fs::status(dir.Percorso("nuovo.txt")).permissions(), fs::perms(0640));
}

TEST(ScriviFileSicuro, FailureLeavesNoTemporaryFile) {
    test::CartellaTemporanea dir;
    fs::create_directory(dir.Percorso("cartella"));
    dir.Scrivi("cartella/dentro.txt", "resta");
    for (const std::string& p : {dir.Percorso("cartella"), dir.Percorso("manca/f.txt")}) {
        SCOPED_TRACE(p);
        try {
            ScriviFileSicuro(p, "dati");
            ADD_FAILURE() << "no error";
        } catch (const ErroreFile& e) {
            EXPECT_NE(std::string(e.what()).find(p), std::string::npos) << e.what();
        }
        EXPECT_EQ(Nomi(dir.Radice()), "cartella ");
        EXPECT_EQ(Nomi(dir.Percorso("cartella")), "dentro.txt ");
    }
}

TEST(AccodaAFile, AppendsExactlyTheBytesGiven) {
    struct Caso {
        const char* nome;
        std::string prima, aggiunta;
    };
    const Caso casi[] = {
        {"after a line end", "ab\r\n", "cd\r\n"},
        {"after a line without end", "ab", "\r\ncd"},
        {"nothing", "ab\r\n", ""},
        {"to an empty file", "", "x"},
        {"every byte", "\0"s, TuttiIByte()},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::CartellaTemporanea dir;
        const std::string p = dir.Scrivi("f.txt", c.prima);
        AccodaAFile(p, c.aggiunta);
        EXPECT_EQ(test::LeggiFile(p), c.prima + c.aggiunta);
    }
}

} // namespace
} // namespace zelvano
