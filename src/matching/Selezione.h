#pragma once
// The current input and catalogue article, the moves between input articles, and the
// tooltips over the "Associato a" columns.

namespace zelvano {

struct StatoHome;

void AttivaSelezione1(StatoHome& h);
void CercaPrecedente(StatoHome& h);
void CercaSuccessivo(StatoHome& h);
void CercaPrimoDaAbbinare(StatoHome& h);
void CercaPrecDaAbbinare(StatoHome& h);

// The grid's current row has already moved to the clicked (or keyed-to) row.
void grd1_Click(StatoHome& h);
void Grd2_Click(StatoHome& h);
void grd1_MouseMove(StatoHome& h, int riga, int col);
void Grd2_MouseMove(StatoHome& h, int riga, int col);

} // namespace zelvano
