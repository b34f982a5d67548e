#include "proposte/RicercaCodici.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "proposte/InParallelo.h"
#include "suggerimenti/DistanzaCodici.h"
#include "suggerimenti/IndiceSuggerimenti.h"

namespace zelvano {

namespace {

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

} // namespace

bool ConCifra(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string SoloLettereCifre(std::string_view s) {
    std::string t;
    for (char c : s)
        if (LetteraOCifra(static_cast<unsigned char>(c)) != 0)
            t += c;
    return t;
}

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
                        [&](std::string_view v, bool) { voluti[k].push_back(Fnv1a64(v)); });
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
                        if (const uint64_t hj = Fnv1a64(kj); volute.Contiene(hj))
                            chiavi[k].push_back({hj, j});
                        PerCancellazione(kj, buf, [&](std::string_view d) {
                            if (const uint64_t hd = Fnv1a64(d); volute.Contiene(hd))
                                cancellazioni[k].push_back({hd, j});
                        });
                        // The words of the description that may be codes, and each less a
                        // character.
                        PerParolaCodice(h.ArtProd[j].Descr, chiave, [&](std::string_view p) {
                            if (const uint64_t hp = Fnv1a64(p); volute.Contiene(hp))
                                descr[k].push_back({hp, j});
                            PerCancellazione(p, buf, [&](std::string_view d) {
                                if (const uint64_t hd = Fnv1a64(d); volute.Contiene(hd))
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

} // namespace zelvano
