#include "sessione/RiprendiCopie.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/SegnoAccodamento.h"

namespace zelvano {

bool RiprendiCopieCatalogo(StatoHome& h, const std::string& fileProd) {
    const auto cartellaDati = [&h] { return h.pf.CartellaDatiUtente(); };
    try {
        const RipresaAccodamento r = RiprendiAccodamento(fileProd, cartellaDati);
        if (r.tolti > 0)
            h.pf.Messaggio("L'aggiunta di righe al file " + Cp1252DaUtf8(fileProd) +
                           " era stata interrotta: la riga rimasta a met\xE0 (" +
                           NumeroConPunti(r.tolti) + " byte) \xE8 stata tolta");
        return true;
    } catch (const ErroreFile& e) {
        h.pf.Messaggio(std::string(e.what()) +
                       ". L'aggiunta di righe al file era stata interrotta e la riga rimasta a "
                       "met\xE0 non \xE8 stata tolta: il file non \xE8 stato aperto");
        return false;
    }
}

} // namespace zelvano
