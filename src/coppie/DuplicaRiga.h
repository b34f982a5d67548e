#pragma once
// A further copy of a catalogue line, appended to the catalogue file and to ArtProd.

#include <cstdint>

namespace zelvano {

class CopieCatalogo;
struct StatoHome;

// What became of a copy; true when it was made.
struct EsitoCopia {
    enum Tipo {
        Fatta,
        RigaMancante, // the file has no such line any more
        RigaCambiata, // the line holds another article now
    } tipo;
    explicit operator bool() const { return tipo == Fatta; }
};

// The copy of record NumeroRiga, added as record NumProd, only when the file's line of
// that number still holds the record (code, line code and description). Throws ErroreFile
// when the file cannot be read or appended to. Unless the copy is made, nothing is added
// to the file or to the table.
EsitoCopia DuplicaRiga(StatoHome& h, int32_t NumeroRiga);
// The same through a file already open for many copies.
EsitoCopia DuplicaRiga(CopieCatalogo& copie, StatoHome& h, int32_t NumeroRiga);

} // namespace zelvano
