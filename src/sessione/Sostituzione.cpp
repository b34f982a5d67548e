#include "sessione/Sostituzione.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/AggiornaFileInt.h"
#include "files/LayoutGriglie.h"
#include "griglie/FiltroProd.h"
#include "griglie/Selezione.h"
#include "griglie/Totali.h"

namespace zelvano {

namespace {
std::string SostituisciTutte(std::string_view testo, std::string_view trova, std::string_view con) {
    if (trova.empty())
        return std::string(testo);
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t trovato = testo.find(trova, pos);
        if (trovato == std::string::npos)
            break;
        out.append(testo.substr(pos, trovato - pos));
        out += con;
        pos = trovato + trova.size();
    }
    out.append(testo.substr(pos));
    return out;
}

// The new code, or false when this method leaves the code alone.
bool NuovoCodice(std::string_view c, std::string_view f, const std::string& r, MetodoSost modo,
                 std::string& nuovo) {
    const std::size_t l = f.size();
    switch (modo) {
    case MetodoSost::Contiene:
        if (!Contiene(c, f))
            return false;
        nuovo = SostituisciTutte(c, f, r);
        return true;
    case MetodoSost::Inizia:
        if (c.size() <= l || c.compare(0, l, f) != 0)
            return false;
        nuovo = r;
        nuovo += c.substr(l);
        return true;
    case MetodoSost::Finisce:
        if (c.size() <= l || c.compare(c.size() - l, l, f) != 0)
            return false;
        nuovo = c.substr(0, c.size() - l);
        nuovo += r;
        return true;
    default:
        return false;
    }
}

// Shows the codes awaiting the answer in their colour; the first row that shows one.
int MostraCodici(StatoHome& h, uint32_t colore) {
    Griglia& g = h.grd1;
    const int cCodice = g.ColIndex("CDPROD");
    int prima = 0;
    for (int r = 1; r < g.Rows(); ++r) {
        const int32_t i = g.Record(r);
        if (i < 1 || i > h.NumInt || h.ArtInt[i].Modificato != 1)
            continue;
        // The cell reads the new code from the record; the colour repaints it.
        g.SetCellBackColor(r, cCodice, colore);
        if (prima == 0)
            prima = r;
    }
    return prima;
}
// After the refill the clerk is back on the article he had chosen, in the order he sorted
// the grid by, rather than on the first one still to pair.
void TornaAllArticolo(StatoHome& h, int32_t scelto) {
    CaricaOrdinamentiPrec1(h);
    if (scelto < 1 || scelto > h.NumInt)
        return;
    AttivaSelezione1(h, scelto);
}
} // namespace

bool ApriRicercaTesto(StatoHome& h) {
    const EsitoRicerca esito =
        h.pf.MostraRicercaTesto(h.Testi.Trova, h.Testi.Sostituisci, h.Testi.ModoSost);
    // Any way out other than "Esegui" is leaving: a replacement must be confirmed.
    if (!esito.confermata)
        return false;
    h.Testi.Trova = Maiuscolo(esito.trova);
    h.Testi.Sostituisci = Maiuscolo(esito.sostituisci);
    h.Testi.ModoSost = esito.modo;
    return true;
}

bool ScriviCodiciNelFile(StatoHome& h) {
    const EsitoAggiornaFileInt esito = AggiornaFileInt(h);
    using Tipo = EsitoAggiornaFileInt::Tipo;
    const std::string file = Cp1252DaUtf8(h.File.FileInt);
    switch (esito.tipo) {
    case Tipo::Scritto:
        return true;
    case Tipo::CodiceConACapo:
        h.pf.Messaggio("Il nuovo codice dell'articolo " + h.ArtInt[esito.articolo].CdInt +
                       " contiene un a capo: il file " + file + " non \xE8 stato modificato");
        break;
    case Tipo::Illeggibile:
        h.pf.Messaggio(esito.errore);
        break;
    case Tipo::Cambiato:
        h.pf.Messaggio("Il file " + file +
                       " \xE8 cambiato dopo l'apertura: i codici non sono stati scritti");
        break;
    case Tipo::CopiaFallita:
        h.pf.Messaggio(esito.errore + ". Il file " + file + " non \xE8 stato modificato");
        break;
    case Tipo::ScritturaFallita:
        h.pf.Messaggio(esito.errore + ". Il file non \xE8 stato modificato; una copia \xE8 in " +
                       Cp1252DaUtf8(esito.copia));
        break;
    }
    return false;
}

void SostituisciCodiciFornitore(StatoHome& h) {
    if (ApriRicercaTesto(h))
        EseguiSostituzione(h);
}

void EseguiSostituzione(StatoHome& h) {
    int32_t cambiati = 0;
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        RecArticolo& in = h.ArtInt[i];
        if (in.PCdProd != 0)
            continue;
        std::string nuovo;
        // A code the replacement gives back as it was is no change: it is neither counted
        // nor rewritten in the file.
        if (!NuovoCodice(in.CdProd, h.Testi.Trova, h.Testi.Sostituisci, h.Testi.ModoSost, nuovo) ||
            nuovo == in.CdProd)
            continue;
        in.CdProdPrec = in.CdProd;
        in.CdProd = std::move(nuovo);
        in.Modificato = 1;
        ++cambiati;
    }
    if (cambiati < 1) {
        h.pf.Messaggio("Nessun aggiornamento eseguito");
        return;
    }
    const int primaCambiata = MostraCodici(h, Griglia::Giallo);
    h.grd1.SetRow(0);
    // The question hides most of the grid: the first changed code is brought into view first.
    if (primaCambiata > 0)
        h.grd1.ShowCell(primaCambiata, 0);
    const std::string domanda = cambiati == 1
                                    ? std::string("Aggiornato 1 codice. Confermi?")
                                    : "Aggiornati " + Numero(cambiati) + " codici. Confermi?";
    bool confermato = h.pf.Domanda(domanda, false) == Risposta::Si;
    // Codes that did not reach the input file are taken back, as after a No.
    if (confermato)
        confermato = ScriviCodiciNelFile(h);

    const int cCodice = h.grd1.ColIndex("CDPROD");
    for (int r = 1; r < h.grd1.Rows(); ++r) {
        const int32_t i = h.grd1.Record(r);
        if (i < 1 || i > h.NumInt || h.ArtInt[i].Modificato != 1)
            continue;
        RecArticolo& in = h.ArtInt[i];
        if (!confermato)
            in.CdProd = in.CdProdPrec;
        in.Modificato = 0;
        h.grd1.SetCellBackColor(r, cCodice, Griglia::Bianco);
    }
    // Records with no row (none, unless the grid was emptied) are cleaned up as well.
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        RecArticolo& in = h.ArtInt[i];
        if (in.Modificato == 1) {
            if (!confermato)
                in.CdProd = in.CdProdPrec;
            in.Modificato = 0;
        }
    }
    if (confermato) {
        const int32_t scelto = h.PCdIntSel;
        const EsitoProva esito = AbbinaAutomaticamente(h);
        RefreshGrideLabel(h);
        TornaAllArticolo(h, scelto);
        h.Testi.MessaggioStato = (cambiati == 1 ? "Aggiornato " : "Aggiornati ") +
                                 Conta(cambiati, "codice", "codici") + " in " +
                                 Cp1252DaUtf8(h.File.NomeFileInt) + ": " +
                                 Conta(esito.associati, "nuovo abbinamento", "nuovi abbinamenti");
        return;
    }
    h.Testi.MessaggioStato = "Sostituzione annullata: nessun codice cambiato";
    if (const int riga = RigaGrd1(h); riga > 0) {
        // The chosen article is highlighted again, so the next command acts on the row the
        // user sees.
        h.grd1.SetRow(riga);
        h.grd1.ShowCell(riga, 0);
    }
}

} // namespace zelvano
