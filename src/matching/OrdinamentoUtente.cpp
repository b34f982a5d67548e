#include "matching/OrdinamentoUtente.h"

#include "data/StatoHome.h"
#include "files/LayoutGriglie.h"

namespace zelvano {

void grd1_AfterSort(StatoHome& h, int col, int ordine) {
    h.grd1.SetRow(0);
    h.RigaGrd1 = 0;
    h.PCdIntSel = 0;
    h.Grd2.SetRows(1);
    h.RigaGrd2 = 0;
    h.PCdProdSel = 0;
    SalvaOrdinamentoGrd1(h, col, ordine);
}

void Grd2_AfterSort(StatoHome& h, int col, int ordine) {
    h.Grd2.SetRow(0);
    h.RigaGrd2 = 0;
    h.PCdProdSel = 0;
    SalvaOrdinamentoGrd2(h, col, ordine);
}

} // namespace zelvano
