#include "proposte/Proposte.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "proposte/CalibrazioneProposte.h"
#include "proposte/InParallelo.h"
#include "proposte/RicercaCodici.h"
#include "proposte/SomiglianzaDescrizione.h"
#include "suggerimenti/CodiceSuggerimenti.h"
#include "suggerimenti/DistanzaCodici.h"
#include "suggerimenti/IndiceSuggerimenti.h"
#include "suggerimenti/ParoleDescrizione.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace zelvano {

namespace {

// A code that more catalogue descriptions than this hold among their words is a size or a
// norm, not a model, and says nothing of which article is meant.
constexpr std::size_t MaxInDescrizione = 16;
// A proposal from the description alone needs a word of the customer's that at most this
// many catalogue articles hold: commoner words cannot single one article out.
constexpr std::size_t MaxRara = 300;
// How much more of the customer's description an article has to hold than any rival with
// another code for the description to set it apart.
constexpr float Margine = 0.15F;

// Upper case, letters and digits, no zero opening a number: the key without O read as 0.
std::string SenzaZeri(std::string_view s) {
    std::string t;
    for (char c : Maiuscolo(SoloLettereCifre(s))) {
        const bool apreNumero = t.empty() || t.back() < '0' || t.back() > '9';
        if (c == '0' && apreNumero)
            continue;
        t += c;
    }
    return t;
}

// Why two codes with equal keys differ, the most telling difference when there are several.
Ragione RagioneChiaveUguale(std::string_view cliente, std::string_view catalogo) {
    std::string a, b;
    ChiaveAbbinamento(cliente, a);
    ChiaveAbbinamento(catalogo, b);
    if (Maiuscolo(a) == Maiuscolo(b))
        return Ragione::SoloMaiuscole;
    if (Maiuscolo(SoloLettereCifre(a)) == Maiuscolo(SoloLettereCifre(b)))
        return Ragione::SoloSegni;
    return SenzaZeri(a) == SenzaZeri(b) ? Ragione::ZeriIniziali : Ragione::OZeroIUno;
}

// The one slip between two keys DistanzaCodici puts one apart without a prefix.
Ragione RagioneScarto(std::string_view kq, std::string_view kj) {
    if (kq.size() == kj.size() + 1)
        return Ragione::InPiu;
    if (kq.size() + 1 == kj.size())
        return Ragione::Mancante;
    std::size_t k = 0;
    while (k < kq.size() && kq[k] == kj[k])
        ++k;
    const bool scambio = k + 1 < kq.size() && kq[k] == kj[k + 1] && kq[k + 1] == kj[k] &&
                         kq.substr(k + 2) == kj.substr(k + 2);
    return scambio ? Ragione::Scambio : Ragione::Diverso;
}

struct Candidato {
    int32_t j;
    // 0 equal keys, 1 the code among the description's words, 2 one slip (or a prefix, a
    // suffix), 3 the code among the description's words with one slip
    uint8_t livello;
    Ragione ragione;
    std::string testo;
    Somiglianza descr;
    bool libero = true;
    uint8_t ordine = 0; // livello, later when the description says little of the article
};

bool StessoCodice(const StatoHome& h, int32_t a, int32_t b) {
    return std::string_view(h.ArtProd[a].CdProd) == std::string_view(h.ArtProd[b].CdProd);
}

// The best free article among the candidates, with its evidence; false when none is free.
bool Scegli(const StatoHome& h, std::vector<Candidato>& c, Proposta& p) {
    // Equal keys while the description says little of the article come after the looser
    // fits: a digit left out can make another article's number once leading zeros are
    // dropped.
    for (Candidato& y : c)
        y.ordine = y.livello == 0 && LivelloDescrizione(y.descr) == 3 ? 3 : y.livello;
    std::sort(c.begin(), c.end(), [](const Candidato& a, const Candidato& b) {
        if (a.ordine != b.ordine)
            return a.ordine < b.ordine;
        if (a.descr.Punti() != b.descr.Punti())
            return a.descr.Punti() > b.descr.Punti();
        return a.j < b.j;
    });
    const auto m = std::find_if(c.begin(), c.end(), [](const Candidato& x) { return x.libero; });
    if (m == c.end())
        return false;
    // The rivals: other codes as close, free or taken. The description sets the article
    // apart from a rival when it holds clearly more of it, or every word of it the rival
    // holds and one more.
    const auto aParte = [&](const Somiglianza& a) {
        const Somiglianza& b = m->descr;
        return b.Punti() - a.Punti() >= Margine ||
               (!b.contraddetta && (b.trovate & ~a.trovate) != 0 && (a.trovate & ~b.trovate) == 0);
    };
    uint8_t rivali = 0;
    int distinte = 0;
    bool separate = true;
    for (auto it = c.begin(); it != c.end(); ++it) {
        if (it == m || StessoCodice(h, it->j, m->j))
            continue;
        if (it < m) { // taken, and as likely or likelier
            rivali = 4;
        } else if (it->ordine == m->ordine) {
            separate = separate && aParte(it->descr);
            ++distinte;
        }
    }
    if (rivali == 0 && distinte > 0)
        rivali = !separate ? 3 : distinte == 1 ? 1 : 2;
    p.j = m->j;
    p.ragione = m->ragione;
    p.testo = m->testo;
    p.prova = ProvaProposta(rivali, LivelloDescrizione(m->descr), m->livello == 3);
    return true;
}

// A proposal from the code: equal keys, the code among the description's words, a prefix
// or a suffix, one slip.
bool PropostaDaCodice(const IndiceSuggerimenti& x, const StatoHome& h, const Ricerca& r, int32_t i,
                      Proposta& p) {
    const std::string_view codice = h.ArtInt[i].CdProd;
    const std::string kq = ChiaveCodice(codice);
    if (kq.empty())
        return false;
    std::vector<Candidato> c;
    const auto aggiungi = [&](int32_t j, uint8_t livello, Ragione ragione, std::string testo) {
        for (Candidato& y : c)
            if (y.j == j) {
                if (livello < y.livello)
                    y = {j, livello, ragione, std::move(testo), {}, true, 0};
                return;
            }
        c.push_back({j, livello, ragione, std::move(testo), {}, true, 0});
    };
    const uint64_t hq = Fnv1a64(kq);
    PerPosto(r.chiavi, hq, [&](int32_t j) {
        if (x.Chiave(j) == kq)
            aggiungi(j, 0, RagioneChiaveUguale(codice, h.ArtProd[j].CdProd), {});
    });
    if (kq.size() >= MinChiaveInDescrizione && ConCifra(kq)) {
        std::vector<int32_t> inDescr;
        PerPosto(r.inDescrizione, hq, [&](int32_t j) {
            if (inDescr.empty() || inDescr.back() != j)
                inDescr.push_back(j);
        });
        if (inDescr.size() <= MaxInDescrizione)
            for (int32_t j : inDescr)
                aggiungi(j, 1, Ragione::CodiceInDescrizione, {});
    }
    std::vector<std::string> bordi; // the keys left once a prefix or a suffix is gone
    if (kq.size() >= MinChiave) {
        // Prefixes and suffixes, on the code as typed, so the text is the customer's.
        for (std::size_t s = 1; s < codice.size(); ++s) {
            const std::string testa = SoloLettereCifre(codice.substr(0, s));
            const std::string coda = SoloLettereCifre(codice.substr(s));
            if (!testa.empty() && testa.size() <= static_cast<std::size_t>(MaxPrefisso) &&
                !ConCifra(testa) && coda.size() >= MinChiave) {
                const std::string k = ChiaveCodice(codice.substr(s));
                PerPosto(r.chiavi, Fnv1a64(k), [&](int32_t j) {
                    if (x.Chiave(j) == k)
                        aggiungi(j, 2, Ragione::Prefisso, Maiuscolo(testa));
                });
                bordi.push_back(k);
            }
            if (!coda.empty() && coda.size() <= 3 && testa.size() >= MinChiave) {
                const std::string_view resto = codice.substr(s);
                const bool segno = std::any_of(resto.begin(), resto.end(), [](char ch) {
                    return ch != ' ' && LetteraOCifra(static_cast<unsigned char>(ch)) == 0;
                });
                if (coda.size() == 1 && !segno)
                    continue; // one character more: a slip
                const std::string k = ChiaveCodice(codice.substr(0, s));
                std::string testo;
                for (char ch : resto)
                    if (ch != ' ')
                        testo += ch;
                PerPosto(r.chiavi, Fnv1a64(k), [&](int32_t j) {
                    if (x.Chiave(j) == k)
                        aggiungi(j, 2, Ragione::Suffisso, Maiuscolo(testo));
                });
                bordi.push_back(k);
            }
        }
        // One slip: kq is a key less a character, or they share a key less a character.
        const auto slip = [&](int32_t j) {
            const std::string_view kj = x.Chiave(j);
            if (kj.size() >= MinChiave && kj != kq && DistanzaCodici(kq, kj) == 1 &&
                (kj.size() == kq.size() || kj.size() + 1 == kq.size() ||
                 kj.size() == kq.size() + 1)) {
                // DistanzaCodici counts a prefix as one slip too: keep only the plain slips.
                const Ragione ragione = RagioneScarto(kq, kj);
                const bool semplice =
                    ragione == Ragione::Scambio || ragione == Ragione::Diverso
                        ? true
                        : (ragione == Ragione::InPiu ? UnoScarto(kq, kj) : UnoScarto(kj, kq));
                if (semplice)
                    aggiungi(j, 2, ragione, {});
            }
        };
        PerPosto(r.cancellazioni, hq, slip);
        std::string buf;
        PerCancellazione(kq, buf, [&](std::string_view d) {
            const uint64_t hd = Fnv1a64(d);
            PerPosto(r.chiavi, hd, slip);
            PerPosto(r.cancellazioni, hd, slip);
        });
    }
    // The same slips, prefixes and suffixes among the description's words.
    if (kq.size() >= MinChiaveInDescrizione && ConCifra(kq)) {
        std::vector<int32_t> vicini;
        const auto tocca = [&](int32_t j) { vicini.push_back(j); };
        for (const std::string& k : bordi)
            PerPosto(r.inDescrizione, Fnv1a64(k), tocca);
        PerPosto(r.cancellazioniDescrizione, hq, tocca);
        std::string buf;
        PerCancellazione(kq, buf, [&](std::string_view d) {
            const uint64_t hd = Fnv1a64(d);
            PerPosto(r.inDescrizione, hd, tocca);
            PerPosto(r.cancellazioniDescrizione, hd, tocca);
        });
        std::sort(vicini.begin(), vicini.end());
        vicini.erase(std::unique(vicini.begin(), vicini.end()), vicini.end());
        if (vicini.size() <= MaxInDescrizione) {
            std::string chiave;
            for (int32_t j : vicini) {
                bool vicino = false;
                PerParolaCodice(h.ArtProd[j].Descr, chiave, [&](std::string_view t) {
                    vicino = vicino || std::find(bordi.begin(), bordi.end(), t) != bordi.end() ||
                             (t.size() + 1 >= kq.size() && t.size() <= kq.size() + 1 &&
                              DistanzaCodici(kq, t) == 1);
                });
                if (vicino)
                    aggiungi(j, 3, Ragione::CodiceInDescrizione, {});
            }
        }
    }
    if (c.empty())
        return false;
    const std::vector<ParolaCliente> parole = ParoleDelCliente(x, h.ArtInt[i].Descr);
    for (Candidato& y : c) {
        y.descr = SomiglianzaDescrizione(parole, h.ArtProd[y.j].Descr);
        y.libero = h.ArtProd[y.j].PCdInt == 0;
    }
    return Scegli(h, c, p);
}

// A proposal from the description alone, only when it singles one article out: among the
// articles holding one of the customer's rarest words, one holds clearly more of the
// description than any other with another code.
bool PropostaDaDescrizione(const IndiceSuggerimenti& x, const StatoHome& h, int32_t n, int32_t i,
                           Proposta& p) {
    const std::vector<ParolaCliente> parole = ParoleDelCliente(x, h.ArtInt[i].Descr);
    std::vector<const ParolaCliente*> rare;
    for (const ParolaCliente& q : parole)
        if (q.articoli > 0 && q.articoli <= MaxRara)
            rare.push_back(&q);
    if (rare.empty())
        return false;
    std::sort(rare.begin(), rare.end(), [](const ParolaCliente* a, const ParolaCliente* b) {
        return a->articoli != b->articoli ? a->articoli < b->articoli : a->testo < b->testo;
    });
    if (rare.size() > 2)
        rare.resize(2);
    std::vector<int32_t> articoli;
    for (const ParolaCliente* q : rare) {
        if (q->w != IndiceSuggerimenti::NessunaParola)
            for (int32_t j : x.ConParola(q->w))
                articoli.push_back(j);
        for (int32_t j : x.ConParole(q->prefisso.first, q->prefisso.second))
            articoli.push_back(j);
    }
    std::sort(articoli.begin(), articoli.end());
    articoli.erase(std::unique(articoli.begin(), articoli.end()), articoli.end());
    std::vector<Candidato> c;
    for (int32_t j : articoli)
        if (j <= n)
            c.push_back({j,
                         0,
                         Ragione::SoloDescrizione,
                         {},
                         SomiglianzaDescrizione(parole, h.ArtProd[j].Descr),
                         h.ArtProd[j].PCdInt == 0,
                         0});
    if (!Scegli(h, c, p) || p.prova / 4 > 2)
        return false;
    // The rarer the customer's rarest word, the fewer articles could have been meant.
    const std::size_t volte = rare.front()->articoli;
    p.prova = ProvaProposta(volte <= 12 ? 0 : volte <= 60 ? 1 : 2, p.prova % 4);

    return true;
}

const char* NomeRagione(Ragione r) {
    switch (r) {
    case Ragione::SoloMaiuscole:
        return "Solo maiuscole e minuscole";
    case Ragione::SoloSegni:
        return "Solo segni";
    case Ragione::ZeriIniziali:
        return "Zeri iniziali";
    case Ragione::OZeroIUno:
        return "O per 0 o I per 1";
    case Ragione::Prefisso:
        return "Prefisso";
    case Ragione::Suffisso:
        return "Suffisso";
    case Ragione::Scambio:
        return "Due caratteri scambiati";
    case Ragione::Mancante:
        return "Un carattere mancante";
    case Ragione::InPiu:
        return "Un carattere in pi\xF9";
    case Ragione::Diverso:
        return "Un carattere diverso";
    case Ragione::CodiceInDescrizione:
        return "Codice nella descrizione";
    case Ragione::SoloDescrizione:
        break;
    }
    return "Solo descrizione";
}

} // namespace

std::vector<GruppoProposte> CalcolaProposte(const IndiceSuggerimenti& indice, const StatoHome& h) {
    if (indice.Apertura() != h.Apertura)
        return {};
    std::vector<int32_t> daProporre;
    // Only articles still to do: not "X", not paired, and not holding a saved pair whose
    // catalogue article this catalogue lacks (the user decides on those one by one).
    for (int32_t i = 1; i <= h.NumInt; ++i)
        if (h.ArtInt[i].PCdProd == 0 && h.ArtInt[i].Stato.empty() &&
            h.ArtInt[i].RigaSalvata.empty())
            daProporre.push_back(i);
    const Ricerca r = Prepara(indice, h, daProporre);

    std::vector<Proposta> proposte(daProporre.size());
    std::vector<uint8_t> fatte(daProporre.size(), 0);
    InParallelo(daProporre.size(), Parti(daProporre.size()),
                [&](std::size_t da, std::size_t a, unsigned) {
                    for (std::size_t t = da; t < a; ++t) {
                        const int32_t i = daProporre[t];
                        Proposta& p = proposte[t];
                        p.i = i;
                        const bool ok = std::string_view(h.ArtInt[i].CdProd).empty()
                                            ? PropostaDaDescrizione(indice, h, r.n, i, p)
                                            : PropostaDaCodice(indice, h, r, i, p);
                        if (ok) {
                            p.fiducia = FiduciaProposta(p.ragione, p.prova);
                            fatte[t] = 1;
                        }
                    }
                });

    std::map<std::pair<Ragione, std::string>, GruppoProposte> perRagione;
    for (std::size_t t = 0; t < proposte.size(); ++t) {
        if (fatte[t] == 0)
            continue;
        Proposta& p = proposte[t];
        GruppoProposte& g = perRagione[{p.ragione, p.testo}];
        if (g.proposte.empty()) {
            g.ragione = p.ragione;
            g.testo = p.testo;
            g.fiduciaMinima = p.fiducia;
        }
        g.fiduciaMinima = std::min(g.fiduciaMinima, p.fiducia);
        g.proposte.push_back(std::move(p));
    }
    std::vector<GruppoProposte> gruppi;
    gruppi.reserve(perRagione.size());
    for (auto& [chiave, g] : perRagione)
        gruppi.push_back(std::move(g));
    // Largest first; the map's order (reason, then text) settles ties.
    std::stable_sort(gruppi.begin(), gruppi.end(),
                     [](const GruppoProposte& a, const GruppoProposte& b) {
                         return a.proposte.size() > b.proposte.size();
                     });
    return gruppi;
}

std::string TestoFiducia(double fiducia) {
    // Tenths, cut rather than rounded, so it never claims more than was measured.
    const auto decimi = static_cast<int64_t>(std::floor(fiducia * 10 + 1e-9));
    return Numero(decimi / 10) + "," + Numero(decimi % 10) + "%";
}

std::string DescriviGruppo(const GruppoProposte& g) {
    std::string s = NomeRagione(g.ragione);
    if (g.ragione == Ragione::Prefisso || g.ragione == Ragione::Suffisso)
        s += " " + g.testo + " tolto";
    const auto n = static_cast<int64_t>(g.proposte.size());
    s += ": " + NumeroConPunti(n) + (n == 1 ? " articolo" : " articoli");
    s += ", fiducia minima " + TestoFiducia(g.fiduciaMinima);
    return s;
}

} // namespace zelvano
