#include "coppie/Associazioni.h"

#include "coppie/Decisioni.h"
#include "coppie/DuplicaRiga.h"
#include "data/Abbinamento.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "griglie/Selezione.h"
#include "griglie/Totali.h"

namespace zelvano {

namespace {
const char* const GiaAssociato =
    "Articolo del gestionale gi\xE0 precedentemente associato, annullare l'associazione "
    "precedente?";

// A chosen article is one a row of its grid shows: the user acts on what he sees.
bool SelezioneInt(StatoHome& h) {
    const bool valida = h.PCdIntSel >= 1 && h.PCdIntSel <= h.NumInt && RigaGrd1(h) != 0;
    if (!valida)
        h.pf.Messaggio("Selezionare un articolo del gestionale");
    return valida;
}

bool SelezioneProd(StatoHome& h) {
    const bool valida = h.PCdProdSel >= 1 && h.PCdProdSel <= h.NumProd && RigaGrd2(h) != 0;
    if (!valida)
        h.pf.Messaggio("Selezionare un articolo Orvessa");
    return valida;
}

// A further copy of catalogue record j, shown as the last row of Grd2, which becomes the
// chosen one; false (the user has been told) when the file no longer holds the line.
bool AggiungiCopia(StatoHome& h, int32_t& j) {
    const EsitoCopia esito = DuplicaRiga(h, j);
    if (!esito) {
        const std::string file = Cp1252DaUtf8(h.File.NomeFileProd);
        h.pf.Messaggio((esito.tipo == EsitoCopia::RigaMancante
                            ? "La riga " + Numero(j) + " non c'\xE8 pi\xF9 nel file " + file
                            : "La riga " + Numero(j) + " del file " + file +
                                  " non \xE8 pi\xF9 quella dell'articolo " + h.ArtProd[j].CdProd) +
                       ": associazione non eseguita");
        return false;
    }
    j = h.NumProd;
    h.Grd2.AggiungiRiga(j);
    // The copy is the chosen article now, and the highlighted row says so.
    AttivaSelezione2(h, j);
    h.Grd2.ShowCell(RigaGrd2(h), 0);
    return true;
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
    Decisione decisione(h, "associazione");
    int32_t copiata = 0;
    if (h.ArtProd[j].PCdInt != 0) {
        const EsitoScelta scelta = h.pf.MostraFrmMsg();
        if (scelta == EsitoScelta::Abbandona)
            return;
        if (scelta == EsitoScelta::Aggiungi) {
            copiata = j;
            if (!AggiungiCopia(h, j))
                return;
        }
    }
    if (h.ArtInt[i].PCdProd != 0)
        AnnullaAssoc(h, i);
    if (h.ArtProd[j].PCdInt != 0)
        AnnullaAssoc(h, h.ArtProd[j].PCdInt);
    if (h.ArtInt[i].Stato == "X")
        Smarca(h, i);
    Collega(h, i, j, Origine::Utente);
    AggiornaTotAbbinati(h);
    std::string coppia = h.ArtInt[i].CdInt + " a " + h.ArtProd[j].CdProd;
    if (copiata != 0)
        coppia += " (copia della riga " + Numero(copiata) + " del catalogo)";
    decisione.Descrivi("associazione di " + coppia);
    h.Testi.MessaggioStato = "Associato " + coppia;
}

void NonAssociabile(StatoHome& h) {
    if (!SelezioneInt(h))
        return;
    const int32_t i = h.PCdIntSel;
    if (h.ArtInt[i].Stato == "X")
        return;
    if (h.ArtInt[i].PCdProd != 0 && h.pf.Domanda(GiaAssociato, false) != Risposta::Si)
        return;
    Decisione decisione(h, "segno di non associabile su " + h.ArtInt[i].CdInt);
    if (h.ArtInt[i].PCdProd != 0)
        AnnullaAssoc(h, i);
    Marca(h, i, Origine::Utente);
    AggiornaTotAbbinati(h);
    h.Testi.MessaggioStato = h.ArtInt[i].CdInt + " segnato come non associabile";
}

void DisAssocia(StatoHome& h) {
    if (!SelezioneInt(h))
        return;
    const int32_t i = h.PCdIntSel;
    const RecArticolo& in = h.ArtInt[i];
    Decisione decisione(h, "");
    if (in.Stato == "X") {
        decisione.Descrivi("tolto il segno di non associabile da " + in.CdInt);
        Smarca(h, i);
        AggiornaTotAbbinati(h);
        h.Testi.MessaggioStato = in.CdInt + " di nuovo da associare";
    } else if (in.PCdProd != 0) {
        const std::string coppia = in.CdInt + " a " + h.ArtProd[in.PCdProd].CdProd;
        decisione.Descrivi("tolta l'associazione di " + coppia);
        h.Testi.MessaggioStato = "Annullata l'associazione di " + coppia;
        AnnullaAssoc(h, i);
    } else if (!in.RigaSalvata.empty()) {
        // A saved pair the catalogue did not offer is undone as any other pair.
        h.Testi.MessaggioStato = "Annullata l'associazione salvata di " + in.CdInt + " a " +
                                 Campo(in.RigaSalvata, 1, 25);
        decisione.Descrivi("associazione salvata di " + in.CdInt + " annullata");
        LasciaRigaSalvata(h, i);
    } else {
        h.pf.Messaggio("Articolo del gestionale non ancora associato ");
    }
}

void AnnullaAssoc(StatoHome& h, int32_t tmpPCDINT) {
    Scollega(h, tmpPCDINT);
    AggiornaTotAbbinati(h);
}

} // namespace zelvano
