#pragma once
// Refills Grd2 with the catalogue articles that pass the filter boxes. The window calls it
// on the user's edits of the boxes and choice in the combo; it writes the boxes itself
// without raising those, so the refill needs no guard against the program's own writes.

namespace zelvano {

struct StatoHome;

void CaricaGrid2(StatoHome& h);

} // namespace zelvano
