#pragma once
// A further copy of a catalogue line, appended to the catalogue file and to ArtProd.

#include <cstdint>

namespace zelvano {

struct StatoHome;
// True when the line was found and the copy added as record NumProd.
bool DuplicaRiga(StatoHome& h, int32_t NumeroRiga);

} // namespace zelvano
