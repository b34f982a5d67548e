#include "coppie/AbbinamentiSospesi.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/FileOutput.h"

namespace zelvano {

void AvvisaAbbinamentiSospesi(StatoHome& h, const EsitoRipristino& esito) {
    if (esito.sospesi == 0)
        return;
    std::string codici;
    for (const std::string& c : esito.codici)
        codici += (codici.empty() ? "" : ", ") + c;
    if (esito.altriCodici)
        codici += ", ...";
    const bool uno = esito.sospesi == 1;
    h.pf.Messaggio(
        NumeroConPunti(esito.sospesi) +
        (uno ? " abbinamento salvato in " : " abbinamenti salvati in ") +
        Cp1252DaUtf8(h.File.NomeFileOut) +
        (uno ? " indica un articolo Orvessa non trovato nel catalogo (codice "
             : " indicano articoli Orvessa non trovati nel catalogo (codici ") +
        codici +
        (uno ? "): l'articolo resta da associare e la sua riga resta nel file di output com'era, "
               "finch\xE9 non si decide altrimenti per l'articolo"
             : "): gli articoli restano da associare e le loro righe restano nel file di output "
               "come erano, finch\xE9 non si decide altrimenti per ciascun articolo"));
}

} // namespace zelvano
