#include "griglie/Selezione.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "griglie/CaricaGrid2.h"

namespace zelvano {

int RigaGrd1(const StatoHome& h) {
    return h.grd1.RigaDi(h.PCdIntSel);
}

int RigaGrd2(const StatoHome& h) {
    return h.Grd2.RigaDi(h.PCdProdSel);
}

void AttivaSelezione1(StatoHome& h, int32_t i) {
    const int riga = i <= h.NumInt ? h.grd1.RigaDi(i) : 0;
    if (riga == 0)
        return;
    h.PCdIntSel = i;
    h.grd1.SetRow(riga);
    h.grd1.ShowCell(riga, 0);
    const RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
    h.Testi.TxtCod = (in.PCdProd == 0 ? in.CdProd : h.ArtProd[in.PCdProd].CdProd).str();
    h.Testi.txtDescr.clear();
    CaricaGrid2(h);
}

void AttivaSelezione2(StatoHome& h, int32_t j) {
    const int riga = j <= h.NumProd ? h.Grd2.RigaDi(j) : 0;
    if (riga == 0)
        return;
    h.PCdProdSel = j;
    h.Grd2.SetRow(riga);
}

void NessunaSelezione2(StatoHome& h) {
    h.PCdProdSel = 0;
    h.Grd2.SetRow(0);
}

void NessunaSelezione1(StatoHome& h) {
    h.PCdIntSel = 0;
    h.grd1.SetRow(0);
    h.Grd2.SetRows(1);
    NessunaSelezione2(h);
}

void CercaPrecedente(StatoHome& h) {
    if (const int riga = RigaGrd1(h); riga > 1)
        AttivaSelezione1(h, h.grd1.Record(riga - 1));
}

void CercaSuccessivo(StatoHome& h) {
    if (const int riga = RigaGrd1(h); riga < h.grd1.Rows() - 1)
        AttivaSelezione1(h, h.grd1.Record(riga + 1));
}

namespace {
// The nearest row, one way or the other, whose article's state is still empty; the rows
// are taken in the order the grid shows them, the state from the record each one shows.
void CercaDaAbbinare(StatoHome& h, int passo, const char* nessuno) {
    for (int r = RigaGrd1(h) + passo;; r += passo) {
        if (r <= 0 || r >= h.grd1.Rows()) {
            h.pf.Messaggio(nessuno);
            return;
        }
        const int32_t i = h.grd1.Record(r);
        if (i >= 1 && i <= h.NumInt && h.ArtInt[static_cast<std::size_t>(i)].Stato.empty()) {
            AttivaSelezione1(h, i);
            return;
        }
    }
}
} // namespace

void CercaPrimoDaAbbinare(StatoHome& h) {
    CercaDaAbbinare(h, 1, "Nessun articolo successivo da associare");
}

void CercaPrecDaAbbinare(StatoHome& h) {
    CercaDaAbbinare(h, -1, "Nessun articolo precedente da associare");
}

void ScegliRigaGrd1(StatoHome& h, int riga) {
    if (riga >= 1)
        AttivaSelezione1(h, h.grd1.Record(riga));
}

void ScegliRigaGrd2(StatoHome& h, int riga) {
    if (riga >= 1)
        AttivaSelezione2(h, h.Grd2.Record(riga));
}

namespace {
// The description of the partner record, for the "Associato a" column; empty anywhere
// else. The partner is the one the row's record is paired with.
std::optional<std::string> Tooltip(const Griglia& g, int riga, int col, const char* colonna,
                                   const std::vector<RecArticolo>& propri, int32_t numPropri,
                                   bool input, const std::vector<RecArticolo>& partner,
                                   int32_t num) {
    if (riga < 1 || riga >= g.Rows())
        return std::nullopt;
    std::string testo;
    const int32_t r = g.Record(riga);
    if (col >= 0 && col < g.Cols() && g.ColKey(col) == colonna && r >= 1 && r <= numPropri) {
        const RecArticolo& rec = propri[static_cast<std::size_t>(r)];
        const int32_t k = input ? rec.PCdProd : rec.PCdInt;
        if (k >= 1 && k <= num)
            testo = partner[static_cast<std::size_t>(k)].Descr.str();
    }
    return testo;
}
} // namespace

std::optional<std::string> DidascaliaGrd1(const StatoHome& h, int riga, int col) {
    return Tooltip(h.grd1, riga, col, "CDPROD2", h.ArtInt, h.NumInt, true, h.ArtProd, h.NumProd);
}

std::optional<std::string> DidascaliaGrd2(const StatoHome& h, int riga, int col) {
    return Tooltip(h.Grd2, riga, col, "CDINT", h.ArtProd, h.NumProd, false, h.ArtInt, h.NumInt);
}

} // namespace zelvano
