#include "support/Banco.h"

#include "coppie/Associazioni.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/OrdinamentoUtente.h"

#include <gtest/gtest.h>

namespace zelvano::test {
namespace {

// Counts the times a grid is redrawn as a whole, which is what a refill costs on screen.
struct ContaRidisegni : OsservatoreGriglia {
    int ridisegni = 0;
    void Ridisegna() override { ++ridisegni; }
    void CellaCambiata(int, int) override {}
    void RigaCambiata(int) override {}
    void RigheCambiate(int, int) override {}
    void ColonneCambiate() override {}
    void RigaCorrenteCambiata(int) override {}
    void MostraRiga(int) override {}
    void Riordinata(const std::vector<int>&) override {}
};

class CaricaGrid2Test : public ::testing::Test {
  protected:
    CaricaGrid2Test()
        : b({RigaInt("I1", "PRIMO", "", "ab"), RigaInt("I2", "SECONDO", "", "zz")},
            {RigaProd("XAB1", "001", "VITE ZINCATA"), RigaProd("ab", "002", "DADO"),
             RigaProd("K9", "003", "VITE INOX"), RigaProd("Ab 7", "004", ""),
             RigaProd("ZZ", "005", "RONDELLA")}) {
        b.h.Grd2.SetOsservatore(&conta);
    }
    std::vector<std::string> Codici() const {
        std::vector<std::string> codici;
        for (int r = 1; r < b.h.Grd2.Rows(); ++r)
            codici.push_back(b.h.Grd2.Testo(r, "CDPROD"));
        return codici;
    }
    Banco b;
    ContaRidisegni conta;
};

TEST_F(CaricaGrid2Test, CodeBoxIgnoresCaseAndKeepsIndexOrder) {
    EXPECT_EQ(b.h.Testi.TxtCod, "ab"); // the opening chose article 1
    EXPECT_EQ(Codici(), (std::vector<std::string>{"XAB1", "ab", "Ab 7"}));
    b.h.Testi.TxtCod.clear();
    CaricaGrid2(b.h);
    EXPECT_EQ(Codici().size(), 5u);
    EXPECT_EQ(b.h.Grd2.Testo(2, "PCDPROD"), "2");
    EXPECT_EQ(b.h.Grd2.Testo(2, "DESCR"), "DADO");
    b.h.Testi.TxtCod = "nothing";
    CaricaGrid2(b.h);
    EXPECT_EQ(b.h.Grd2.Rows(), 1);
    EXPECT_EQ(b.h.Grd2.Row(), 0);
}

TEST_F(CaricaGrid2Test, DescriptionBoxWithAndOr) {
    b.h.Testi.TxtCod.clear();
    b.h.Testi.txtDescr = "vite inox";
    CaricaGrid2(b.h);
    EXPECT_EQ(Codici(), (std::vector<std::string>{"K9"}));
    b.h.Testi.cmBAndOrIndice = 1;
    CaricaGrid2(b.h);
    EXPECT_EQ(Codici(), (std::vector<std::string>{"XAB1", "K9"}));
}

TEST_F(CaricaGrid2Test, PairedArticleBecomesCurrentRow) {
    b.Scegli2(2);
    Associa(b.h);
    b.Scegli1(2);
    b.Scegli1(1);
    EXPECT_EQ(b.h.PCdProdSel, 2);
    EXPECT_EQ(b.h.Grd2.Testo(b.h.Grd2.Row(), "PCDPROD"), "2");
    EXPECT_EQ(b.h.Grd2.Testo(b.h.Grd2.Row(), "CDINT"), "I1");
    // A filter that hides it chooses nothing, and showing it again chooses it again.
    b.h.Testi.TxtCod = "zz";
    CaricaGrid2(b.h);
    EXPECT_EQ(b.h.PCdProdSel, 0);
    EXPECT_EQ(b.h.Grd2.Row(), 0);
    b.h.Testi.TxtCod = "ab";
    CaricaGrid2(b.h);
    EXPECT_EQ(b.h.PCdProdSel, 2);
    EXPECT_EQ(b.h.Grd2.Record(b.h.Grd2.Row()), 2);
}

TEST_F(CaricaGrid2Test, ChoiceHiddenByTheFilterIsNotPairedWhenShownAgain) {
    // The click chose a catalogue article the chosen (unpaired) one is not paired with: once
    // a refill has hidden it, the user has to choose it again before F3 pairs it.
    b.Scegli1(2);
    b.TuttoIlCatalogo();
    b.Scegli2(3);
    b.h.Testi.TxtCod = "zz";
    CaricaGrid2(b.h);
    b.h.Testi.TxtCod.clear();
    CaricaGrid2(b.h);
    EXPECT_EQ(b.h.Grd2.Row(), 0);
    b.pf.AspettaMessaggio("Selezionare un articolo Orvessa");
    Associa(b.h);
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 0);
}

TEST_F(CaricaGrid2Test, WithoutInputArticleLastFreeRowIsChosen) {
    b.h.PCdIntSel = 0;
    b.h.Testi.TxtCod.clear();
    CaricaGrid2(b.h);
    EXPECT_EQ(b.h.PCdProdSel, 5);
    EXPECT_EQ(b.h.Grd2.Row(), 5);
}

TEST_F(CaricaGrid2Test, ChoosingAnArticleRefillsOnce) {
    // Whatever it writes into the boxes.
    const int prima = conta.ridisegni;
    b.Scegli1(2);
    EXPECT_EQ(conta.ridisegni, prima + 1);
}

TEST_F(CaricaGrid2Test, SavedSortKeepsChosenRowOnItsRecord) {
    // The layout files are read once after an opening, not at every refill: a file written
    // behind the program's back is not seen, the user's own sort is.
    b.cartella.Scrivi("sort2.txt", "CDPROD,2\r\n");
    b.h.Testi.TxtCod.clear();
    CaricaGrid2(b.h);
    EXPECT_EQ(Codici(), (std::vector<std::string>{"XAB1", "ab", "K9", "Ab 7", "ZZ"}));
    RicordaOrdinamentoGrd2(b.h, b.h.Grd2.ColIndex("CDPROD"), 2);
    b.Scegli2(2);
    Associa(b.h);
    b.h.Testi.TxtCod.clear();
    CaricaGrid2(b.h);
    EXPECT_EQ(Codici(), (std::vector<std::string>{"ZZ", "XAB1", "K9", "Ab 7", "ab"}));
    EXPECT_EQ(b.h.Grd2.Row(), 5);
    EXPECT_EQ(b.h.PCdProdSel, 2);
    // An operation now writes into the row that shows record 2.
    DisAssocia(b.h);
    EXPECT_EQ(b.h.Grd2.Testo(5, "CDINT"), "");
}

} // namespace
} // namespace zelvano::test
