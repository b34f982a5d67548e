#include "griglie/Totali.h"

#include "data/StatoHome.h"
#include "griglie/CaricaGrid1.h"
#include "griglie/Selezione.h"

namespace zelvano {

void AggiornaTotAbbinati(StatoHome& h) {
    Conteggi& c = h.Totali;
    c.contatiInt = true;
    c.letti = h.NumInt;
    c.associati = h.NumAssociati;
    c.nonAssociabili = h.NumNonAssociabili;
    c.daAssociare = int64_t{h.NumInt} - h.NumAssociati - h.NumNonAssociabili;
}

void AggiornaTotCatalogo(StatoHome& h) {
    h.Totali.contatiProd = true;
    h.Totali.articoliProd = h.NumProd;
}

void RefreshGrideLabel(StatoHome& h) {
    // Counted first: a message on the way (no article left to pair) shows both status lines
    // already as they end up.
    AggiornaTotAbbinati(h);
    AggiornaTotCatalogo(h);
    // The search for the first article to pair starts from the top.
    h.PCdIntSel = 0;
    CaricaGrid1(h);
    CercaPrimoDaAbbinare(h);
}

} // namespace zelvano
