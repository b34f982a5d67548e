// Long random sequences of what a user does, through the core, with the rules that tie
// records, rows and counters checked after every step.

#include "support/Banco.h"
#include "support/Invarianti.h"

#include "matching/Associazioni.h"
#include "matching/EventiFinestra.h"
#include "matching/LeggiArchivi.h"
#include "matching/Selezione.h"
#include "search/CaricaGrid2.h"

#include <gtest/gtest.h>

#include <random>

namespace zelvano::test {
namespace {

// Answers every question and choice at random; the opening is scripted by Banco first.
class PiattaformaCasuale : public FintaPiattaforma {
  public:
    explicit PiattaformaCasuale(std::mt19937& caso)
        : FintaPiattaforma(SegnalaAGoogleTest), caso_(caso) {}
    bool attiva = false;
    void Messaggio(const std::string& t) override {
        if (!attiva)
            FintaPiattaforma::Messaggio(t);
    }
    Risposta Domanda(const std::string& t, bool conAnnulla) override {
        if (!attiva)
            return FintaPiattaforma::Domanda(t, conAnnulla);
        return caso_() % 2 ? Risposta::Si : Risposta::No;
    }
    EsitoScelta MostraFrmMsg() override {
        if (!attiva)
            return FintaPiattaforma::MostraFrmMsg();
        const EsitoScelta esiti[] = {EsitoScelta::Annulla, EsitoScelta::Aggiungi,
                                     EsitoScelta::Abbandona};
        return esiti[caso_() % 3];
    }

  private:
    std::mt19937& caso_;
};

std::string Unisci(const std::vector<std::string>& righe) {
    std::string testo;
    for (const std::string& r : righe)
        testo += r + "\r\n";
    return testo;
}

std::vector<std::string> Codici(std::mt19937& caso, int n, bool input) {
    const char* const forme[] = {"AB1", "AB 1", "A.B/1", "K9", "K 9", "", "ZZ", "k9", "Q-1"};
    std::vector<std::string> righe;
    for (int k = 1; k <= n; ++k) {
        const std::string codice = forme[caso() % (input ? 9 : 5)];
        righe.push_back(
            input ? RigaInt("I" + std::to_string(k), "ART " + std::to_string(k), "L", codice)
                  : RigaProd(codice, "P" + std::to_string(k % 10), "CAT " + std::to_string(k % 4)));
    }
    return righe;
}

TEST(SequenzeCasuali, EveryStepKeepsPairsMutualAndCountersRight) {
    for (unsigned seme = 1; seme <= 24; ++seme) {
        SCOPED_TRACE(seme);
        std::mt19937 caso(seme);
        const auto input = Codici(caso, 25, true);
        const auto catalogo = Codici(caso, 12, false);
        CartellaTemporanea dir;
        PiattaformaCasuale pf(caso);
        pf.cartella = dir.Percorso("");
        StatoHome h(pf);
        CaricaFormHome(h);
        // Half the openings start from an empty output file: the automatic run goes first.
        pf.AspettaApriFile("Apri file Database", dir.Scrivi("articoli.ber", Unisci(input)))
            .AspettaApriFile("Apri file Orvessa", dir.Scrivi("catalogo.orv", Unisci(catalogo)))
            .AspettaSalvaFile("Salva il file di output Zelvano",
                              dir.Scrivi("uscita.txt", seme % 2 ? "" : "\r\n"));
        LeggiArchivi(h);
        pf.VerificaFine();
        ASSERT_EQ(Violazioni(h), "");
        pf.attiva = true;
        for (int passo = 0; passo < 300; ++passo) {
            const unsigned op = caso() % 10;
            switch (op) {
            case 0:
                h.grd1.SetRow(1 + static_cast<int>(caso() % std::max(1, h.grd1.Rows() - 1)));
                grd1_Click(h);
                break;
            case 1:
                h.TxtCod = caso() % 2 ? "" : std::string(1, "AKQZ"[caso() % 4]);
                TxtCod_Change(h);
                [[fallthrough]];
            case 2:
                if (h.Grd2.Rows() > 1) {
                    h.Grd2.SetRow(1 + static_cast<int>(caso() % (h.Grd2.Rows() - 1)));
                    Grd2_Click(h);
                }
                break;
            case 3:
            case 4:
                Associa(h);
                break;
            case 5:
                NonAssociabile(h);
                break;
            case 6:
                DisAssocia(h);
                break;
            case 7:
                switch (caso() % 4) {
                case 0:
                    CercaPrimoDaAbbinare(h);
                    break;
                case 1:
                    CercaPrecDaAbbinare(h);
                    break;
                case 2:
                    CercaSuccessivo(h);
                    break;
                default:
                    CercaPrecedente(h);
                }
                break;
            case 8: {
                Griglia& g = caso() % 2 ? h.grd1 : h.Grd2;
                g.OrdinaUtente(static_cast<int>(caso() % g.Cols()),
                               caso() % 2 ? Griglia::OrdineCrescente : Griglia::OrdineDecrescente);
                break;
            }
            default:
                h.txtDescr = caso() % 2 ? "" : "CAT " + std::to_string(caso() % 4);
                txtDescr_Change(h);
            }
            const std::string v = Violazioni(h);
            ASSERT_EQ(v, "") << "after step " << passo << ", operation " << op;
        }
    }
}

} // namespace
} // namespace zelvano::test
