#pragma once
// A supplier code as the suggestions compare it: upper case, letters and digits only (so
// blanks, hyphens, slashes and dots drop out), the letter O read as a zero and I as a one,
// and no leading zeros in a number. Customers type codes with all of these differences
// and mean the same article.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelvano {

// A Windows-1252 byte that is a letter or a digit.
bool Alfanumerico1252(unsigned char b);
// The same byte upper-cased when it is a letter or a digit, 0 otherwise: one look-up for
// the loops over whole catalogues.
extern const std::array<unsigned char, 256> LettereECifre;
inline unsigned char LetteraOCifra(unsigned char b) {
    return LettereECifre[b];
}

// Appends the compared form of codice to chiave.
void AccodaChiaveCodice(std::string_view codice, std::string& chiave);
std::string ChiaveCodice(std::string_view codice);

// The trigrams of a key framed by a start and an end mark, each as a number below
// NumTrigrammi; a key of n characters has n of them. Bytes other than A-Z and 0-9 share one
// symbol: they are rare in codes, and the edit distance that follows tells them apart.
constexpr uint32_t SimboliTrigrammi = 38;
constexpr uint32_t NumTrigrammi = SimboliTrigrammi * SimboliTrigrammi * SimboliTrigrammi;
template <class F> void PerTrigramma(std::string_view chiave, F&& f);

// -- implementation --

inline uint32_t SimboloTrigramma(unsigned char b) {
    if (b >= '0' && b <= '9')
        return 1 + (b - '0');
    if (b >= 'A' && b <= 'Z')
        return 11 + (b - 'A');
    return 37;
}

template <class F> void PerTrigramma(std::string_view chiave, F&& f) {
    const std::size_t n = chiave.size();
    auto simbolo = [&](std::size_t k) -> uint32_t { // k counts from the start mark
        if (k == 0 || k == n + 1)
            return 0;
        return SimboloTrigramma(static_cast<unsigned char>(chiave[k - 1]));
    };
    for (std::size_t k = 0; k < n; ++k)
        f((simbolo(k) * SimboliTrigrammi + simbolo(k + 1)) * SimboliTrigrammi + simbolo(k + 2));
}

} // namespace zelvano
