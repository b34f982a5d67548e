#include "search/CaricaGrid2.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/CaricaArchivi.h"
#include "files/LayoutGriglie.h"
#include "search/FiltroProd.h"

namespace zelvano {

void CaricaGrid2(StatoHome& h) {
    // Loads and copies keep the upper-cased texts in step; a table filled any other way
    // gets them here.
    if (h.CdProdU.Conta() != h.NumProd || h.DescrU.Conta() != h.NumProd)
        RicostruisciMaiuscoli(h);
    h.PCdProdSel = 0;
    h.RigaGrd2 = 0;
    Griglia& g = h.Grd2;
    g.SetRedraw(false);
    g.SetRows(1);
    LeggiPoscolGrd2(h);

    const FiltroProd filtro(h.TxtCod, h.txtDescr, h.cmBAndOrIndice == 1);
    const std::vector<int32_t> passano = Filtra(filtro, h.CdProdU, h.DescrU, h.NumProd);
    g.SetRows(static_cast<int>(passano.size()) + 1);
    const int cCdInt = g.ColIndex("CDINT"), cCdProd = g.ColIndex("CDPROD");
    const int cDescr = g.ColIndex("DESCR"), cPCdInt = g.ColIndex("PCDINT");
    const int cPCdProd = g.ColIndex("PCDPROD"), cStato = g.ColIndex("STATO");
    int r = 0;
    for (const int32_t j : passano) {
        ++r;
        const RecArticolo& p = h.ArtProd[j];
        if (p.PCdInt > 0 && p.PCdInt <= h.NumInt)
            g.SetTextMatrix(r, cCdInt, h.ArtInt[p.PCdInt].CdInt);
        if (p.PCdInt == h.PCdIntSel) {
            h.RigaGrd2 = r;
            h.PCdProdSel = j;
        }
        g.SetTextMatrix(r, cCdProd, p.CdProd);
        g.SetTextMatrix(r, cDescr, p.Descr);
        g.SetTextMatrix(r, cPCdInt, Numero(p.PCdInt));
        g.SetTextMatrix(r, cPCdProd, Numero(j));
        g.SetTextMatrix(r, cStato, p.Stato);
    }
    if (h.RigaGrd2 != 0) {
        g.SetRow(h.RigaGrd2);
        g.ShowCell(h.RigaGrd2, 0);
    }
    CaricaOrdinamentiPrec2(h);
    g.SetRedraw(true);
}

void TxtCod_Change(StatoHome& h) {
    if (!h.InAggiornamento)
        CaricaGrid2(h);
}

void txtDescr_Change(StatoHome& h) {
    if (!h.InAggiornamento)
        CaricaGrid2(h);
}

void cmBAndOr_Click(StatoHome& h) {
    if (!h.InCaricamentoCombo && !h.InAggiornamento)
        CaricaGrid2(h);
}

} // namespace zelvano
