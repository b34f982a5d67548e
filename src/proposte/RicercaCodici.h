#pragma once
// The catalogue looked up by what the customers' codes ask for: each catalogue key (as the
// suggestions make it, ChiaveCodice) and each key less one character, and the words of the
// descriptions that may be codes, likewise; kept only where some customer's code, its key
// less a character, or its key once a maker's prefix or a suffix is gone asks for them, so
// a slip costs a few look-ups. Built once per set of proposals, on a few threads.

#include "data/Fnv.h"
#include "suggerimenti/CodiceSuggerimenti.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

class IndiceSuggerimenti;
struct StatoHome;

// The shortest code key looked for among slips, prefixes and description words: shorter
// ones are one slip away from too many codes.
constexpr std::size_t MinChiave = 3, MinChiaveInDescrizione = 4;

// Whether a text holds a digit; only the letters and digits of a text.
bool ConCifra(std::string_view s);
std::string SoloLettereCifre(std::string_view s);
// Whether two different texts are one slip apart: a character replaced, added or dropped,
// or two neighbours swapped.
bool UnoScarto(std::string_view a, std::string_view b);

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

// For the customer articles daProporre: the catalogue records 1..min(Conta, NumProd) their
// codes may mean.
Ricerca Prepara(const IndiceSuggerimenti& x, const StatoHome& h,
                const std::vector<int32_t>& daProporre);

} // namespace zelvano
