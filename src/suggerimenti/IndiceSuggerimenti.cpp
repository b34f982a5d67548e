#include "suggerimenti/IndiceSuggerimenti.h"

#include "data/Fnv.h"
#include "data/StatoHome.h"
#include "suggerimenti/CodiceSuggerimenti.h"
#include "suggerimenti/ParoleDescrizione.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zelvano {

namespace {

// Past this many records added since the build, the next Aggiorna builds anew: the ranking
// looks at added records one by one.
int32_t MaxAggiunti(int32_t base) {
    return std::max<int32_t>(2048, base / 32);
}

// Calls f with the text and with each way of dropping one of its bytes.
template <class F> void PerVariante(std::string_view s, F&& f) {
    f(s);
    std::string v;
    for (std::size_t k = 0; k < s.size(); ++k) {
        v.assign(s.substr(0, k));
        v.append(s.substr(k + 1));
        f(std::string_view(v));
    }
}

// Whether two different words are one slip apart: one byte replaced, added or dropped, or
// two neighbours swapped.
bool UnoScarto(std::string_view a, std::string_view b) {
    if (a.size() > b.size())
        std::swap(a, b);
    std::size_t k = 0;
    while (k < a.size() && a[k] == b[k])
        ++k;
    if (a.size() + 1 == b.size())
        return a.substr(k) == b.substr(k + 1);
    if (a.size() != b.size() || k == a.size())
        return false;
    if (a.substr(k + 1) == b.substr(k + 1))
        return true;
    return k + 1 < a.size() && a[k] == b[k + 1] && a[k + 1] == b[k] &&
           a.substr(k + 2) == b.substr(k + 2);
}

// The distinct words met while building, numbered in the order first met.
class VocabolarioProvvisorio {
  public:
    VocabolarioProvvisorio() : posti_(1u << 16, 0) {}

    uint32_t Numero(std::string_view parola) {
        const uint32_t h = Fnv1a32(parola);
        std::size_t k = h & (posti_.size() - 1);
        while (posti_[k] != 0) {
            const uint32_t w = posti_[k] - 1;
            if (hash_[w] == h && Parola(w) == parola)
                return w;
            k = (k + 1) & (posti_.size() - 1);
        }
        const auto w = static_cast<uint32_t>(hash_.size());
        testo_.append(parola);
        fine_.push_back(static_cast<uint32_t>(testo_.size()));
        hash_.push_back(h);
        posti_[k] = w + 1;
        if (hash_.size() * 2 > posti_.size())
            Raddoppia();
        return w;
    }
    uint32_t Conta() const { return static_cast<uint32_t>(hash_.size()); }
    std::string_view Parola(uint32_t w) const {
        return std::string_view(testo_).substr(fine_[w], fine_[w + 1] - fine_[w]);
    }

  private:
    void Raddoppia() {
        std::vector<uint32_t> nuovi(posti_.size() * 2, 0);
        for (uint32_t w = 0; w < Conta(); ++w) {
            std::size_t k = hash_[w] & (nuovi.size() - 1);
            while (nuovi[k] != 0)
                k = (k + 1) & (nuovi.size() - 1);
            nuovi[k] = w + 1;
        }
        posti_.swap(nuovi);
    }

    std::vector<uint32_t> posti_; // word + 1, 0 = free
    std::string testo_;
    std::vector<uint32_t> fine_{0};
    std::vector<uint32_t> hash_;
};

template <class T> std::size_t ByteDi(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

} // namespace

void IndiceSuggerimenti::Aggiorna(const StatoHome& h) {
    if (!costruito_ || apertura_ != h.Apertura || h.NumProd < conta_ ||
        h.NumProd - contaBase_ > MaxAggiunti(contaBase_)) {
        Costruisci(h);
        return;
    }
    for (int32_t j = conta_ + 1; j <= h.NumProd; ++j)
        Aggiungi(h, j);
}

void IndiceSuggerimenti::Costruisci(const StatoHome& h) {
    const int32_t n = h.NumProd;
    const auto N = static_cast<std::size_t>(n);
    costruito_ = true;
    apertura_ = h.Apertura;
    conta_ = contaBase_ = n;

    // Code keys.
    std::size_t byteCodici = 0;
    for (int32_t j = 1; j <= n; ++j)
        byteCodici += h.ArtProd[j].CdProd.size();
    chiavi_.clear();
    chiavi_.reserve(byteCodici);
    fineChiave_.assign(1, 0);
    fineChiave_.reserve(N + 1);
    for (int32_t j = 1; j <= n; ++j) {
        AccodaChiaveCodice(h.ArtProd[j].CdProd, chiavi_);
        fineChiave_.push_back(static_cast<uint32_t>(chiavi_.size()));
    }
    chiavi_.shrink_to_fit();

    // Trigrams: each record's distinct ones, counted, then placed, so each list is one
    // stretch of a single array.
    std::vector<uint32_t> trigrammi;
    std::vector<uint32_t> fineTrigrammi(N + 1, 0);
    trigrammi.reserve(chiavi_.size() + N);
    inizioTrigramma_.assign(NumTrigrammi + 1, 0);
    for (int32_t j = 1; j <= n; ++j) {
        const std::size_t inizio = trigrammi.size();
        PerTrigramma(Chiave(j), [&](uint32_t x) {
            if (std::find(trigrammi.begin() + static_cast<std::ptrdiff_t>(inizio), trigrammi.end(),
                          x) == trigrammi.end()) {
                trigrammi.push_back(x);
                ++inizioTrigramma_[x + 1];
            }
        });
        fineTrigrammi[static_cast<std::size_t>(j)] = static_cast<uint32_t>(trigrammi.size());
    }
    std::partial_sum(inizioTrigramma_.begin(), inizioTrigramma_.end(), inizioTrigramma_.begin());
    recordTrigramma_.assign(inizioTrigramma_.back(), 0);
    {
        std::vector<uint32_t> posto(inizioTrigramma_.begin(), inizioTrigramma_.end() - 1);
        for (int32_t j = 1; j <= n; ++j)
            for (uint32_t k = fineTrigrammi[static_cast<std::size_t>(j) - 1];
                 k < fineTrigrammi[static_cast<std::size_t>(j)]; ++k)
                recordTrigramma_[posto[trigrammi[k]]++] = j;
    }
    trigrammi = {};
    fineTrigrammi = {};

    // Description words: each record's distinct words, numbered as first met...
    VocabolarioProvvisorio voc;
    std::vector<uint32_t> parole;
    std::vector<uint32_t> finePerRecord(N + 1, 0);
    parole.reserve(N * 6);
    for (int32_t j = 1; j <= n; ++j) {
        const std::size_t inizio = parole.size();
        PerParola(h.ArtProd[j].Descr,
                  [&](std::string_view p, bool) { parole.push_back(voc.Numero(p)); });
        std::sort(parole.begin() + static_cast<std::ptrdiff_t>(inizio), parole.end());
        parole.erase(
            std::unique(parole.begin() + static_cast<std::ptrdiff_t>(inizio), parole.end()),
            parole.end());
        finePerRecord[static_cast<std::size_t>(j)] = static_cast<uint32_t>(parole.size());
    }
    // ...then renumbered in byte order, so a prefix is a range of numbers.
    const uint32_t V = voc.Conta();
    std::vector<uint32_t> ordine(V);
    std::iota(ordine.begin(), ordine.end(), 0u);
    std::sort(ordine.begin(), ordine.end(),
              [&](uint32_t a, uint32_t b) { return voc.Parola(a) < voc.Parola(b); });
    std::vector<uint32_t> rango(V);
    testoParole_.clear();
    inizioParola_.assign(1, 0);
    inizioParola_.reserve(V + 1);
    for (uint32_t r = 0; r < V; ++r) {
        rango[ordine[r]] = r;
        testoParole_.append(voc.Parola(ordine[r]));
        inizioParola_.push_back(static_cast<uint32_t>(testoParole_.size()));
    }
    testoParole_.shrink_to_fit();
    for (uint32_t& w : parole)
        w = rango[w];

    inizioRecordParola_.assign(V + 1, 0);
    for (uint32_t w : parole)
        ++inizioRecordParola_[w + 1];
    std::partial_sum(inizioRecordParola_.begin(), inizioRecordParola_.end(),
                     inizioRecordParola_.begin());
    recordParola_.assign(parole.size(), 0);
    {
        std::vector<uint32_t> posto(inizioRecordParola_.begin(), inizioRecordParola_.end() - 1);
        for (int32_t j = 1; j <= n; ++j)
            for (uint32_t k = finePerRecord[static_cast<std::size_t>(j) - 1];
                 k < finePerRecord[static_cast<std::size_t>(j)]; ++k)
                recordParola_[posto[parole[k]]++] = j;
    }
    rarita_.resize(V);
    for (uint32_t w = 0; w < V; ++w) {
        const double df = inizioRecordParola_[w + 1] - inizioRecordParola_[w];
        rarita_[w] = static_cast<float>(std::log(1.0 + static_cast<double>(n) / df));
    }
    pesoDescr_.assign(N + 1, 0.0F);
    for (int32_t j = 1; j <= n; ++j) {
        float peso = 0;
        for (uint32_t k = finePerRecord[static_cast<std::size_t>(j) - 1];
             k < finePerRecord[static_cast<std::size_t>(j)]; ++k)
            peso += rarita_[parole[k]];
        pesoDescr_[static_cast<std::size_t>(j)] = peso;
    }
    rarita_.shrink_to_fit();
    CostruisciVarianti();
    paroleAggiunte_.clear();
    paroleAggiunte_.shrink_to_fit();
    inizioAggiunte_.assign(1, 0);
}

void IndiceSuggerimenti::Aggiungi(const StatoHome& h, int32_t j) {
    AccodaChiaveCodice(h.ArtProd[j].CdProd, chiavi_);
    fineChiave_.push_back(static_cast<uint32_t>(chiavi_.size()));
    const std::size_t inizio = paroleAggiunte_.size();
    PerParola(h.ArtProd[j].Descr, [&](std::string_view p, bool) {
        // A word the catalogue lacked at the build cannot be asked for by a term anyway.
        if (const uint32_t w = Parola(p); w != NessunaParola)
            paroleAggiunte_.push_back(w);
    });
    std::sort(paroleAggiunte_.begin() + static_cast<std::ptrdiff_t>(inizio), paroleAggiunte_.end());
    paroleAggiunte_.erase(std::unique(paroleAggiunte_.begin() + static_cast<std::ptrdiff_t>(inizio),
                                      paroleAggiunte_.end()),
                          paroleAggiunte_.end());
    inizioAggiunte_.push_back(static_cast<uint32_t>(paroleAggiunte_.size()));
    float peso = 0;
    for (std::size_t k = inizio; k < paroleAggiunte_.size(); ++k)
        peso += rarita_[paroleAggiunte_[k]];
    pesoDescr_.push_back(peso);
    conta_ = j;
}

void IndiceSuggerimenti::CostruisciVarianti() {
    varianti_.clear();
    const auto V = static_cast<uint32_t>(rarita_.size());
    for (uint32_t w = 0; w < V; ++w)
        if (TestoParola(w).size() >= MinSimile)
            PerVariante(TestoParola(w), [&](std::string_view v) {
                varianti_.push_back(static_cast<uint64_t>(Fnv1a32(v)) << 32 | w);
            });
    std::sort(varianti_.begin(), varianti_.end());
    varianti_.shrink_to_fit();
}

void IndiceSuggerimenti::Simili(std::string_view parola, std::vector<uint32_t>& simili) const {
    simili.clear();
    if (parola.size() < MinSimile)
        return;
    PerVariante(parola, [&](std::string_view v) {
        const uint64_t h = static_cast<uint64_t>(Fnv1a32(v)) << 32;
        for (auto it = std::lower_bound(varianti_.begin(), varianti_.end(), h);
             it != varianti_.end() && (*it & ~uint64_t{0xFFFFFFFF}) == h; ++it) {
            const auto w = static_cast<uint32_t>(*it);
            if (UnoScarto(parola, TestoParola(w)) &&
                std::find(simili.begin(), simili.end(), w) == simili.end())
                simili.push_back(w);
        }
    });
    std::sort(simili.begin(), simili.end());
}

std::span<const uint32_t> IndiceSuggerimenti::ParoleAggiunte(int32_t j) const {
    return Tratto(paroleAggiunte_, inizioAggiunte_, static_cast<uint32_t>(j - contaBase_ - 1),
                  static_cast<uint32_t>(j - contaBase_));
}

uint32_t IndiceSuggerimenti::Parola(std::string_view parola) const {
    const auto [da, a] = ConPrefisso(parola);
    if (da < a &&
        std::string_view(testoParole_)
                .substr(inizioParola_[da], inizioParola_[da + 1] - inizioParola_[da]) == parola)
        return da;
    return NessunaParola;
}

std::pair<uint32_t, uint32_t> IndiceSuggerimenti::ConPrefisso(std::string_view prefisso) const {
    const auto V = static_cast<uint32_t>(rarita_.size());
    const auto parola = [&](uint32_t w) { return TestoParola(w); };
    // First word not below the prefix, then first word past every word starting with it.
    uint32_t lo = 0, hi = V;
    while (lo < hi) {
        const uint32_t mid = lo + (hi - lo) / 2;
        if (parola(mid) < prefisso)
            lo = mid + 1;
        else
            hi = mid;
    }
    uint32_t fine = lo;
    hi = V;
    while (fine < hi) {
        const uint32_t mid = fine + (hi - fine) / 2;
        if (parola(mid).substr(0, prefisso.size()) == prefisso)
            fine = mid + 1;
        else
            hi = mid;
    }
    return {lo, fine};
}

std::size_t IndiceSuggerimenti::Byte() const {
    return chiavi_.capacity() + ByteDi(fineChiave_) + ByteDi(inizioTrigramma_) +
           ByteDi(recordTrigramma_) + testoParole_.capacity() + ByteDi(inizioParola_) +
           ByteDi(inizioRecordParola_) + ByteDi(recordParola_) + ByteDi(rarita_) +
           ByteDi(varianti_) + ByteDi(pesoDescr_) + ByteDi(paroleAggiunte_) +
           ByteDi(inizioAggiunte_);
}

} // namespace zelvano
