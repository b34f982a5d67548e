#include "proposte/Proposte.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "proposte/CalibrazioneProposte.h"
#include "search/CodiceSuggerimenti.h"
#include "search/DistanzaCodici.h"
#include "search/IndiceSuggerimenti.h"
#include "search/ParoleDescrizione.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <thread>
#include <utility>

namespace zelvano {

namespace {

// A code that more catalogue descriptions than this hold among their words is a size or a
// norm, not a model, and says nothing of which article is meant.
constexpr std::size_t MaxInDescrizione = 8;
// A proposal from the description alone needs a word of the customer's that at most this
// many catalogue articles hold: commoner words cannot single one article out.
constexpr std::size_t MaxRara = 300;
// How much more of the customer's description an article has to hold than any rival with
// another code for the description to set it apart.
constexpr float Margine = 0.15F;
// The shortest code key looked for among slips, prefixes and description words: shorter
// ones are one slip away from too many codes.
constexpr std::size_t MinChiave = 3, MinChiaveInDescrizione = 4;

uint64_t Hash64(std::string_view s) {
    uint64_t h = 1469598103934665603ull; // FNV-1a
    for (char c : s)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

// Calls f with each distinct way of dropping one character of k.
template <class F> void PerCancellazione(std::string_view k, std::string& buf, F&& f) {
    for (std::size_t p = 0; p < k.size(); ++p) {
        if (p > 0 && k[p] == k[p - 1])
            continue; // the same text as dropping the character before
        buf.assign(k.substr(0, p));
        buf.append(k.substr(p + 1));
        f(std::string_view(buf));
    }
}

bool ConCifra(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Maiuscolo(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        c = static_cast<char>(MaiuscolaCp1252(static_cast<unsigned char>(c)));
    return t;
}

std::string SoloLettereCifre(std::string_view s) {
    std::string t;
    for (char c : s)
        if (LetteraOCifra(static_cast<unsigned char>(c)) != 0)
            t += c;
    return t;
}

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

// Whether two different words are one slip apart: a letter replaced, added or dropped, or
// two neighbours swapped.
bool UnoScarto(std::string_view a, std::string_view b) {
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    std::size_t k = 0;
    while (k < a.size() && a[k] == b[k])
        ++k;
    if (a.size() + 1 == b.size())
        return a.substr(k) == b.substr(k + 1);
    if (k == a.size())
        return false;
    if (a.substr(k + 1) == b.substr(k + 1))
        return true;
    return k + 1 < a.size() && a[k] == b[k + 1] && a[k + 1] == b[k] &&
           a.substr(k + 2) == b.substr(k + 2);
}

// A word of the customer's description and what finding it in an article weighs: its
// rarity in the catalogue. corta: it may stand for longer words (a dot follows it, or the
// catalogue lacks it as a whole word).
struct ParolaCliente {
    std::string testo;
    bool corta = false;
    float peso = 0;
    std::size_t articoli = 0; // catalogue articles that may hold it
    uint32_t w = IndiceSuggerimenti::NessunaParola;
    std::pair<uint32_t, uint32_t> prefisso{0, 0};
};

std::vector<ParolaCliente> ParoleDelCliente(const IndiceSuggerimenti& x, std::string_view descr) {
    std::vector<ParolaCliente> v;
    const double n = std::max(x.ContaBase(), 1);
    PerParola(descr, [&](std::string_view p, bool puntata) {
        if (std::any_of(v.begin(), v.end(), [&](const ParolaCliente& q) { return q.testo == p; }))
            return;
        ParolaCliente q;
        q.testo = p;
        q.w = x.Parola(p);
        q.corta = puntata || q.w == IndiceSuggerimenti::NessunaParola;
        if (q.w != IndiceSuggerimenti::NessunaParola) {
            q.articoli = x.ConParola(q.w).size();
            q.peso = x.Rarita(q.w);
        }
        if (q.corta && p.size() >= 2) {
            q.prefisso = x.ConPrefisso(p);
            if (q.prefisso.first == q.w)
                ++q.prefisso.first;
            const std::size_t volte = x.ConParole(q.prefisso.first, q.prefisso.second).size();
            q.articoli += volte;
            if (q.w == IndiceSuggerimenti::NessunaParola && volte > 0)
                q.peso = static_cast<float>(std::log(1.0 + n / static_cast<double>(volte)));
        }
        // A word of the customer's own, or one typed with a slip: as rare as a word held by
        // a few hundred articles.
        if (q.peso == 0)
            q.peso = static_cast<float>(std::log(1.0 + n / 1000.0));
        v.push_back(std::move(q));
    });
    return v;
}

bool Corrisponde(const ParolaCliente& p, std::string_view c) {
    if (p.testo == c)
        return true;
    if (p.corta && p.testo.size() >= 2 && c.size() > p.testo.size() &&
        c.substr(0, p.testo.size()) == p.testo)
        return true;
    return p.testo.size() >= 4 && c.size() >= 4 && UnoScarto(p.testo, c);
}

// How much of the customer's description an article holds: the share by weight, and
// whether a word of the customer's with a digit in it (a size, a norm) is missing, which
// speaks against the article more than any common word it lacks.
struct Somiglianza {
    float quota = 0;
    float peso = 0;       // the weight found
    uint32_t trovate = 0; // which of the customer's first 32 words were found
    bool contraddetta = false;
    // For ranking: a contradicted article loses a quarter.
    float Punti() const { return quota - (contraddetta ? 0.25F : 0.0F); }
};

Somiglianza SomiglianzaDescrizione(const std::vector<ParolaCliente>& cliente,
                                   std::string_view descr) {
    float tutto = 0, trovato = 0;
    Somiglianza s;
    std::vector<std::string> parole;
    PerParola(descr, [&](std::string_view p, bool) { parole.emplace_back(p); });
    for (std::size_t k = 0; k < cliente.size(); ++k) {
        const ParolaCliente& q = cliente[k];
        tutto += q.peso;
        if (std::any_of(parole.begin(), parole.end(),
                        [&](const std::string& c) { return Corrisponde(q, c); })) {
            trovato += q.peso;
            if (k < 32)
                s.trovate |= 1u << k;
        } else if (ConCifra(q.testo)) {
            s.contraddetta = true;
        }
    }
    s.quota = tutto > 0 ? trovato / tutto : 0.0F;
    s.peso = trovato;
    return s;
}

// Nearly all of the description, with words rare enough to tell families apart (a product
// line's name, a size) and none with a digit missing; most of it so; some; little.
uint8_t LivelloDescrizione(const Somiglianza& s) {
    if (s.quota >= 0.85F && !s.contraddetta && s.peso >= 15)
        return 0;
    if (s.quota >= 0.6F && !s.contraddetta && s.peso >= 10)
        return 1;
    return s.quota >= 0.3F && s.peso >= 5 ? 2 : 3;
}

// A set of hashes: a bit per low bits for the quick no, then the sorted hashes.
class InsiemeHash {
  public:
    explicit InsiemeHash(std::vector<uint64_t> h) : hash_(std::move(h)), bit_(1u << 18, 0) {
        std::sort(hash_.begin(), hash_.end());
        hash_.erase(std::unique(hash_.begin(), hash_.end()), hash_.end());
        for (uint64_t x : hash_)
            bit_[(x >> 6) & ((1u << 18) - 1)] |= uint64_t{1} << (x & 63);
    }
    bool Contiene(uint64_t x) const {
        return (bit_[(x >> 6) & ((1u << 18) - 1)] >> (x & 63) & 1) != 0 &&
               std::binary_search(hash_.begin(), hash_.end(), x);
    }

  private:
    std::vector<uint64_t> hash_;
    std::vector<uint64_t> bit_;
};

// Catalogue records by the hash of a text made from them (a key, a key less one character,
// a word of the description), sorted.
struct Posto {
    uint64_t h;
    int32_t j;
    friend bool operator<(const Posto& a, const Posto& b) {
        return a.h != b.h ? a.h < b.h : a.j < b.j;
    }
};
using Posti = std::vector<Posto>;

template <class F> void PerPosto(const Posti& p, uint64_t h, F&& f) {
    for (auto it = std::lower_bound(p.begin(), p.end(), Posto{h, 0}); it != p.end() && it->h == h;
         ++it)
        f(it->j);
}

// Runs f(da, a, parte) over parts of [0, n) on a few threads; the parts are fixed by n
// alone, so whatever f writes per part can be joined in order.
template <class F> void InParallelo(std::size_t n, unsigned parti, F&& f) {
    std::vector<std::thread> t;
    for (unsigned k = 1; k < parti; ++k)
        t.emplace_back([&, k] { f(n * k / parti, n * (k + 1) / parti, k); });
    f(0, n / parti, 0);
    for (auto& x : t)
        x.join();
}

unsigned Parti(std::size_t n) {
    if (n < 4096)
        return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

// The catalogue looked up by what the customers' codes ask for.
struct Ricerca {
    int32_t n = 0;
    Posti chiavi, cancellazioni, inDescrizione, cancellazioniDescrizione;
};

// Calls f with the key of each word between blanks of a description that may be a code: of
// at least MinChiaveInDescrizione characters, one a digit.
template <class F> void PerParolaCodice(std::string_view d, std::string& chiave, F&& f) {
    std::size_t s = 0;
    while (s < d.size()) {
        std::size_t e = d.find(' ', s);
        if (e == std::string_view::npos)
            e = d.size();
        const std::string_view parola = d.substr(s, e - s);
        s = e + 1;
        if (parola.size() < MinChiaveInDescrizione || !ConCifra(parola))
            continue;
        chiave.clear();
        AccodaChiaveCodice(parola, chiave);
        if (chiave.size() >= MinChiaveInDescrizione)
            f(std::string_view(chiave));
    }
}

// What one customer code is looked up by: its key, its key less each character, the key of
// what follows a maker's prefix, the key of what precedes a suffix.
template <class F> void PerVariante(std::string_view codice, std::string_view kq, F&& f) {
    f(kq, false);
    std::string buf;
    if (kq.size() > MinChiave)
        PerCancellazione(kq, buf, [&](std::string_view d) { f(d, false); });
    for (std::size_t s = 1; s < codice.size(); ++s) {
        const std::string testa = SoloLettereCifre(codice.substr(0, s));
        const std::string coda = SoloLettereCifre(codice.substr(s));
        if (!testa.empty() && testa.size() <= static_cast<std::size_t>(MaxPrefisso) &&
            !ConCifra(testa) && coda.size() >= MinChiave)
            f(ChiaveCodice(codice.substr(s)), false);
        if (!coda.empty() && coda.size() <= 3 && testa.size() >= MinChiave)
            f(ChiaveCodice(codice.substr(0, s)), false);
    }
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
    const uint64_t hq = Hash64(kq);
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
                PerPosto(r.chiavi, Hash64(k), [&](int32_t j) {
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
                PerPosto(r.chiavi, Hash64(k), [&](int32_t j) {
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
            const uint64_t hd = Hash64(d);
            PerPosto(r.chiavi, hd, slip);
            PerPosto(r.cancellazioni, hd, slip);
        });
    }
    // The same slips, prefixes and suffixes among the description's words.
    if (kq.size() >= MinChiaveInDescrizione && ConCifra(kq)) {
        std::vector<int32_t> vicini;
        const auto tocca = [&](int32_t j) { vicini.push_back(j); };
        for (const std::string& k : bordi)
            PerPosto(r.inDescrizione, Hash64(k), tocca);
        PerPosto(r.cancellazioniDescrizione, hq, tocca);
        std::string buf;
        PerCancellazione(kq, buf, [&](std::string_view d) {
            const uint64_t hd = Hash64(d);
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

Ricerca Prepara(const IndiceSuggerimenti& x, const StatoHome& h,
                const std::vector<int32_t>& daProporre) {
    Ricerca r;
    r.n = std::min(x.Conta(), h.NumProd);
    const unsigned parti = Parti(daProporre.size());
    std::vector<std::vector<uint64_t>> voluti(parti);
    InParallelo(daProporre.size(), parti, [&](std::size_t da, std::size_t a, unsigned k) {
        for (std::size_t t = da; t < a; ++t) {
            const std::string_view codice = h.ArtInt[daProporre[t]].CdProd;
            const std::string kq = ChiaveCodice(codice);
            if (kq.empty())
                continue;
            PerVariante(codice, kq,
                        [&](std::string_view v, bool) { voluti[k].push_back(Hash64(v)); });
        }
    });
    const auto unisci = [](std::vector<std::vector<uint64_t>>& v) {
        std::vector<uint64_t> u;
        for (auto& x : v)
            u.insert(u.end(), x.begin(), x.end());
        return InsiemeHash(std::move(u));
    };
    const InsiemeHash volute = unisci(voluti);

    const unsigned partiCat = Parti(static_cast<std::size_t>(r.n));
    std::vector<Posti> chiavi(partiCat), cancellazioni(partiCat), descr(partiCat),
        cancDescr(partiCat);
    InParallelo(static_cast<std::size_t>(r.n), partiCat,
                [&](std::size_t da, std::size_t a, unsigned k) {
                    std::string buf, chiave;
                    for (auto j = static_cast<int32_t>(da + 1); j <= static_cast<int32_t>(a); ++j) {
                        const std::string_view kj = x.Chiave(j);
                        if (kj.size() < MinChiave)
                            continue;
                        if (const uint64_t hj = Hash64(kj); volute.Contiene(hj))
                            chiavi[k].push_back({hj, j});
                        PerCancellazione(kj, buf, [&](std::string_view d) {
                            if (const uint64_t hd = Hash64(d); volute.Contiene(hd))
                                cancellazioni[k].push_back({hd, j});
                        });
                        // The words of the description that may be codes, and each less a
                        // character.
                        PerParolaCodice(h.ArtProd[j].Descr, chiave, [&](std::string_view p) {
                            if (const uint64_t hp = Hash64(p); volute.Contiene(hp))
                                descr[k].push_back({hp, j});
                            PerCancellazione(p, buf, [&](std::string_view d) {
                                if (const uint64_t hd = Hash64(d); volute.Contiene(hd))
                                    cancDescr[k].push_back({hd, j});
                            });
                        });
                    }
                });
    const auto unisci2 = [](std::vector<Posti>& v) {
        Posti u;
        for (auto& x : v)
            u.insert(u.end(), x.begin(), x.end());
        std::sort(u.begin(), u.end());
        u.erase(
            std::unique(u.begin(), u.end(),
                        [](const Posto& a, const Posto& b) { return a.h == b.h && a.j == b.j; }),
            u.end());
        return u;
    };
    r.chiavi = unisci2(chiavi);
    r.cancellazioni = unisci2(cancellazioni);
    r.inDescrizione = unisci2(descr);
    r.cancellazioniDescrizione = unisci2(cancDescr);
    return r;
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
    for (int32_t i = 1; i <= h.NumInt; ++i)
        if (h.ArtInt[i].PCdProd == 0 && std::string_view(h.ArtInt[i].Stato) != "X")
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

std::string DescriviGruppo(const GruppoProposte& g) {
    std::string s = NomeRagione(g.ragione);
    if (g.ragione == Ragione::Prefisso || g.ragione == Ragione::Suffisso)
        s += " " + g.testo + " tolto";
    const auto n = static_cast<int64_t>(g.proposte.size());
    s += ": " + NumeroConPunti(n) + (n == 1 ? " articolo" : " articoli");
    // Tenths, cut rather than rounded, so the caption never claims more than was measured.
    const auto decimi = static_cast<int64_t>(std::floor(g.fiduciaMinima * 10 + 1e-9));
    s += ", fiducia minima " + Numero(decimi / 10) + "," + Numero(decimi % 10) + "%";
    return s;
}

} // namespace zelvano
