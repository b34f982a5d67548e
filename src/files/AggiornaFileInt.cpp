#include "files/AggiornaFileInt.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaFile.h"
#include "files/ScritturaSicura.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A folder that no other user can write: nobody can plant a name in it meanwhile.
bool SoloDellUtente(const std::string& cartella) {
    struct stat st {};
    return ::stat(cartella.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Gives the finished copy its name without replacing anything: "tmp.txt" when it is free,
// otherwise a name of its own. 0, or the errno.
int Pubblica(const std::string& scritta, const std::string& cartella, std::string& copia) {
    copia = cartella + "/tmp.txt";
    if (::renameat2(AT_FDCWD, scritta.c_str(), AT_FDCWD, copia.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EEXIST && errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without RENAME_NOREPLACE, or the name taken: a new name held by an
    // empty file of ours, which the rename then replaces.
    copia = cartella + "/tmp-XXXXXX.txt";
    const int fd = ::mkostemps(copia.data(), 4, O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (::rename(scritta.c_str(), copia.c_str()) != 0) {
        const int errore = errno;
        ::unlink(copia.c_str());
        return errore;
    }
    return 0;
}

// The copy is made under a name nobody held before, never through a link: "tmp.txt" in
// the program's folder when that folder is the user's alone and the name is free,
// otherwise a name of its own, in the user's data folder when the program's is shared.
// It is written whole under a temporary name first, so that a copy cut short by a kill is
// never taken for a whole one. Throws ErroreFile.
std::string CopiaEsclusiva(StatoHome& h, const std::string& contenuto) {
    std::string cartella = h.pf.CartellaProgramma();
    if (!SoloDellUtente(cartella))
        cartella = h.pf.CartellaDatiUtente();
    // What a kill left of earlier copies under their temporary name.
    RimuoviTemporanei(cartella, "tmp.txt");
    std::string scritta = cartella + "/" + PrefissoTemporanei("tmp.txt") + "XXXXXX";
    const int fd = ::mkostemp(scritta.data(), O_CLOEXEC);
    if (fd < 0)
        LanciaErroreFile("creare", cartella + "/tmp.txt", errno);
    int errore = ScriviTutto(fd, contenuto);
    if (errore == 0 && ::fsync(fd) != 0)
        errore = errno;
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    std::string copia = cartella + "/tmp.txt";
    if (errore == 0)
        errore = Pubblica(scritta, cartella, copia);
    if (errore != 0) {
        ::unlink(scritta.c_str());
        LanciaErroreFile("scrivere", copia, errore);
    }
    return copia;
}

// The changed lines must still hold the articles they were read from: a file reordered or
// edited since the opening would get the new codes on other articles.
bool RigheAlloroPosto(const StatoHome& h, const std::vector<std::string>& righe) {
    for (std::size_t k = 1; k <= righe.size(); ++k)
        if (h.ArtInt[k].Modificato == 1 && CampoVista(righe[k - 1], 1, 25) != h.ArtInt[k].CdInt)
            return false;
    return true;
}

// The first marked record whose new code holds a byte that ends a line: written into the
// file, it would split that line and shift every later one against the table.
int32_t CodiceConACapo(const StatoHome& h) {
    for (int32_t k = 1; k <= h.NumInt; ++k)
        if (h.ArtInt[k].Modificato == 1 &&
            h.ArtInt[k].CdProd.Vista().find_first_of("\r\n") != std::string_view::npos)
            return k;
    return 0;
}
} // namespace

EsitoAggiornaFileInt AggiornaFileInt(StatoHome& h) {
    using Tipo = EsitoAggiornaFileInt::Tipo;
    if (const int32_t k = CodiceConACapo(h); k != 0)
        return {Tipo::CodiceConACapo, k, {}, {}};
    std::vector<std::string> righe;
    std::string originale;
    try {
        righe = LeggiRighe(h.File.FileInt);
        originale = LeggiFileIntero(h.File.FileInt);
    } catch (const ErroreFile& e) {
        return {Tipo::Illeggibile, 0, e.what(), {}};
    }
    // Codes go to lines by position: a file that changed since it was read would get them
    // in the wrong lines.
    if (righe.size() != static_cast<std::size_t>(h.NumInt) || !RigheAlloroPosto(h, righe))
        return {Tipo::Cambiato, 0, {}, {}};
    std::string copia;
    try {
        copia = CopiaEsclusiva(h, originale);
    } catch (const ErroreFile& e) {
        return {Tipo::CopiaFallita, 0, e.what(), {}};
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
        ScriviFileSicuro(h.File.FileInt, testo, true, h.pf.CartellaDatiUtente());
    } catch (const ErroreFile& e) {
        return {Tipo::ScritturaFallita, 0, e.what(), copia};
    }
    ::unlink(copia.c_str());
    return {};
}

} // namespace zelvano
