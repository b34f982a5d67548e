#include "data/Griglia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvano {
namespace {

// Column CHIAVE holds the given keys, RIGA each row's starting place, ALTRO nothing.
Griglia Crea(const std::vector<std::string>& chiavi) {
    Griglia g;
    g.SetCols(3);
    g.SetColKey(0, "CHIAVE");
    g.SetColKey(1, "RIGA");
    g.SetColKey(2, "ALTRO");
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

class Registro : public OsservatoreGriglia {
  public:
    std::string log;
    void Ridisegna() override { log += "ridisegna;"; }
    void CellaCambiata(int r, int c) override { log += Evento("cella", r, c); }
    void RigheCambiate(int a, int b) override { log += Evento("righe", a, b); }
    void ColonneCambiate() override { log += "colonne;"; }
    void RigaCorrenteCambiata(int r) override { log += Evento("corrente", r); }
    void MostraRiga(int r) override { log += Evento("mostra", r); }
    void Riordinata() override { log += "riordinata;"; }

  private:
    static std::string Evento(const char* nome, int a, int b = -1) {
        return std::string(nome) + " " + std::to_string(a) +
               (b < 0 ? "" : "," + std::to_string(b)) + ";";
    }
};

TEST(Griglia, RowsGrowEmptyAndShrinkKeepingTheRest) {
    Griglia g = Crea({"a", "b"});
    g.SetRows(4);
    EXPECT_EQ(Colonna(g, 0), "Chiave|a|b||");
    g.SetRow(3);
    g.SetRows(2);
    EXPECT_EQ(Colonna(g, 0), "Chiave|a|");
    EXPECT_EQ(g.Row(), 0) << "the current row was dropped";
    g.SetRow(99);
    EXPECT_EQ(g.Row(), 1);
}

TEST(Griglia, SortPutsNumbersFirstThenTextWithoutCaseKeepingTies) {
    const std::vector<std::string> chiavi = {"10", "b", "abc", " 2 ", "", "ABC", "9", "B"};
    struct Caso {
        int ordine;
        std::string chiavi, righe;
    };
    const Caso casi[] = {
        {Griglia::OrdineCrescente, "Chiave| 2 |9|10||abc|ABC|b|B|", "|r4|r7|r1|r5|r3|r6|r2|r8|"},
        {Griglia::OrdineDecrescente, "Chiave|b|B|abc|ABC||10|9| 2 |", "|r2|r8|r3|r6|r5|r1|r7|r4|"},
        {0, "Chiave|10|b|abc| 2 ||ABC|9|B|", "|r1|r2|r3|r4|r5|r6|r7|r8|"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.ordine);
        Griglia g = Crea(chiavi);
        g.SetCol(0);
        g.Sort(c.ordine);
        EXPECT_EQ(Colonna(g, 0), c.chiavi);
        EXPECT_EQ(Colonna(g, 1), c.righe);
    }
}

TEST(Griglia, SortCarriesCurrentRowAndColours) {
    Griglia g = Crea({"c", "a", "b"});
    g.SetCellBackColor(1, 2, Griglia::Giallo);
    g.SetRow(1);
    g.SetCol(0);
    g.Sort(Griglia::OrdineCrescente);
    EXPECT_EQ(Colonna(g, 1), "|r2|r3|r1|");
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.CellBackColor(3, 2), Griglia::Giallo);
    EXPECT_EQ(g.CellBackColor(1, 2), Griglia::Bianco);
    g.SetRows(5);
    EXPECT_EQ(g.CellBackColor(4, 2), Griglia::Bianco);
}

TEST(Griglia, UserGesturesChangeTheGridThenRaiseTheirEvent) {
    Griglia g = Crea({"b", "a"});
    std::string eventi;
    g.AfterSort = [&](int col, int ordine) {
        eventi +=
            "sort " + std::to_string(col) + "," + std::to_string(ordine) + " " + Colonna(g, 1);
    };
    g.AfterMoveColumn = [&] { eventi += " move " + g.ColKey(0) + "," + Colonna(g, 0); };
    g.AfterUserResize = [&] { eventi += " resize " + std::to_string(g.ColWidth(1)); };

    g.OrdinaUtente(0, Griglia::OrdineCrescente);
    g.SpostaColonnaUtente(1, 0);
    g.SpostaColonnaUtente(0, 7); // out of range: nothing, no event
    g.RidimensionaUtente(1, 2500);
    EXPECT_EQ(eventi, "sort 0,1 |r2|r1| move RIGA,|r2|r1| resize 2500");
    EXPECT_EQ(g.ColIndex("CHIAVE"), 1);
}

TEST(Griglia, ObserverSeesEachChangeOrOneRedrawAfterABatch) {
    Griglia g = Crea({"a", "b"});
    Registro reg;
    g.SetOsservatore(&reg);
    g.SetTextMatrix(1, 0, "x");
    g.SetTextMatrix(0, 0, "Titolo");
    g.SetRows(4);
    g.SetRow(2);
    g.ShowCell(2, 0);
    EXPECT_EQ(reg.log, "cella 1,0;colonne;righe 3,4;corrente 2;mostra 2;");

    reg.log.clear();
    g.SetRedraw(false);
    g.SetRows(6);
    g.SetTextMatrix(5, 1, "y");
    g.SetRow(5);
    g.ShowCell(5, 0);
    EXPECT_EQ(reg.log, "");
    g.SetRedraw(true);
    EXPECT_EQ(reg.log, "ridisegna;corrente 5;mostra 5;");

    reg.log.clear();
    g.SetRedraw(false);
    g.SetRedraw(true);
    EXPECT_EQ(reg.log, "") << "nothing changed, nothing to redraw";
}

} // namespace
} // namespace zelvano
