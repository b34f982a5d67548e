#include "files/ScritturaSicura.h"

#include "files/ErroreFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zelvano {

namespace {
// Writes everything or reports the errno of the write that failed.
int ScriviTutto(int fd, std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t n = ::write(fd, dati.data(), dati.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        dati.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

mode_t PermessiNuovoFile() {
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}
} // namespace

void ScriviFileSicuro(const std::string& percorso, std::string_view contenuto) {
    struct stat st {};
    const bool esiste = ::stat(percorso.c_str(), &st) == 0;
    if (esiste && !S_ISREG(st.st_mode))
        LanciaErroreFile("scrivere", percorso, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    const mode_t permessi = esiste ? (st.st_mode & 07777) : PermessiNuovoFile();

    std::string modello = percorso + ".XXXXXX";
    std::vector<char> nome(modello.begin(), modello.end());
    nome.push_back('\0');
    const int fd = ::mkstemp(nome.data());
    if (fd < 0)
        LanciaErroreFile("scrivere", percorso, errno);
    const std::string temporaneo(nome.data());

    int errore = ScriviTutto(fd, contenuto);
    if (errore == 0 && ::fchmod(fd, permessi) != 0)
        errore = errno;
    if (errore == 0 && ::fsync(fd) != 0)
        errore = errno;
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    if (errore == 0 && ::rename(temporaneo.c_str(), percorso.c_str()) != 0)
        errore = errno;
    if (errore != 0) {
        ::unlink(temporaneo.c_str());
        LanciaErroreFile("scrivere", percorso, errore);
    }
}

void AccodaAFile(const std::string& percorso, std::string_view contenuto) {
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        LanciaErroreFile("scrivere", percorso, errno);
    struct stat st {};
    const bool misurato = ::fstat(fd, &st) == 0;
    int errore = ScriviTutto(fd, contenuto);
    // Half a line at the end would become a record of its own at the next opening.
    if (errore != 0 && misurato)
        (void)!::ftruncate(fd, st.st_size);
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    if (errore != 0)
        LanciaErroreFile("scrivere", percorso, errore);
}

} // namespace zelvano
