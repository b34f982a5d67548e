#include "files/SegnoAccodamento.h"

#include "data/Fnv.h"
#include "files/ErroreFile.h"
#include "files/ScritturaFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zelvano {

namespace {
constexpr std::string_view Intestazione = "Zelvano: righe in aggiunta\n";

struct Segno {
    int64_t lunghezza = 0;
    uint64_t dispositivo = 0, nodo = 0;
};

// The file's own path, whatever links or relative names led to it, so that the marker is
// found again when the file is chosen another way.
std::filesystem::path Reale(const std::string& percorso) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(percorso, ec);
    return ec ? std::filesystem::path(percorso) : p;
}

std::string Accanto(const std::string& percorso) {
    const std::filesystem::path p = Reale(percorso);
    return (p.parent_path() / ("." + p.filename().string() + ".zelvano-aggiunta")).string();
}

// In the shared folder the marker's name stands for the file's whole path.
std::string InRiserva(const std::string& cartella, const std::string& percorso) {
    char esa[17] = {};
    std::to_chars(esa, esa + 16, Fnv1a64(Reale(percorso).string()), 16);
    return cartella + "/aggiunta-" + esa + ".txt";
}

bool Scrivi(const std::string& dove, const std::string& testo, int& errore) {
    const int fd =
        ::open(dove.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        errore = errno;
        return false;
    }
    const ssize_t n = ::write(fd, testo.data(), testo.size());
    errore = n < 0 ? errno : 0;
    // Not forced to the disk: it has to outlive the program, which it does once written,
    // and waiting for the disk at every copy would cost more than the copy itself.
    if (errore == 0 && static_cast<std::size_t>(n) != testo.size())
        errore = EIO;
    ::close(fd);
    if (errore != 0)
        ::unlink(dove.c_str());
    return errore == 0;
}

enum class Lettura { Assente, Illeggibile, Buona };

Lettura Leggi(const std::string& dove, Segno& s) {
    const int fd = ::open(dove.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Lettura::Assente : Lettura::Illeggibile;
    char buf[512];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    std::string_view t(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
    if (!t.starts_with(Intestazione))
        return Lettura::Illeggibile;
    t.remove_prefix(Intestazione.size());
    const auto numero = [&t](auto& valore) {
        const auto [fine, errore] = std::from_chars(t.data(), t.data() + t.size(), valore);
        if (errore != std::errc() || fine == t.data() + t.size() || *fine != '\n')
            return false;
        t.remove_prefix(static_cast<std::size_t>(fine - t.data()) + 1);
        return true;
    };
    return numero(s.lunghezza) && numero(s.dispositivo) && numero(s.nodo) && s.lunghezza >= 0
               ? Lettura::Buona
               : Lettura::Illeggibile;
}

// Where the last line break at or after da ends; da when there is none.
int64_t FineUltimaRiga(int fd, const std::string& percorso, int64_t da, int64_t a) {
    std::vector<char> buf(1 << 16);
    while (a > da) {
        const int64_t inizio = std::max(da, a - static_cast<int64_t>(buf.size()));
        const auto quanti = static_cast<std::size_t>(a - inizio);
        const int errore = LeggiTuttoDa(fd, buf.data(), quanti, inizio);
        if (errore != 0)
            LanciaErroreFile("leggere", percorso, errore);
        if (const void* lf = ::memrchr(buf.data(), '\n', quanti))
            return inizio + (static_cast<const char*>(lf) - buf.data()) + 1;
        a = inizio;
    }
    return da;
}

// The file as far as the marker allows; bytes cut, or -1 when the file is another one now.
int64_t Taglia(const std::string& percorso, const Segno& s) {
    const int fd = ApriFileNormale(percorso, O_RDONLY, "leggere");
    struct stat st {};
    int64_t fine = -1;
    if (::fstat(fd, &st) == 0 && static_cast<uint64_t>(st.st_dev) == s.dispositivo &&
        static_cast<uint64_t>(st.st_ino) == s.nodo) {
        try {
            fine = st.st_size > s.lunghezza ? FineUltimaRiga(fd, percorso, s.lunghezza, st.st_size)
                                            : st.st_size;
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    ::close(fd);
    if (fine < 0)
        return -1;
    if (fine == st.st_size)
        return 0;
    const int fdScrittura = ApriFileNormale(percorso, O_WRONLY, "scrivere");
    int errore = 0;
    if (::ftruncate(fdScrittura, fine) != 0 || ::fsync(fdScrittura) != 0)
        errore = errno;
    ::close(fdScrittura);
    if (errore != 0)
        LanciaErroreFile("scrivere", percorso, errore);
    return st.st_size - fine;
}
} // namespace

std::string PoniSegnoAccodamento(const std::string& percorso, int fd, int64_t lunghezza,
                                 const std::function<std::string()>& cartellaRiserva) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        LanciaErroreFile("scrivere", percorso, errno);
    const std::string testo = std::string(Intestazione) + std::to_string(lunghezza) + "\n" +
                              std::to_string(static_cast<uint64_t>(st.st_dev)) + "\n" +
                              std::to_string(static_cast<uint64_t>(st.st_ino)) + "\n" + percorso +
                              "\n";
    int errore = 0;
    std::string dove = Accanto(percorso);
    if (Scrivi(dove, testo, errore))
        return dove;
    dove = InRiserva(cartellaRiserva(), percorso);
    if (Scrivi(dove, testo, errore))
        return dove;
    LanciaErroreFile("scrivere", dove, errore);
}

void TogliSegnoAccodamento(const std::string& segno) {
    ::unlink(segno.c_str());
}

RipresaAccodamento RiprendiAccodamento(const std::string& percorso,
                                       const std::function<std::string()>& cartellaRiserva) {
    RipresaAccodamento r;
    for (int dove = 0; dove < 2; ++dove) {
        const std::string segno =
            dove == 0 ? Accanto(percorso) : InRiserva(cartellaRiserva(), percorso);
        Segno s;
        const Lettura letto = Leggi(segno, s);
        if (letto == Lettura::Assente)
            continue;
        // A marker cut short was being written before the first append: nothing to cut.
        if (letto == Lettura::Buona) {
            const int64_t tolti = Taglia(percorso, s);
            if (tolti < 0) {
                ::unlink(segno.c_str()); // the file was replaced since
                continue;
            }
            r.tolti += tolti;
            r.interrotta = true;
        }
        ::unlink(segno.c_str());
    }
    return r;
}

} // namespace zelvano
