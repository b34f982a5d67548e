#include "FintaPiattaforma.h"

#include <sstream>

namespace zelvano::test {

namespace {
const char* Nome(FintaPiattaforma::Tipo t) {
    static const char* const nomi[] = {
        "message",     "question",      "overwrite question",     "open dialog",
        "save dialog", "choice dialog", "find and replace window"};
    return nomi[static_cast<int>(t)];
}

std::string Cifra(float v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

class BarraFinta : public BarraProgresso {
  public:
    explicit BarraFinta(std::vector<std::string>& registro) : registro_(registro) {}
    void ImpostaMinimo(float v) override { registro_.push_back("min " + Cifra(v)); }
    void ImpostaMassimo(float v) override {
        massimo_ = v;
        registro_.push_back("max " + Cifra(v));
    }
    float Massimo() const override { return massimo_; }
    void ImpostaValore(float v) override { registro_.push_back("val " + Cifra(v)); }
    void ElaboraEventi() override { registro_.push_back("eventi"); }

  private:
    std::vector<std::string>& registro_;
    float massimo_ = 100;
};
} // namespace

FintaPiattaforma& FintaPiattaforma::Aggiungi(Passo passo) {
    copione_.push_back(std::move(passo));
    return *this;
}
FintaPiattaforma& FintaPiattaforma::AspettaMessaggio(std::string testo) {
    return Aggiungi({Tipo::Messaggio, std::move(testo), {}, Risposta::Si, {}, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaMessaggioInizio(std::string inizio) {
    Passo p{Tipo::Messaggio, std::move(inizio), {}, Risposta::Si, {}, {}};
    p.soloInizio = true;
    return Aggiungi(std::move(p));
}
FintaPiattaforma& FintaPiattaforma::AspettaDomanda(std::string testo, Risposta risposta) {
    return Aggiungi({Tipo::Domanda, std::move(testo), {}, risposta, {}, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaSovrascrittura(std::string testo,
                                                          EsitoSovrascrittura esito) {
    Passo p{Tipo::Sovrascrittura, std::move(testo), {}, Risposta::Si, {}, {}};
    p.sovrascrittura = esito;
    return Aggiungi(std::move(p));
}
FintaPiattaforma& FintaPiattaforma::AspettaApriFile(std::string titolo, std::string percorso) {
    return Aggiungi({Tipo::ApriFile, std::move(titolo), std::move(percorso), Risposta::Si, {}, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaSalvaFile(std::string titolo, std::string percorso) {
    return Aggiungi(
        {Tipo::SalvaFile, std::move(titolo), std::move(percorso), Risposta::Si, {}, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaFrmMsg(EsitoScelta esito) {
    return Aggiungi({Tipo::FrmMsg, {}, {}, Risposta::Si, esito, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaRicerca(EsitoRicerca esito) {
    return Aggiungi({Tipo::RicercaTesto, {}, {}, Risposta::Si, {}, std::move(esito)});
}

void FintaPiattaforma::Problema(std::string testo) {
    if (segnala_)
        segnala_(testo);
    problemi.push_back(std::move(testo));
}

void FintaPiattaforma::VerificaFine() {
    verificato_ = true;
    for (const Passo& p : copione_)
        Problema(std::string("never shown: ") + Nome(p.tipo) + " \"" + p.testo + "\"");
    copione_.clear();
}

FintaPiattaforma::~FintaPiattaforma() {
    if (!verificato_)
        VerificaFine();
}

FintaPiattaforma::Passo FintaPiattaforma::Prossimo(Tipo tipo, const std::string& testo) {
    if (copione_.empty()) {
        Problema(std::string("unexpected ") + Nome(tipo) + " \"" + testo + "\"");
        return {tipo, testo, {}, Risposta::Annulla, EsitoScelta::Abbandona, {}};
    }
    Passo p = copione_.front();
    copione_.pop_front();
    const bool testoGiusto = p.soloInizio ? testo.rfind(p.testo, 0) == 0 : p.testo == testo;
    if (p.tipo != tipo || (tipo != Tipo::FrmMsg && tipo != Tipo::RicercaTesto && !testoGiusto))
        Problema(std::string("expected ") + Nome(p.tipo) + " \"" + p.testo + "\", got " +
                 Nome(tipo) + " \"" + testo + "\"");
    return p;
}

void FintaPiattaforma::Messaggio(const std::string& testo) {
    messaggi.push_back(testo);
    Prossimo(Tipo::Messaggio, testo);
}

Risposta FintaPiattaforma::Domanda(const std::string& testo, bool) {
    messaggi.push_back(testo);
    if (allaDomanda)
        allaDomanda(testo);
    return Prossimo(Tipo::Domanda, testo).scelta;
}

EsitoSovrascrittura FintaPiattaforma::ChiediSovrascrittura(const std::string& testo) {
    messaggi.push_back(testo);
    return Prossimo(Tipo::Sovrascrittura, testo).sovrascrittura;
}

std::string FintaPiattaforma::ApriFile(const std::string& titolo, const std::string&) {
    return Prossimo(Tipo::ApriFile, titolo).risposta;
}

std::string FintaPiattaforma::SalvaFile(const std::string& titolo, const std::string&) {
    return Prossimo(Tipo::SalvaFile, titolo).risposta;
}

EsitoScelta FintaPiattaforma::MostraFrmMsg() {
    return Prossimo(Tipo::FrmMsg, {}).esito;
}

EsitoRicerca FintaPiattaforma::MostraRicercaTesto(const std::string&, const std::string&,
                                                  MetodoSost) {
    return Prossimo(Tipo::RicercaTesto, {}).ricerca;
}

void FintaPiattaforma::MostraFrmPrgb(const std::string& Azione,
                                     const std::function<void(BarraProgresso&)>& attivazione) {
    progresso.push_back(Azione);
    BarraFinta barra(progresso);
    if (Azione == "ProvaAbb")
        attivazione(barra);
}

} // namespace zelvano::test
