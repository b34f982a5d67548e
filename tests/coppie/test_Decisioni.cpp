#include "coppie/Decisioni.h"

#include "support/Banco.h"
#include "support/Invarianti.h"

#include "coppie/Associazioni.h"
#include "data/Testo.h"
#include "files/FileOutput.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"
#include "proposte/AccettaProposte.h"
#include "sessione/EventiFinestra.h"
#include "sessione/SalvaArchivio.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace zelvano::test {
namespace {

// Everything a decision may change and the user may see, over the first n catalogue
// records: records, every cell of grd1 and of the Grd2 rows of those records, the totals,
// the modified flag.
std::string Foto(const StatoHome& h, int32_t n) {
    std::string t = Numero(h.NumAssociati) + " " + Numero(h.NumNonAssociabili) + " |";
    for (int32_t i = 1; i <= h.NumInt; ++i)
        t += " " + h.ArtInt[i].Stato + Numero(h.ArtInt[i].PCdProd) + "/" +
             Numero(static_cast<int>(h.ArtInt[i].Origine)) + "/" + Numero(h.ArtInt[i].Gruppo);
    t += " |";
    for (int32_t j = 1; j <= n; ++j)
        t += " " + h.ArtProd[j].Stato + Numero(h.ArtProd[j].PCdInt) + h.ArtProd[j].CdInt;
    t += std::string(" | modificati ") + (h.DatiModificati ? "si" : "no") + "\n";
    t += Numero(h.Totali.associati) + "|" + Numero(h.Totali.nonAssociabili) + "|" +
         Numero(h.Totali.daAssociare) + "|";
    for (const Griglia* g : {&h.grd1, &h.Grd2}) {
        for (int r = 1; r < g->Rows(); ++r) {
            if (g == &h.Grd2 && g->Record(r) > n)
                continue;
            t += "\n";
            for (int c = 0; c < g->Cols(); ++c)
                t += g->TextMatrix(r, c) + "|";
        }
        t += "\n--";
    }
    return t;
}

std::string Foto(const StatoHome& h) {
    return Foto(h, h.NumProd);
}

// The copies decisions left in the catalogue, beyond the first n records, all free: empty
// when they are.
std::string CopieNonLibere(const StatoHome& h, int32_t n) {
    std::string t;
    for (int32_t j = n + 1; j <= h.NumProd; ++j)
        if (h.ArtProd[j].PCdInt != 0 || !h.ArtProd[j].Stato.empty())
            t += Numero(j) + ":" + h.ArtProd[j].Stato + Numero(h.ArtProd[j].PCdInt) + " ";
    return t;
}

// Input 1 paired with catalogue 1, input 3 marked; catalogue 2 and 3 share a code. Each
// case chooses input i (and catalogue j, or the whole catalogue shown when 0), then decides.
struct Caso {
    const char* nome;
    int32_t i, j;
    std::function<void(Banco&)> decisione;
    const char* descrizione; // after "Annullato: " and "Ripetuto: "
};

const char* const GiaAssociato = "Articolo del gestionale gi\xE0 precedentemente associato, "
                                 "annullare l'associazione precedente?";

TEST(Decisioni, EveryKindOfDecisionIsUndoneAndRedoneExactly) {
    const Caso casi[] = {
        {"pair", 2, 2, [](Banco& b) { Associa(b.h); }, "associazione di I2 a K2"},
        {"pair of a marked article", 3, 4, [](Banco& b) { Associa(b.h); },
         "associazione di I3 a K4"},
        {"choice: cancel the earlier pair", 2, 1,
         [](Banco& b) {
             b.pf.AspettaFrmMsg(EsitoScelta::Annulla);
             Associa(b.h);
         },
         "associazione di I2 a K1"},
        {"choice: a further pair through a copy", 2, 1,
         [](Banco& b) {
             b.pf.AspettaFrmMsg(EsitoScelta::Aggiungi);
             Associa(b.h);
         },
         "associazione di I2 a K1 (copia della riga 1 del catalogo)"},
        {"mark of a paired article", 1, 0,
         [](Banco& b) {
             b.pf.AspettaDomanda(GiaAssociato, Risposta::Si);
             NonAssociabile(b.h);
         },
         "segno di non associabile su I1"},
        {"mark", 2, 0, [](Banco& b) { NonAssociabile(b.h); }, "segno di non associabile su I2"},
        {"mark taken away", 3, 0, [](Banco& b) { DisAssocia(b.h); },
         "tolto il segno di non associabile da I3"},
        {"pair undone", 1, 0, [](Banco& b) { DisAssocia(b.h); }, "tolta l'associazione di I1 a K1"},
        // The marked article's proposal is passed over; the others are one decision.
        {"accepted group of proposals", 2, 0,
         [](Banco& b) {
             GruppoProposte g;
             g.proposte = {{2, 2, 99.5, Ragione::Suffisso, "B"}, {3, 4, 99, Ragione::Scambio, ""}};
             EXPECT_EQ(AccettaGruppo(b.h, g).saltate, 1);
         },
         "1 abbinamento proposto"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b({RigaInt("I1", "UNO", "", "K1"), RigaInt("I2", "DUE", "", "K2"),
                 RigaInt("I3", "TRE", "", "K3")},
                {RigaProd("K1", "AB1", "UNO"), RigaProd("K2", "AB2", "DUE"),
                 RigaProd("K2", "AB3", "DUE BIS"), RigaProd("K4", "AB4", "QUATTRO")},
                RigaOut("K1", "I1", 'A') + RigaOut("", "I2", ' ') + RigaOut("", "I3", 'X'));
        if (c.j != 0) {
            b.Scegli(c.i, c.j);
        } else {
            b.Scegli1(c.i);
            b.TuttoIlCatalogo();
        }
        const std::string prima = Foto(b.h, 4);
        c.decisione(b);
        const std::string dopo = Foto(b.h);
        const std::string catalogo = LeggiFile(b.fileProd);
        ASSERT_NE(dopo, prima);

        AnnullaDecisione(b.h);
        EXPECT_EQ(Foto(b.h, 4), prima);
        EXPECT_EQ(CopieNonLibere(b.h, 4), "");
        EXPECT_EQ(Violazioni(b.h), "");
        EXPECT_FALSE(b.h.DatiModificati);
        EXPECT_EQ(LeggiFile(b.fileProd), catalogo); // a copied line stays in the file
        EXPECT_EQ(b.h.Testi.MessaggioStato, std::string("Annullato: ") + c.descrizione);
        RipetiDecisione(b.h);
        EXPECT_EQ(Foto(b.h), dopo);
        EXPECT_EQ(b.h.Testi.MessaggioStato, std::string("Ripetuto: ") + c.descrizione);
    }
}

TEST(Decisioni, TheAutomaticRunIsOneDecisionAndSavingMovesTheModifiedFlag) {
    Banco b({RigaInt("I1", "", "", "K 1"), RigaInt("I2", "", "", "K2"), RigaInt("I3", "", "", "Q")},
            {RigaProd("K1", "", ""), RigaProd("K2", "", "")}, "");
    EXPECT_EQ(b.Totali(), "2|0|1");
    AnnullaDecisione(b.h);
    EXPECT_EQ(b.Totali(), "0|0|3");
    EXPECT_FALSE(b.h.DatiModificati); // as the opening left it, before the run
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Annullato: 2 associazioni automatiche");
    // Yet the output file is still empty: leaving without saving would run it again.
    b.pf.AspettaDomanda("Il file di output \xE8 ancora vuoto: alla prossima apertura le "
                        "associazioni automatiche annullate sarebbero rifatte. Salvare?",
                        Risposta::Annulla);
    EXPECT_FALSE(ConfermaChiusura(b.h));
    RipetiDecisione(b.h);
    EXPECT_EQ(b.Totali(), "2|0|1");
    EXPECT_TRUE(b.h.DatiModificati);
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Ripetuto: 2 associazioni automatiche");

    ASSERT_TRUE(SalvaArchivio(b.h));
    AnnullaDecisione(b.h); // the file holds the pairs: this is unsaved work
    EXPECT_TRUE(b.h.DatiModificati);
    RipetiDecisione(b.h);
    EXPECT_FALSE(b.h.DatiModificati);
    AnnullaDecisione(b.h);
    b.Scegli(1, 1);
    Associa(b.h); // a new decision: the saved state cannot come back by redoing
    AnnullaDecisione(b.h);
    EXPECT_TRUE(b.h.DatiModificati);
    b.pf.messaggi.clear();
    RipetiDecisione(b.h);
    RipetiDecisione(b.h);
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Nessuna decisione da ripetere");
}

// Random decisions, then every one undone back to the start and made again to the end:
// the two states come back exactly, and the rules hold at every step.
TEST(Decisioni, RandomDecisionsUndoneToTheStartAndRedoneToTheEnd) {
    for (unsigned seme = 1; seme <= 12; ++seme) {
        SCOPED_TRACE(seme);
        std::mt19937 caso(seme);
        std::vector<std::string> in, prod;
        for (int k = 1; k <= 12; ++k)
            in.push_back(RigaInt("I" + Numero(k), "", "", "K" + Numero(caso() % 5)));
        for (int k = 1; k <= 6; ++k)
            prod.push_back(RigaProd("K" + Numero(caso() % 5), "L" + Numero(k), "D"));
        Banco b(in, prod, seme % 2 ? "" : "\r\n");
        b.TuttoIlCatalogo();
        const int32_t n = b.h.NumProd; // the automatic run may have made copies already
        const std::string inizio = Foto(b.h, n);
        const std::size_t decisioniIniziali = b.h.Decisioni.annullabili.size();
        for (int passo = 0; passo < 40; ++passo) {
            ScegliRigaGrd1(b.h, 1 + static_cast<int>(caso() % (b.h.grd1.Rows() - 1)));
            b.TuttoIlCatalogo();
            ScegliRigaGrd2(b.h, 1 + static_cast<int>(caso() % (b.h.Grd2.Rows() - 1)));
            const int32_t i = b.h.PCdIntSel, j = b.h.PCdProdSel;
            switch (caso() % 4) {
            case 0:
            case 1:
                if (b.h.ArtInt[i].PCdProd == j)
                    break;
                if (b.h.ArtInt[i].PCdProd != 0)
                    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si);
                if (b.h.ArtProd[j].PCdInt != 0)
                    b.pf.AspettaFrmMsg(caso() % 2 ? EsitoScelta::Annulla : EsitoScelta::Aggiungi);
                Associa(b.h);
                break;
            case 2:
                if (b.h.ArtInt[i].Stato == "X")
                    break;
                if (b.h.ArtInt[i].PCdProd != 0)
                    b.pf.AspettaDomanda(GiaAssociato, Risposta::Si);
                NonAssociabile(b.h);
                break;
            default:
                if (b.h.ArtInt[i].Stato.empty())
                    break;
                if (b.h.ArtInt[i].PCdProd == 0 && b.h.ArtInt[i].Stato != "X")
                    b.pf.AspettaMessaggio("Articolo del gestionale non ancora associato ");
                DisAssocia(b.h);
            }
            ASSERT_EQ(Violazioni(b.h), "") << "step " << passo;
        }
        b.TuttoIlCatalogo();
        const std::string fine = Foto(b.h);
        const std::size_t decisioni = b.h.Decisioni.annullabili.size();
        for (std::size_t k = decisioni; k > decisioniIniziali; --k) {
            AnnullaDecisione(b.h);
            ASSERT_EQ(Violazioni(b.h), "");
        }
        // The catalogue keeps the copies made meanwhile, free: the rest is as it was.
        b.TuttoIlCatalogo();
        EXPECT_EQ(Foto(b.h, n), inizio);
        EXPECT_EQ(CopieNonLibere(b.h, n), "");
        for (std::size_t k = decisioniIniziali; k < decisioni; ++k)
            RipetiDecisione(b.h);
        b.TuttoIlCatalogo();
        EXPECT_EQ(Foto(b.h), fine);
    }
}

} // namespace
} // namespace zelvano::test
