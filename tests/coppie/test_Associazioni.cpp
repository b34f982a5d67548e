#include "support/Banco.h"
#include "support/Invarianti.h"

#include "coppie/Associazioni.h"
#include "files/ErroreFile.h"
#include "files/FileOutput.h"
#include "griglie/Selezione.h"
#include "griglie/Totali.h"
#include "support/GuastoScrittura.h"

#include <gtest/gtest.h>

namespace zelvano::test {
namespace {

const std::string GiaAssociato = "Articolo del gestionale gi\xE0 precedentemente associato, "
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
    // Both links of a pair, as "input>catalogue|catalogue>input".
    std::string Legami(int32_t i, int32_t j) const {
        return std::to_string(b.h.ArtInt[i].PCdProd) + "|" + std::to_string(b.h.ArtProd[j].PCdInt);
    }
    Banco b;
};

TEST_F(Associazioni, FreeWithFreePairsRecordsCellsAndTotals) {
    EXPECT_EQ(b.Totali(), "1|1|1");
    EXPECT_EQ(b.h.PCdIntSel, 2); // the opening chose the first article to associate
    b.Scegli2(3);
    Associa(b.h);
    EXPECT_EQ(Legami(2, 3), "3|2");
    EXPECT_EQ(b.h.ArtInt[2].Stato + b.h.ArtProd[3].Stato, "AA");
    EXPECT_EQ(b.Celle1(2), "3|A|K2");
    EXPECT_EQ(b.Celle2(3), "2|A|I2");
    EXPECT_EQ(b.Totali(), "2|1|0");
    EXPECT_TRUE(b.h.DatiModificati);
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Associato I2 a K2");

    // The same pair again: nothing asked, nothing counted.
    b.h.DatiModificati = false;
    Associa(b.h);
    EXPECT_EQ(b.Totali(), "2|1|0");
    EXPECT_FALSE(b.h.DatiModificati);
}

TEST_F(Associazioni, NothingChosenIsReported) {
    NessunaSelezione2(b.h);
    b.pf.AspettaMessaggio("Selezionare un articolo Orvessa");
    Associa(b.h);
    NessunaSelezione1(b.h);
    for (int k = 0; k < 3; ++k)
        b.pf.AspettaMessaggio("Selezionare un articolo del gestionale");
    Associa(b.h);
    NonAssociabile(b.h);
    DisAssocia(b.h);
    EXPECT_EQ(b.Totali(), "1|1|1");
}

TEST_F(Associazioni, MarkedArticleIsPairedWithoutQuestion) {
    b.Scegli(3, 4);
    Associa(b.h);
    EXPECT_EQ(b.Totali(), "2|0|1");
    EXPECT_EQ(b.Celle1(3), "4|A|K4");
}

TEST_F(Associazioni, TakenArticleAbandonedOrCancelled) {
    b.Scegli(2, 2);
    Associa(b.h);
    b.Scegli(1, 2); // 1, paired with catalogue 1, wants catalogue 2 from article 2
    const std::string prima = TestoFileOutput(b.h);
    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si).AspettaFrmMsg(EsitoScelta::Abbandona);
    Associa(b.h);
    EXPECT_EQ(TestoFileOutput(b.h), prima);
    EXPECT_EQ(b.Totali(), "2|1|0");

    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si).AspettaFrmMsg(EsitoScelta::Annulla);
    Associa(b.h);
    EXPECT_EQ(b.Totali(), "1|1|1"); // 2 - 1 - 1 + 1
    EXPECT_EQ(Legami(1, 2), "2|1");
    EXPECT_EQ(Legami(2, 1), "0|0");
    EXPECT_EQ(b.Celle1(2), "0||");
    EXPECT_EQ(b.Celle2(1), "0||");
    EXPECT_EQ(b.Celle2(2), "1|A|I1");
}

TEST_F(Associazioni, FurtherPairCopiesTheCatalogueLine) {
    const std::string primaFile = LeggiFile(b.fileProd);
    b.Scegli(2, 1); // catalogue 1, in the middle of the table, is taken by input 1
    const int righePrima = b.h.Grd2.Rows();
    b.pf.AspettaFrmMsg(EsitoScelta::Aggiungi);
    Associa(b.h);
    EXPECT_EQ(LeggiFile(b.fileProd), primaFile + RigaProd("K1", "AB1", "UNO") + "\r\n");
    EXPECT_EQ(b.h.NumProd, 5);
    EXPECT_EQ(b.h.Grd2.Rows(), righePrima + 1);
    EXPECT_EQ(b.h.Grd2.Row(), righePrima); // the copy is the row the user sees chosen
    EXPECT_EQ(b.h.PCdProdSel, 5);
    EXPECT_EQ(b.Celle2(5), "2|A|I2");
    EXPECT_EQ(Legami(1, 1), "1|1");        // the original keeps its pair
    EXPECT_EQ(b.h.Totali.articoliProd, 4); // counted by the full refresh only
    EXPECT_EQ(b.Totali(), "2|1|0");
}

TEST_F(Associazioni, CopyStartsItsOwnLineWhenFileLacksFinalBreak) {
    std::string testo = LeggiFile(b.fileProd);
    testo.erase(testo.size() - 2);
    b.cartella.Scrivi("catalogo.orv", testo);
    b.Scegli(2, 4);
    Associa(b.h);
    b.Scegli(3, 4);
    b.pf.AspettaFrmMsg(EsitoScelta::Aggiungi);
    Associa(b.h);
    EXPECT_EQ(LeggiFile(b.fileProd), testo + "\r\n" + RigaProd("K4", "AB4", "QUATTRO") + "\r\n");
}

// The catalogue changed on disk after the opening: the line gone, another article in its
// place, or cut inside the line. No copy is made, nothing is appended, nothing changes.
TEST_F(Associazioni, CopyOfLineChangedOnDiskChangesNothing) {
    const std::string riga1 = RigaProd("K1", "AB1", "UNO") + "\r\n";
    const std::string altra = RigaProd("K1", "AB9", "UNO") + "\r\n";
    const std::string cambiata = "La riga 1 del file catalogo.orv non \xE8 pi\xF9 quella "
                                 "dell'articolo K1: associazione non eseguita";
    const struct {
        std::string file, messaggio;
    } casi[] = {
        {"", "La riga 1 non c'\xE8 pi\xF9 nel file catalogo.orv: associazione non eseguita"},
        {altra + riga1, cambiata},                 // a line inserted before it
        {riga1.substr(0, 30), cambiata},           // cut at byte 30: the code still reads K1
        {riga1.substr(0, 256) + "\r\n", cambiata}, // the description cut short
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.file.size());
        b.Scegli(2, 1);
        b.pf.AspettaFrmMsg(EsitoScelta::Aggiungi).AspettaMessaggio(c.messaggio);
        b.cartella.Scrivi("catalogo.orv", c.file);
        Associa(b.h);
        EXPECT_EQ(LeggiFile(b.fileProd), c.file);
        EXPECT_EQ(b.h.NumProd, 4);
        EXPECT_EQ(Legami(2, 4), "0|0");
        EXPECT_EQ(b.Totali(), "1|1|1");
    }
}

// The copy's write fails part way, as on a full disk: the catalogue file is cut back, and
// the window shows the error with tables, links and totals as before.
TEST_F(Associazioni, CopyFailingHalfWayLeavesFileAndTablesAsBefore) {
    const std::string primaFile = LeggiFile(b.fileProd);
    b.Scegli(2, 1);
    b.pf.AspettaFrmMsg(EsitoScelta::Aggiungi);
    ImpostaGuastoScrittura(5);
    std::string errore;
    try {
        Associa(b.h);
    } catch (const ErroreFile& e) {
        errore = e.what();
    }
    TogliGuastoScrittura();
    EXPECT_EQ(errore, "Impossibile scrivere il file " + b.fileProd + ": disco pieno");
    EXPECT_EQ(LeggiFile(b.fileProd), primaFile);
    EXPECT_EQ(b.h.NumProd, 4);
    EXPECT_EQ(Legami(2, 1), "0|1");
    EXPECT_EQ(b.Totali(), "1|1|1");
    // The next copy goes where the file ends, as if nothing had happened.
    b.pf.AspettaFrmMsg(EsitoScelta::Aggiungi);
    Associa(b.h);
    EXPECT_EQ(LeggiFile(b.fileProd), primaFile + RigaProd("K1", "AB1", "UNO") + "\r\n");
    EXPECT_EQ(Legami(2, 5), "5|2");
}

TEST_F(Associazioni, NotAssociableAndDisassociate) {
    b.Scegli(1, 2);
    b.pf.AspettaDomanda(GiaAssociato, Risposta::No);
    NonAssociabile(b.h);
    EXPECT_EQ(b.Totali(), "1|1|1");
    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si);
    NonAssociabile(b.h);
    EXPECT_EQ(b.Totali(), "0|2|1");
    EXPECT_EQ(b.Celle1(1), "0|X|*Non associabile");
    EXPECT_EQ(b.Celle2(1), "0||"); // catalogue 1 was on screen: freed there too
    b.h.DatiModificati = false;
    NonAssociabile(b.h); // twice: nothing
    EXPECT_FALSE(b.h.DatiModificati);

    DisAssocia(b.h);
    EXPECT_EQ(b.Totali(), "0|1|2");
    EXPECT_EQ(b.Celle1(1), "0||");
    EXPECT_TRUE(b.h.DatiModificati);
    b.pf.AspettaMessaggio("Articolo del gestionale non ancora associato ");
    DisAssocia(b.h);
    // The mark typed by hand keeps its small a until the grid is filled again.
    NonAssociabile(b.h);
    RefreshGrideLabel(b.h);
    EXPECT_EQ(b.Celle1(1), "0|X|*Non Associabile");
}

TEST_F(Associazioni, CancelWhenCatalogueRowNotShownLeavesGrd2) {
    b.Scegli1(2); // Grd2 shows the K2 records only
    ASSERT_EQ(b.Riga2(1), 0);
    const std::string grd2 = b.Celle2(2) + "/" + b.Celle2(3);
    AnnullaAssoc(b.h, 1);
    EXPECT_EQ(Legami(1, 1), "0|0");
    EXPECT_EQ(b.Celle1(1), "0||");
    EXPECT_EQ(b.Celle2(2) + "/" + b.Celle2(3), grd2);
    EXPECT_EQ(b.Totali(), "0|1|2");
}

// The output file names a catalogue code the catalogue does not have: the article is to
// associate, and pairing it asks nothing.
TEST(AssociazioniSenzaCatalogo, SavedPairOnHoldIsFreeToPair) {
    Banco b({RigaInt("I1", "PRIMO", "L", "K1"), RigaInt("I2", "SECONDO", "L", "K9")},
            {RigaProd("K1", "AB1", "UNO")});
    b.cartella.Scrivi("abbinamenti.txt", RigaOut("", "I1", ' ') + RigaOut("K9", "I2", 'A'));
    b.Riapri({"1 abbinamento salvato in abbinamenti.txt indica un articolo Orvessa non trovato "
              "nel catalogo (codice K9): l'articolo resta da associare e la sua riga resta nel "
              "file di output com'era, finch\xE9 non si decide altrimenti per l'articolo"});
    EXPECT_EQ(Abbinamenti(b.h), "0 0 | 0 S0 | 0");
    b.Scegli(2, 1);
    Associa(b.h);
    EXPECT_EQ(Abbinamenti(b.h), "1 0 | 0 A1 | 2");
}

TEST_F(Associazioni, StaleRowAfterUserSortIsNotWrittenInto) {
    b.Scegli(2, 2);
    b.h.grd1.OrdinaUtente(b.h.grd1.ColIndex("DESCR"), Griglia::OrdineDecrescente);
    b.pf.AspettaMessaggio("Selezionare un articolo del gestionale");
    Associa(b.h);
    EXPECT_EQ(b.h.ArtInt[2].PCdProd, 0);
    EXPECT_EQ(b.h.Grd2.Rows(), 1); // sorting grd1 empties Grd2
}

} // namespace
} // namespace zelvano::test
