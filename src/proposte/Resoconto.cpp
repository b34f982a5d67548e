#include "proposte/Resoconto.h"

#include "data/Abbinamento.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "proposte/Campione.h"

#include <cmath>
#include <vector>

namespace zelvano {

namespace {
std::string Riga(const std::string& voce, int64_t n) {
    return voce + ": " + NumeroConPunti(n) + "\n";
}

std::string Stima(double n) {
    return NumeroConPunti(std::llround(n));
}
} // namespace

std::string Resoconto(const StatoHome& h) {
    const bool storiaValida = h.Proposte.apertura == h.Apertura;
    const std::vector<GruppoAccettato> nessuno;
    const std::vector<GruppoAccettato>& gruppi = storiaValida ? h.Proposte.accettati : nessuno;

    int64_t automatici = 0, aMano = 0, ripresi = 0, marcati = 0, daFare = 0, proposti = 0;
    int64_t sospesi = 0; // still to pair, their saved line kept for a code the catalogue lacks
    std::vector<int64_t> perGruppo(gruppi.size() + 1, 0);
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
        if (in.Stato == "X") {
            ++marcati;
        } else if (in.Stato.empty()) {
            ++daFare;
            sospesi += in.RigaSalvata.empty() ? 0 : 1;
        } else if (in.Origine == Origine::Automatico) {
            ++automatici;
        } else if (in.Origine == Origine::Proposta && in.Gruppo >= 1 &&
                   static_cast<std::size_t>(in.Gruppo) <= gruppi.size()) {
            ++proposti;
            ++perGruppo[static_cast<std::size_t>(in.Gruppo)];
        } else if (in.Origine == Origine::Utente) {
            ++aMano;
        } else {
            ++ripresi;
        }
    }

    std::string t = "Avanzamento di " + Cp1252DaUtf8(h.File.NomeFileInt) + ": " +
                    NumeroConPunti(h.NumInt) + " articoli\n";
    t += Riga("Associati automaticamente", automatici);
    t += Riga("Associati da proposte", proposti);
    // Each group as it was proposed, with what is left of it after undoing and unpairing.
    double attesi = 0, daCampioneBasso = 0, daCampione = 0, daCampioneAlto = 0;
    int64_t coperti = 0;
    for (std::size_t k = 0; k < gruppi.size(); ++k) {
        const int64_t vivi = perGruppo[k + 1];
        if (vivi == 0)
            continue;
        const GruppoAccettato& g = gruppi[k];
        t += "  " + g.descrizione + " -> " + Riga("associati", vivi);
        attesi += g.erratiAttesi * static_cast<double>(vivi) / g.accettate;
        if (g.campione >= 0) {
            const CampioneGiudicato& c = h.Proposte.campioni[static_cast<std::size_t>(g.campione)];
            const Intervallo iv = IntervalloWilson(c.errati, c.esaminati);
            const auto n = static_cast<double>(vivi);
            daCampione += n * c.errati / c.esaminati;
            daCampioneBasso += n * iv.basso;
            daCampioneAlto += n * iv.alto;
            coperti += vivi;
        }
    }
    t += Riga("Associati a mano", aMano);
    t += Riga("Ripresi dal file di output", ripresi);
    t += Riga("Non associabili (X)", marcati);
    t += Riga("Da associare", daFare);
    if (sospesi > 0)
        t += "  " + Riga("con la riga salvata tenuta (codice assente dal catalogo)", sospesi);

    int32_t esaminati = 0, errati = 0;
    if (storiaValida)
        for (const CampioneGiudicato& c : h.Proposte.campioni) {
            esaminati += c.esaminati;
            errati += c.errati;
        }
    t += Riga("Proposte esaminate nei campioni", esaminati);
    if (esaminati > 0) {
        const Intervallo iv = IntervalloWilson(errati, esaminati);
        t += "Errore dei campioni: " + Numero(errati) + " su " + Numero(esaminati) + " (" +
             Percento(100.0 * errati / esaminati) +
             "; al 95%, Wilson: " + Percento(100 * iv.basso) + " - " + Percento(100 * iv.alto) +
             ")\n";
    }
    t += "Abbinamenti errati stimati tra le proposte accettate: " + Stima(attesi) +
         " secondo la fiducia";
    if (coperti > 0)
        t += "; " + Stima(daCampione) + " (da " + Stima(daCampioneBasso) + " a " +
             Stima(daCampioneAlto) + ") secondo i campioni, sui " + NumeroConPunti(coperti) +
             " dei gruppi campionati";
    return t + "\n";
}

} // namespace zelvano
