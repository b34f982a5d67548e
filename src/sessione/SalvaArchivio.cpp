#include "sessione/SalvaArchivio.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/FileOutput.h"

#include <optional>

namespace zelvano {

namespace {
// Another file for the work, chosen by the user; empty when the user gives up.
std::string AltroFileOutput(StatoHome& h) {
    for (;;) {
        std::string altro = h.pf.SalvaFile("Salva il file di output Zelvano", "*.txt;");
        if (altro.empty())
            return altro;
        altro = CompletaNomeOutput(altro);
        if (!StessoFile(altro, h.File.FileInt) && !StessoFile(altro, h.File.FileProd))
            return altro;
        h.pf.Messaggio("Il file di output non pu\xF2 essere il file Database o il file Orvessa");
    }
}
} // namespace

bool SalvaArchivio(StatoHome& h) {
    if (h.File.FileOut.empty())
        return true;
    std::string destinazione = h.File.FileOut;
    bool altrove = false;
    if (ScrittoDaAltri(h.File)) {
        switch (h.pf.ChiediSovrascrittura(
            "Il file " + Cp1252DaUtf8(h.File.FileOut) +
            " \xE8 stato cambiato da un altro programma dopo che Zelvano lo ha letto o salvato. "
            "Sovrascriverlo con gli abbinamenti di Zelvano o salvarli in un altro file?")) {
        case EsitoSovrascrittura::Sovrascrivi:
            break;
        case EsitoSovrascrittura::AltroFile:
            altrove = true;
            break;
        case EsitoSovrascrittura::Annulla:
            return false;
        }
    }
    for (;;) {
        if (altrove) {
            destinazione = AltroFileOutput(h);
            if (destinazione.empty())
                return false;
        }
        const std::optional<ErroreFile> errore =
            ScriviFileOutput(h, destinazione, h.pf.CartellaDatiUtente());
        if (!errore)
            break;
        h.pf.Messaggio(errore->what());
        // The pairs are only in memory: another file must always be possible.
        if (h.pf.Domanda("Gli abbinamenti non sono stati salvati. Salvarli in un altro file?",
                         false) != Risposta::Si)
            return false;
        altrove = true;
    }
    if (destinazione != h.File.FileOut) {
        // From now on the work is saved there.
        h.File.FileOut = destinazione;
        h.File.NomeFileOut = NomeSenzaCartella(h.File.FileOut);
    }
    h.File.IdentitaOut = IdentitaDi(h.File.FileOut);
    // The file now holds a line per article: the next opening reads it back, and does not
    // pair anything automatically.
    h.File.FileOutVuoto = h.NumInt == 0;
    h.DatiModificati = false;
    h.Decisioni.salvatiA = static_cast<int64_t>(h.Decisioni.annullabili.size());
    h.Testi.MessaggioStato =
        "Salvati " + Conta(h.NumAssociati, "abbinamento", "abbinamenti") + " e " +
        Conta(h.NumNonAssociabili, "articolo non associabile", "articoli non associabili") +
        " in " + Cp1252DaUtf8(NomeSenzaCartella(h.File.FileOut));
    return true;
}

} // namespace zelvano
