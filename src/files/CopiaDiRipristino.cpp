#include "files/CopiaDiRipristino.h"

#include "data/Fnv.h"
#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaFile.h"
#include "files/ScritturaSicura.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvano {

namespace {
constexpr std::string_view Marca = ".zelvano-ripristino";
constexpr std::string_view Intestazione =
    "Zelvano: contenuto di un file prima della sua riscrittura sul posto\n";

std::string Esadecimale(uint64_t v) {
    char testo[17];
    std::snprintf(testo, sizeof testo, "%016llx", static_cast<unsigned long long>(v));
    return testo;
}

// The full path of an existing file, every link resolved: the same whichever way it is
// named; empty when it does not exist.
std::string Canonico(const std::string& percorso) {
    char* vero = ::realpath(percorso.c_str(), nullptr);
    if (vero == nullptr)
        return {};
    std::string testo(vero);
    std::free(vero);
    return testo;
}

struct NomiCopia {
    std::string accanto, inDati;
};

NomiCopia Nomi(const std::string& canonico, const std::string& cartellaDati) {
    const std::size_t barra = canonico.find_last_of('/');
    const std::string nome = canonico.substr(barra + 1);
    NomiCopia n;
    n.accanto = canonico.substr(0, barra + 1) + NomeConMarca(nome, Marca, 0);
    if (!cartellaDati.empty())
        n.inDati = cartellaDati + "/" +
                   NomeConMarca(nome + "~" + Esadecimale(Fnv1a64(canonico)), Marca, 0);
    return n;
}

struct Descrizione {
    std::string percorso;
    uint64_t dispositivo = 0, inode = 0;
    uint64_t lungVecchio = 0, improntaVecchio = 0, lungNuovo = 0, improntaNuovo = 0;
};

std::string Testata(const Descrizione& d) {
    return std::string(Intestazione) + "file " + std::to_string(d.percorso.size()) + " " +
           d.percorso + "\nidentita " + std::to_string(d.dispositivo) + " " +
           std::to_string(d.inode) + "\nvecchio " + std::to_string(d.lungVecchio) + " " +
           Esadecimale(d.improntaVecchio) + "\nnuovo " + std::to_string(d.lungNuovo) + " " +
           Esadecimale(d.improntaNuovo) + "\n\n";
}

// Reads the header's parts one by one; any of them missing or malformed fails the rest.
class Lettura {
  public:
    explicit Lettura(std::string_view testo) : resto_(testo) {}
    bool Parola(std::string_view parola) {
        ok_ = ok_ && resto_.substr(0, parola.size()) == parola;
        if (ok_)
            resto_.remove_prefix(parola.size());
        return ok_;
    }
    uint64_t Numero(int base = 10) {
        uint64_t v = 0;
        const auto [fine, errore] =
            std::from_chars(resto_.data(), resto_.data() + resto_.size(), v, base);
        ok_ = ok_ && errore == std::errc{};
        if (ok_)
            resto_.remove_prefix(static_cast<std::size_t>(fine - resto_.data()));
        return v;
    }
    std::string_view Byte(uint64_t quanti) {
        ok_ = ok_ && quanti <= resto_.size();
        if (!ok_)
            return {};
        const std::string_view parte = resto_.substr(0, quanti);
        resto_.remove_prefix(quanti);
        return parte;
    }
    std::string_view Resto() const { return resto_; }
    bool Ok() const { return ok_; }

  private:
    std::string_view resto_;
    bool ok_ = true;
};

// The header and the old content it describes, whole; false for a copy cut short.
bool Leggi(std::string_view testo, Descrizione& d, std::string_view& vecchio) {
    Lettura l(testo);
    l.Parola(Intestazione);
    l.Parola("file ");
    const uint64_t lungPercorso = l.Numero();
    l.Parola(" ");
    d.percorso = l.Byte(lungPercorso);
    l.Parola("\nidentita ");
    d.dispositivo = l.Numero();
    l.Parola(" ");
    d.inode = l.Numero();
    l.Parola("\nvecchio ");
    d.lungVecchio = l.Numero();
    l.Parola(" ");
    d.improntaVecchio = l.Numero(16);
    l.Parola("\nnuovo ");
    d.lungNuovo = l.Numero();
    l.Parola(" ");
    d.improntaNuovo = l.Numero(16);
    l.Parola("\n\n");
    vecchio = l.Resto();
    return l.Ok() && vecchio.size() == d.lungVecchio && Fnv1a64(vecchio) == d.improntaVecchio;
}

// 0, or the errno that kept the copy from being made there; nothing stays behind then.
int ScriviCopia(const std::string& copia, std::string_view testo) {
    int fd = ::open(copia.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat st {};
    // One of ours under that name belongs to a rewrite already dealt with: it goes.
    if (fd < 0 && errno == EEXIST && ::lstat(copia.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        st.st_uid == ::geteuid() && ::unlink(copia.c_str()) == 0)
        fd = ::open(copia.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int errore = ScriviTutto(fd, testo);
    if (errore == 0 && ::fsync(fd) != 0)
        errore = errno;
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    if (errore == 0)
        errore = SincronizzaCartella(copia.substr(0, copia.find_last_of('/') + 1));
    if (errore != 0)
        ::unlink(copia.c_str());
    return errore;
}

// A file the program may take as one of its copies: a plain file of this user's that is
// a copy, or what a kill left of one while it was being written.
bool CopiaNostra(const std::string& copia, std::string& testo) {
    struct stat st {};
    if (::lstat(copia.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    const int fd = ::open(copia.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    int errore = EIO;
    if (::fstat(fd, &st) == 0) {
        testo.resize(static_cast<std::size_t>(st.st_size));
        errore = LeggiTuttoDa(fd, testo.data(), testo.size(), 0);
    }
    ::close(fd);
    const std::size_t n = std::min(testo.size(), Intestazione.size());
    return errore == 0 && std::string_view(testo).substr(0, n) == Intestazione.substr(0, n);
}

int RiscriviVecchio(const std::string& canonico, std::string_view vecchio) {
    const int fd = ApriFileNormale(canonico, O_RDWR, "scrivere");
    int errore = ScriviTuttoIn(fd, vecchio, 0);
    if (errore == 0 && ::ftruncate(fd, static_cast<off_t>(vecchio.size())) != 0)
        errore = errno;
    if (errore == 0 && ::fsync(fd) != 0)
        errore = errno;
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    return errore;
}

Ripristino DaCopia(const std::string& percorso, const std::string& canonico,
                   const std::string& copia) {
    std::string testo;
    if (!CopiaNostra(copia, testo))
        return {};
    Descrizione d;
    std::string_view vecchio;
    if (!Leggi(testo, d, vecchio)) {
        // Cut short: the kill came while the copy was written, before the file was touched.
        RimuoviCopiaDiRipristino(copia);
        return {EsitoRipristino::RipristinatoVecchio, copia};
    }
    const std::string attuale = LeggiFileIntero(canonico);
    const uint64_t impronta = Fnv1a64(attuale);
    struct stat st {};
    if (::stat(canonico.c_str(), &st) != 0)
        LanciaErroreFile("leggere", percorso, errno);
    if (attuale.size() == d.lungNuovo && impronta == d.improntaNuovo) {
        // Whole, but perhaps not yet on disk when the program died.
        const int fd = ::open(canonico.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
        RimuoviCopiaDiRipristino(copia);
        return {EsitoRipristino::TenutoNuovo, copia};
    }
    if (attuale.size() != d.lungVecchio || impronta != d.improntaVecchio) {
        // Torn, unless another file has taken its place since: that one is not ours to
        // overwrite.
        if (st.st_dev != d.dispositivo || st.st_ino != d.inode)
            return {EsitoRipristino::Sostituito, copia};
        if (const int errore = RiscriviVecchio(canonico, vecchio); errore != 0)
            throw ErroreFile(TestoErroreFile("ripristinare", percorso, errore) +
                             ". Il suo contenuto precedente \xE8 in " + copia);
    }
    RimuoviCopiaDiRipristino(copia);
    return {EsitoRipristino::RipristinatoVecchio, copia};
}
} // namespace

std::string CreaCopiaDiRipristino(const std::string& vero, std::string_view vecchio,
                                  std::string_view nuovo, const std::string& cartellaDati) {
    const std::string canonico = Canonico(vero);
    struct stat st {};
    if (canonico.empty() || ::stat(canonico.c_str(), &st) != 0)
        LanciaErroreFile("scrivere", vero, errno);
    Descrizione d;
    d.percorso = canonico;
    d.dispositivo = st.st_dev;
    d.inode = st.st_ino;
    d.lungVecchio = vecchio.size();
    d.improntaVecchio = Fnv1a64(vecchio);
    d.lungNuovo = nuovo.size();
    d.improntaNuovo = Fnv1a64(nuovo);
    const std::string testo = Testata(d) + std::string(vecchio);
    const NomiCopia nomi = Nomi(canonico, cartellaDati);
    int errore = ScriviCopia(nomi.accanto, testo);
    if (errore == 0)
        return nomi.accanto;
    if (!nomi.inDati.empty() && ScriviCopia(nomi.inDati, testo) == 0)
        return nomi.inDati;
    throw ErroreFile(TestoErroreFile("scrivere", vero, errore) +
                     ". Non \xE8 stato possibile tenere una copia del contenuto precedente: il "
                     "file non \xE8 stato modificato");
}

void RimuoviCopiaDiRipristino(const std::string& copia) {
    ::unlink(copia.c_str());
}

Ripristino RiprendiScritturaInterrotta(const std::string& percorso,
                                       const std::string& cartellaDati) {
    const std::string canonico = Canonico(percorso);
    if (canonico.empty())
        return {};
    const NomiCopia nomi = Nomi(canonico, cartellaDati);
    Ripristino esito;
    for (const std::string* copia : {&nomi.accanto, &nomi.inDati})
        if (!copia->empty())
            if (Ripristino r = DaCopia(percorso, canonico, *copia);
                r.esito != EsitoRipristino::Nessuno)
                esito = r;
    return esito;
}

} // namespace zelvano
