#pragma once
// Each grid's column layout and last sort, kept across runs in the program's folder.

namespace zelvano {

struct StatoHome;

void LeggiPoscolGrd1(StatoHome& h);
void LeggiPoscolGrd2(StatoHome& h);
void SalvaPosColGrd1(StatoHome& h);
void SalvaPosColGrd2(StatoHome& h);
void CaricaOrdinamentiPrec1(StatoHome& h);
void CaricaOrdinamentiPrec2(StatoHome& h);

// The sort file after the user sorted by column col with the order code.
void SalvaOrdinamentoGrd1(StatoHome& h, int col, int ordine);
void SalvaOrdinamentoGrd2(StatoHome& h, int col, int ordine);

} // namespace zelvano
