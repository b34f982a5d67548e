#include "suggerimenti/Classifica.h"

#include "data/Abbinamento.h"
#include "suggerimenti/IndiceSuggerimenti.h"
#include "support/Banco.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvano {
namespace {

using test::Banco;
using test::RigaInt;
using test::RigaProd;

// The marks of a suggestion as text: '^' under each differing byte, '.' elsewhere.
std::string Segni(const Suggerimento& s) {
    std::string t;
    for (bool d : s.diversi)
        t += d ? '^' : '.';
    return t;
}

std::vector<int32_t> Indici(const std::vector<Suggerimento>& s) {
    std::vector<int32_t> v;
    for (const Suggerimento& x : s)
        v.push_back(x.j);
    return v;
}

struct Caso {
    const char* differenza;
    const char* codice; // as the customer typed it
    const char* descrizione;
    const char* atteso; // the catalogue code that has to come first
    const char* segni;  // its marks
};

// Each true article comes after a decoy that a weaker comparison would rank as high or
// higher, so only the intended rule puts the true one first (ties go to the lower index).
const std::vector<std::string> Catalogo = {
    RigaProd("AB1235", "A01", "VITE TE M8X40 ZINCATO"),
    RigaProd("AB1234", "A01", "VITE TE M8X40 ZINCATO"),
    RigaProd("KX5101", "A01", "DADO ESAGONALE M10"),
    RigaProd("KX5100", "A01", "DADO ESAGONALE M10"),
    RigaProd("MN4401", "A01", "RONDELLA PIANA M6"),
    RigaProd("MN-4400", "A01", "RONDELLA PIANA M6"),
    RigaProd("112345", "A01", "TASSELLO NYLON D.8"),
    RigaProd("012345", "A01", "TASSELLO NYLON D.8"),
    RigaProd("RVB7788", "A01", "CHIAVE COMBINATA 13MM"),
    RigaProd("TB7788", "A01", "CHIAVE COMBINATA 13MM"),
    RigaProd("ZN4500", "A01", "PUNTA HSS D.6"),
    RigaProd("ZN4578", "A01", "PUNTA HSS D.6"),
    RigaProd("AC1105", "A01", "FASCETTA NERA 200MM"),
    RigaProd("AC1005", "A01", "FASCETTA NERA 200MM"),
    RigaProd("VL0001", "A01", "VALVOLA A SFERA 3/4\""),
    RigaProd("VL0002", "A01", "VALVOLA A SFERA OTTONE 1.1/2\" FF"),
    RigaProd("VL0003", "A01", "VALVOLA A SFERA OTTONE 1/2\" FF"),
    RigaProd("VL0004", "A01", "VALVOLA A SFERA OTTONE 3/4\" FF"),
    RigaProd("RC0001", "A01", "RACCORDO OTT 90"), // a line named like a shortened word
    RigaProd("TR0001", "A01", "TUBO RAME 16X1"),
    RigaProd("TR0002", "A01", "TUBO RAME 18X1"),
    RigaProd("TR0003", "A01", "TUBO RAME 22X1"),
    RigaProd("TP0001", "A01", "TUBO PVC KORVEX 20X2"),
    RigaProd("GM0001", "A01", "GOMITO 90 OTTONE"),
    RigaProd("GM0002", "A01", "GOMITO SIDUR 90"),
    RigaProd("HX2201", "A01", "FLANGIA PN16 DN50"),
    RigaProd("HX2210", "A01", "VALVOLA DI RITEGNO DN50"),
    RigaProd("CR0001", "A01", "CERNIERA OTTONE LUCIDO 40MM"),
    RigaProd("CR0002", "A01", "CERNIERA OTTONE"),
};

TEST(Classifica, EachKindOfDifferencePutsTheTrueArticleFirst) {
    const Caso casi[] = {
        {"case", "ab1234", "", "AB1234", "......"},
        {"hyphen typed", "KX-5100", "", "KX5100", "......"},
        {"hyphen left out", "MN4400", "", "MN-4400", "..^...."},
        {"leading zero left out", "12345", "", "012345", "^....."},
        {"maker prefix", "ORV-TB7788", "", "TB7788", "......"},
        {"transposed digits", "ZN4587", "", "ZN4578", "....^^"},
        {"O for 0", "AC1O05", "", "AC1005", "...^.."},
        {"blanks and slashes", "AB 12/34", "", "AB1234", "......"},
        {"empty code, the words", "", "valvola sfera ottone 1/2\"", "VL0003", "......"},
        {"empty code, shortened words", "", "VALV. SFERA OTT. 3/4", "VL0004", "......"},
        {"empty code, a rare word outweighs common ones", "", "TUBO RAME KORVEX", "TP0001",
         "......"},
        {"empty code, a slip in a word", "", "GOMITO SIDRU", "GM0002", "......"},
        {"empty code, fewer other words", "", "CERNIERA OTTONE", "CR0002", "......"},
        {"codes as close, the words decide", "HX2200", "VALVOLA RITEGNO", "HX2210", "....^."},
    };
    std::vector<std::string> input;
    for (const Caso& c : casi)
        input.push_back(RigaInt("C", c.descrizione, "", c.codice));
    Banco b(input, Catalogo);
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    int32_t i = 0;
    for (const Caso& c : casi) {
        ++i;
        SCOPED_TRACE(std::string(c.differenza) + ": '" + c.codice + "' '" + c.descrizione + "'");
        const auto s = Classifica(indice, b.h, i);
        ASSERT_FALSE(s.empty());
        EXPECT_EQ(b.h.ArtProd[s[0].j].CdProd, c.atteso);
        EXPECT_EQ(Segni(s[0]), c.segni);
        for (std::size_t k = 1; k < s.size(); ++k)
            EXPECT_GE(s[k - 1].punteggio, s[k].punteggio);
    }
}

TEST(Classifica, ScoresRunFromTheCustomersOwnArticleDown) {
    Banco b({RigaInt("C", "VITE TE M8X40 ZINCATO", "", "AB1234"),
             RigaInt("C", "VITE TE M8X40 ZINCATO", "", ""), RigaInt("C", "", "", "")},
            Catalogo);
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    const auto s = Classifica(indice, b.h, 1);
    ASSERT_EQ(Indici(s).at(0), 2);
    EXPECT_EQ(s[0].punteggio, 100);
    EXPECT_LT(s[1].punteggio, 100);
    // The description alone never claims a certain match.
    const auto soloDescr = Classifica(indice, b.h, 2);
    ASSERT_FALSE(soloDescr.empty());
    EXPECT_LT(soloDescr[0].punteggio, 100);
    // Nothing to go by: no suggestion.
    EXPECT_EQ(Classifica(indice, b.h, 3).size(), 0u);
    // No input record 4, and none asked for.
    EXPECT_EQ(Classifica(indice, b.h, 4).size(), 0u);
    EXPECT_EQ(Classifica(indice, b.h, 1, 0).size(), 0u);
    EXPECT_EQ(Classifica(indice, b.h, 1, 3).size(), 3u);
}

TEST(Classifica, TakenArticlesComeAfterFreeOnesOfEqualScore) {
    Banco b({RigaInt("C1", "TAPPO 1/2\"", "", "TT1000"), RigaInt("C2", "", "", "")},
            {RigaProd("TT1000", "A01", "TAPPO 1/2\""), RigaProd("TT1000", "A01", "TAPPO 1/2\""),
             RigaProd("TT1001", "A01", "TAPPO 1/2\"")});
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    EXPECT_EQ(Indici(Classifica(indice, b.h, 1)), (std::vector<int32_t>{1, 2, 3}));

    Collega(b.h, 2, 1, Origine::Utente);
    const auto s = Classifica(indice, b.h, 1);
    EXPECT_EQ(Indici(s), (std::vector<int32_t>{2, 1, 3}));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].punteggio, s[1].punteggio);
    // A taken article still comes before a free one that scores less.
    EXPECT_GT(s[1].punteggio, s[2].punteggio);
}

TEST(Classifica, TheSameTablesGiveTheSameListTiesByIndex) {
    // Four articles the customer's text fits equally well.
    Banco b({RigaInt("C", "CERNIERA", "", "")},
            {RigaProd("CE0004", "A01", "CERNIERA"), RigaProd("CE0001", "A01", "CERNIERA"),
             RigaProd("CE0003", "A01", "CERNIERA"), RigaProd("CE0002", "A01", "CERNIERA")});
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    const auto s = Classifica(indice, b.h, 1);
    EXPECT_EQ(Indici(s), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(Indici(Classifica(indice, b.h, 1)), Indici(s));
}

} // namespace
} // namespace zelvano
