#include "files/LetturaArchivi.h"

#include "data/Tabelle.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/FileCatalogo.h"
#include "files/LettoreRighe.h"

#include <algorithm>
#include <unistd.h>

namespace zelvano {

namespace {
// Lines in a file, near enough to size the table once: a line ends in LF, CR or both.
// Read through the reader's own descriptor, the file that was checked to be a plain one.
int64_t StimaRighe(int fd) {
    std::vector<char> buf(1 << 20);
    int64_t lf = 0, cr = 0, da = 0;
    ssize_t n = 0;
    while ((n = ::pread(fd, buf.data(), buf.size(), static_cast<off_t>(da))) > 0) {
        lf += std::count(buf.data(), buf.data() + n, '\n');
        cr += std::count(buf.data(), buf.data() + n, '\r');
        da += n;
    }
    return std::max(lf, cr) + 1;
}

template <class Parser>
TabellaLetta LeggiTabella(const std::string& percorso, int32_t dimAttuale, bool conPosizioni,
                          Parser parser) {
    LettoreRighe lettore(percorso);
    TabellaLetta t;
    t.dim = std::max(dimAttuale, CapacitaIniziale);
    const int64_t stima = StimaRighe(lettore.Descrittore());
    t.rec.reserve(static_cast<std::size_t>(stima) + 1);
    PagineGrandi(t.rec);
    t.rec.resize(1);
    if (conPosizioni) {
        t.pos.reserve(static_cast<std::size_t>(stima) + 1);
        t.pos.resize(1);
    }
    std::string_view riga;
    while (lettore.Leggi(riga)) {
        AccodaRecord(t.rec, t.num, t.dim, parser(riga));
        if (conPosizioni)
            t.pos.push_back({lettore.InizioRiga(), static_cast<uint32_t>(riga.size())});
    }
    if (conPosizioni) {
        t.impronta = ImprontaDi(lettore.Descrittore());
        const char ultimo = lettore.UltimoByte();
        t.impronta.finisceACapo = ultimo == '\n' || ultimo == '\r';
    }
    return t;
}
} // namespace

RecArticolo RecordInt(std::string_view riga) {
    RecArticolo r;
    r.CdInt = CampoVista(riga, 1, 25);
    r.Descr = CampoVista(riga, 26, 70);
    r.Linea = CampoVista(riga, 71, 82);
    r.CdProd = CampoVista(riga, 83, 112);
    return r;
}

RecArticolo RecordProd(std::string_view riga) {
    RecArticolo r;
    r.CdProd = CampoVista(riga, 1, 25);
    r.LineaProd = Colonne(riga, 39, 41);
    r.Descr = CampoVista(riga, 255, 304);
    return r;
}

TabellaLetta LeggiFileInt(const std::string& percorso, int32_t dimAttuale) {
    return LeggiTabella(percorso, dimAttuale, false, RecordInt);
}

TabellaLetta LeggiFileProd(const std::string& percorso, int32_t dimAttuale) {
    return LeggiTabella(percorso, dimAttuale, true, RecordProd);
}

} // namespace zelvano
