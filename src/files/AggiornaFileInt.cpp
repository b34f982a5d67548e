#include "files/AggiornaFileInt.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaSicura.h"

#include <filesystem>

namespace zelvano {

namespace {
// Columns 83-112 take the new code; the line keeps its length, so a short line takes only
// what fits and a line that ends before column 83 stays as it is.
void ScriviCodice(std::string& riga, std::string_view codice) {
    if (riga.size() <= 82)
        return;
    const std::size_t n = std::min<std::size_t>(30, riga.size() - 82);
    riga.replace(82, n, Riempi(codice, 30).substr(0, n));
}
} // namespace

bool AggiornaFileInt(StatoHome& h) {
    const std::string copia = h.pf.CartellaProgramma() + "/tmp.txt";
    std::vector<std::string> righe;
    try {
        righe = LeggiRighe(h.FileInt);
    } catch (const ErroreFile& e) {
        h.pf.Messaggio(e.what());
        return false;
    }
    // Codes go to lines by position: a file that changed since it was read would get them
    // in the wrong lines.
    if (righe.size() != static_cast<std::size_t>(h.NumInt)) {
        h.pf.Messaggio("Il file " + Cp1252DaUtf8(h.FileInt) +
                       " \xE8 cambiato dopo l'apertura: i codici non sono stati scritti");
        return false;
    }
    std::error_code errore;
    std::filesystem::copy_file(h.FileInt, copia, std::filesystem::copy_options::overwrite_existing,
                               errore);
    if (errore) {
        h.pf.Messaggio(TestoErroreFile("scrivere", copia, errore.value()));
        return false;
    }

    std::string testo;
    for (std::size_t k = 1; k <= righe.size(); ++k) {
        std::string& riga = righe[k - 1];
        if (h.ArtInt[k].Modificato == 1)
            ScriviCodice(riga, h.ArtInt[k].CdProd);
        testo += riga;
        testo += "\r\n";
    }
    try {
        // Replaced whole or not at all: the old file stays until the new one is complete.
        ScriviFileSicuro(h.FileInt, testo);
    } catch (const ErroreFile& e) {
        h.pf.Messaggio(std::string(e.what()) + ". Il file non \xE8 stato modificato; una copia " +
                       "\xE8 in " + Cp1252DaUtf8(copia));
        return false;
    }
    std::filesystem::remove(copia, errore);
    return true;
}

} // namespace zelvano
