#include "files/ScritturaFile.h"

#include "files/ErroreFile.h"
#include "files/GuastoScrittura.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvano {

namespace {
template <class Scrivi> int ScriviConGuasto(std::string_view dati, Scrivi scrivi) {
    while (!dati.empty()) {
        const PermessoScrittura permesso = ChiediPermessoScrittura(dati.size());
        const std::size_t quanti = std::min(permesso.consentiti, dati.size());
        if (permesso.errore != 0) {
            // Part of the bytes reach the file, as before a disk fills up.
            if (quanti > 0 && scrivi(dati.data(), quanti) < 0)
                return errno;
            return permesso.errore;
        }
        if (quanti == 0)
            continue;
        const ssize_t n = scrivi(dati.data(), quanti);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        dati.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}
} // namespace

int ScriviTutto(int fd, std::string_view dati) {
    return ScriviConGuasto(dati, [fd](const char* p, std::size_t n) { return ::write(fd, p, n); });
}

int ScriviTuttoIn(int fd, std::string_view dati, int64_t da) {
    return ScriviConGuasto(dati, [fd, &da](const char* p, std::size_t n) {
        const ssize_t scritti = ::pwrite(fd, p, n, static_cast<off_t>(da));
        if (scritti > 0)
            da += scritti;
        return scritti;
    });
}

int LeggiTuttoDa(int fd, char* dove, std::size_t quanti, int64_t da) {
    while (quanti > 0) {
        const ssize_t n = ::pread(fd, dove, quanti, static_cast<off_t>(da));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        dove += n;
        quanti -= static_cast<std::size_t>(n);
        da += n;
    }
    return 0;
}

int ApriFileNormale(const std::string& percorso, int modo, const char* azione) {
    struct stat st {};
    if (::stat(percorso.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        LanciaErroreFile(azione, percorso, S_ISDIR(st.st_mode) ? EISDIR : ErroreNonRegolare);
    // O_NONBLOCK: should a FIFO take the file's place meanwhile, the opening still returns.
    const int fd = ::open(percorso.c_str(), modo | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        LanciaErroreFile(azione, percorso, errno == ENXIO ? ErroreNonRegolare : errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int errore = S_ISDIR(st.st_mode) ? EISDIR : ErroreNonRegolare;
        ::close(fd);
        LanciaErroreFile(azione, percorso, errore);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace zelvano
