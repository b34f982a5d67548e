#include "FintaPiattaformaQt.h"

#include <QStringList>

namespace {
const char* Nome(FintaPiattaformaQt::Tipo t) {
    switch (t) {
    case FintaPiattaformaQt::Tipo::Messaggio:
        return "message";
    case FintaPiattaformaQt::Tipo::Domanda:
        return "question";
    case FintaPiattaformaQt::Tipo::ApriFile:
        return "open dialog";
    case FintaPiattaformaQt::Tipo::SalvaFile:
        return "save dialog";
    case FintaPiattaformaQt::Tipo::FrmMsg:
        return "choice dialog";
    case FintaPiattaformaQt::Tipo::RicercaTesto:
        return "find and replace window";
    }
    return "?";
}
} // namespace

FintaPiattaformaQt& FintaPiattaformaQt::AspettaMessaggio(std::string testo) {
    copione_.push_back({Tipo::Messaggio, std::move(testo), {}, {}, {}, {}});
    return *this;
}

FintaPiattaformaQt& FintaPiattaformaQt::AspettaDomanda(std::string testo,
                                                       zelvano::Risposta risposta,
                                                       std::function<void()> durante) {
    copione_.push_back({Tipo::Domanda, std::move(testo), {}, risposta, {}, std::move(durante)});
    return *this;
}

FintaPiattaformaQt& FintaPiattaformaQt::AspettaApriFile(std::string titolo, std::string percorso) {
    copione_.push_back({Tipo::ApriFile, std::move(titolo), std::move(percorso), {}, {}, {}});
    return *this;
}

FintaPiattaformaQt& FintaPiattaformaQt::AspettaSalvaFile(std::string titolo, std::string percorso) {
    copione_.push_back({Tipo::SalvaFile, std::move(titolo), std::move(percorso), {}, {}, {}});
    return *this;
}

FintaPiattaformaQt& FintaPiattaformaQt::AspettaFrmMsg(std::string esito) {
    copione_.push_back({Tipo::FrmMsg, {}, std::move(esito), {}, {}, {}});
    return *this;
}

FintaPiattaformaQt& FintaPiattaformaQt::AspettaRicerca(zelvano::EsitoRicerca esito) {
    copione_.push_back({Tipo::RicercaTesto, {}, {}, {}, std::move(esito), {}});
    return *this;
}

QString FintaPiattaformaQt::Problemi() const {
    QStringList tutti;
    for (const std::string& p : problemi_)
        tutti << QString::fromStdString(p);
    for (const Passo& p : copione_)
        tutti << QStringLiteral("never shown: %1 \"%2\"")
                     .arg(QString::fromLatin1(Nome(p.tipo)), QString::fromStdString(p.testo));
    if (occupato != 0)
        tutti << QStringLiteral("busy pointer left at %1").arg(occupato);
    return tutti.join(u'\n');
}

FintaPiattaformaQt::Passo FintaPiattaformaQt::Prossimo(Tipo tipo, const std::string& testo) {
    if (copione_.empty() || copione_.front().tipo != tipo ||
        ((tipo != Tipo::FrmMsg && tipo != Tipo::RicercaTesto) && copione_.front().testo != testo)) {
        std::string atteso = copione_.empty() ? std::string("nothing")
                                              : std::string(Nome(copione_.front().tipo)) + " \"" +
                                                    copione_.front().testo + "\"";
        problemi_.push_back("expected " + atteso + ", got " + Nome(tipo) + " \"" + testo + "\"");
        return {tipo, testo, {}, zelvano::Risposta::Annulla, {}, {}};
    }
    Passo p = std::move(copione_.front());
    copione_.pop_front();
    return p;
}

void FintaPiattaformaQt::Messaggio(const std::string& testo) {
    messaggi.push_back(testo);
    const bool inCopione = !copione_.empty() && copione_.front().tipo == Tipo::Messaggio &&
                           copione_.front().testo == testo;
    if (messaggiLiberi && !inCopione)
        return;
    Prossimo(Tipo::Messaggio, testo);
}

zelvano::Risposta FintaPiattaformaQt::Domanda(const std::string& testo, bool conAnnulla) {
    messaggi.push_back(testo);
    Passo p = Prossimo(Tipo::Domanda, testo);
    if (!conAnnulla && p.scelta == zelvano::Risposta::Annulla)
        problemi_.push_back("Cancel scripted for a Yes/No question \"" + testo + "\"");
    if (p.durante)
        p.durante();
    return p.scelta;
}

std::string FintaPiattaformaQt::ApriFile(const std::string& titolo, const std::string& filtro) {
    filtri.push_back(filtro);
    return Prossimo(Tipo::ApriFile, titolo).risposta;
}

std::string FintaPiattaformaQt::SalvaFile(const std::string& titolo, const std::string& filtro) {
    filtri.push_back(filtro);
    return Prossimo(Tipo::SalvaFile, titolo).risposta;
}

std::string FintaPiattaformaQt::MostraFrmMsg() {
    Passo p = Prossimo(Tipo::FrmMsg, {});
    return p.risposta.empty() ? std::string("ABB") : p.risposta;
}

zelvano::EsitoRicerca FintaPiattaformaQt::MostraRicercaTesto(const std::string&, const std::string&,
                                                             uint8_t) {
    return Prossimo(Tipo::RicercaTesto, {}).ricerca;
}
