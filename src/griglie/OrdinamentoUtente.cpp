#include "griglie/OrdinamentoUtente.h"

#include "data/StatoHome.h"
#include "files/LayoutGriglie.h"
#include "griglie/Selezione.h"

namespace zelvano {

void RicordaOrdinamentoGrd1(StatoHome& h, int col, int ordine) {
    NessunaSelezione1(h);
    SalvaOrdinamentoGrd1(h, col, ordine);
}

void RicordaOrdinamentoGrd2(StatoHome& h, int col, int ordine) {
    NessunaSelezione2(h);
    SalvaOrdinamentoGrd2(h, col, ordine);
}

} // namespace zelvano
