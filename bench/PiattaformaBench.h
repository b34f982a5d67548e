#pragma once
// A window system that never waits: file dialogs answer from a queue of paths, questions
// get a fixed answer, messages are only counted. The benchmarks and misura_apertura drive
// the program's procedures through it.

#include "data/Piattaforma.h"

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace zelvano::bench {

// A progress bar nobody looks at.
class BarraMuta : public BarraProgresso {
  public:
    void ImpostaMinimo(float) override {}
    void ImpostaMassimo(float v) override { massimo_ = v; }
    float Massimo() const override { return massimo_; }
    void ImpostaValore(float) override {}
    void ElaboraEventi() override {}

  private:
    float massimo_ = 100;
};

class PiattaformaBench : public Piattaforma {
  public:
    explicit PiattaformaBench(std::string cartellaProgramma)
        : cartella_(std::move(cartellaProgramma)) {}

    // Paths handed to the next file dialogs, open or save alike, in order.
    std::deque<std::string> percorsi;
    Risposta risposta = Risposta::No;
    EsitoScelta esitoFrmMsg = EsitoScelta::Annulla;
    // What the program said, kept so a run can show it went where it should.
    std::vector<std::string> messaggi;
    std::vector<std::string> domande;
    int dialoghi = 0;

    void Messaggio(const std::string& testo) override { messaggi.push_back(testo); }
    Risposta Domanda(const std::string& testo, bool) override {
        domande.push_back(testo);
        return risposta;
    }
    EsitoSovrascrittura ChiediSovrascrittura(const std::string& testo) override {
        domande.push_back(testo);
        return EsitoSovrascrittura::Sovrascrivi;
    }
    std::string ApriFile(const std::string&, const std::string&) override { return Prossimo(); }
    std::string SalvaFile(const std::string&, const std::string&) override { return Prossimo(); }
    EsitoScelta MostraFrmMsg() override { return esitoFrmMsg; }
    EsitoRicerca MostraRicercaTesto(const std::string&, const std::string&, MetodoSost) override {
        return {};
    }
    void MostraFrmPrgb(const std::string& Azione,
                       const std::function<void(BarraProgresso&)>& attivazione) override {
        BarraMuta barra;
        if (Azione == "ProvaAbb")
            attivazione(barra);
    }
    void Occupato(bool) override {}
    void ElaboraEventi() override {}
    std::string CartellaProgramma() override { return cartella_; }
    std::string CartellaDatiUtente() override { return cartella_; }

  private:
    std::string Prossimo() {
        ++dialoghi;
        if (percorsi.empty())
            return {};
        std::string p = std::move(percorsi.front());
        percorsi.pop_front();
        return p;
    }
    std::string cartella_;
};

} // namespace zelvano::bench
