#pragma once
// The window system of the command-line run, with no display: the file dialogs return the
// paths given on the command line, messages and questions go to standard error, and each
// question gets the answer that changes nothing (Cancel where offered, otherwise No).

#include "data/Piattaforma.h"

#include <string>

class PiattaformaConsole : public zelvano::Piattaforma {
  public:
    PiattaformaConsole(std::string input, std::string catalogo, std::string output);

    void Messaggio(const std::string& testo) override;
    zelvano::Risposta Domanda(const std::string& testo, bool conAnnulla) override;
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override;
    std::string SalvaFile(const std::string& titolo, const std::string& filtro) override;
    zelvano::EsitoSovrascrittura ChiediSovrascrittura(const std::string& testo) override;
    zelvano::EsitoScelta MostraFrmMsg() override;
    zelvano::EsitoRicerca MostraRicercaTesto(const std::string& trova,
                                             const std::string& sostituisci,
                                             zelvano::MetodoSost modo) override;
    void MostraFrmPrgb(const std::string& Azione,
                       const std::function<void(zelvano::BarraProgresso&)>& attivazione) override;
    void Occupato(bool) override {}
    void ElaboraEventi() override {}
    std::string CartellaProgramma() override;
    std::string CartellaDatiUtente() override;

  private:
    std::string input_, catalogo_, output_;
};
