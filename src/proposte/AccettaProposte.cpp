#include "proposte/AccettaProposte.h"

#include "coppie/Decisioni.h"
#include "data/Abbinamento.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "griglie/Totali.h"

namespace zelvano {

namespace {
// The history belongs to the tables it was made on.
StoriaProposte& Storia(StatoHome& h) {
    if (h.Proposte.apertura != h.Apertura)
        h.Proposte = StoriaProposte{h.Apertura, {}, {}};
    return h.Proposte;
}

bool AncoraValida(const StatoHome& h, const Proposta& p) {
    if (p.i < 1 || p.i > h.NumInt || p.j < 1 || p.j > h.NumProd)
        return false;
    const RecArticolo& in = h.ArtInt[static_cast<std::size_t>(p.i)];
    return in.Stato.empty() && in.PCdProd == 0 && in.RigaSalvata.empty() &&
           h.ArtProd[static_cast<std::size_t>(p.j)].PCdInt == 0;
}
} // namespace

int32_t RegistraCampione(StatoHome& h, const GruppoProposte& g, int32_t esaminati, int32_t errati) {
    StoriaProposte& s = Storia(h);
    s.campioni.push_back({DescriviGruppo(g), esaminati, errati, g.fiduciaMinima});
    return static_cast<int32_t>(s.campioni.size()) - 1;
}

EsitoAccettazione AccettaGruppo(StatoHome& h, const GruppoProposte& g, int32_t campione) {
    StoriaProposte& s = Storia(h);
    const auto numero = static_cast<int32_t>(s.accettati.size()) + 1;
    EsitoAccettazione esito;
    double erratiAttesi = 0;
    {
        Decisione decisione(h, "abbinamenti proposti");
        for (const Proposta& p : g.proposte) {
            if (!AncoraValida(h, p)) {
                ++esito.saltate;
                continue;
            }
            Collega(h, p.i, p.j, Origine::Proposta);
            h.ArtInt[static_cast<std::size_t>(p.i)].Gruppo = numero;
            ++esito.accettate;
            erratiAttesi += (100 - p.fiducia) / 100;
        }
        decisione.Descrivi(Conta(esito.accettate, "abbinamento proposto", "abbinamenti proposti"));
    }
    AggiornaTotAbbinati(h);
    if (esito.accettate > 0)
        s.accettati.push_back({DescriviGruppo(g), esito.accettate, esito.saltate, erratiAttesi,
                               campione < static_cast<int32_t>(s.campioni.size()) ? campione : -1});
    h.Testi.MessaggioStato = std::string(esito.accettate == 1 ? "Accettato " : "Accettati ") +
                             Conta(esito.accettate, "abbinamento proposto", "abbinamenti proposti");
    if (esito.saltate > 0)
        h.Testi.MessaggioStato += ", " + Conta(esito.saltate, "saltato", "saltati") +
                                  " (articolo gi\xE0 associato o non associabile)";
    return esito;
}

} // namespace zelvano
