#include "files/CaricaGrid1.h"

#include "data/StatoHome.h"
#include "data/Testo.h"

namespace zelvano {

void CaricaGrid1(StatoHome& h) {
    Griglia& g = h.grd1;
    g.SetRedraw(false);
    g.SetRows(1);
    const int32_t n = h.NumInt;
    // Rows are appended all at once: the same rows as one at a time, without the
    // per-row growth.
    g.SetRows(n + 1);
    const int cCdInt = g.ColIndex("CDINT"), cCdProd = g.ColIndex("CDPROD");
    const int cDescr = g.ColIndex("DESCR"), cLinea = g.ColIndex("LINEA");
    const int cPCdInt = g.ColIndex("PCDINT"), cPCdProd = g.ColIndex("PCDPROD");
    const int cStato = g.ColIndex("STATO"), cCdProd2 = g.ColIndex("CDPROD2");
    for (int32_t i = 1; i <= n; ++i) {
        const RecArticolo& r = h.ArtInt[i];
        g.SetTextMatrix(i, cCdInt, r.CdInt);
        g.SetTextMatrix(i, cCdProd, r.CdProd);
        g.SetTextMatrix(i, cDescr, r.Descr);
        g.SetTextMatrix(i, cLinea, r.Linea);
        g.SetTextMatrix(i, cPCdInt, Numero(i));
        g.SetTextMatrix(i, cPCdProd, Numero(r.PCdProd));
        g.SetTextMatrix(i, cStato, r.Stato);
        if (r.PCdProd > 0 && r.PCdProd <= h.NumProd)
            g.SetTextMatrix(i, cCdProd2, h.ArtProd[r.PCdProd].CdProd);
        if (r.Stato == "X")
            g.SetTextMatrix(i, cCdProd2, "*Non Associabile");
    }
    g.SetRedraw(true);
}

} // namespace zelvano
