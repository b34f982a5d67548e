#include "suggerimenti/ScegliSuggerimento.h"

#include "data/StatoHome.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"

namespace zelvano {

void ScegliSuggerimento(StatoHome& h, int32_t j) {
    if (j < 1 || j > h.NumProd)
        return;
    const RecArticolo& p = h.ArtProd[static_cast<std::size_t>(j)];
    h.Testi.TxtCod = p.CdProd.str();
    h.Testi.txtDescr.clear();
    CaricaGrid2(h);
    AttivaSelezione2(h, j);
    if (h.PCdProdSel != j)
        return; // the filter does not show it
    h.Grd2.ShowCell(RigaGrd2(h), 0);
    h.Testi.MessaggioStato = "Scelto " + p.CdProd + " tra i suggerimenti";
}

} // namespace zelvano
