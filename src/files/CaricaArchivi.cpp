#include "files/CaricaArchivi.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "matching/Totali.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zelvano {

namespace {
// Lines in a file, near enough to size the table once: a line ends in LF, CR or both.
int64_t StimaRighe(const std::string& percorso) {
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    std::vector<char> buf(1 << 20);
    int64_t lf = 0, cr = 0;
    ssize_t n = 0;
    while ((n = ::read(fd, buf.data(), buf.size())) > 0) {
        lf += std::count(buf.data(), buf.data() + n, '\n');
        cr += std::count(buf.data(), buf.data() + n, '\r');
    }
    ::close(fd);
    return std::max(lf, cr) + 1;
}

template <class Parser>
TabellaLetta LeggiTabella(const std::string& percorso, int32_t dimAttuale, Parser parser) {
    LettoreRighe lettore(percorso);
    TabellaLetta t;
    t.dim = std::max(dimAttuale, CapacitaIniziale);
    const int64_t stima = StimaRighe(percorso);
    t.rec.reserve(static_cast<std::size_t>(stima) + 1);
    PagineGrandi(t.rec);
    t.rec.resize(1);
    std::string_view riga;
    while (lettore.Leggi(riga))
        AccodaRecord(t.rec, t.num, t.dim, parser(riga));
    return t;
}

void Sostituisci(std::vector<RecArticolo>& tab, int32_t& num, int32_t& dim, TabellaLetta&& t) {
    // What an earlier, longer load left above the new count stays where it was.
    if (tab.size() > t.rec.size()) {
        const std::size_t da = t.rec.size();
        t.rec.resize(tab.size());
        std::move(tab.begin() + static_cast<std::ptrdiff_t>(da), tab.end(),
                  t.rec.begin() + static_cast<std::ptrdiff_t>(da));
    }
    tab.swap(t.rec);
    num = t.num;
    dim = t.dim;
}
} // namespace

RecArticolo RecordInt(std::string_view riga) {
    RecArticolo r;
    r.CdInt = Campo(riga, 1, 25);
    r.Descr = Campo(riga, 26, 70);
    r.Linea = Campo(riga, 71, 82);
    r.CdProd = Campo(riga, 83, 112);
    return r;
}

RecArticolo RecordProd(std::string_view riga) {
    RecArticolo r;
    r.CdProd = Campo(riga, 1, 25);
    r.LineaProd = Colonne(riga, 39, 41);
    r.Descr = Campo(riga, 255, 304);
    return r;
}

TabellaLetta LeggiFileInt(const std::string& percorso, int32_t dimAttuale) {
    return LeggiTabella(percorso, dimAttuale, RecordInt);
}

TabellaLetta LeggiFileProd(const std::string& percorso, int32_t dimAttuale) {
    return LeggiTabella(percorso, dimAttuale, RecordProd);
}

void CaricaFileInt(StatoHome& h, TabellaLetta&& t) {
    h.NomeFileInt = NomeSenzaCartella(h.FileInt);
    Sostituisci(h.ArtInt, h.NumInt, h.DimInt, std::move(t));
    AggiornaTotAbbinati(h);
}

void CaricaFileProd(StatoHome& h, TabellaLetta&& t) {
    h.NomeFileProd = NomeSenzaCartella(h.FileProd);
    Sostituisci(h.ArtProd, h.NumProd, h.DimProd, std::move(t));
    RicostruisciMaiuscoli(h);
}

void RicostruisciMaiuscoli(StatoHome& h) {
    std::size_t codici = 0, descrizioni = 0;
    for (int32_t j = 1; j <= h.NumProd; ++j) {
        codici += h.ArtProd[j].CdProd.size();
        descrizioni += h.ArtProd[j].Descr.size();
    }
    h.CdProdU.Azzera();
    h.DescrU.Azzera();
    h.CdProdU.Riserva(static_cast<std::size_t>(h.NumProd), codici);
    h.DescrU.Riserva(static_cast<std::size_t>(h.NumProd), descrizioni);
    for (int32_t j = 1; j <= h.NumProd; ++j) {
        h.CdProdU.Aggiungi(h.ArtProd[j].CdProd);
        h.DescrU.Aggiungi(h.ArtProd[j].Descr);
    }
}

void InserisciRiga(StatoHome& h, std::string_view rec) {
    AccodaRecord(h.ArtProd, h.NumProd, h.DimProd, RecordProd(rec));
    h.CdProdU.Aggiungi(h.ArtProd[h.NumProd].CdProd);
    h.DescrU.Aggiungi(h.ArtProd[h.NumProd].Descr);
}

} // namespace zelvano
