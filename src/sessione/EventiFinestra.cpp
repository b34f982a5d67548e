#include "sessione/EventiFinestra.h"

#include "coppie/Decisioni.h"
#include "data/ColonneGriglie.h"
#include "data/StatoHome.h"
#include "files/FileOutput.h"
#include "files/LayoutGriglie.h"
#include "griglie/OrdinamentoUtente.h"
#include "sessione/LeggiArchivi.h"
#include "sessione/SalvaArchivio.h"

namespace zelvano {

namespace {
void CollegaEventi(StatoHome& h) {
    h.grd1.AfterSort = [&h](int col, int ordine) { RicordaOrdinamentoGrd1(h, col, ordine); };
    h.grd1.AfterMoveColumn = [&h] { SalvaPosColGrd1(h); };
    h.grd1.AfterUserResize = [&h] { SalvaPosColGrd1(h); };
    h.Grd2.AfterSort = [&h](int col, int ordine) { RicordaOrdinamentoGrd2(h, col, ordine); };
    h.Grd2.AfterMoveColumn = [&h] { SalvaPosColGrd2(h); };
    h.Grd2.AfterUserResize = [&h] { SalvaPosColGrd2(h); };
}
} // namespace

void PreparaFinestra(StatoHome& h) {
    h.primaAttivazione = true;
    h.DatiModificati = false;

    CreaTabella(h.ArtInt, h.DimInt);
    CreaTabella(h.ArtProd, h.DimProd);

    ImpostaGrd1(h.grd1);
    LeggiPoscolGrd1(h);
    ImpostaGrd2(h.Grd2);
    CollegaEventi(h);

    // Filled without a refill: Grd2 stays empty until an article is chosen.
    h.Testi.cmBAndOr = {"AND", "OR"};
    h.Testi.cmBAndOrIndice = 0;
}

void ApriAllaPrimaAttivazione(StatoHome& h) {
    if (!h.primaAttivazione)
        return;
    // Cleared first: an activation delivered while the dialogs of this opening are up must
    // not start a second one.
    h.primaAttivazione = false;
    LeggiArchivi(h);
}

bool ConfermaChiusura(StatoHome& h) {
    const std::string domanda = DomandaPrimaDiLasciare(h, "Dati modificati, salvare?");
    if (domanda.empty())
        return true;
    switch (h.pf.Domanda(domanda, true)) {
    case Risposta::Si:
        // A failed save keeps the window open rather than losing the work.
        return SalvaArchivio(h);
    case Risposta::No:
        return true;
    case Risposta::Annulla:
        break;
    }
    return false;
}

} // namespace zelvano
