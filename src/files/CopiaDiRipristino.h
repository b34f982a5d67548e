#pragma once
// The copy of a file's old content kept while the file is rewritten in place, where no
// rename can replace it whole. Its presence marks the write in progress: a kill part way
// leaves it behind, and the next opening of the file makes the file whole again from it.

#include <string>
#include <string_view>

namespace zelvano {

// Made and synced before the plain file `vero`, whose whole content is `vecchio`, is
// rewritten with `nuovo`: beside it as "<name>.zelvano-ripristino", or in cartellaDati
// (named after the file and a hash of its full path) when its folder cannot take it. A
// header says which file it belongs to and the length and hash of both contents. Returns
// its path. Throws ErroreFile when no copy could be made: the file must not be touched.
std::string CreaCopiaDiRipristino(const std::string& vero, std::string_view vecchio,
                                  std::string_view nuovo, const std::string& cartellaDati);
// Once the new content is on disk.
void RimuoviCopiaDiRipristino(const std::string& copia);

enum class EsitoRipristino {
    Nessuno,             // no rewrite of the file was interrupted
    TenutoNuovo,         // the new content had been written whole: it stays
    RipristinatoVecchio, // the file has its old content again (or never lost it)
    Sostituito,          // the file was replaced since: left as it is, the copy kept
};

struct Ripristino {
    EsitoRipristino esito = EsitoRipristino::Nessuno;
    std::string copia; // where the copy is (or was)
};

// Looks for a copy left by an interrupted rewrite of `percorso` and makes the file whole
// from it: the new content when it was complete, the old one otherwise; then removes the
// copy. Throws ErroreFile when the old content cannot be written back: the copy stays, and
// the file must not be read as it is.
Ripristino RiprendiScritturaInterrotta(const std::string& percorso,
                                       const std::string& cartellaDati);

} // namespace zelvano
