#pragma once
// The window system for the widget tests: every dialog and message box is answered from a
// script, in order; anything the script did not announce is collected as a problem, and
// so is a scripted step that never came. Tests check Problemi() at the end.

#include "data/Piattaforma.h"

#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class FintaPiattaformaQt : public zelvano::Piattaforma {
  public:
    enum class Tipo { Messaggio, Domanda, ApriFile, SalvaFile, FrmMsg, RicercaTesto };

    // Script, in the order the program will ask. `durante` runs while the dialog would be
    // up, to look at the window behind it.
    FintaPiattaformaQt& AspettaMessaggio(std::string testo);
    FintaPiattaformaQt& AspettaDomanda(std::string testo, zelvano::Risposta risposta,
                                       std::function<void()> durante = {});
    FintaPiattaformaQt& AspettaApriFile(std::string titolo, std::string percorso);
    FintaPiattaformaQt& AspettaSalvaFile(std::string titolo, std::string percorso);
    FintaPiattaformaQt& AspettaFrmMsg(std::string esito);
    FintaPiattaformaQt& AspettaRicerca(zelvano::EsitoRicerca esito);

    // Messages not in the script are recorded but not counted as problems.
    bool messaggiLiberi = false;

    // Unexpected dialogs, mismatches, and scripted steps still waiting; empty when all is well.
    QString Problemi() const;

    std::vector<std::string> messaggi; // every message and question text, in order
    std::vector<std::string> filtri;   // the filter of every file dialog
    int occupato = 0;                  // busy pointer balance
    int eventiElaborati = 0;
    std::string cartella = ".";

    void Messaggio(const std::string& testo) override;
    zelvano::Risposta Domanda(const std::string& testo, bool conAnnulla) override;
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override;
    std::string SalvaFile(const std::string& titolo, const std::string& filtro) override;
    std::string MostraFrmMsg() override;
    zelvano::EsitoRicerca MostraRicercaTesto(const std::string& trova,
                                             const std::string& sostituisci, uint8_t modo) override;
    void Occupato(bool attivo) override { occupato += attivo ? 1 : -1; }
    void ElaboraEventi() override { ++eventiElaborati; }
    std::string CartellaProgramma() override { return cartella; }

  private:
    struct Passo {
        Tipo tipo;
        std::string testo;
        std::string risposta;
        zelvano::Risposta scelta = zelvano::Risposta::Si;
        zelvano::EsitoRicerca ricerca;
        std::function<void()> durante;
    };
    Passo Prossimo(Tipo tipo, const std::string& testo);
    std::deque<Passo> copione_;
    std::vector<std::string> problemi_;
};
