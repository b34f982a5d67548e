#include "matching/CaricaArchivi.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "matching/Totali.h"

namespace zelvano {

namespace {
void Sostituisci(std::vector<RecArticolo>& tab, int32_t& num, int32_t& dim, TabellaLetta& t) {
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

void CaricaFileInt(StatoHome& h, TabellaLetta&& t) {
    h.NomeFileInt = NomeSenzaCartella(h.FileInt);
    Sostituisci(h.ArtInt, h.NumInt, h.DimInt, t);
    AggiornaTotAbbinati(h);
}

void CaricaFileProd(StatoHome& h, TabellaLetta&& t) {
    h.NomeFileProd = NomeSenzaCartella(h.FileProd);
    Sostituisci(h.ArtProd, h.NumProd, h.DimProd, t);
    h.PosProd = std::move(t.pos);
    h.ImprontaProd = t.impronta;
    if (t.maiuscoliPronti) {
        h.CdProdU = std::move(t.codiciU);
        h.DescrU = std::move(t.descrizioniU);
    } else {
        RicostruisciMaiuscoli(h);
    }
}

void PreparaSostituzione(TabellaLetta& t, const std::vector<RecArticolo>& tab) {
    if (tab.size() > t.rec.capacity())
        t.rec.reserve(tab.size());
}

void PreparaMaiuscoli(TabellaLetta& t) {
    std::size_t codici = 0, descrizioni = 0;
    for (int32_t j = 1; j <= t.num; ++j) {
        codici += t.rec[static_cast<std::size_t>(j)].CdProd.size();
        descrizioni += t.rec[static_cast<std::size_t>(j)].Descr.size();
    }
    t.codiciU.Azzera();
    t.descrizioniU.Azzera();
    t.codiciU.Riserva(static_cast<std::size_t>(t.num), codici);
    t.descrizioniU.Riserva(static_cast<std::size_t>(t.num), descrizioni);
    for (int32_t j = 1; j <= t.num; ++j) {
        t.codiciU.Aggiungi(t.rec[static_cast<std::size_t>(j)].CdProd);
        t.descrizioniU.Aggiungi(t.rec[static_cast<std::size_t>(j)].Descr);
    }
    t.maiuscoliPronti = true;
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
