#include "files/ScritturaSicura.h"

#include "data/Fnv.h"
#include "files/CopiaDiRipristino.h"
#include "files/ErroreFile.h"
#include "files/ScritturaFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace zelvano {

namespace {
constexpr std::string_view Marca = ".zelvano-salvataggio-";
constexpr std::size_t Casuali = 6; // mkstemp's XXXXXX

mode_t PermessiNuovoFile() {
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}

std::string Cartella(const std::string& percorso) {
    const std::size_t barra = percorso.find_last_of('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

std::string Nome(const std::string& percorso) {
    const std::size_t barra = percorso.find_last_of('/');
    return barra == std::string::npos ? percorso : percorso.substr(barra + 1);
}

// The file a chain of symbolic links ends at, which may not exist yet.
std::string Destinazione(const std::string& percorso) {
    std::string p = percorso;
    for (int salti = 0;; ++salti) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        if (salti == 40)
            LanciaErroreFile("scrivere", percorso, ELOOP);
        std::vector<char> buf(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(p.c_str(), buf.data(), buf.size());
        if (n < 0)
            LanciaErroreFile("scrivere", percorso, errno);
        const std::string bersaglio(buf.data(), static_cast<std::size_t>(n));
        p = !bersaglio.empty() && bersaglio[0] == '/' ? bersaglio : Cartella(p) + "/" + bersaglio;
    }
}

// Gives the temporary file the extended attributes of the old one (ACLs among them);
// false when one of them cannot be given.
bool CopiaAttributi(const std::string& vecchio, int fd) {
    const ssize_t lung = ::listxattr(vecchio.c_str(), nullptr, 0);
    if (lung < 0)
        return errno == ENOTSUP;
    if (lung == 0)
        return true;
    std::vector<char> nomi(static_cast<std::size_t>(lung));
    const ssize_t letti = ::listxattr(vecchio.c_str(), nomi.data(), nomi.size());
    if (letti < 0)
        return false;
    for (std::size_t i = 0; i < static_cast<std::size_t>(letti);) {
        const char* nome = nomi.data() + i;
        i += std::strlen(nome) + 1;
        const ssize_t n = ::getxattr(vecchio.c_str(), nome, nullptr, 0);
        if (n < 0)
            return false;
        std::vector<char> valore(static_cast<std::size_t>(n));
        const ssize_t v = ::getxattr(vecchio.c_str(), nome, valore.data(), valore.size());
        if (v < 0 || ::fsetxattr(fd, nome, valore.data(), static_cast<std::size_t>(v), 0) != 0)
            return false;
    }
    return true;
}

// Temporary files of saves of the same target that were killed before they ended.
void RimuoviTemporaneiVecchi(const std::string& cartella, const std::string& prefisso) {
    DIR* d = ::opendir(cartella.c_str());
    if (d == nullptr)
        return;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view nome(e->d_name);
        if (nome.size() != prefisso.size() + Casuali || nome.substr(0, prefisso.size()) != prefisso)
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlinkat(::dirfd(d), e->d_name, 0);
    }
    ::closedir(d);
}

// The whole old content, or the errno of the read that failed.
int LeggiContenuto(int fd, std::string& contenuto) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return errno;
    contenuto.resize(static_cast<std::size_t>(st.st_size));
    return LeggiTuttoDa(fd, contenuto.data(), contenuto.size(), 0);
}

int ScriviSulPostoFd(int fd, std::string_view contenuto) {
    int errore = ScriviTuttoIn(fd, contenuto, 0);
    if (errore == 0 && ::ftruncate(fd, static_cast<off_t>(contenuto.size())) != 0)
        errore = errno;
    if (errore == 0 && ::fsync(fd) != 0)
        errore = errno;
    return errore;
}

// The same file, rewritten through itself: every link to it and all it carries stay. The
// old content is read first and written back should the new one fail part way; for a
// durable file it is also kept on disk until the new one is, so that a kill part way
// leaves what the next opening needs to make the file whole again.
void ScriviSulPosto(const std::string& percorso, const std::string& vero,
                    std::string_view contenuto, bool durevole, const std::string& cartellaDati) {
    // A copy left by an earlier rewrite cut short is dealt with before this one's is made.
    if (durevole)
        RiprendiScritturaInterrotta(vero, cartellaDati);
    const int fd = ApriFileNormale(vero, O_RDWR, "scrivere");
    std::string vecchio;
    int errore = 0;
    try {
        errore = LeggiContenuto(fd, vecchio);
    } catch (const std::bad_alloc&) {
        errore = ENOMEM;
    }
    if (errore != 0) {
        ::close(fd);
        LanciaErroreFile("scrivere", percorso, errore);
    }
    std::string copia;
    if (durevole) {
        try {
            copia = CreaCopiaDiRipristino(vero, vecchio, contenuto, cartellaDati);
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    errore = ScriviSulPostoFd(fd, contenuto);
    if (errore == 0) {
        errore = ::close(fd) == 0 ? 0 : errno;
        if (!copia.empty())
            RimuoviCopiaDiRipristino(copia);
        if (errore != 0)
            LanciaErroreFile("scrivere", percorso, errore);
        return;
    }
    const int ripristino = ScriviSulPostoFd(fd, vecchio);
    ::close(fd);
    std::string testo = TestoErroreFile("scrivere", percorso, errore);
    if (ripristino == 0) {
        if (!copia.empty())
            RimuoviCopiaDiRipristino(copia);
        testo += ". Il contenuto precedente del file \xE8 stato ripristinato";
    } else {
        testo += ". Non \xE8 stato possibile ripristinare il contenuto precedente del file: " +
                 CausaErrore(ripristino);
        if (!copia.empty())
            testo += "; una copia \xE8 in " + copia;
    }
    throw ErroreFile(testo);
}

} // namespace

std::string NomeConMarca(const std::string& nome, std::string_view marca, std::size_t dopo) {
    const std::size_t massimo = NAME_MAX - marca.size() - dopo;
    if (nome.size() <= massimo)
        return nome + std::string(marca);
    char hash[16];
    std::snprintf(hash, sizeof hash, "~%08x", Fnv1a32(nome));
    return nome.substr(0, massimo - std::strlen(hash)) + hash + std::string(marca);
}

std::string PrefissoTemporanei(const std::string& nome) {
    return NomeConMarca(nome, Marca, Casuali);
}

void RimuoviTemporanei(const std::string& cartella, const std::string& nome) {
    RimuoviTemporaneiVecchi(cartella, PrefissoTemporanei(nome));
}

// A rename is only known to last once the folder that lists it is on disk.
int SincronizzaCartella(const std::string& cartella) {
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int errore = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder and say so; that is no failure of the save.
    return errore == EINVAL ? 0 : errore;
}

void ScriviFileSicuro(const std::string& percorso, std::string_view contenuto, bool durevole,
                      const std::string& cartellaDati) {
    const std::string vero = Destinazione(percorso);
    struct stat st {};
    const bool esiste = ::stat(vero.c_str(), &st) == 0;
    if (!esiste && errno != ENOENT)
        LanciaErroreFile("scrivere", percorso, errno);
    if (esiste && !S_ISREG(st.st_mode))
        LanciaErroreFile("scrivere", percorso, S_ISDIR(st.st_mode) ? EISDIR : ErroreNonRegolare);
    // A rename needs no right on the file itself: the user's right to write it is asked
    // here, as opening it for writing would.
    if (esiste && ::faccessat(AT_FDCWD, vero.c_str(), W_OK, AT_EACCESS) != 0)
        LanciaErroreFile("scrivere", percorso, errno);
    if (esiste && st.st_nlink > 1) {
        ScriviSulPosto(percorso, vero, contenuto, durevole, cartellaDati);
        return;
    }

    const std::string cartella = Cartella(vero);
    const std::string prefisso = PrefissoTemporanei(Nome(vero));
    std::string modello = cartella + "/" + prefisso + std::string(Casuali, 'X');
    const int fd = ::mkostemp(modello.data(), O_CLOEXEC);
    if (fd < 0) {
        // A folder the user cannot write, holding a file the user can: the file itself.
        if (esiste && (errno == EACCES || errno == EPERM)) {
            ScriviSulPosto(percorso, vero, contenuto, durevole, cartellaDati);
            return;
        }
        LanciaErroreFile("scrivere", percorso, errno);
    }
    const std::string& temporaneo = modello;

    if (esiste) {
        // Owner and group where the system allows giving them; when it does not, or an
        // attribute cannot be carried over, the new file would not be the same file.
        (void)!::fchown(fd, st.st_uid, st.st_gid);
        struct stat nuovo {};
        const bool stessoProprietario =
            ::fstat(fd, &nuovo) == 0 && nuovo.st_uid == st.st_uid && nuovo.st_gid == st.st_gid;
        if (!stessoProprietario || ::fchmod(fd, st.st_mode & 07777) != 0 ||
            !CopiaAttributi(vero, fd)) {
            ::close(fd);
            ::unlink(temporaneo.c_str());
            ScriviSulPosto(percorso, vero, contenuto, durevole, cartellaDati);
            RimuoviTemporaneiVecchi(cartella, prefisso);
            return;
        }
    }

    int errore = ScriviTutto(fd, contenuto);
    if (errore == 0 && !esiste && ::fchmod(fd, PermessiNuovoFile()) != 0)
        errore = errno;
    if (errore == 0 && ::fsync(fd) != 0)
        errore = errno;
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    if (errore == 0 && ::rename(temporaneo.c_str(), vero.c_str()) != 0)
        errore = errno;
    if (errore != 0) {
        ::unlink(temporaneo.c_str());
        LanciaErroreFile("scrivere", percorso, errore);
    }
    errore = durevole ? SincronizzaCartella(cartella) : 0;
    RimuoviTemporaneiVecchi(cartella, prefisso);
    if (errore != 0)
        LanciaErroreFile("scrivere", percorso, errore);
}

} // namespace zelvano
