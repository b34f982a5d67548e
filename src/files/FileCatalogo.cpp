#include "files/FileCatalogo.h"

#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaFile.h"
#include "files/SegnoAccodamento.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvano {

ImprontaFile ImprontaDi(int fd) {
    ImprontaFile imp;
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return imp;
    imp.dimensione = st.st_size;
    imp.modificaNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return imp;
}

CopieCatalogo::CopieCatalogo(FileAperti& file, std::function<std::string()> cartellaRiserva)
    : percorso_(file.FileProd), posizioni_(file.PosProd), impronta_(file.ImprontaProd),
      cartellaRiserva_(std::move(cartellaRiserva)) {
    fd_ = ApriFileNormale(percorso_, O_RDWR | O_APPEND, "scrivere");
}

CopieCatalogo::~CopieCatalogo() {
    if (fd_ < 0)
        return;
    // Left by an error: what was appended is whole, a failed append having been cut back.
    if (!segno_.empty() && ::fsync(fd_) == 0)
        TogliSegnoAccodamento(segno_);
    ::close(fd_);
}

void CopieCatalogo::RileggiPosizioni() {
    LettoreRighe lettore(percorso_);
    // Sized from what the file held before, so that a million lines are not moved by
    // doubling steps.
    std::vector<PosizioneRiga> pos;
    pos.reserve(posizioni_.size() + 1);
    pos.resize(1);
    std::string_view riga;
    while (lettore.Leggi(riga))
        pos.push_back({lettore.InizioRiga(), static_cast<uint32_t>(riga.size())});
    posizioni_ = std::move(pos);
    const char ultimo = lettore.UltimoByte();
    impronta_ = ImprontaDi(fd_);
    impronta_.finisceACapo = ultimo == '\n' || ultimo == '\r';
}

bool CopieCatalogo::Riga(int32_t n, std::string& testo) {
    ImprontaFile ora = ImprontaDi(fd_);
    ora.finisceACapo = impronta_.finisceACapo;
    // Changed by someone else since the program read or wrote it: the lines are where the
    // file has them now.
    if (ora != impronta_ || posizioni_.empty())
        RileggiPosizioni();
    if (n < 1 || static_cast<std::size_t>(n) >= posizioni_.size())
        return false;
    const PosizioneRiga& p = posizioni_[static_cast<std::size_t>(n)];
    testo.resize(p.lunghezza);
    const int errore = LeggiTuttoDa(fd_, testo.data(), testo.size(), p.inizio);
    if (errore != 0)
        LanciaErroreFile("leggere", percorso_, errore);
    return true;
}

void CopieCatalogo::Accoda(std::string_view testo) {
    const ImprontaFile prima = ImprontaDi(fd_);
    if (prima.dimensione < 0)
        LanciaErroreFile("scrivere", percorso_, errno);
    if (prima.dimensione != impronta_.dimensione) {
        // Whether the file ends with a line break is only known for the size last seen.
        char ultimo = '\n';
        if (prima.dimensione > 0 && LeggiTuttoDa(fd_, &ultimo, 1, prima.dimensione - 1) != 0)
            ultimo = '\n';
        impronta_.finisceACapo = ultimo == '\n' || ultimo == '\r';
    }
    if (segno_.empty())
        segno_ = PoniSegnoAccodamento(percorso_, fd_, prima.dimensione, cartellaRiserva_);
    std::string riga = impronta_.finisceACapo ? "" : "\r\n";
    const int64_t inizio = prima.dimensione + static_cast<int64_t>(riga.size());
    riga += testo;
    riga += "\r\n";
    const int errore = ScriviTutto(fd_, riga);
    if (errore != 0) {
        // Half a line at the end would become a record of its own at the next opening.
        (void)!::ftruncate(fd_, prima.dimensione);
        LanciaErroreFile("scrivere", percorso_, errore);
    }
    posizioni_.push_back({inizio, static_cast<uint32_t>(testo.size())});
    impronta_ = ImprontaDi(fd_);
    impronta_.finisceACapo = true;
}

void CopieCatalogo::Chiudi() {
    if (fd_ < 0)
        return;
    const bool sincronizzato = segno_.empty() || ::fsync(fd_) == 0;
    const int errore = errno;
    ::close(fd_);
    fd_ = -1;
    if (!sincronizzato)
        LanciaErroreFile("scrivere", percorso_, errore);
    // Only now is every copy whole on the disk; a marker left by a failure above makes the
    // next opening look at the file's end.
    if (!segno_.empty())
        TogliSegnoAccodamento(segno_);
}

} // namespace zelvano
