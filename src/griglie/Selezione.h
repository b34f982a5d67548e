#pragma once
// The current input and catalogue article, the moves between input articles, and the
// tooltips over the "Associato a" columns. The choice is the two record indexes
// PCdIntSel and PCdProdSel; the rows that show them, and so each grid's current row,
// follow from those.

#include <cstdint>

#include <optional>
#include <string>

namespace zelvano {

struct StatoHome;

// The row of grd1 / Grd2 showing the chosen record; 0 when none is chosen or shown.
int RigaGrd1(const StatoHome& h);
int RigaGrd2(const StatoHome& h);

// Input record i becomes the chosen article, its row the current one, and Grd2 is refilled
// around it. A record no row shows leaves the choice as it was.
void AttivaSelezione1(StatoHome& h, int32_t i);
// Catalogue record j becomes the chosen article and its row the current one; the same.
void AttivaSelezione2(StatoHome& h, int32_t j);
// Nothing chosen in Grd2 / in grd1 (and then Grd2 shows nothing either).
void NessunaSelezione2(StatoHome& h);
void NessunaSelezione1(StatoHome& h);

void CercaPrecedente(StatoHome& h);
void CercaSuccessivo(StatoHome& h);
void CercaPrimoDaAbbinare(StatoHome& h);
void CercaPrecDaAbbinare(StatoHome& h);

// The user chose row riga of the grid (by mouse or keyboard); the header or no row is no
// choice and keeps the earlier one.
void ScegliRigaGrd1(StatoHome& h, int riga);
void ScegliRigaGrd2(StatoHome& h, int riga);
// The tooltip of the cell under the pointer; nothing over the header or below the rows,
// where the one shown stays. The window asks again only when the pointer changes cell.
std::optional<std::string> DidascaliaGrd1(const StatoHome& h, int riga, int col);
std::optional<std::string> DidascaliaGrd2(const StatoHome& h, int riga, int col);

} // namespace zelvano
