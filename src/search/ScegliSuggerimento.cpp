#include "search/ScegliSuggerimento.h"

#include "data/StatoHome.h"
#include "matching/Selezione.h"
#include "search/CaricaGrid2.h"

namespace zelvano {

void ScegliSuggerimento(StatoHome& h, int32_t j) {
    if (j < 1 || j > h.NumProd)
        return;
    const RecArticolo& p = h.ArtProd[static_cast<std::size_t>(j)];
    h.TxtCod = p.CdProd.str();
    h.txtDescr.clear();
    CaricaGrid2(h);
    const int riga = h.Grd2.RigaDi(j);
    if (riga == 0)
        return;
    h.Grd2.SetRow(riga);
    Grd2_Click(h);
    h.Grd2.ShowCell(riga, 0);
    h.MessaggioStato = "Scelto " + p.CdProd + " tra i suggerimenti";
}

} // namespace zelvano
