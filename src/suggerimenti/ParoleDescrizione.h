#pragma once
// The words of a description as the suggestions weigh them: runs of letters and digits,
// upper-cased, where a dot, comma or slash between two digits stays part of the number
// ("1.1/2", "3X1,5", "10.9"); blanks and every other sign only separate words, so "ACC."
// and "ACC" are one word and so are "m8x40" and "M8X40".

#include "suggerimenti/CodiceSuggerimenti.h"

#include <string>
#include <string_view>

namespace zelvano {

// Calls f(std::string_view parola, bool puntata) for each word of testo, in order, repeats
// included; puntata when a dot follows the word, as customers mark a shortened word. The
// view lives until the next call.
template <class F> void PerParola(std::string_view testo, F&& f) {
    const auto cifra = [&](std::size_t k) {
        return k < testo.size() && testo[k] >= '0' && testo[k] <= '9';
    };
    std::string parola;
    for (std::size_t k = 0; k < testo.size(); ++k) {
        const char c = testo[k];
        if (const unsigned char m = LetteraOCifra(static_cast<unsigned char>(c)); m != 0) {
            parola += static_cast<char>(m);
        } else if ((c == '.' || c == ',' || c == '/') && k > 0 && cifra(k - 1) && cifra(k + 1)) {
            parola += c;
        } else if (!parola.empty()) {
            f(std::string_view(parola), c == '.');
            parola.clear();
        }
    }
    if (!parola.empty())
        f(std::string_view(parola), false);
}

} // namespace zelvano
