#include "matching/Selezione.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "search/CaricaGrid2.h"

namespace zelvano {

void AttivaSelezione1(StatoHome& h) {
    if (h.RigaGrd1 < 1 || h.RigaGrd1 >= h.grd1.Rows())
        return;
    h.PCdIntSel = h.grd1.Record(h.RigaGrd1);
    h.grd1.SetRow(h.RigaGrd1);
    h.grd1.ShowCell(h.RigaGrd1, 0);
    if (h.PCdIntSel < 1 || h.PCdIntSel > h.NumInt)
        return;
    h.InAggiornamento = true;
    const RecArticolo& in = h.ArtInt[h.PCdIntSel];
    h.TxtCod = (in.PCdProd == 0 ? in.CdProd : h.ArtProd[in.PCdProd].CdProd).str();
    h.txtDescr.clear();
    CaricaGrid2(h);
    h.InAggiornamento = false;
}

void CercaPrecedente(StatoHome& h) {
    if (h.RigaGrd1 > 1) {
        --h.RigaGrd1;
        AttivaSelezione1(h);
    }
}

void CercaSuccessivo(StatoHome& h) {
    if (h.RigaGrd1 < h.grd1.Rows() - 1) {
        ++h.RigaGrd1;
        AttivaSelezione1(h);
    }
}

namespace {
// The nearest row, one way or the other, whose article's state is still empty; the rows
// are taken in the order the grid shows them, the state from the record each one shows.
void CercaDaAbbinare(StatoHome& h, int passo, const char* nessuno) {
    for (int r = h.RigaGrd1 + passo;; r += passo) {
        if (r <= 0 || r >= h.grd1.Rows()) {
            h.pf.Messaggio(nessuno);
            return;
        }
        const int32_t i = h.grd1.Record(r);
        if (i >= 1 && i <= h.NumInt && h.ArtInt[static_cast<std::size_t>(i)].Stato.empty()) {
            h.RigaGrd1 = r;
            AttivaSelezione1(h);
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

void grd1_Click(StatoHome& h) {
    if (h.grd1.Row() >= 1) {
        h.RigaGrd1 = h.grd1.Row();
        AttivaSelezione1(h);
    }
}

void Grd2_Click(StatoHome& h) {
    if (h.Grd2.Row() >= 1) {
        h.RigaGrd2 = h.Grd2.Row();
        h.PCdProdSel = h.Grd2.Record(h.RigaGrd2);
    }
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

std::optional<std::string> grd1_MouseMove(const StatoHome& h, int riga, int col) {
    return Tooltip(h.grd1, riga, col, "CDPROD2", h.ArtInt, h.NumInt, true, h.ArtProd, h.NumProd);
}

std::optional<std::string> Grd2_MouseMove(const StatoHome& h, int riga, int col) {
    return Tooltip(h.Grd2, riga, col, "CDINT", h.ArtProd, h.NumProd, false, h.ArtInt, h.NumInt);
}

} // namespace zelvano
