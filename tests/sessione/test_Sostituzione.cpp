#include "support/Banco.h"

#include "griglie/Selezione.h"
#include "sessione/Sostituzione.h"

#include <gtest/gtest.h>

namespace zelvano::test {
namespace {

struct CasoSost {
    const char* codice;
    const char* trova; // as the user typed it
    const char* sostituisci;
    MetodoSost modo;
    const char* atteso; // nullptr: left alone
};

// Long enough to hold every column of the supplier code, and more.
std::string Lunga(std::string riga) {
    riga.resize(120, ' ');
    return riga + "FINE";
}

EsitoRicerca Esegui(const char* trova, const char* sost, MetodoSost modo) {
    return {true, trova, sost, modo};
}

TEST(Sostituzione, MethodsReplaceAsTheUserExpects) {
    using enum MetodoSost;
    const CasoSost casi[] = {
        {"AXBX", "x", "y", Contiene, "AYBY"},
        {"AB12", "AB", "", Contiene, "12"},
        {"AB12", "ab12", "K", Contiene, "K"},
        {"ab12", "AB", "K", Contiene, nullptr}, // the find text is upper-cased, codes are not
        {"AB12", "AB12", "K", Inizia, nullptr},
        {"AB12", "AB", "ZX", Inizia, "ZX12"},
        {"AB12", "12", "", Finisce, "AB"},
        {"AB12", "", "Q", Inizia, "QAB12"},
        {"AB12", "", "Q", Finisce, "AB12Q"},
        // A code that would come out as it was is no change: neither counted nor written.
        {"AB12", "", "Q", Contiene, nullptr},
        {"MF9452", "mf", "MF", Contiene, nullptr},
        {"MF9452", "9452", "9452", Finisce, nullptr},
    };
    for (const CasoSost& c : casi) {
        SCOPED_TRACE(std::string(c.codice) + " '" + c.trova + "' -> '" + c.sostituisci +
                     "' method " + std::to_string(static_cast<int>(c.modo)));
        Banco b({Lunga(RigaInt("I1", "UNO", "", c.codice)), RigaInt("I2", "DUE", "", "")},
                {RigaProd("Z", "001", "")});
        const std::string prima = LeggiFile(b.fileInt);
        b.pf.AspettaRicerca(Esegui(c.trova, c.sostituisci, c.modo));
        if (c.atteso == nullptr) {
            b.pf.AspettaMessaggio("Nessun aggiornamento eseguito");
        } else {
            b.pf.AspettaDomanda("Aggiornato 1 codice. Confermi?", Risposta::No);
        }
        SostituisciCodiciFornitore(b.h);
        EXPECT_EQ(b.h.ArtInt[1].CdProd, c.codice); // No takes every change back
        EXPECT_EQ(b.h.grd1.Testo(1, "CDPROD"), c.codice);
        EXPECT_EQ(LeggiFile(b.fileInt), prima);
        EXPECT_EQ(b.h.grd1.Row(), RigaGrd1(b.h)); // the chosen article highlighted again
        if (c.atteso != nullptr) {
            EXPECT_EQ(b.h.ArtInt[1].CdProdPrec, c.codice);
            b.pf.AspettaRicerca(Esegui(c.trova, c.sostituisci, c.modo))
                .AspettaDomanda("Aggiornato 1 codice. Confermi?", Risposta::Si);
            SostituisciCodiciFornitore(b.h);
            EXPECT_EQ(b.h.ArtInt[1].CdProd, c.atteso);
            EXPECT_EQ(b.h.grd1.Testo(1, "CDPROD"), c.atteso);
            EXPECT_EQ(b.h.ArtInt[1].Modificato, 0);
            EXPECT_EQ(b.h.grd1.CellBackColor(1, b.h.grd1.ColIndex("CDPROD")), Griglia::Bianco);
            EXPECT_EQ(LeggiFile(b.fileInt).substr(82, 30),
                      (std::string(c.atteso) + std::string(30, ' ')).substr(0, 30));
        }
    }
}

TEST(Sostituzione, PairedArticlesAndLeavingTheWindowChangeNothing) {
    Banco b({RigaInt("I1", "UNO", "", "K1"), RigaInt("I2", "DUE", "", "K1")},
            {RigaProd("K1", "001", "")}, RigaOut("K1", "I1", 'A'));
    b.pf.AspettaRicerca({false, "K", "Z", MetodoSost::Contiene});
    EXPECT_FALSE(ApriRicercaTesto(b.h));
    EXPECT_EQ(b.h.Testi.Trova, "");

    b.pf.AspettaRicerca(Esegui("k", "z", MetodoSost::Contiene))
        .AspettaDomanda("Aggiornato 1 codice. Confermi?", Risposta::Si);
    SostituisciCodiciFornitore(b.h);
    EXPECT_EQ(b.h.ArtInt[1].CdProd, "K1");
    EXPECT_EQ(b.h.ArtInt[2].CdProd, "Z1");
    EXPECT_EQ(b.h.Testi.Trova, "K");
    EXPECT_EQ(b.h.Testi.Sostituisci, "Z");
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Aggiornato 1 codice in articoli.ber: 0 nuovi abbinamenti");
}

// After Yes the clerk is still on the article he had chosen, not on the first one to pair;
// the pairs the automatic run then finds are told.
TEST(Sostituzione, ConfirmedReplacementKeepsTheChosenArticle) {
    Banco b({RigaInt("I1", "UNO", "", "Q1"), RigaInt("I2", "DUE", "", "X-2"),
             RigaInt("I3", "TRE", "", "X-3")},
            {RigaProd("Y-2", "002", ""), RigaProd("Y-3", "003", "")});
    b.Scegli1(3);
    b.pf.AspettaRicerca(Esegui("x", "y", MetodoSost::Inizia))
        .AspettaDomanda("Aggiornati 2 codici. Confermi?", Risposta::Si);
    SostituisciCodiciFornitore(b.h);
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Aggiornati 2 codici in articoli.ber: 2 nuovi abbinamenti");
    EXPECT_EQ(b.h.PCdIntSel, 3);
    EXPECT_EQ(b.h.grd1.Record(b.h.grd1.Row()), 3);
    EXPECT_EQ(b.h.Testi.TxtCod, "Y-3"); // the code of its new pair
}

} // namespace
} // namespace zelvano::test
