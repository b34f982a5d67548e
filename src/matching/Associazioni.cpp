#include "matching/Associazioni.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "matching/DuplicaRiga.h"
#include "matching/Totali.h"

namespace zelvano {

namespace {
const char* const GiaAssociato =
    "Articolo del gestionale gi\xE0 precedentemente associato , annullare l'associazione "
    "precedente?";

// The chosen rows must still show the chosen records: a row number is only good for the
// grid content it was taken from, and the operations write into that row.
bool SelezioneInt(StatoHome& h) {
    const bool valida = h.RigaGrd1 >= 1 && h.RigaGrd1 < h.grd1.Rows() && h.PCdIntSel >= 1 &&
                        h.PCdIntSel <= h.NumInt &&
                        ValoreCella(h.grd1.Testo(h.RigaGrd1, "PCDINT")) == h.PCdIntSel;
    if (!valida)
        h.pf.Messaggio("Selezionare un articolo del gestionale");
    return valida;
}

bool SelezioneProd(StatoHome& h) {
    const bool valida = h.RigaGrd2 >= 1 && h.RigaGrd2 < h.Grd2.Rows() && h.PCdProdSel >= 1 &&
                        h.PCdProdSel <= h.NumProd &&
                        ValoreCella(h.Grd2.Testo(h.RigaGrd2, "PCDPROD")) == h.PCdProdSel;
    if (!valida)
        h.pf.Messaggio("Selezionare un articolo Orvessa");
    return valida;
}

void Modificato(StatoHome& h) {
    AggiornaTotAbbinati(h);
    h.DatiModificati = true;
}

// The copy just made, as the last row of Grd2, which becomes the chosen one.
void RigaCopia(StatoHome& h, int32_t j) {
    Griglia& g = h.Grd2;
    const int r = g.Rows();
    h.RigaGrd2 = r;
    g.SetRows(r + 1);
    const RecArticolo& p = h.ArtProd[j];
    g.SetTesto(r, "CDPROD", p.CdProd);
    g.SetTesto(r, "DESCR", p.Descr);
    g.SetTesto(r, "PCDINT", Numero(p.PCdInt));
    g.SetTesto(r, "PCDPROD", Numero(j));
    g.SetTesto(r, "STATO", p.Stato);
}
} // namespace

void Associa(StatoHome& h) {
    if (!SelezioneInt(h) || !SelezioneProd(h))
        return;
    const int32_t i = h.PCdIntSel;
    int32_t j = h.PCdProdSel;
    if (h.ArtInt[i].PCdProd == j)
        return;
    if (h.ArtInt[i].PCdProd != 0 && h.pf.Domanda(GiaAssociato, false) != Risposta::Si)
        return;
    if (h.ArtProd[j].PCdInt != 0) {
        h.EsitoMsg = h.pf.MostraFrmMsg();
        if (h.EsitoMsg == "ABB")
            return;
        if (h.EsitoMsg == "DUP") {
            if (!DuplicaRiga(h, j)) {
                std::string testo = "La riga ";
                testo += Numero(j);
                testo += " non c'\xE8 pi\xF9 nel file ";
                testo += Cp1252DaUtf8(h.NomeFileProd);
                testo += ": associazione non eseguita";
                h.pf.Messaggio(testo);
                return;
            }
            j = h.NumProd;
            h.PCdProdSel = j;
            RigaCopia(h, j);
        }
    }
    if (h.ArtInt[i].PCdProd != 0)
        AnnullaAssoc(h, i);
    if (h.ArtProd[j].PCdInt != 0)
        AnnullaAssoc(h, h.ArtProd[j].PCdInt);

    RecArticolo& in = h.ArtInt[i];
    if (in.Stato == "X") {
        in.Stato.clear();
        h.grd1.SetTesto(h.RigaGrd1, "STATO", "");
        h.grd1.SetTesto(h.RigaGrd1, "CDPROD2", "");
        --h.NumNonAssociabili;
    }
    in.Stato = "A";
    in.PCdProd = j;
    h.grd1.SetTesto(h.RigaGrd1, "PCDPROD", Numero(j));
    h.grd1.SetTesto(h.RigaGrd1, "STATO", in.Stato);
    h.grd1.SetTesto(h.RigaGrd1, "CDPROD2", h.ArtProd[j].CdProd);

    RecArticolo& prod = h.ArtProd[j];
    prod.Stato = "A";
    prod.PCdInt = i;
    h.Grd2.SetTesto(h.RigaGrd2, "PCDINT", Numero(i));
    h.Grd2.SetTesto(h.RigaGrd2, "STATO", prod.Stato);
    h.Grd2.SetTesto(h.RigaGrd2, "CDINT", in.CdInt);

    ++h.NumAssociati;
    Modificato(h);
}

void NonAssociabile(StatoHome& h) {
    if (!SelezioneInt(h))
        return;
    const int32_t i = h.PCdIntSel;
    if (h.ArtInt[i].Stato == "X")
        return;
    if (h.ArtInt[i].PCdProd != 0) {
        if (h.pf.Domanda(GiaAssociato, false) != Risposta::Si)
            return;
        AnnullaAssoc(h, i);
    }
    h.ArtInt[i].Stato = "X";
    h.grd1.SetTesto(h.RigaGrd1, "STATO", "X");
    h.grd1.SetTesto(h.RigaGrd1, "CDPROD2", "*Non associabile");
    ++h.NumNonAssociabili;
    Modificato(h);
}

void DisAssocia(StatoHome& h) {
    if (!SelezioneInt(h))
        return;
    RecArticolo& in = h.ArtInt[h.PCdIntSel];
    if (in.Stato == "X") {
        in.Stato.clear();
        --h.NumNonAssociabili;
        h.grd1.SetTesto(h.RigaGrd1, "STATO", "");
        h.grd1.SetTesto(h.RigaGrd1, "CDPROD2", "");
        Modificato(h);
    } else if (in.PCdProd != 0) {
        AnnullaAssoc(h, h.PCdIntSel);
    } else {
        h.pf.Messaggio("Articolo del gestionale non ancora associato ");
    }
}

namespace {
// The data row whose index cell holds k; index cells are unique within a grid. Row k is
// looked at first: unless the user re-sorted the grid it is the one.
int RigaConIndice(const Griglia& g, const char* chiave, int32_t k) {
    const int col = g.ColIndex(chiave);
    const int righe = g.Rows();
    if (k >= 1 && k < righe && ValoreCella(g.TextMatrix(k, col)) == k)
        return k;
    for (int r = 1; r < righe; ++r)
        if (ValoreCella(g.TextMatrix(r, col)) == k)
            return r;
    return 0;
}
} // namespace

void AnnullaAssoc(StatoHome& h, int32_t tmpPCDINT) {
    const int32_t k = tmpPCDINT;
    const int32_t p = h.ArtInt[k].PCdProd;
    --h.NumAssociati;
    h.ArtInt[k].Stato.clear();
    h.ArtInt[k].PCdProd = 0;
    if (p >= 1 && p <= h.NumProd) {
        h.ArtProd[p].PCdInt = 0;
        h.ArtProd[p].CdInt.clear();
        h.ArtProd[p].Stato.clear();
    }
    AggiornaTotAbbinati(h);
    if (const int r = RigaConIndice(h.grd1, "PCDINT", k)) {
        h.grd1.SetTesto(r, "STATO", "");
        h.grd1.SetTesto(r, "CDPROD2", "");
        h.grd1.SetTesto(r, "PCDPROD", "0");
    }
    if (const int r = RigaConIndice(h.Grd2, "PCDPROD", p)) {
        h.Grd2.SetTesto(r, "STATO", "");
        h.Grd2.SetTesto(r, "CDINT", "");
        h.Grd2.SetTesto(r, "PCDINT", "0");
    }
    h.DatiModificati = true;
}

} // namespace zelvano
