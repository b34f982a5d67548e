#include "support/Banco.h"

#include "coppie/Associazioni.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"
#include "sessione/LeggiArchivi.h"

#include <gtest/gtest.h>

namespace zelvano::test {
namespace {

// Five articles: 2 and 4 are paired, 3 is marked, 1 and 5 are still to be associated.
class Selezione : public ::testing::Test {
  protected:
    Selezione()
        : b({RigaInt("I1", "UNO", "", "C1"), RigaInt("I2", "DUE", "", "c2"),
             RigaInt("I3", "TRE", "", "C3"), RigaInt("I4", "QUATTRO", "", "C4"),
             RigaInt("I5", "CINQUE", "", "C5")},
            {RigaProd("K2", "002", "CATALOGO DUE"), RigaProd("K4", "004", "CATALOGO QUATTRO"),
             RigaProd("C5", "005", "CATALOGO CINQUE")},
            RigaOut("", "I1", ' ') + RigaOut("K2", "I2", 'A') + RigaOut("", "I3", 'X') +
                RigaOut("K4", "I4", 'A') + RigaOut("", "I5", ' ')) {}
    Banco b;
};

TEST_F(Selezione, ChoosingAnArticleFillsTheCodeBox) {
    EXPECT_EQ(RigaGrd1(b.h), 1);
    EXPECT_EQ(b.h.Testi.TxtCod, "C1");
    b.h.Testi.txtDescr = "typed";
    b.Scegli1(2); // paired: the catalogue code, and its row chosen
    EXPECT_EQ(b.h.Testi.TxtCod, "K2");
    EXPECT_EQ(b.h.Testi.txtDescr, "");
    EXPECT_EQ(b.h.PCdProdSel, 1);
    EXPECT_EQ(b.h.Grd2.Testo(RigaGrd2(b.h), "CDPROD"), "K2");
    b.Scegli1(3); // marked: its own code
    EXPECT_EQ(b.h.Testi.TxtCod, "C3");
    EXPECT_EQ(RigaGrd2(b.h), 0);
}

TEST_F(Selezione, StepsByRowStopAtTheEnds) {
    CercaPrecedente(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 1);
    for (int i = 0; i < 6; ++i)
        CercaSuccessivo(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 5);
    EXPECT_EQ(b.h.PCdIntSel, 5);
    b.h.PCdIntSel = 0;
    CercaPrecedente(b.h);
    CercaSuccessivo(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 1);
}

TEST_F(Selezione, ArticlesToAssociateSkipPairedAndMarked) {
    CercaPrimoDaAbbinare(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 5);
    b.pf.AspettaMessaggio("Nessun articolo successivo da associare");
    CercaPrimoDaAbbinare(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 5);
    CercaPrecDaAbbinare(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 1);
    b.pf.AspettaMessaggio("Nessun articolo precedente da associare");
    CercaPrecDaAbbinare(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 1);
    b.h.PCdIntSel = 0;
    b.pf.AspettaMessaggio("Nessun articolo precedente da associare");
    CercaPrecDaAbbinare(b.h);
    CercaPrimoDaAbbinare(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 1);
}

TEST_F(Selezione, NothingLeftToAssociateAfterOpening) {
    b.Scegli1(5);
    b.Scegli2(3);
    Associa(b.h);
    b.Scegli1(1);
    NonAssociabile(b.h);
    b.pf.AspettaMessaggio("Nessun articolo successivo da associare");
    b.h.PCdIntSel = 0;
    CercaPrimoDaAbbinare(b.h);
    EXPECT_EQ(RigaGrd1(b.h), 0);
}

TEST_F(Selezione, ClickOnHeaderOrEmptyGridKeepsChoice) {
    b.Scegli1(2);
    ScegliRigaGrd2(b.h, 0);
    ScegliRigaGrd1(b.h, 0);
    EXPECT_EQ(b.h.PCdIntSel, 2);
    EXPECT_EQ(b.h.PCdProdSel, 1);
    b.h.Testi.TxtCod = "nothing";
    CaricaGrid2(b.h);
    ScegliRigaGrd2(b.h, 1);
    EXPECT_EQ(b.h.PCdProdSel, 0);
    EXPECT_EQ(b.h.grd1.Row(), 2);
}

TEST_F(Selezione, TooltipsShowThePartnerDescription) {
    const int colAssoc1 = b.h.grd1.ColIndex("CDPROD2");
    EXPECT_EQ(DidascaliaGrd1(b.h, 2, colAssoc1), "CATALOGO DUE");
    EXPECT_EQ(DidascaliaGrd1(b.h, 3, colAssoc1), ""); // marked: "0" in its index cell
    EXPECT_EQ(DidascaliaGrd1(b.h, 2, b.h.grd1.ColIndex("DESCR")), "");
    EXPECT_EQ(DidascaliaGrd1(b.h, 0, colAssoc1), std::nullopt); // header: left as it was

    b.h.Testi.TxtCod = "K";
    CaricaGrid2(b.h);
    EXPECT_EQ(DidascaliaGrd2(b.h, 2, b.h.Grd2.ColIndex("CDINT")), "QUATTRO");
}

TEST(SelezioneOrdinata, SavedSortOfGrd1KeepsTheChosenArticle) {
    Banco b({RigaInt("I1", "ZETA", "", "C1"), RigaInt("I2", "ALFA", "", "C2")},
            {RigaProd("C1", "001", "UNO")});
    b.cartella.Scrivi("sort1.txt", "DESCR,1\r\n");
    b.pf.AspettaApriFile("Apri file Database", b.fileInt)
        .AspettaApriFile("Apri file Orvessa", b.fileProd)
        .AspettaSalvaFile("Salva il file di output Zelvano", b.fileOut);
    LeggiArchivi(b.h);
    EXPECT_EQ(b.h.grd1.Testo(1, "DESCR"), "ALFA");
    EXPECT_EQ(b.h.PCdIntSel, 1);
    EXPECT_EQ(RigaGrd1(b.h), 2);
    EXPECT_EQ(b.h.grd1.Row(), 2);
    ScegliRigaGrd2(b.h, 1);
    Associa(b.h);
    EXPECT_EQ(b.h.grd1.Testo(2, "CDPROD2"), "C1");
    EXPECT_EQ(b.h.grd1.Testo(1, "CDPROD2"), "");
}

} // namespace
} // namespace zelvano::test
