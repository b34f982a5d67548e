#pragma once
// A sort the user makes by a caption: no row of that grid stays chosen, and the sort is
// remembered for the next run.

namespace zelvano {

struct StatoHome;

// Also empties Grd2, since no input article is chosen any more.
void RicordaOrdinamentoGrd1(StatoHome& h, int col, int ordine);
void RicordaOrdinamentoGrd2(StatoHome& h, int col, int ordine);

} // namespace zelvano
