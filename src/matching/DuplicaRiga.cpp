#include "matching/DuplicaRiga.h"

#include "data/StatoHome.h"
#include "files/FileCatalogo.h"
#include "matching/CaricaArchivi.h"

namespace zelvano {

bool DuplicaRiga(CopieCatalogo& copie, StatoHome& h, int32_t NumeroRiga) {
    std::string testo;
    if (!copie.Riga(NumeroRiga, testo))
        return false;
    copie.Accoda(testo);
    InserisciRiga(h, testo);
    return true;
}

bool DuplicaRiga(StatoHome& h, int32_t NumeroRiga) {
    CopieCatalogo copie(h.FileProd, h.PosProd, h.ImprontaProd,
                        [&h] { return h.pf.CartellaDatiUtente(); });
    const bool fatta = DuplicaRiga(copie, h, NumeroRiga);
    copie.Chiudi();
    return fatta;
}

} // namespace zelvano
