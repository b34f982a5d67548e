#include "griglie/FiltroProd.h"

#include "data/Tabelle.h"

#include <gtest/gtest.h>

namespace zelvano {
namespace {

struct CasoDescr {
    const char* box;
    bool usaOr;
    const char* descrizione; // upper-cased, as the tables keep it
    bool passa;
};

TEST(FiltroProd, DescriptionWordsAndPhrases) {
    const CasoDescr casi[] = {
        {"vite dado", false, "DADO E VITE", true},
        {"vite dado", false, "VITE ZINCATA", false},
        {"vite dado", true, "VITE ZINCATA", true},
        {"vite dado", true, "RONDELLA", false},
        // Between apostrophes: one phrase, AND or OR alike.
        {"'vite dado'", false, "XVITE DADOX", true},
        {"'vite dado'", true, "DADO VITE", false},
        {"'vite  dado'", false, "VITE DADO", false},
        // A single apostrophe is an ordinary word.
        {"'", false, "L'ARIA", true},
        {"'", false, "ARIA", false},
        // Two apostrophes: the empty phrase, in every non-empty description.
        {"''", false, "ARIA", true},
        {"''", false, "", false},
        // A trailing blank adds an empty word: with OR anything non-empty passes.
        {"vite ", true, "DADO", true},
        {"vite ", false, "DADO", false},
        {"vite ", false, "VITE", true},
        {"  ", false, "DADO", true},
        {"  ", false, "", false},
        // Upper-casing follows the code page on both sides.
        {"pi\xF9", false, "UN PO' PI\xD9 LUNGO", true},
    };
    for (const CasoDescr& c : casi) {
        SCOPED_TRACE(std::string("box '") + c.box + "' " + (c.usaOr ? "OR" : "AND") + " over '" +
                     c.descrizione + "'");
        EXPECT_EQ(FiltroProd("", c.box, c.usaOr).PassaDescr(c.descrizione), c.passa);
    }
}

TEST(FiltroProd, CodeSearchStaysInsideEachCode) {
    TestiMaiuscoli codici, descr;
    for (const char* c : {"AB", "CD", "xab ab", "", "A B", "ZZAB"}) {
        codici.Aggiungi(c);
        descr.Aggiungi("D");
    }
    const auto trova = [&](const char* box) {
        return Filtra(FiltroProd(box, "", false), codici, descr, 6);
    };
    EXPECT_EQ(trova("ab"), (std::vector<int32_t>{1, 3, 6}));
    EXPECT_EQ(trova("BC"), (std::vector<int32_t>{})); // "AB" + "CD" only when packed together
    EXPECT_EQ(trova(" B"), (std::vector<int32_t>{5}));
    EXPECT_EQ(trova(""), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(trova("ZZABX"), (std::vector<int32_t>{}));
    // Only the records counted take part.
    EXPECT_EQ(Filtra(FiltroProd("AB", "", false), codici, descr, 3), (std::vector<int32_t>{1, 3}));
}

TEST(FiltroProd, CodeAndDescriptionBothHaveToPass) {
    TestiMaiuscoli codici, descr;
    codici.Aggiungi("K1");
    descr.Aggiungi("VITE");
    codici.Aggiungi("K1");
    descr.Aggiungi("DADO");
    codici.Aggiungi("K2");
    descr.Aggiungi("VITE");
    EXPECT_EQ(Filtra(FiltroProd("k1", "vite", true), codici, descr, 3), (std::vector<int32_t>{1}));
}

} // namespace
} // namespace zelvano
