#include "files/LetturaArchivi.h"

#include "data/Tabelle.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/FileCatalogo.h"
#include "files/ScritturaFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace zelvano {

namespace {

// The columns of each file, cut from a line into a record; testo makes a field of a text.
template <class Testo> RecArticolo TagliaInt(std::string_view riga, Testo&& testo) {
    RecArticolo r;
    r.CdInt = testo(CampoVista(riga, 1, 25));
    r.Descr = testo(CampoVista(riga, 26, 70));
    r.Linea = testo(CampoVista(riga, 71, 82));
    r.CdProd = testo(CampoVista(riga, 83, 112));
    return r;
}

template <class Testo> RecArticolo TagliaProd(std::string_view riga, Testo&& testo) {
    RecArticolo r;
    r.CdProd = testo(CampoVista(riga, 1, 25));
    char linea[3] = {' ', ' ', ' '};
    if (riga.size() >= 39)
        riga.substr(38, 3).copy(linea, 3);
    r.LineaProd = std::string_view(linea, 3);
    r.Descr = testo(CampoVista(riga, 255, 304));
    return r;
}

// The lines that start in one piece of the file, in file order.
struct Pezzo {
    std::vector<RecArticolo> rec;
    std::vector<PosizioneRiga> pos;
    TestiMaiuscoli codiciU, descrizioniU;
};

// The bytes of a piece and of the line that runs past its end, read as far as needed.
class Finestra {
  public:
    Finestra(int fd, const std::string& percorso, int64_t da, int64_t a, int64_t dimFile)
        : fd_(fd), percorso_(percorso), base_(da), dimFile_(dimFile),
          pezzo_(static_cast<std::size_t>(a - da)) {
        Carica(pezzo_, pezzo_ + Passo);
    }
    const char* Dati() const { return buf_.get(); }
    std::size_t Caricati() const { return caricati_; }
    int64_t Base() const { return base_; }
    // More of the line that runs past the piece: a little at first, then as much again as
    // was read past it. False at the end of the file.
    bool Estendi() {
        if (base_ + static_cast<int64_t>(caricati_) >= dimFile_)
            return false;
        Carica(std::max(Passo, caricati_ - std::min(caricati_, pezzo_)), 0);
        return true;
    }

  private:
    static constexpr std::size_t Passo = 4096;

    void Carica(std::size_t quanti, std::size_t capacita) {
        quanti = static_cast<std::size_t>(std::min<int64_t>(
            static_cast<int64_t>(quanti), dimFile_ - base_ - static_cast<int64_t>(caricati_)));
        if (caricati_ + quanti > capacita_) {
            capacita_ = std::max({capacita, caricati_ + quanti, capacita_ * 2});
            std::unique_ptr<char[]> nuovo(new char[capacita_]);
            if (caricati_ > 0)
                std::memcpy(nuovo.get(), buf_.get(), caricati_);
            buf_ = std::move(nuovo);
        }
        const int errore = LeggiTuttoDa(fd_, buf_.get() + caricati_, quanti,
                                        base_ + static_cast<int64_t>(caricati_));
        if (errore != 0)
            LanciaErroreFile("leggere", percorso_, errore);
        caricati_ += quanti;
    }

    int fd_;
    const std::string& percorso_;
    int64_t base_, dimFile_;
    std::size_t pezzo_;
    std::unique_ptr<char[]> buf_;
    std::size_t caricati_ = 0, capacita_ = 0;
};

// The first CR or LF at or after index i, loading more of the file as needed but not
// past limite; the number of bytes loaded when the file, or the limit, comes first.
std::size_t FineRiga(Finestra& f, std::size_t i, std::size_t limite = SIZE_MAX) {
    for (;;) {
        const char* base = f.Dati() + i;
        const std::size_t resto = f.Caricati() - i;
        const auto* lf = static_cast<const char*>(std::memchr(base, '\n', resto));
        const auto* cr = static_cast<const char*>(
            std::memchr(base, '\r', lf != nullptr ? static_cast<std::size_t>(lf - base) : resto));
        const char* fine = cr != nullptr ? cr : lf;
        if (fine != nullptr)
            return i + static_cast<std::size_t>(fine - base);
        i = f.Caricati();
        if (i >= limite || !f.Estendi())
            return i;
    }
}

// Where the line after the one ending at index fine starts (CR LF is one line end).
std::size_t DopoFineRiga(const Finestra& f, std::size_t fine) {
    if (fine < f.Caricati() && f.Dati()[fine] == '\r' && fine + 1 < f.Caricati() &&
        f.Dati()[fine + 1] == '\n')
        return fine + 2;
    return fine + 1;
}

// The lines that start at file positions da..a-1. A line starts at 0 and after every line
// end, except at the end of the file; the line that starts last runs to its own end.
Pezzo LeggiPezzo(int fd, const std::string& percorso, int64_t da, int64_t a, int64_t dimFile,
                 bool prod, ArenaTesti& testi) {
    Pezzo p;
    // One byte before the piece tells whether a line starts at its first byte.
    Finestra f(fd, percorso, da > 0 ? da - 1 : 0, a, dimFile);
    const auto fineBlocco = static_cast<std::size_t>(a - f.Base());
    const auto fineFile = static_cast<std::size_t>(dimFile - f.Base());
    std::size_t inizio = 0;
    if (da > 0) {
        // Where the first line end at or after that byte lies; none inside the piece and no
        // line starts in it.
        const std::size_t fine = FineRiga(f, 0, fineBlocco);
        if (fine >= fineBlocco)
            return p;
        inizio = DopoFineRiga(f, fine);
    }
    // Room for every line at once, whatever their length, when the lines all end alike: one
    // more than the LFs, or than the CRs in a file without LFs, counted with memchr while
    // the bytes are in the cache. Lines ending in different ways only make the tables grow
    // as they go.
    const auto conta = [&f, inizio, fineBlocco](char c) {
        std::size_t n = 0;
        for (const char *da = f.Dati() + inizio, *fine = f.Dati() + fineBlocco;
             (da = static_cast<const char*>(
                  std::memchr(da, c, static_cast<std::size_t>(fine - da)))) != nullptr;
             ++da)
            ++n;
        return n;
    };
    std::size_t fini = inizio < fineBlocco ? conta('\n') : 0;
    if (fini == 0 && inizio < fineBlocco)
        fini = conta('\r');
    const std::size_t stima = fini + 2;
    p.rec.reserve(stima);
    PagineGrandi(p.rec);
    if (prod) {
        p.pos.reserve(stima);
        PagineGrandi(p.pos.data(), p.pos.capacity() * sizeof(PosizioneRiga));
        p.codiciU.Riserva(stima, 0);
        p.descrizioniU.Riserva(stima, 0);
    }
    // A piece that is the whole file becomes the table as it is: slot 0 first.
    if (da == 0 && a == dimFile) {
        p.rec.resize(1);
        if (prod)
            p.pos.resize(1);
    }
    const auto campo = [&testi](std::string_view testo) { return testi.Testo(testo); };
    while (inizio < fineBlocco && inizio < fineFile) {
        const std::size_t fine = FineRiga(f, inizio);
        const std::string_view riga(f.Dati() + inizio, fine - inizio);
        if (prod) {
            p.rec.push_back(TagliaProd(riga, campo));
            p.pos.push_back(
                {f.Base() + static_cast<int64_t>(inizio), static_cast<uint32_t>(riga.size())});
            AggiungiMaiuscoli(p.rec.back(), p.codiciU, p.descrizioniU);
        } else {
            p.rec.push_back(TagliaInt(riga, campo));
        }
        inizio = DopoFineRiga(f, fine);
    }
    return p;
}

struct Descrittore {
    int fd;
    ~Descrittore() { ::close(fd); }
};

// Joins the pieces to the table in file order, each as soon as it and all before it are
// read, while its bytes are still in the cache; the first one tells how much to reserve.
class Raccolta {
  public:
    Raccolta(TabellaLetta& t, std::size_t quanti, int64_t dimFile, bool prod)
        : t_(t), pezzi_(quanti), pronti_(quanti, 0), dimFile_(dimFile), prod_(prod) {}

    void Aggiungi(std::size_t k, Pezzo&& p, int64_t byte) {
        const std::lock_guard<std::mutex> chiave(mutex_);
        pezzi_[k] = std::move(p);
        pronti_[k] = 1;
        if (pezzi_.size() == 1) {
            // The whole file in one piece, its slot 0 made beforehand: the piece is the table.
            Pezzo& q = pezzi_[0];
            t_.rec.swap(q.rec);
            if (prod_) {
                t_.pos.swap(q.pos);
                t_.codiciU = std::move(q.codiciU);
                t_.descrizioniU = std::move(q.descrizioniU);
            }
            unito_ = 1;
            return;
        }
        if (k == 0)
            Riserva(pezzi_[0], byte);
        for (; unito_ < pezzi_.size() && pronti_[unito_] != 0; ++unito_) {
            Pezzo& q = pezzi_[unito_];
            std::move(q.rec.begin(), q.rec.end(), std::back_inserter(t_.rec));
            if (prod_) {
                t_.pos.insert(t_.pos.end(), q.pos.begin(), q.pos.end());
                t_.codiciU.AccodaTutti(q.codiciU);
                t_.descrizioniU.AccodaTutti(q.descrizioniU);
            }
            q = {};
        }
    }

  private:
    // A quarter more than the first piece's lines and bytes scaled to the whole file; a file
    // of another shape further on only makes the tables grow as they go.
    void Riserva(const Pezzo& p, int64_t byte) {
        const double scala = 1.25 * static_cast<double>(dimFile_) / static_cast<double>(byte);
        const auto stima = [scala](std::size_t n) {
            return static_cast<std::size_t>(static_cast<double>(n) * scala) + 1024;
        };
        t_.rec.reserve(stima(p.rec.size()));
        PagineGrandi(t_.rec);
        if (prod_) {
            t_.pos.reserve(stima(p.pos.size()));
            PagineGrandi(t_.pos.data(), t_.pos.capacity() * sizeof(PosizioneRiga));
            t_.codiciU.Riserva(stima(p.rec.size()), stima(p.codiciU.Buffer().size()));
            t_.descrizioniU.Riserva(stima(p.rec.size()), stima(p.descrizioniU.Buffer().size()));
        }
    }

    TabellaLetta& t_;
    std::mutex mutex_;
    std::vector<Pezzo> pezzi_;
    std::vector<char> pronti_;
    std::size_t unito_ = 0;
    int64_t dimFile_;
    bool prod_;
};

TabellaLetta LeggiTabella(const std::string& percorso, int32_t dimAttuale, int64_t blocco,
                          bool prod) {
    const Descrittore d{ApriFileNormale(percorso, O_RDONLY, "leggere")};
    struct stat st {};
    if (::fstat(d.fd, &st) != 0)
        LanciaErroreFile("leggere", percorso, errno);
    const int64_t dimFile = st.st_size;
    blocco = std::max<int64_t>(blocco, 1);
    const auto quanti = static_cast<std::size_t>((dimFile + blocco - 1) / blocco);

    TabellaLetta t;
    t.rec.resize(1);
    if (prod)
        t.pos.resize(1);
    // The pieces are taken in turn by two threads, each keeping its texts in its own arena;
    // they join the table in file order, so the result does not depend on who read what.
    Raccolta raccolta(t, quanti, dimFile, prod);
    ArenaTesti arene[2];
    std::exception_ptr errori[2];
    std::atomic<std::size_t> prossimo{0};
    const auto lavora = [&](int chi) {
        try {
            for (std::size_t k; (k = prossimo.fetch_add(1)) < quanti;) {
                const int64_t da = static_cast<int64_t>(k) * blocco;
                const int64_t a = std::min(da + blocco, dimFile);
                raccolta.Aggiungi(k, LeggiPezzo(d.fd, percorso, da, a, dimFile, prod, arene[chi]),
                                  a - da);
            }
        } catch (...) {
            errori[chi] = std::current_exception();
            prossimo.store(quanti);
        }
    };
    std::thread secondo;
    if (quanti > 1 && std::thread::hardware_concurrency() > 1) {
        try {
            secondo = std::thread(lavora, 1);
        } catch (const std::system_error&) {
            // No second thread: this one reads every piece.
        }
    }
    lavora(0);
    if (secondo.joinable())
        secondo.join();
    for (const std::exception_ptr& e : errori)
        if (e)
            std::rethrow_exception(e);

    t.num = static_cast<int32_t>(t.rec.size() - 1);
    // The capacity a load record by record would reach: grown by whole steps.
    t.dim = std::max(dimAttuale, CapacitaIniziale);
    if (t.num > t.dim)
        t.dim += (t.num - t.dim + PassoCrescita - 1) / PassoCrescita * PassoCrescita;
    t.testi.Unisci(std::move(arene[0]));
    t.testi.Unisci(std::move(arene[1]));
    if (prod) {
        t.impronta = ImprontaDi(d.fd);
        char ultimo = '\n';
        if (dimFile > 0) {
            const int errore = LeggiTuttoDa(d.fd, &ultimo, 1, dimFile - 1);
            if (errore != 0)
                LanciaErroreFile("leggere", percorso, errore);
        }
        t.impronta.finisceACapo = ultimo == '\n' || ultimo == '\r';
    }
    return t;
}

} // namespace

RecArticolo RecordInt(std::string_view riga) {
    return TagliaInt(riga, [](std::string_view testo) { return TestoCompatto(testo); });
}

RecArticolo RecordProd(std::string_view riga) {
    return TagliaProd(riga, [](std::string_view testo) { return TestoCompatto(testo); });
}

TabellaLetta LeggiFileInt(const std::string& percorso, int32_t dimAttuale, int64_t blocco) {
    return LeggiTabella(percorso, dimAttuale, blocco, false);
}

TabellaLetta LeggiFileProd(const std::string& percorso, int32_t dimAttuale, int64_t blocco) {
    return LeggiTabella(percorso, dimAttuale, blocco, true);
}

} // namespace zelvano
