#pragma once
// A further copy of a catalogue line, appended to the catalogue file and to ArtProd.

#include <cstdint>

namespace zelvano {

class CopieCatalogo;
struct StatoHome;

// True when the line was found and the copy added as record NumProd. Throws ErroreFile
// when the file cannot be read or appended to; nothing is added then.
bool DuplicaRiga(StatoHome& h, int32_t NumeroRiga);
// The same through a file already open for many copies.
bool DuplicaRiga(CopieCatalogo& copie, StatoHome& h, int32_t NumeroRiga);

} // namespace zelvano
