#pragma once
// The window system for the core tests: every dialog and message is answered from a
// script, in order, and anything the script did not announce fails the test.

#include "data/Piattaforma.h"

#include <deque>
#include <string>
#include <vector>

namespace zelvano::test {

class FintaPiattaforma : public Piattaforma {
  public:
    enum class Tipo { Messaggio, Domanda, ApriFile, SalvaFile, FrmMsg, RicercaTesto };

    // Script, in the order the program will ask.
    FintaPiattaforma& AspettaMessaggio(std::string testo);
    FintaPiattaforma& AspettaDomanda(std::string testo, Risposta risposta);
    FintaPiattaforma& AspettaApriFile(std::string titolo, std::string percorso);
    FintaPiattaforma& AspettaSalvaFile(std::string titolo, std::string percorso);
    FintaPiattaforma& AspettaFrmMsg(std::string esito);
    FintaPiattaforma& AspettaRicerca(EsitoRicerca esito);

    // Fails the test when a scripted step was never reached.
    void VerificaFine();
    ~FintaPiattaforma() override;

    std::vector<std::string> messaggi; // every text shown, in order
    int eventiElaborati = 0;
    std::string cartella = ".";

    void Messaggio(const std::string& testo) override;
    Risposta Domanda(const std::string& testo, bool conAnnulla) override;
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override;
    std::string SalvaFile(const std::string& titolo, const std::string& filtro) override;
    std::string MostraFrmMsg() override;
    EsitoRicerca MostraRicercaTesto(const std::string& trova, const std::string& sostituisci,
                                    uint8_t modo) override;
    void Occupato(bool) override {}
    void ElaboraEventi() override { ++eventiElaborati; }
    std::string CartellaProgramma() override { return cartella; }

  private:
    struct Passo {
        Tipo tipo;
        std::string testo;
        std::string risposta;
        Risposta scelta = Risposta::Si;
        EsitoRicerca ricerca;
    };
    FintaPiattaforma& Aggiungi(Passo passo);
    Passo Prossimo(Tipo tipo, const std::string& testo);
    std::deque<Passo> copione_;
    bool verificato_ = false;
};

} // namespace zelvano::test
