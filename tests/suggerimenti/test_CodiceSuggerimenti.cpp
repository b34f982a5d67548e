#include "suggerimenti/CodiceSuggerimenti.h"
#include "suggerimenti/DistanzaCodici.h"
#include "suggerimenti/ParoleDescrizione.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvano {
namespace {

TEST(CodiceSuggerimenti, KeysDropWhatCustomersTypeDifferently) {
    const std::pair<const char*, const char*> casi[] = {
        {"ab-12/3.4", "AB1234"},
        {" AB 1234 ", "AB1234"},
        {"AB0123", "AB123"},    // a number's leading zero
        {"00.123", "123"},      // and several
        {"12.05.07", "120507"}, // zeros inside a number stay
        {"A100", "A100"},
        {"AB0", "AB0"}, // a zero alone is a number
        {"0", "0"},
        {"RON5", "R0N5"}, // O reads as 0, I as 1
        {"AIO1", "A101"},
        {"BO5", "B5"}, // ...so an O opening a number is a leading zero too
        {"\xE8-1", "\xC8"
                   "1"},   // letters of the code page, upper-cased
        {"\x80/\xD7", ""}, // signs only
    };
    for (const auto& [codice, chiave] : casi) {
        SCOPED_TRACE(codice);
        EXPECT_EQ(ChiaveCodice(codice), chiave);
    }
}

TEST(CodiceSuggerimenti, AKeyOfNCharactersHasNTrigrams) {
    std::vector<uint32_t> t;
    PerTrigramma("AB", [&](uint32_t x) { t.push_back(x); });
    ASSERT_EQ(t.size(), 2u);
    EXPECT_NE(t[0], t[1]);
    t.clear();
    PerTrigramma("", [&](uint32_t x) { t.push_back(x); });
    EXPECT_EQ(t.size(), 0u);
    // Start and end marks keep a key's first and last trigrams apart from inner ones.
    std::vector<uint32_t> a, b;
    PerTrigramma("ABA", [&](uint32_t x) { a.push_back(x); });
    PerTrigramma("XABAX", [&](uint32_t x) { b.push_back(x); });
    EXPECT_EQ(a.size(), 3u);
    EXPECT_NE(std::find(b.begin(), b.end(), a[1]), b.end()); // ABA inside
    EXPECT_EQ(std::find(b.begin(), b.end(), a[0]), b.end()); // ^AB only at a start
    for (uint32_t x : b)
        EXPECT_LT(x, NumTrigrammi);
}

TEST(DistanzaCodici, CountsTheSlipsOfATypist) {
    struct Caso {
        const char* a;
        const char* b;
        int distanza;
    };
    const Caso casi[] = {
        {"AB1234", "AB1234", 0},
        {"AB1234", "AB1235", 1},  // replaced
        {"AB1234", "AB124", 1},   // dropped
        {"AB1234", "AB12834", 1}, // added
        {"AB1234", "AB1243", 1},  // two neighbours swapped: one slip
        {"AB1234", "AB1324", 1},
        {"AB1234", "AB3214", 2},    // not neighbours: two
        {"0RVTB7788", "TB7788", 1}, // a maker's prefix, on either side
        {"TB7788", "0RVTB7788", 1},
        {"XTB7788", "TB7788", 1},
        {"ABCDEFTB7788", "TB7788", 2}, // past five characters it is no prefix
        {"0RVTB7789", "TB7788", 2},
        {"TB7788", "TB77880RV", 3}, // a suffix is no prefix
        {"", "", 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(DistanzaCodici(c.a, c.b), c.distanza);
        EXPECT_EQ(DistanzaCodici(c.b, c.a), c.distanza);
    }
}

TEST(ParoleDescrizione, SplitsAtSignsButKeepsNumbersWhole) {
    const std::pair<const char*, const char*> casi[] = {
        {"vite t.e. M8x40", "VITE|T.|E.|M8X40|"},
        {"VALVOLA 1.1/2\" FF", "VALVOLA|1.1/2|FF|"},
        {"CAVO 3G1,5 10.9", "CAVO|3G1,5|10.9|"},
        {"D.12 CONF.100", "D.|12|CONF.|100|"},
        {"GIALLO/VERDE  ", "GIALLO|VERDE|"},
        {"qualit\xE0 90\xB0", "QUALIT\xC0|90|"},
        {"", ""},
    };
    for (const auto& [testo, atteso] : casi) {
        SCOPED_TRACE(testo);
        std::string parole;
        PerParola(testo, [&](std::string_view p, bool puntata) {
            parole += std::string(p) + (puntata ? "." : "") + "|";
        });
        EXPECT_EQ(parole, atteso);
    }
}

} // namespace
} // namespace zelvano
