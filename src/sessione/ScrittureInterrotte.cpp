#include "sessione/ScrittureInterrotte.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "files/CopiaDiRipristino.h"
#include "files/ErroreFile.h"

namespace zelvano {

bool RiprendiScrittureInterrotte(StatoHome& h, const std::vector<std::string>& file) {
    const std::string cartellaDati = h.pf.CartellaDatiUtente();
    for (const std::string& percorso : file) {
        Ripristino r;
        try {
            r = RiprendiScritturaInterrotta(percorso, cartellaDati);
        } catch (const ErroreFile& e) {
            h.pf.Messaggio(e.what());
            return false;
        }
        const std::string nome = Cp1252DaUtf8(percorso);
        switch (r.esito) {
        case EsitoRipristino::Nessuno:
            break;
        case EsitoRipristino::TenutoNuovo:
            h.pf.Messaggio("La scrittura del file " + nome +
                           " era stata interrotta quando il nuovo contenuto era gi\xE0 completo: "
                           "il file \xE8 stato tenuto con il nuovo contenuto");
            break;
        case EsitoRipristino::RipristinatoVecchio:
            h.pf.Messaggio("La scrittura del file " + nome +
                           " era stata interrotta prima della fine: il file ha di nuovo il "
                           "contenuto che aveva prima");
            break;
        case EsitoRipristino::Sostituito:
            h.pf.Messaggio("Il file " + nome +
                           " \xE8 stato sostituito dopo una sua scrittura interrotta ed \xE8 "
                           "rimasto com'\xE8; il contenuto che aveva prima \xE8 in " +
                           Cp1252DaUtf8(r.copia));
            break;
        }
    }
    return true;
}

} // namespace zelvano
