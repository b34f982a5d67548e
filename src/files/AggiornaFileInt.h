#pragma once
// Writes replaced supplier codes back into columns 83-112 of the input file.

#include <cstdint>
#include <string>

namespace zelvano {

struct StatoHome;

// What became of the rewrite; the input file is changed only when Scritto.
struct EsitoAggiornaFileInt {
    enum class Tipo {
        Scritto,
        CodiceConACapo,   // articolo's new code holds a line break
        Illeggibile,      // the file could not be read again: errore
        Cambiato,         // the file no longer holds the articles at their lines
        CopiaFallita,     // the copy of the old content could not be made: errore
        ScritturaFallita, // errore; the old content is still in copia
    };
    Tipo tipo = Tipo::Scritto;
    int32_t articolo = 0;
    std::string errore;
    std::string copia;
};

// Asks nothing: the caller tells the user what went wrong.
EsitoAggiornaFileInt AggiornaFileInt(StatoHome& h);

} // namespace zelvano
