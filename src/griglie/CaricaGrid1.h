#pragma once
// Fills grd1 from the input table, row r for input record r.

namespace zelvano {

struct StatoHome;
void CaricaGrid1(StatoHome& h);

} // namespace zelvano
