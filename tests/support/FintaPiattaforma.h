#pragma once
// The window system for the tests: every dialog and message is answered from a script, in
// order, and anything the script did not announce is a problem, reported as it happens
// and when the script ends. It knows no test framework: the core tests report through
// GoogleTest, the widget tests check the list at the end of each test.

#include "data/Piattaforma.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zelvano::test {

class FintaPiattaforma : public Piattaforma {
  public:
    enum class Tipo {
        Messaggio,
        Domanda,
        Sovrascrittura,
        ApriFile,
        SalvaFile,
        FrmMsg,
        RicercaTesto
    };
    using Segnala = std::function<void(const std::string& problema)>;

    explicit FintaPiattaforma(Segnala segnala = {}) : segnala_(std::move(segnala)) {}
    ~FintaPiattaforma() override;

    // Script, in the order the program will ask.
    FintaPiattaforma& AspettaMessaggio(std::string testo);
    // A message whose text starts with inizio (the rest names something made at random).
    FintaPiattaforma& AspettaMessaggioInizio(std::string inizio);
    FintaPiattaforma& AspettaDomanda(std::string testo, Risposta risposta);
    FintaPiattaforma& AspettaSovrascrittura(std::string testo, EsitoSovrascrittura esito);
    FintaPiattaforma& AspettaApriFile(std::string titolo, std::string percorso);
    FintaPiattaforma& AspettaSalvaFile(std::string titolo, std::string percorso);
    FintaPiattaforma& AspettaFrmMsg(EsitoScelta esito);
    FintaPiattaforma& AspettaRicerca(EsitoRicerca esito);

    // A scripted step never reached is a problem too.
    void VerificaFine();
    bool CopioneFinito() const { return copione_.empty(); }

    // Called as a question comes up, before it is answered: what the user sees then.
    std::function<void(const std::string& domanda)> allaDomanda;

    std::vector<std::string> problemi;
    std::vector<std::string> messaggi; // every text shown, in order
    // The progress windows shown: their Azione, then each call on the bar, in order
    // ("min 1", "max 10", "val 1", "eventi").
    std::vector<std::string> progresso;
    int eventiElaborati = 0;
    std::string cartella = ".";
    std::string cartellaDati; // the program's folder when empty

    void Messaggio(const std::string& testo) override;
    Risposta Domanda(const std::string& testo, bool conAnnulla) override;
    EsitoSovrascrittura ChiediSovrascrittura(const std::string& testo) override;
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override;
    std::string SalvaFile(const std::string& titolo, const std::string& filtro) override;
    EsitoScelta MostraFrmMsg() override;
    EsitoRicerca MostraRicercaTesto(const std::string& trova, const std::string& sostituisci,
                                    MetodoSost modo) override;
    void MostraFrmPrgb(const std::string& Azione,
                       const std::function<void(BarraProgresso&)>& attivazione) override;
    void Occupato(bool) override {}
    void ElaboraEventi() override { ++eventiElaborati; }
    std::string CartellaProgramma() override { return cartella; }
    std::string CartellaDatiUtente() override {
        return cartellaDati.empty() ? cartella : cartellaDati;
    }

  private:
    struct Passo {
        Tipo tipo;
        std::string testo;
        std::string risposta;
        Risposta scelta = Risposta::Si;
        EsitoScelta esito = EsitoScelta::Nessuno;
        EsitoRicerca ricerca;
        bool soloInizio = false;
        EsitoSovrascrittura sovrascrittura = EsitoSovrascrittura::Annulla;
    };
    FintaPiattaforma& Aggiungi(Passo passo);
    Passo Prossimo(Tipo tipo, const std::string& testo);
    void Problema(std::string testo);

    Segnala segnala_;
    std::deque<Passo> copione_;
    bool verificato_ = false;
};

} // namespace zelvano::test
