#pragma once
// Refills Grd2 with the catalogue articles that pass the filter boxes.

namespace zelvano {

struct StatoHome;

void CaricaGrid2(StatoHome& h);
void TxtCod_Change(StatoHome& h);
void txtDescr_Change(StatoHome& h);
void cmBAndOr_Click(StatoHome& h);

} // namespace zelvano
