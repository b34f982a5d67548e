#include "griglie/CaricaArchivi.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "griglie/Totali.h"

namespace zelvano {

namespace {
void Sostituisci(std::vector<RecArticolo>& tab, ArenaTesti& testi, int32_t& num, int32_t& dim,
                 TabellaLetta& t) {
    // What an earlier, longer load left above the new count stays where it was, and with
    // it the texts it borrows.
    if (tab.size() > t.rec.size()) {
        const std::size_t da = t.rec.size();
        t.rec.resize(tab.size());
        std::move(tab.begin() + static_cast<std::ptrdiff_t>(da), tab.end(),
                  t.rec.begin() + static_cast<std::ptrdiff_t>(da));
        t.testi.Unisci(std::move(testi));
    }
    tab.swap(t.rec);
    std::swap(testi, t.testi);
    num = t.num;
    dim = t.dim;
}
} // namespace

void CaricaFileInt(StatoHome& h, TabellaLetta&& t) {
    h.File.NomeFileInt = NomeSenzaCartella(h.File.FileInt);
    Sostituisci(h.ArtInt, h.TestiInt, h.NumInt, h.DimInt, t);
    AggiornaTotAbbinati(h);
}

void CaricaFileProd(StatoHome& h, TabellaLetta&& t) {
    h.File.NomeFileProd = NomeSenzaCartella(h.File.FileProd);
    Sostituisci(h.ArtProd, h.TestiProd, h.NumProd, h.DimProd, t);
    h.File.PosProd = std::move(t.pos);
    h.File.ImprontaProd = t.impronta;
    h.CdProdU = std::move(t.codiciU);
    h.DescrU = std::move(t.descrizioniU);
    // Shown while the rest of the opening runs, with the file's new name.
    AggiornaTotCatalogo(h);
}

void PreparaSostituzione(TabellaLetta& t, const std::vector<RecArticolo>& tab) {
    if (tab.size() > t.rec.capacity())
        t.rec.reserve(tab.size());
}

void InserisciRiga(StatoHome& h, std::string_view rec) {
    AccodaRecord(h.ArtProd, h.NumProd, h.DimProd, RecordProd(rec));
    AggiungiMaiuscoli(h.ArtProd[h.NumProd], h.CdProdU, h.DescrU);
}

} // namespace zelvano
