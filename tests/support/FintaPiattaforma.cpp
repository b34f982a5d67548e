#include "FintaPiattaforma.h"

#include <gtest/gtest.h>

namespace zelvano::test {

namespace {
const char* Nome(FintaPiattaforma::Tipo t) {
    static const char* const nomi[] = {"message",     "question",      "open dialog",
                                       "save dialog", "choice dialog", "find and replace window"};
    return nomi[static_cast<int>(t)];
}
} // namespace

FintaPiattaforma& FintaPiattaforma::Aggiungi(Passo passo) {
    copione_.push_back(std::move(passo));
    return *this;
}
FintaPiattaforma& FintaPiattaforma::AspettaMessaggio(std::string testo) {
    return Aggiungi({Tipo::Messaggio, std::move(testo), {}, Risposta::Si, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaDomanda(std::string testo, Risposta risposta) {
    return Aggiungi({Tipo::Domanda, std::move(testo), {}, risposta, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaApriFile(std::string titolo, std::string percorso) {
    return Aggiungi({Tipo::ApriFile, std::move(titolo), std::move(percorso), Risposta::Si, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaSalvaFile(std::string titolo, std::string percorso) {
    return Aggiungi({Tipo::SalvaFile, std::move(titolo), std::move(percorso), Risposta::Si, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaFrmMsg(std::string esito) {
    return Aggiungi({Tipo::FrmMsg, {}, std::move(esito), Risposta::Si, {}});
}
FintaPiattaforma& FintaPiattaforma::AspettaRicerca(EsitoRicerca esito) {
    return Aggiungi({Tipo::RicercaTesto, {}, {}, Risposta::Si, std::move(esito)});
}

void FintaPiattaforma::VerificaFine() {
    verificato_ = true;
    for (const Passo& p : copione_)
        ADD_FAILURE() << "never shown: " << Nome(p.tipo) << " \"" << p.testo << "\"";
    copione_.clear();
}

FintaPiattaforma::~FintaPiattaforma() {
    if (!verificato_)
        VerificaFine();
}

FintaPiattaforma::Passo FintaPiattaforma::Prossimo(Tipo tipo, const std::string& testo) {
    if (copione_.empty()) {
        ADD_FAILURE() << "unexpected " << Nome(tipo) << " \"" << testo << "\"";
        return {tipo, testo, {}, Risposta::Annulla, {}};
    }
    Passo p = copione_.front();
    copione_.pop_front();
    if (p.tipo != tipo || (tipo != Tipo::FrmMsg && tipo != Tipo::RicercaTesto && p.testo != testo))
        ADD_FAILURE() << "expected " << Nome(p.tipo) << " \"" << p.testo << "\", got " << Nome(tipo)
                      << " \"" << testo << "\"";
    return p;
}

void FintaPiattaforma::Messaggio(const std::string& testo) {
    messaggi.push_back(testo);
    Prossimo(Tipo::Messaggio, testo);
}

Risposta FintaPiattaforma::Domanda(const std::string& testo, bool) {
    messaggi.push_back(testo);
    return Prossimo(Tipo::Domanda, testo).scelta;
}

std::string FintaPiattaforma::ApriFile(const std::string& titolo, const std::string&) {
    return Prossimo(Tipo::ApriFile, titolo).risposta;
}

std::string FintaPiattaforma::SalvaFile(const std::string& titolo, const std::string&) {
    return Prossimo(Tipo::SalvaFile, titolo).risposta;
}

std::string FintaPiattaforma::MostraFrmMsg() {
    return Prossimo(Tipo::FrmMsg, {}).risposta;
}

EsitoRicerca FintaPiattaforma::MostraRicercaTesto(const std::string&, const std::string&, uint8_t) {
    return Prossimo(Tipo::RicercaTesto, {}).ricerca;
}

} // namespace zelvano::test
