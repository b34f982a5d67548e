// Long random sequences of what a user does, through the core, with the rules that tie
// records, rows and counters checked after every step.

#include "support/Banco.h"
#include "support/Invarianti.h"

#include "coppie/Associazioni.h"
#include "files/FileOutput.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "sessione/SalvaArchivio.h"
#include "sessione/Sostituzione.h"

#include <gtest/gtest.h>

#include <deque>
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
    // A find and replace of texts the codes hold, a line end now and then.
    EsitoRicerca MostraRicercaTesto(const std::string& t, const std::string& s,
                                    MetodoSost m) override {
        if (!attiva)
            return FintaPiattaforma::MostraRicercaTesto(t, s, m);
        const char* const trova[] = {"AB", "K", "9", " ", "Q-", ""};
        const char* const con[] = {"X", "AB", "", "K 9", "Z\n", "k"};
        return {caso_() % 8 != 0, trova[caso_() % 6], con[caso_() % 6],
                static_cast<MetodoSost>(caso_() % 3)};
    }
    // The opening's dialogs, from the paths queued.
    std::string ApriFile(const std::string& t, const std::string& f) override {
        return attiva ? Prossimo() : FintaPiattaforma::ApriFile(t, f);
    }
    std::string SalvaFile(const std::string& t, const std::string& f) override {
        return attiva ? Prossimo() : FintaPiattaforma::SalvaFile(t, f);
    }
    std::deque<std::string> percorsi;

  private:
    std::string Prossimo() {
        if (percorsi.empty())
            return {};
        std::string p = percorsi.front();
        percorsi.pop_front();
        return p;
    }
    std::mt19937& caso_;
};

// Files of random codes in a folder of their own, and a window's state over them that the
// random platform answers for.
struct Sessione {
    Sessione(std::mt19937& caso, int righeInt, int righeProd)
        : pf(caso), fileInt(dir.Scrivi("articoli.ber", Unisci(Codici(caso, righeInt, true)))),
          fileProd(dir.Scrivi("catalogo.orv", Unisci(Codici(caso, righeProd, false)))) {
        pf.cartella = dir.Percorso("");
        PreparaFinestra(h);
    }
    static std::vector<std::string> Codici(std::mt19937& caso, int n, bool input);
    CartellaTemporanea dir;
    PiattaformaCasuale pf;
    StatoHome h{pf};
    std::string fileInt, fileProd;
};

std::vector<std::string> Sessione::Codici(std::mt19937& caso, int n, bool input) {
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
        Sessione s(caso, 25, 12);
        PiattaformaCasuale& pf = s.pf;
        StatoHome& h = s.h;
        // Half the openings start from an empty output file: the automatic run goes first.
        pf.AspettaApriFile("Apri file Database", s.fileInt)
            .AspettaApriFile("Apri file Orvessa", s.fileProd)
            .AspettaSalvaFile("Salva il file di output Zelvano",
                              s.dir.Scrivi("uscita.txt", seme % 2 ? "" : "\r\n"));
        LeggiArchivi(h);
        pf.VerificaFine();
        ASSERT_EQ(Violazioni(h), "");
        pf.attiva = true;
        for (int passo = 0; passo < 300; ++passo) {
            const unsigned op = caso() % 10;
            switch (op) {
            case 0:
                ScegliRigaGrd1(h, 1 + static_cast<int>(caso() % std::max(1, h.grd1.Rows() - 1)));
                break;
            case 1:
                h.Testi.TxtCod = caso() % 2 ? "" : std::string(1, "AKQZ"[caso() % 4]);
                CaricaGrid2(h);
                [[fallthrough]];
            case 2:
                if (h.Grd2.Rows() > 1) {
                    ScegliRigaGrd2(h, 1 + static_cast<int>(caso() % (h.Grd2.Rows() - 1)));
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
                h.Testi.txtDescr = caso() % 2 ? "" : "CAT " + std::to_string(caso() % 4);
                CaricaGrid2(h);
            }
            const std::string v = Violazioni(h);
            ASSERT_EQ(v, "") << "after step " << passo << ", operation " << op;
        }
    }
}

// What the output file means: each input article's state and the code and line code of
// the catalogue article it is paired with. Among catalogue lines equal in both a reopening
// may choose another.
std::string PerCodice(const StatoHome& h) {
    std::string t = std::to_string(h.NumAssociati) + " " + std::to_string(h.NumNonAssociabili);
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& in = h.ArtInt[i];
        t += " " + in.CdInt + ":" + in.Stato;
        if (in.PCdProd != 0)
            t += "=" + h.ArtProd[in.PCdProd].CdProd + "/" + h.ArtProd[in.PCdProd].LineaProd;
    }
    return t;
}

// The operations of the test above, with copies of catalogue lines (the choice dialog's
// "DUP"), replacements written into the input file, saves and reopenings: after a save,
// reopening the same three files gives back the same work.
TEST(SequenzeCasuali, CopiesReplacementsSavesAndReopeningsKeepTheWork) {
    for (unsigned seme = 1; seme <= 16; ++seme) {
        SCOPED_TRACE(seme);
        std::mt19937 caso(seme);
        Sessione s(caso, 20, 10);
        PiattaformaCasuale& pf = s.pf;
        StatoHome& h = s.h;
        const std::string &fileInt = s.fileInt, &fileProd = s.fileProd;
        const std::string fileOut = s.dir.Scrivi("uscita.txt", "");
        pf.attiva = true;
        pf.percorsi = {fileInt, fileProd, fileOut};
        LeggiArchivi(h);
        ASSERT_EQ(h.File.FileOut, fileOut);
        ASSERT_EQ(Violazioni(h), "");
        int riaperture = 0;
        for (int passo = 0; passo < 200; ++passo) {
            const unsigned op = caso() % 12;
            switch (op) {
            case 0:
            case 1:
                ScegliRigaGrd1(h, 1 + static_cast<int>(caso() % std::max(1, h.grd1.Rows() - 1)));
                h.Testi.TxtCod = caso() % 3 ? "" : std::string(1, "AKQZ"[caso() % 4]);
                CaricaGrid2(h);
                if (h.Grd2.Rows() > 1) {
                    ScegliRigaGrd2(h, 1 + static_cast<int>(caso() % (h.Grd2.Rows() - 1)));
                }
                break;
            case 2:
            case 3:
            case 4:
                Associa(h); // a catalogue article already taken asks the choice dialog
                break;
            case 5:
                NonAssociabile(h);
                break;
            case 6:
                DisAssocia(h);
                break;
            case 7:
                CercaSuccessivo(h);
                break;
            case 8:
                SostituisciCodiciFornitore(h);
                break;
            case 9:
                ASSERT_TRUE(SalvaArchivio(h));
                ASSERT_FALSE(h.DatiModificati);
                break;
            default: {
                if (h.DatiModificati) {
                    ASSERT_TRUE(SalvaArchivio(h));
                }
                const std::string salvato = PerCodice(h);
                const int32_t copie = h.NumProd;
                pf.percorsi = {fileInt, fileProd, fileOut};
                LeggiArchivi(h);
                ASSERT_EQ(PerCodice(h), salvato) << "reopened at step " << passo;
                ASSERT_EQ(h.NumProd, copie) << "the copies are in the catalogue file";
                ++riaperture;
            }
            }
            ASSERT_EQ(Violazioni(h), "") << "after step " << passo << ", operation " << op;
        }
        EXPECT_GT(riaperture, 0);
    }
}

} // namespace
} // namespace zelvano::test
