#include "coppie/DuplicaRiga.h"

#include "data/StatoHome.h"
#include "files/FileCatalogo.h"
#include "files/LetturaArchivi.h"
#include "griglie/CaricaArchivi.h"

namespace zelvano {

EsitoCopia DuplicaRiga(CopieCatalogo& copie, StatoHome& h, int32_t NumeroRiga) {
    std::string testo;
    if (NumeroRiga < 1 || NumeroRiga > h.NumProd || !copie.Riga(NumeroRiga, testo))
        return {EsitoCopia::RigaMancante};
    // The line is found by the position it had when the program last saw the file; when
    // another program has changed it since, that position may hold another article or a
    // piece of one. Read as the opening reads it, it must still be this record.
    const RecArticolo letto = RecordProd(testo);
    const RecArticolo& rec = h.ArtProd[static_cast<std::size_t>(NumeroRiga)];
    if (letto.CdProd != rec.CdProd || letto.LineaProd != rec.LineaProd || letto.Descr != rec.Descr)
        return {EsitoCopia::RigaCambiata};
    copie.Accoda(testo);
    InserisciRiga(h, testo);
    return {EsitoCopia::Fatta};
}

EsitoCopia DuplicaRiga(StatoHome& h, int32_t NumeroRiga) {
    CopieCatalogo copie(h.File, [&h] { return h.pf.CartellaDatiUtente(); });
    const EsitoCopia esito = DuplicaRiga(copie, h, NumeroRiga);
    copie.Chiudi();
    return esito;
}

} // namespace zelvano
