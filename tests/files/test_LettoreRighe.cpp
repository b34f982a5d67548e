#include "files/LettoreRighe.h"

#include "files/ErroreFile.h"
#include "support/FileTemporanei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace zelvano {
namespace {

using Righe = std::vector<std::string>;
constexpr std::size_t MiB = 1 << 20;

// n bytes of a pattern that shows any byte lost, doubled or moved.
std::string Motivo(std::size_t n, char primo = 'a') {
    std::string s(n, ' ');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>(primo + i % 23);
    return s;
}

// Where two texts first differ, npos when equal: long lines compared without printing them.
std::size_t PrimaDifferenza(const std::string& a, const std::string& b) {
    const auto m = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (m.first == a.end() && m.second == b.end())
        return std::string::npos;
    return static_cast<std::size_t>(m.first - a.begin());
}

TEST(LettoreRighe, SplitsLinesAtEveryKindOfLineEnd) {
    using namespace std::string_literals;
    struct Caso {
        const char* nome;
        std::string contenuto;
        Righe attese;
    };
    const Caso casi[] = {
        {"empty file", "", {}},
        {"CR LF alone", "\r\n", {""}},
        {"last line without end", "a", {"a"}},
        {"final CR LF adds no line", "a\r\nb\r\n", {"a", "b"}},
        {"LF only", "a\nb\n\nc", {"a", "b", "", "c"}},
        {"CR only", "a\rb\r\rc\r", {"a", "b", "", "c"}},
        {"CR before CR LF", "a\r\r\nb", {"a", "", "b"}},
        {"LF then CR", "a\n\rb", {"a", "", "b"}},
        {"mixed", "x\r\ny\nz\rw", {"x", "y", "z", "w"}},
        {"blank lines kept", "  \r\n\r\n", {"  ", ""}},
        {"NUL and binary bytes", "a\0b\xFF\x01\r\n\0\r\n"s, {"a\0b\xFF\x01"s, "\0"s}},
        {"UTF-8 BOM stays in the first line",
         "\xEF\xBB\xBF"
         "C1\r\nC2",
         {"\xEF\xBB\xBF"
          "C1",
          "C2"}},
    };
    test::CartellaTemporanea dir;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(LeggiRighe(dir.Scrivi("f.txt", c.contenuto)), c.attese);
    }
}

// The reader takes the file 1 MiB at a time: line ends and long lines across that edge.
TEST(LettoreRighe, LinesAcrossTheBufferEdge) {
    const std::string pieno = Motivo(MiB - 1);      // its CR LF straddles the first edge
    const std::string lungo = Motivo(MiB + 5, 'A'); // spans the edge
    const std::string piuLungo = Motivo(2 * MiB - 4, 'K');
    struct Caso {
        const char* nome;
        std::string contenuto;
        Righe attese;
    };
    const Caso casi[] = {
        {"CR last byte of the buffer, LF first of the next", pieno + "\r\nb\r\n", {pieno, "b"}},
        {"lone CR last byte of the buffer", pieno + "\rb", {pieno, "b"}},
        {"CR last byte of the file", pieno + "\r", {pieno}},
        {"empty line after the split pair", pieno + "\r\n\r\nz", {pieno, "", "z"}},
        {"line spanning the edge", "ab\r\n" + lungo + "\r\ncd", {"ab", lungo, "cd"}},
        {"spanning line whose CR is the last byte of the second buffer",
         "xy\n" + piuLungo + "\r\nq",
         {"xy", piuLungo, "q"}},
        {"a 1 MB line without end", "h\n" + Motivo(1000000), {"h", Motivo(1000000)}},
    };
    test::CartellaTemporanea dir;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Righe lette = LeggiRighe(dir.Scrivi("f.txt", c.contenuto));
        ASSERT_EQ(lette.size(), c.attese.size());
        for (std::size_t k = 0; k < lette.size(); ++k) {
            EXPECT_EQ(lette[k].size(), c.attese[k].size()) << "line " << k;
            EXPECT_EQ(PrimaDifferenza(lette[k], c.attese[k]), std::string::npos) << "line " << k;
        }
    }
}

TEST(LettoreRighe, ReaderGivesEachLineThenStaysAtTheEnd) {
    test::CartellaTemporanea dir;
    LettoreRighe l(dir.Scrivi("f.txt", "uno\r\ndue"));
    std::string_view riga;
    std::string letto;
    while (l.Leggi(riga))
        letto += std::string(riga) + "|";
    EXPECT_EQ(letto, "uno|due|");
    EXPECT_FALSE(l.Leggi(riga));
}

TEST(LettoreRighe, UnreadablePathsThrowNamingTheFile) {
    test::CartellaTemporanea dir;
    const std::string cartella = dir.Percorso("sotto");
    std::filesystem::create_directory(cartella);
    for (const std::string& p : {cartella, dir.Percorso("manca.txt")}) {
        SCOPED_TRACE(p);
        try {
            LeggiRighe(p);
            ADD_FAILURE() << "no error";
        } catch (const ErroreFile& e) {
            EXPECT_NE(std::string(e.what()).find(p), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace zelvano
