#pragma once
// The window system for the fuzz targets: the opening's file dialogs answered in a scripted
// order, questions, the choice dialog and the find-and-replace window answered by whatever
// the target plugs in (usually the fuzz bytes), and every message and question kept, in
// order, for the target to judge. A dialog nobody answers stops the run.

#include "data/Piattaforma.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zelvano::fuzz {

class PiattaformaFuzz : public Piattaforma {
  public:
    // The next file dialog: its title and the path it answers with.
    void AspettaFile(std::string titolo, std::string percorso);
    // Every file dialog scripted was shown.
    bool DialoghiFiniti() const { return dialoghi_.empty(); }

    std::vector<std::string> messaggi; // messages and questions, in the order shown
    std::function<Risposta(const std::string& domanda)> risposta;
    std::function<EsitoScelta()> scelta;
    std::function<EsitoRicerca()> ricerca;
    std::string cartella;

    void Messaggio(const std::string& testo) override;
    Risposta Domanda(const std::string& testo, bool conAnnulla) override;
    // Kept with the messages, for the target to judge; the answer is to overwrite.
    EsitoSovrascrittura ChiediSovrascrittura(const std::string& testo) override {
        messaggi.push_back(testo);
        return EsitoSovrascrittura::Sovrascrivi;
    }
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override;
    std::string SalvaFile(const std::string& titolo, const std::string& filtro) override;
    EsitoScelta MostraFrmMsg() override;
    EsitoRicerca MostraRicercaTesto(const std::string& trova, const std::string& sostituisci,
                                    MetodoSost modo) override;
    void MostraFrmPrgb(const std::string& Azione,
                       const std::function<void(BarraProgresso&)>& attivazione) override;
    void Occupato(bool) override {}
    void ElaboraEventi() override {}
    std::string CartellaProgramma() override { return cartella; }
    std::string CartellaDatiUtente() override { return cartella; }

  private:
    std::string Dialogo(const std::string& titolo);
    std::deque<std::pair<std::string, std::string>> dialoghi_;
};

} // namespace zelvano::fuzz
