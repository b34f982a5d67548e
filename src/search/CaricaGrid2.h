#pragma once
// Refills Grd2 with the catalogue articles that pass the filter boxes.

namespace zelvano {

struct StatoHome;

void CaricaGrid2(StatoHome& h);
// The user's edits of the boxes and choice in the combo. The window writes the boxes
// without raising these, so they need no guard against the program's own writes.
void TxtCod_Change(StatoHome& h);
void txtDescr_Change(StatoHome& h);
void cmBAndOr_Click(StatoHome& h);

} // namespace zelvano
