#include "data/Griglia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvano {
namespace {

// Column 0 holds the given keys, column 1 each row's starting place.
Griglia Crea(const std::vector<std::string>& chiavi) {
    Griglia g;
    g.SetCols(2);
    g.SetRows(static_cast<int>(chiavi.size()) + 1);
    g.SetTextMatrix(0, 0, "Chiave");
    for (std::size_t r = 0; r < chiavi.size(); ++r) {
        g.SetTextMatrix(static_cast<int>(r) + 1, 0, chiavi[r]);
        g.SetTextMatrix(static_cast<int>(r) + 1, 1, "r" + std::to_string(r + 1));
    }
    return g;
}

// Column col of every row, header included, as one text.
std::string Colonna(const Griglia& g, int col) {
    std::string t;
    for (int r = 0; r < g.Rows(); ++r)
        t += g.TextMatrix(r, col) + "|";
    return t;
}

TEST(Griglia, SortPutsNumbersFirstThenTextWithoutCaseCarryingRowAndColour) {
    struct Caso {
        int ordine;
        std::string chiavi, righe;
        int rigaDiR1;
    };
    const Caso casi[] = {
        {Griglia::OrdineCrescente, "Chiave| 2 |9|10||abc|ABC|b|B|", "|r4|r7|r1|r5|r3|r6|r2|r8|", 3},
        {Griglia::OrdineDecrescente, "Chiave|b|B|abc|ABC||10|9| 2 |", "|r2|r8|r3|r6|r5|r1|r7|r4|",
         6},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.ordine);
        Griglia g = Crea({"10", "b", "abc", " 2 ", "", "ABC", "9", "B"});
        g.SetCellBackColor(1, 1, Griglia::Giallo);
        g.SetRow(1);
        g.SetCol(0);
        g.Sort(c.ordine);
        EXPECT_EQ(Colonna(g, 0), c.chiavi);
        EXPECT_EQ(Colonna(g, 1), c.righe);
        EXPECT_EQ(g.Row(), c.rigaDiR1);
        EXPECT_EQ(g.CellBackColor(c.rigaDiR1, 1), Griglia::Giallo);
        EXPECT_EQ(g.CellBackColor(1, 1), Griglia::Bianco);
    }
}

TEST(Griglia, SortKeepsTiesInTheirOrderBeyondAFewRows) {
    std::vector<std::string> chiavi;
    std::string pari = "|", dispari;
    for (int k = 1; k <= 40; ++k) {
        chiavi.push_back(k % 2 == 0 ? "a" : "b");
        (k % 2 == 0 ? pari : dispari) += "r" + std::to_string(k) + "|";
    }
    Griglia g = Crea(chiavi);
    g.Sort(Griglia::OrdineCrescente);
    EXPECT_EQ(Colonna(g, 1), pari + dispari);
}

} // namespace
} // namespace zelvano
