#pragma once
// The window system as the main window hands it to the core: every call goes on to the
// real one, and the last message shown is remembered, so the status bar can repeat in
// short what a command ran into.

#include "data/Piattaforma.h"

#include <string>

class PiattaformaAnnotata : public zelvano::Piattaforma {
  public:
    explicit PiattaformaAnnotata(zelvano::Piattaforma& vera) : vera_(vera) {}

    // The text of the last message box since Dimentica, in Windows-1252; empty for none.
    const std::string& UltimoMessaggio() const { return ultimoMessaggio_; }
    void Dimentica() { ultimoMessaggio_.clear(); }

    void Messaggio(const std::string& testo) override {
        ultimoMessaggio_ = testo;
        vera_.Messaggio(testo);
    }
    zelvano::Risposta Domanda(const std::string& testo, bool conAnnulla) override {
        return vera_.Domanda(testo, conAnnulla);
    }
    zelvano::EsitoSovrascrittura ChiediSovrascrittura(const std::string& testo) override {
        return vera_.ChiediSovrascrittura(testo);
    }
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override {
        return vera_.ApriFile(titolo, filtro);
    }
    std::string SalvaFile(const std::string& titolo, const std::string& filtro) override {
        return vera_.SalvaFile(titolo, filtro);
    }
    zelvano::EsitoScelta MostraFrmMsg() override { return vera_.MostraFrmMsg(); }
    zelvano::EsitoRicerca MostraRicercaTesto(const std::string& trova,
                                             const std::string& sostituisci,
                                             zelvano::MetodoSost modo) override {
        return vera_.MostraRicercaTesto(trova, sostituisci, modo);
    }
    void MostraFrmPrgb(const std::string& Azione,
                       const std::function<void(zelvano::BarraProgresso&)>& attivazione) override {
        vera_.MostraFrmPrgb(Azione, attivazione);
    }
    void Occupato(bool occupato) override { vera_.Occupato(occupato); }
    void ElaboraEventi() override { vera_.ElaboraEventi(); }
    std::string CartellaProgramma() override { return vera_.CartellaProgramma(); }
    std::string CartellaDatiUtente() override { return vera_.CartellaDatiUtente(); }

  private:
    zelvano::Piattaforma& vera_;
    std::string ultimoMessaggio_;
};
