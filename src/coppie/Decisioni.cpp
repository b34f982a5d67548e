#include "coppie/Decisioni.h"

#include "data/Abbinamento.h"
#include "data/StatoHome.h"
#include "griglie/Totali.h"

namespace zelvano {

Decisione::Decisione(StatoHome& h, std::string descrizione) : h_(h) {
    Registro& reg = h_.Decisioni;
    if (reg.inCorso)
        return;
    propria_ = true;
    reg.inCorso.emplace();
    reg.inCorso->descrizione = std::move(descrizione);
    reg.inCorso->associatiPrima = h_.NumAssociati;
    reg.inCorso->marcatiPrima = h_.NumNonAssociabili;
    reg.notatiInt.assign(reg.notatiInt.size(), 0);
    reg.notatiProd.assign(reg.notatiProd.size(), 0);
}

void Decisione::Descrivi(std::string descrizione) {
    if (propria_)
        h_.Decisioni.inCorso->descrizione = std::move(descrizione);
}

Decisione::~Decisione() {
    if (!propria_)
        return;
    Registro& reg = h_.Decisioni;
    PassoRegistro passo = std::move(*reg.inCorso);
    reg.inCorso.reset();
    std::erase_if(passo.cambi, [this](CambioRecord& c) {
        c.dopo = c.input ? ImprontaInt(h_, c.indice) : ImprontaProd(h_, c.indice);
        return c.dopo == c.prima;
    });
    if (passo.cambi.empty())
        return;
    passo.associatiDopo = h_.NumAssociati;
    passo.marcatiDopo = h_.NumNonAssociabili;
    // A state saved further along the undone decisions can no longer come back.
    if (reg.salvatiA > static_cast<int64_t>(reg.annullabili.size()))
        reg.salvatiA = -1;
    reg.ripetibili.clear();
    reg.annullabili.push_back(std::move(passo));
}

namespace {
void Applica(StatoHome& h, const PassoRegistro& passo, bool indietro) {
    if (indietro) {
        for (auto it = passo.cambi.rbegin(); it != passo.cambi.rend(); ++it)
            Ripristina(h, it->input, it->indice, it->prima);
        h.NumAssociati = passo.associatiPrima;
        h.NumNonAssociabili = passo.marcatiPrima;
    } else {
        for (const CambioRecord& c : passo.cambi)
            Ripristina(h, c.input, c.indice, c.dopo);
        h.NumAssociati = passo.associatiDopo;
        h.NumNonAssociabili = passo.marcatiDopo;
    }
    const Registro& reg = h.Decisioni;
    h.DatiModificati = static_cast<int64_t>(reg.annullabili.size()) != reg.salvatiA;
    AggiornaTotAbbinati(h);
}

// The last decision of one list goes back or forward and onto the other list.
void Sposta(StatoHome& h, std::vector<PassoRegistro>& da, std::vector<PassoRegistro>& a,
            bool indietro, const char* nessuna, const char* fatto) {
    if (da.empty()) {
        h.Testi.MessaggioStato = nessuna;
        return;
    }
    a.push_back(std::move(da.back()));
    da.pop_back();
    Applica(h, a.back(), indietro);
    h.Testi.MessaggioStato = fatto + a.back().descrizione;
}
} // namespace

void AnnullaDecisione(StatoHome& h) {
    Registro& reg = h.Decisioni;
    Sposta(h, reg.annullabili, reg.ripetibili, true, "Nessuna decisione da annullare",
           "Annullato: ");
}

void RipetiDecisione(StatoHome& h) {
    Registro& reg = h.Decisioni;
    Sposta(h, reg.ripetibili, reg.annullabili, false, "Nessuna decisione da ripetere",
           "Ripetuto: ");
}

void DimenticaDecisioni(StatoHome& h) {
    Registro& reg = h.Decisioni;
    reg.annullabili.clear();
    reg.ripetibili.clear();
    reg.salvatiA = 0;
}

std::string DomandaPrimaDiLasciare(const StatoHome& h, const std::string& solita) {
    if (h.DatiModificati)
        return solita;
    // An output file still without a line makes the next opening pair automatically again,
    // whatever was undone here.
    const Registro& reg = h.Decisioni;
    if (h.File.FileOutVuoto && !h.File.FileOut.empty() &&
        !(reg.annullabili.empty() && reg.ripetibili.empty()))
        return "Il file di output \xE8 ancora vuoto: alla prossima apertura le associazioni "
               "automatiche annullate sarebbero rifatte. Salvare?";
    return {};
}

} // namespace zelvano
