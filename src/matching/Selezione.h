#pragma once
// The current input and catalogue article, the moves between input articles, and the
// tooltips over the "Associato a" columns.

#include <optional>
#include <string>

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
// The tooltip of the cell under the pointer; nothing over the header or below the rows,
// where the one shown stays. The window asks again only when the pointer changes cell.
std::optional<std::string> grd1_MouseMove(const StatoHome& h, int riga, int col);
std::optional<std::string> Grd2_MouseMove(const StatoHome& h, int riga, int col);

} // namespace zelvano
