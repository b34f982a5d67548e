#include "files/LettoreRighe.h"

#include "support/FileTemporanei.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zelvano {
namespace {

using Righe = std::vector<std::string>;

// n bytes of a pattern that shows any byte lost, doubled or moved.
std::string Motivo(std::size_t n, char primo) {
    std::string s(n, ' ');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>(primo + i % 23);
    return s;
}

// The lines, a long one shown by its length and hash so that a failure stays readable.
Righe Breve(const Righe& righe) {
    Righe t;
    for (const std::string& r : righe)
        t.push_back(r.size() <= 40 ? r
                                   : std::to_string(r.size()) + " bytes #" +
                                         std::to_string(std::hash<std::string>{}(r)));
    return t;
}

TEST(LettoreRighe, SplitsLinesAtEveryKindOfLineEnd) {
    using namespace std::string_literals;
    const std::string bom = "\xEF\xBB\xBF";
    // The file is read 1 MiB at a time: pieno's line end straddles the first edge.
    const std::string pieno = Motivo((1 << 20) - 1, 'a');
    const std::string lungo = Motivo((1 << 20) + 5, 'A'), piuLungo = Motivo((2 << 20) - 4, 'K');
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
        {"CR before CR LF, LF before CR", "a\r\r\nb\n\rc", {"a", "", "b", "", "c"}},
        {"NUL and binary bytes", "a\0b\xFF\r\n\0\r\n"s, {"a\0b\xFF"s, "\0"s}},
        {"UTF-8 BOM stays", bom + "C1\r\nC2", {bom + "C1", "C2"}},
        {"CR LF split across the edge", pieno + "\r\n\r\nb", {pieno, "", "b"}},
        {"lone CR at the edge", pieno + "\rb", {pieno, "b"}},
        {"CR last byte of the file", pieno + "\r", {pieno}},
        {"line across the edge", "ab\r\n" + lungo + "\r\ncd", {"ab", lungo, "cd"}},
        {"CR LF split across the second edge", "xy\n" + piuLungo + "\r\nq", {"xy", piuLungo, "q"}},
    };
    test::CartellaTemporanea dir;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(Breve(LeggiRighe(dir.Scrivi("f.txt", c.contenuto))), Breve(c.attese));
    }
}

} // namespace
} // namespace zelvano
