#include "suggerimenti/Classifica.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/StatoHome.h"
#include "suggerimenti/CodiceSuggerimenti.h"
#include "suggerimenti/DifferenzeCodice.h"
#include "suggerimenti/DistanzaCodici.h"
#include "suggerimenti/IndiceSuggerimenti.h"
#include "suggerimenti/ParoleDescrizione.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zelvano {

namespace {

// How many articles each of the two ways (code trigrams, description words) hands to the
// full comparison.
constexpr std::size_t CandidatiPerVia = 200;
// Description words looked at; a description field holds 45 bytes, so rarely more.
constexpr std::size_t MaxTermini = 16;
// The share of each likeness in the score when the customer gave both, and the most a
// description alone can score.
constexpr float PesoCodice = 0.65F, PesoDescr = 0.35F, SoloDescr = 0.85F;
// A word found only as the start of longer words, or only as a word one slip away, weighs
// this much of its rarity.
constexpr float PesoPrefisso = 0.8F, PesoSimile = 0.7F;
// In the description likeness, the share of the customer's words found, the rest the share
// of the article's words found: of two articles holding all the customer's words, the one
// with fewer others is likelier.
constexpr float QuotaCliente = 0.75F;

// One way a description word of the customer may be found in an article: the catalogue
// words it stands for, as ranges of word numbers, and what finding it weighs. The ways of
// one customer word share a group, and an article scores the best of them.
struct Termine {
    std::vector<std::pair<uint32_t, uint32_t>> tratti;
    float peso;
    uint8_t gruppo;
};

std::vector<Termine> Termini(const IndiceSuggerimenti& x, std::string_view descr) {
    std::vector<Termine> termini;
    std::vector<std::string> visti;
    std::vector<uint32_t> simili;
    const double n = std::max(x.ContaBase(), 1);
    const auto rarita = [&](std::size_t volte) {
        return static_cast<float>(std::log(1.0 + n / static_cast<double>(volte)));
    };
    uint8_t gruppo = 0;
    PerParola(descr, [&](std::string_view p, bool puntata) {
        if (termini.size() + 2 >= MaxTermini ||
            std::find(visti.begin(), visti.end(), p) != visti.end())
            return;
        visti.emplace_back(p);
        const std::size_t primo = termini.size();
        const uint32_t w = x.Parola(p);
        if (w != IndiceSuggerimenti::NessunaParola)
            termini.push_back({{{w, w + 1}}, x.Rarita(w), gruppo});
        // A word the catalogue lacks, or one the customer marked as shortened, also stands
        // for the longer words it starts. A start shared by a quarter of the catalogue tells
        // little and costs a long walk.
        if ((w == IndiceSuggerimenti::NessunaParola || puntata) && p.size() >= 2) {
            auto [da, a] = x.ConPrefisso(p);
            if (da == w)
                ++da;
            const std::size_t volte = x.ConParole(da, a).size();
            if (volte > 0 && static_cast<double>(volte) <= n / 4)
                termini.push_back({{{da, a}}, PesoPrefisso * rarita(volte), gruppo});
        }
        // A word found neither way may hold a slip.
        if (termini.size() == primo) {
            x.Simili(p, simili);
            std::size_t volte = 0;
            Termine t{{}, 0, gruppo};
            for (uint32_t s : simili) {
                t.tratti.emplace_back(s, s + 1);
                volte += x.ConParola(s).size();
            }
            if (volte > 0 && static_cast<double>(volte) <= n / 4) {
                t.peso = PesoSimile * rarita(volte);
                termini.push_back(std::move(t));
            }
        }
        if (termini.size() > primo)
            ++gruppo;
    });
    return termini;
}

// The weight of the customer's words an article holds: per customer word, the best way
// it was found.
float PesoTrovato(uint16_t trovati, const std::vector<Termine>& termini) {
    float m = 0, gruppo = 0;
    for (std::size_t k = 0; k < termini.size(); ++k) {
        if (k > 0 && termini[k].gruppo != termini[k - 1].gruppo) {
            m += gruppo;
            gruppo = 0;
        }
        if (trovati & (1u << k))
            gruppo = std::max(gruppo, termini[k].peso);
    }
    return m + gruppo;
}

float SomiglianzaDescr(uint16_t trovati, const std::vector<Termine>& termini, float pesoCliente,
                       float pesoArticolo) {
    if (trovati == 0 || pesoCliente <= 0)
        return 0;
    const float m = PesoTrovato(trovati, termini);
    const float articolo = pesoArticolo > 0 ? std::min(1.0F, m / pesoArticolo) : 0.0F;
    return QuotaCliente * (m / pesoCliente) + (1 - QuotaCliente) * articolo;
}

// The slips between two keys, and a fraction of one when the keys are equal but the codes
// are not: the same code typed in another case or with a hyphen comes before one that only
// drops a zero or has an O for a 0.
float Scarto(std::string_view chiaveCliente, std::string_view chiaveArticolo,
             std::string_view cliente, std::string_view articolo) {
    const int d = DistanzaCodici(chiaveCliente, chiaveArticolo);
    if (d > 0)
        return static_cast<float>(d);
    std::string a, b;
    ChiaveAbbinamento(cliente, a);
    ChiaveAbbinamento(articolo, b);
    if (a == b)
        return 0;
    const auto lettereCifre = [](std::string_view s) {
        std::string t;
        for (char c : s)
            if (const unsigned char m = LetteraOCifra(static_cast<unsigned char>(c)); m != 0)
                t += static_cast<char>(m);
        return t;
    };
    return lettereCifre(cliente) == lettereCifre(articolo) ? 0.1F : 0.25F;
}

struct Candidato {
    int32_t j;
    float punti; // unrounded, 0..1
    int punteggio;
    bool libero;
};

// The best `quanti` of toccati by punti, ties by index; each is scored once.
void Migliori(std::vector<int32_t>& toccati, std::size_t quanti, const auto& punti) {
    if (toccati.size() <= quanti)
        return;
    std::vector<std::pair<float, int32_t>> v;
    v.reserve(toccati.size());
    for (int32_t j : toccati)
        v.emplace_back(-punti(j), j);
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(quanti), v.end());
    toccati.resize(quanti);
    for (std::size_t k = 0; k < quanti; ++k)
        toccati[k] = v[k].second;
}

} // namespace

std::vector<Suggerimento> Classifica(const IndiceSuggerimenti& indice, const StatoHome& h,
                                     int32_t i, std::size_t quanti) {
    if (i < 1 || i > h.NumInt || indice.Apertura() != h.Apertura || quanti == 0)
        return {};
    const RecArticolo& q = h.ArtInt[i];
    const int32_t n = std::min(indice.Conta(), h.NumProd);
    const int32_t base = std::min(indice.ContaBase(), n);
    const std::string kq = ChiaveCodice(q.CdProd);
    const std::vector<Termine> termini = Termini(indice, q.Descr);
    const float pesoCliente = PesoTrovato(UINT16_MAX, termini);
    if (kq.empty() && termini.empty())
        return {};

    // For every article sharing something: how many trigrams of the key, which words.
    const auto N = static_cast<std::size_t>(n) + 1;
    std::vector<uint8_t> comuni(N, 0);
    std::vector<uint16_t> trovati(N, 0);
    std::vector<int32_t> perCodice, perDescr;

    std::vector<uint32_t> tq;
    PerTrigramma(kq, [&](uint32_t t) { tq.push_back(t); });
    std::sort(tq.begin(), tq.end());
    tq.erase(std::unique(tq.begin(), tq.end()), tq.end());
    // The counts are bytes; a code typed longer than any field is counted in part.
    if (tq.size() > UINT8_MAX)
        tq.resize(UINT8_MAX);
    for (uint32_t t : tq)
        for (int32_t j : indice.ConTrigramma(t))
            if (j <= n && comuni[static_cast<std::size_t>(j)]++ == 0)
                perCodice.push_back(j);
    for (std::size_t k = 0; k < termini.size(); ++k) {
        const auto bit = static_cast<uint16_t>(1u << k);
        for (const auto& [da, a] : termini[k].tratti)
            for (int32_t j : indice.ConParole(da, a)) {
                if (j > n)
                    continue;
                uint16_t& b = trovati[static_cast<std::size_t>(j)];
                if (b == 0)
                    perDescr.push_back(j);
                b = static_cast<uint16_t>(b | bit);
            }
    }
    // Records added since the build, one by one.
    std::vector<uint32_t> tj;
    for (int32_t j = base + 1; j <= n; ++j) {
        const auto J = static_cast<std::size_t>(j);
        PerTrigramma(indice.Chiave(j), [&](uint32_t t) { tj.push_back(t); });
        std::sort(tj.begin(), tj.end());
        tj.erase(std::unique(tj.begin(), tj.end()), tj.end());
        for (uint32_t t : tj)
            if (std::binary_search(tq.begin(), tq.end(), t))
                ++comuni[J];
        tj.clear();
        if (comuni[J] > 0)
            perCodice.push_back(j);
        for (uint32_t w : indice.ParoleAggiunte(j))
            for (std::size_t k = 0; k < termini.size(); ++k)
                for (const auto& [da, a] : termini[k].tratti)
                    if (w >= da && w < a)
                        trovati[J] = static_cast<uint16_t>(trovati[J] | (1u << k));
        if (trovati[J] != 0)
            perDescr.push_back(j);
    }

    const auto descr = [&](int32_t j) {
        return SomiglianzaDescr(trovati[static_cast<std::size_t>(j)], termini, pesoCliente,
                                indice.PesoDescrizione(j));
    };
    const auto trigrammi = [&](int32_t j) {
        const std::size_t l = std::max(kq.size(), indice.Chiave(j).size());
        return static_cast<float>(comuni[static_cast<std::size_t>(j)]) / static_cast<float>(l);
    };
    Migliori(perCodice, CandidatiPerVia, trigrammi);
    Migliori(perDescr, CandidatiPerVia, descr);
    std::vector<int32_t> candidati = std::move(perCodice);
    candidati.insert(candidati.end(), perDescr.begin(), perDescr.end());
    std::sort(candidati.begin(), candidati.end());
    candidati.erase(std::unique(candidati.begin(), candidati.end()), candidati.end());

    std::vector<Candidato> classifica;
    classifica.reserve(candidati.size());
    for (int32_t j : candidati) {
        const RecArticolo& a = h.ArtProd[j];
        const std::string_view kj = indice.Chiave(j);
        float codice = 0;
        if (!kq.empty() && !kj.empty()) {
            const float l = static_cast<float>(std::max(kq.size(), kj.size()));
            codice = std::max(0.0F, 1 - Scarto(kq, kj, q.CdProd, a.CdProd) / l);
        }
        const float d = descr(j);
        const float punti = kq.empty()        ? SoloDescr * d
                            : termini.empty() ? codice
                                              : PesoCodice * codice + PesoDescr * d;
        classifica.push_back({j, punti, static_cast<int>(std::lround(100 * punti)), a.PCdInt == 0});
    }
    const auto prima = [](const Candidato& x, const Candidato& y) {
        if (x.punteggio != y.punteggio)
            return x.punteggio > y.punteggio;
        if (x.libero != y.libero)
            return x.libero;
        if (x.punti != y.punti)
            return x.punti > y.punti;
        return x.j < y.j;
    };
    const std::size_t k = std::min(quanti, classifica.size());
    std::partial_sort(classifica.begin(), classifica.begin() + static_cast<std::ptrdiff_t>(k),
                      classifica.end(), prima);

    std::vector<Suggerimento> esito;
    esito.reserve(k);
    for (std::size_t r = 0; r < k; ++r) {
        const Candidato& c = classifica[r];
        if (c.punteggio <= 0)
            break;
        esito.push_back({c.j, c.punteggio, DifferenzeCodice(q.CdProd, h.ArtProd[c.j].CdProd)});
    }
    return esito;
}

} // namespace zelvano
