#include "files/ScritturaSicura.h"

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

std::set<std::string> Nomi(const fs::path& cartella) {
    std::set<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella))
        nomi.insert(e.path().filename().string());
    return nomi;
}

TEST(ScriviFileSicuro, ReplacesTheWholeFileKeepingItsPermissions) {
    const struct {
        const char* vecchio; // nullptr: no file yet
        fs::perms modo;
        std::string nuovo;
    } casi[] = {
        {"0123456789", fs::perms(0640), "abc"},
        {"abc", fs::perms(0755), ""},
        {"a", fs::perms(0444), "\0\x80\xFF\r\n\n\r"s},
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

TEST(AccodaAFile, AppendsExactlyTheBytesGiven) {
    for (const auto& [prima, aggiunta] :
         {std::pair{"ab"s, "\r\ncd"s}, {"ab\r\n"s, ""s}, {"\0"s, "\0\x80\xFF\r\n"s}}) {
        SCOPED_TRACE(prima);
        test::CartellaTemporanea dir;
        const std::string p = dir.Scrivi("f.txt", prima);
        AccodaAFile(p, aggiunta);
        EXPECT_EQ(test::LeggiFile(p), prima + aggiunta);
    }
}

} // namespace
} // namespace zelvano
