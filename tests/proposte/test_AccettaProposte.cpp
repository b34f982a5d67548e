#include "proposte/AccettaProposte.h"
#include "proposte/Campione.h"
#include "proposte/Resoconto.h"

#include "support/Banco.h"
#include "support/Invarianti.h"

#include "coppie/Associazioni.h"
#include "coppie/Decisioni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace zelvano::test {
namespace {

// I1 paired by the automatic run; I4 paired by hand with K3 and I5 marked after the
// proposals were made, so the proposals for them are stale.
TEST(AccettaProposte, AcceptingAGroupSkipsStaleProposalsAndTheReportFollowsUndo) {
    Banco b({RigaInt("I1", "", "", "K1"), RigaInt("I2", "", "", "k2"), RigaInt("I3", "", "", "K3X"),
             RigaInt("I4", "", "", "Q"), RigaInt("I5", "", "", "Z"), RigaInt("I6", "", "", "K5-")},
            {RigaProd("K1", "", ""), RigaProd("K2", "", ""), RigaProd("K3", "", ""),
             RigaProd("K4", "", ""), RigaProd("K5", "", "")},
            "");
    b.Scegli(4, 3);
    Associa(b.h);
    b.Scegli1(5);
    NonAssociabile(b.h);
    GruppoProposte g;
    g.fiduciaMinima = 98;
    g.proposte = {{2, 2, 99.5, Ragione::SoloMaiuscole, ""},
                  {3, 3, 99, Ragione::Suffisso, "X"},
                  {5, 4, 99, Ragione::Diverso, ""},
                  {6, 5, 98, Ragione::SoloSegni, ""}};
    const int32_t campione = RegistraCampione(b.h, g, 20, 1);
    const std::string fileOut = LeggiFile(b.fileOut);

    const EsitoAccettazione esito = AccettaGruppo(b.h, g, campione);
    EXPECT_EQ(esito.accettate, 2);
    EXPECT_EQ(esito.saltate, 2);
    EXPECT_EQ(b.Totali(), "4|1|1");
    EXPECT_EQ(b.Celle1(2), "2|A|K2");
    EXPECT_EQ(b.Celle1(5), "0|X|*Non associabile");
    EXPECT_EQ(b.h.ArtInt[3].PCdProd, 0);
    EXPECT_EQ(b.h.ArtProd[3].PCdInt, 4);
    EXPECT_EQ(Violazioni(b.h), "");
    EXPECT_TRUE(b.h.DatiModificati);
    EXPECT_EQ(LeggiFile(b.fileOut), fileOut); // only F1 writes

    const std::string resoconto = Resoconto(b.h);
    for (const char* riga :
         {"Associati automaticamente: 1\n", "Associati da proposte: 2\n", "-> associati: 2\n",
          "Associati a mano: 1\n", "Ripresi dal file di output: 0\n", "Non associabili (X): 1\n",
          "Da associare: 1\n", "Proposte esaminate nei campioni: 20\n",
          "Errore dei campioni: 1 su 20 (5,0%; al 95%, Wilson: 0,9% - 23,6%)\n",
          "stimati tra le proposte accettate: 0 secondo la fiducia; 0 (da 0 a 0) secondo i "
          "campioni, sui 2 dei gruppi campionati"})
        EXPECT_NE(resoconto.find(riga), std::string::npos) << riga << "\n" << resoconto;

    AnnullaDecisione(b.h);
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Annullato: 2 abbinamenti proposti");
    EXPECT_EQ(b.Totali(), "2|1|3");
    EXPECT_NE(Resoconto(b.h).find("Associati da proposte: 0\nAssociati a mano: 1\n"),
              std::string::npos);
    RipetiDecisione(b.h);
    b.Scegli1(6);
    DisAssocia(b.h);
    EXPECT_NE(Resoconto(b.h).find("Associati da proposte: 1\n"), std::string::npos);

    // Pairs read back, even one whose catalogue code is gone, were made by no one we know.
    // The one whose catalogue code is gone waits, its saved line kept.
    Banco r({RigaInt("I1", "", "", "K1"), RigaInt("I2", "", "", "Q"), RigaInt("I3", "", "", "")},
            {RigaProd("K1", "", "")}, RigaOut("K1", "I1", 'A') + RigaOut("", "I3", ' '));
    r.cartella.Scrivi("abbinamenti.txt",
                      RigaOut("K1", "I1", 'A') + RigaOut("Q9", "I2", 'A') + RigaOut("", "I3", ' '));
    r.Riapri({"1 abbinamento salvato in abbinamenti.txt indica un articolo Orvessa non trovato "
              "nel catalogo (codice Q9): l'articolo resta da associare e la sua riga resta nel "
              "file di output com'era, finch\xE9 non si decide altrimenti per l'articolo"});
    EXPECT_NE(
        Resoconto(r.h).find("Associati a mano: 0\nRipresi dal file di output: 1\n"
                            "Non associabili (X): 0\nDa associare: 2\n"
                            "  con la riga salvata tenuta (codice assente dal catalogo): 1\n"),
        std::string::npos)
        << Resoconto(r.h);
}

TEST(AccettaProposte, WilsonIntervalMatchesPublishedValues) {
    struct Caso {
        int32_t errati, esaminati;
        double basso, alto;
    };
    for (const Caso& c :
         {Caso{0, 20, 0, 0.1611}, Caso{1, 20, 0.0089, 0.2361}, Caso{20, 20, 0.8389, 1},
          Caso{5, 100, 0.0215, 0.1118}, Caso{0, 0, 0, 1}}) {
        const Intervallo iv = IntervalloWilson(c.errati, c.esaminati);
        EXPECT_NEAR(iv.basso, c.basso, 1e-4) << c.errati << "/" << c.esaminati;
        EXPECT_NEAR(iv.alto, c.alto, 1e-4) << c.errati << "/" << c.esaminati;
    }
    // Twenty right answers cannot vouch for 1% errors; three hundred can vouch for 2%.
    EXPECT_NE(GiudicaCampione(0, 20, 99).testo.find("non basta"), std::string::npos);
    EXPECT_FALSE(GiudicaCampione(0, 300, 98).oltreDichiarato);
    EXPECT_NE(GiudicaCampione(10, 20, 99).testo.find("smentisce"), std::string::npos);
}

TEST(AccettaProposte, SampleIsReproducibleWithoutRepeatsAndEven) {
    const auto campione = EstraiCampione(100, 20, 7);
    EXPECT_EQ(campione, EstraiCampione(100, 20, 7));
    EXPECT_NE(campione, EstraiCampione(100, 20, 8));
    EXPECT_EQ(std::set<std::size_t>(campione.begin(), campione.end()).size(), 20u);
    EXPECT_LT(*std::max_element(campione.begin(), campione.end()), 100u);
    auto tutti = EstraiCampione(5, CampionePredefinito, 3);
    std::sort(tutti.begin(), tutti.end());
    EXPECT_EQ(tutti, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    // 2,000 samples of 20 from 100: each place drawn about 400 times.
    std::vector<int> volte(100, 0);
    for (uint64_t seme = 0; seme < 2000; ++seme)
        for (const std::size_t k : EstraiCampione(100, 20, seme))
            ++volte[k];
    EXPECT_GT(*std::min_element(volte.begin(), volte.end()), 320);
    EXPECT_LT(*std::max_element(volte.begin(), volte.end()), 480);
}

} // namespace
} // namespace zelvano::test
