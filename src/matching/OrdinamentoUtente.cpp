#include "matching/OrdinamentoUtente.h"

#include "data/StatoHome.h"
#include "files/LayoutGriglie.h"
#include "matching/Selezione.h"

namespace zelvano {

void grd1_AfterSort(StatoHome& h, int col, int ordine) {
    NessunaSelezione1(h);
    SalvaOrdinamentoGrd1(h, col, ordine);
}

void Grd2_AfterSort(StatoHome& h, int col, int ordine) {
    NessunaSelezione2(h);
    SalvaOrdinamentoGrd2(h, col, ordine);
}

} // namespace zelvano
