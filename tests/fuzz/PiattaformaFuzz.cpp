#include "PiattaformaFuzz.h"

#include "Verifica.h"

namespace zelvano::fuzz {

namespace {
// The progress bar keeps its range and checks that the value stays inside it.
class BarraFuzz : public BarraProgresso {
  public:
    void ImpostaMinimo(float v) override { minimo_ = v; }
    void ImpostaMassimo(float v) override { massimo_ = v; }
    float Massimo() const override { return massimo_; }
    void ImpostaValore(float v) override {
        Verifica(v >= minimo_ && v <= massimo_, "the progress value stays within the bar",
                 std::to_string(v) + " outside " + std::to_string(minimo_) + ".." +
                     std::to_string(massimo_));
    }
    void ElaboraEventi() override {}

  private:
    float minimo_ = 0, massimo_ = 100;
};
} // namespace

void PiattaformaFuzz::AspettaFile(std::string titolo, std::string percorso) {
    dialoghi_.emplace_back(std::move(titolo), std::move(percorso));
}

std::string PiattaformaFuzz::Dialogo(const std::string& titolo) {
    Verifica(!dialoghi_.empty(), "no file dialog is shown unless scripted", titolo);
    auto [atteso, percorso] = dialoghi_.front();
    dialoghi_.pop_front();
    Uguali(titolo, atteso, "the file dialogs come in the scripted order");
    return percorso;
}

void PiattaformaFuzz::Messaggio(const std::string& testo) {
    messaggi.push_back(testo);
}

Risposta PiattaformaFuzz::Domanda(const std::string& testo, bool) {
    messaggi.push_back(testo);
    Verifica(static_cast<bool>(risposta), "no question is asked here", Visibile(testo));
    return risposta(testo);
}

std::string PiattaformaFuzz::ApriFile(const std::string& titolo, const std::string&) {
    return Dialogo(titolo);
}

std::string PiattaformaFuzz::SalvaFile(const std::string& titolo, const std::string&) {
    return Dialogo(titolo);
}

EsitoScelta PiattaformaFuzz::MostraFrmMsg() {
    Verifica(static_cast<bool>(scelta), "the choice dialog is not shown here");
    return scelta();
}

EsitoRicerca PiattaformaFuzz::MostraRicercaTesto(const std::string&, const std::string&,
                                                 MetodoSost) {
    Verifica(static_cast<bool>(ricerca), "the find-and-replace window is not shown here");
    return ricerca();
}

void PiattaformaFuzz::MostraFrmPrgb(const std::string& Azione,
                                    const std::function<void(BarraProgresso&)>& attivazione) {
    BarraFuzz barra;
    if (Azione == "ProvaAbb")
        attivazione(barra);
}

} // namespace zelvano::fuzz
