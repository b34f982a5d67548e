#include "support/Banco.h"

#include "files/FileOutput.h"
#include "matching/Associazioni.h"
#include "matching/Selezione.h"

#include <gtest/gtest.h>

namespace zelvano::test {
namespace {

const std::string GiaAssociato = "Articolo del gestionale gi\xE0 precedentemente associato , "
                                 "annullare l'associazione precedente?";

// Three customer articles and four catalogue articles; input 1 is paired with catalogue 1
// and input 3 is marked, as an output file restores them.
class Associazioni : public ::testing::Test {
  protected:
    Associazioni()
        : b({RigaInt("I1", "PRIMO", "L", "K1"), RigaInt("I2", "SECONDO", "L", "K2"),
             RigaInt("I3", "TERZO", "L", "K3")},
            {RigaProd("K1", "AB1", "UNO"), RigaProd("K2", "AB2", "DUE"),
             RigaProd("K2", "AB3", "DUE BIS"), RigaProd("K4", "AB4", "QUATTRO")},
            RigaOut("K1", "I1", 'A') + RigaOut("", "I2", ' ') + RigaOut("", "I3", 'X')) {}

    void Totali(int associati, int nonAssociabili) {
        EXPECT_EQ(b.h.NumAssociati, associati);
        EXPECT_EQ(b.h.NumNonAssociabili, nonAssociabili);
        EXPECT_EQ(b.h.lblFileint[6], std::to_string(associati));
        EXPECT_EQ(b.h.lblFileint[8], std::to_string(nonAssociabili));
        EXPECT_EQ(b.h.lblFileint[10], std::to_string(3 - associati - nonAssociabili));
    }

    Banco b;
};

TEST_F(Associazioni, OpeningRestoresPairsAndChoosesFirstFreeArticle) {
    Totali(1, 1);
    EXPECT_EQ(b.h.PCdIntSel, 2);
    EXPECT_EQ(b.h.TxtCod, "K2");
    EXPECT_FALSE(b.h.DatiModificati);
}

TEST_F(Associazioni, FreeWithFreePairsBothSidesAndCells) {
    b.Scegli2(3);
    Associa(b.h);
    EXPECT_EQ(b.h.ArtInt[2].Stato, "A");
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 3);
    EXPECT_EQ(b.h.ArtProd[3].Stato, "A");
    EXPECT_EQ(b.h.ArtProd[3].PCdInt, 2);
    EXPECT_EQ(b.Cella1(2, "PCDPROD"), "3");
    EXPECT_EQ(b.Cella1(2, "STATO"), "A");
    EXPECT_EQ(b.Cella1(2, "CDPROD2"), "K2");
    EXPECT_EQ(b.Cella2(3, "PCDINT"), "2");
    EXPECT_EQ(b.Cella2(3, "STATO"), "A");
    EXPECT_EQ(b.Cella2(3, "CDINT"), "I2");
    Totali(2, 1);
    EXPECT_TRUE(b.h.DatiModificati);

    // The same pair again: nothing asked, nothing counted.
    b.h.DatiModificati = false;
    Associa(b.h);
    Totali(2, 1);
    EXPECT_FALSE(b.h.DatiModificati);
}

TEST_F(Associazioni, NothingChosenIsReported) {
    b.h.RigaGrd2 = 0;
    b.pf.AspettaMessaggio("Selezionare un articolo Orvessa");
    Associa(b.h);
    b.h.RigaGrd1 = 0;
    b.pf.AspettaMessaggio("Selezionare un articolo del gestionale")
        .AspettaMessaggio("Selezionare un articolo del gestionale")
        .AspettaMessaggio("Selezionare un articolo del gestionale");
    Associa(b.h);
    NonAssociabile(b.h);
    DisAssocia(b.h);
    Totali(1, 1);
}

TEST_F(Associazioni, MarkedArticleIsPairedWithoutQuestion) {
    b.Scegli1(3);
    b.TuttoIlCatalogo();
    b.Scegli2(4);
    Associa(b.h);
    Totali(2, 0);
    EXPECT_EQ(b.Cella1(3, "STATO"), "A");
    EXPECT_EQ(b.Cella1(3, "CDPROD2"), "K4");
}

TEST_F(Associazioni, TakenArticleAbandonedChangesNothing) {
    b.Scegli1(2);
    b.TuttoIlCatalogo();
    b.Scegli2(2);
    Associa(b.h); // 2 with K2 (record 2)
    b.Scegli1(1);
    b.TuttoIlCatalogo();
    b.Scegli2(2);
    const std::string prima = TestoFileOutput(b.h);
    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si).AspettaFrmMsg("ABB");
    Associa(b.h);
    EXPECT_EQ(TestoFileOutput(b.h), prima);
    EXPECT_EQ(b.h.EsitoMsg, "ABB");
    Totali(2, 1);
}

TEST_F(Associazioni, CancellingEarlierPairsDissolvesBoth) {
    b.Scegli1(2);
    b.TuttoIlCatalogo();
    b.Scegli2(2);
    Associa(b.h); // 2 with catalogue 2
    b.Scegli1(1);
    b.TuttoIlCatalogo();
    b.Scegli2(2); // 1 (paired with catalogue 1) takes catalogue 2 from article 2
    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si).AspettaFrmMsg("ANN");
    Associa(b.h);
    Totali(1, 1); // 2 - 1 - 1 + 1
    EXPECT_EQ(b.h.ArtInt[1].PCdProd, 2);
    EXPECT_EQ(b.h.ArtProd[1].PCdInt, 0);
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 0);
    EXPECT_EQ(b.Cella1(2, "STATO"), "");
    EXPECT_EQ(b.Cella1(2, "CDPROD2"), "");
    EXPECT_EQ(b.Cella1(2, "PCDPROD"), "0");
    EXPECT_EQ(b.Cella2(1, "PCDINT"), "0");
    EXPECT_EQ(b.Cella2(2, "CDINT"), "I1");
}

TEST_F(Associazioni, AddingFurtherPairCopiesTheCatalogueLine) {
    const std::string primaFile = LeggiFile(b.fileProd);
    b.Scegli1(2);
    b.TuttoIlCatalogo();
    b.Scegli2(1); // catalogue 1 is taken by input 1, in the middle of the table
    const int righePrima = b.h.Grd2.Rows();
    b.pf.AspettaFrmMsg("DUP");
    Associa(b.h);
    EXPECT_EQ(b.h.NumProd, 5);
    EXPECT_EQ(LeggiFile(b.fileProd), primaFile + RigaProd("K1", "AB1", "UNO") + "\r\n");
    EXPECT_EQ(b.h.Grd2.Rows(), righePrima + 1);
    EXPECT_EQ(b.h.RigaGrd2, righePrima);
    EXPECT_EQ(b.h.PCdProdSel, 5);
    EXPECT_EQ(b.Cella2(5, "CDINT"), "I2");
    EXPECT_EQ(b.Cella2(5, "STATO"), "A");
    EXPECT_EQ(b.h.ArtProd[1].PCdInt, 1); // the original keeps its pair
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 5);
    EXPECT_EQ(b.h.lblFileprod[2], "4"); // the reference side is written by the full refresh
    Totali(2, 1);
}

TEST_F(Associazioni, CopyStartsItsOwnLineWhenFileLacksFinalBreak) {
    std::string testo = LeggiFile(b.fileProd);
    testo.erase(testo.size() - 2);
    b.cartella.Scrivi("catalogo.orv", testo);
    b.Scegli1(2);
    b.TuttoIlCatalogo();
    b.Scegli2(4);
    Associa(b.h);
    b.Scegli1(3);
    b.TuttoIlCatalogo();
    b.Scegli2(4);
    b.pf.AspettaFrmMsg("DUP");
    Associa(b.h);
    EXPECT_EQ(LeggiFile(b.fileProd), testo + "\r\n" + RigaProd("K4", "AB4", "QUATTRO") + "\r\n");
}

TEST_F(Associazioni, CopyOfLineGoneFromFileChangesNothing) {
    b.Scegli1(2);
    b.TuttoIlCatalogo();
    b.Scegli2(1);
    b.pf.AspettaFrmMsg("DUP").AspettaMessaggio(
        "La riga 1 non c'\xE8 pi\xF9 nel file catalogo.orv: associazione non eseguita");
    b.cartella.Scrivi("catalogo.orv", ""); // shortened on disk after the opening
    Associa(b.h);
    EXPECT_EQ(b.h.NumProd, 4);
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 0);
    EXPECT_EQ(b.h.ArtProd[4].PCdInt, 0);
    Totali(1, 1);
}

TEST_F(Associazioni, NotAssociableCancelsPairAfterYes) {
    b.Scegli1(1);
    b.pf.AspettaDomanda(GiaAssociato, Risposta::No);
    NonAssociabile(b.h);
    Totali(1, 1);
    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si);
    NonAssociabile(b.h);
    Totali(0, 2);
    EXPECT_EQ(b.Cella1(1, "CDPROD2"), "*Non associabile");
    EXPECT_EQ(b.Cella1(1, "PCDPROD"), "0");
    EXPECT_EQ(b.Cella2(1, "CDINT"), ""); // catalogue 1 was on screen: freed there too
    EXPECT_EQ(b.Cella2(1, "PCDINT"), "0");
    b.h.DatiModificati = false;
    NonAssociabile(b.h); // twice: nothing
    Totali(0, 2);
    EXPECT_FALSE(b.h.DatiModificati);
}

TEST_F(Associazioni, DisassociateEachState) {
    b.Scegli1(3);
    DisAssocia(b.h);
    Totali(1, 0);
    EXPECT_EQ(b.Cella1(3, "STATO"), "");
    EXPECT_EQ(b.Cella1(3, "CDPROD2"), "");
    EXPECT_TRUE(b.h.DatiModificati);

    b.Scegli1(1);
    DisAssocia(b.h);
    Totali(0, 0);

    b.pf.AspettaMessaggio("Articolo del gestionale non ancora associato ");
    DisAssocia(b.h);
}

TEST_F(Associazioni, CancelWhenCatalogueRowNotShownLeavesGrd2) {
    b.Scegli1(2); // Grd2 shows the K2 records only
    ASSERT_EQ(b.Riga2(1), 0);
    const int righe = b.h.Grd2.Rows();
    AnnullaAssoc(b.h, 1);
    EXPECT_EQ(b.h.ArtProd[1].PCdInt, 0);
    EXPECT_EQ(b.Cella1(1, "PCDPROD"), "0");
    EXPECT_EQ(b.h.Grd2.Rows(), righe);
    Totali(0, 1);
}

TEST(AssociazioniSenzaCatalogo, StateAWithoutPairIsFreeToPair) {
    // The output file names a catalogue code the catalogue does not have.
    Banco b({RigaInt("I1", "PRIMO", "L", "K1"), RigaInt("I2", "SECONDO", "L", "K9")},
            {RigaProd("K1", "AB1", "UNO")}, RigaOut("", "I1", ' ') + RigaOut("K9", "I2", 'A'));
    EXPECT_EQ(b.h.ArtInt[2].Stato, "A");
    EXPECT_EQ(b.h.NumAssociati, 0);
    b.Scegli1(2);
    b.pf.AspettaMessaggio("Articolo del gestionale non ancora associato ");
    DisAssocia(b.h);
    b.TuttoIlCatalogo();
    b.Scegli2(1);
    Associa(b.h);
    EXPECT_EQ(b.h.NumAssociati, 1);
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 1);
}

TEST_F(Associazioni, StaleRowAfterUserSortIsNotWrittenInto) {
    b.Scegli1(2);
    b.Scegli2(2);
    b.h.grd1.OrdinaUtente(b.h.grd1.ColIndex("DESCR"), Griglia::OrdineDecrescente);
    b.pf.AspettaMessaggio("Selezionare un articolo del gestionale");
    Associa(b.h);
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 0);
    EXPECT_EQ(b.h.Grd2.Rows(), 1); // sorting grd1 empties Grd2
}

} // namespace
} // namespace zelvano::test
