#include "suggerimenti/DifferenzeCodice.h"

#include "data/Cp1252.h"
#include "suggerimenti/CodiceSuggerimenti.h"

#include <algorithm>
#include <cstdint>

namespace zelvano {

namespace {

bool Ignorato(char c) {
    return c == ' ' || c == '/' || c == '.';
}

unsigned char Maiuscola(char c) {
    return MaiuscolaCp1252(static_cast<unsigned char>(c));
}

// Costs in tenths. An O for a zero or an I for a one is half a slip: they look alike. A
// hyphen or other sign added or left out is half a slip too, so that the letters and
// digits around it line up first.
constexpr int Intero = 10, Mezzo = 5;

int CostoSostituzione(unsigned char a, unsigned char b) {
    if (a == b)
        return 0;
    const auto simili = [](unsigned char x, unsigned char y) {
        return (x == 'O' && y == '0') || (x == 'I' && y == '1');
    };
    return simili(a, b) || simili(b, a) ? Mezzo : Intero;
}

int CostoSingolo(unsigned char c) {
    return Alfanumerico1252(c) ? Intero : Mezzo;
}

enum class Passo : uint8_t { Diagonale, Scambio, SoloCliente, SoloCatalogo };

} // namespace

std::vector<bool> DifferenzeCodice(std::string_view cliente, std::string_view catalogo) {
    std::vector<bool> diversi(catalogo.size(), false);
    // The characters that take part, with their place in the catalogue code.
    std::vector<std::size_t> posCat;
    std::string a, b;
    for (char c : cliente)
        if (!Ignorato(c))
            a += static_cast<char>(Maiuscola(c));
    // Without a code of the customer's there is nothing to differ from.
    if (a.empty())
        return diversi;
    for (std::size_t k = 0; k < catalogo.size(); ++k)
        if (!Ignorato(catalogo[k])) {
            b += static_cast<char>(Maiuscola(catalogo[k]));
            posCat.push_back(k);
        }
    const std::size_t n = a.size(), m = b.size();
    const auto ca = [&](std::size_t i) { return static_cast<unsigned char>(a[i]); };
    const auto cb = [&](std::size_t j) { return static_cast<unsigned char>(b[j]); };

    // The whole table, for the way back; codes are short.
    std::vector<int> d((n + 1) * (m + 1));
    std::vector<Passo> via((n + 1) * (m + 1), Passo::Diagonale);
    const auto at = [&](std::size_t i, std::size_t j) { return i * (m + 1) + j; };
    for (std::size_t i = 1; i <= n; ++i) {
        d[at(i, 0)] = d[at(i - 1, 0)] + CostoSingolo(ca(i - 1));
        via[at(i, 0)] = Passo::SoloCliente;
    }
    for (std::size_t j = 1; j <= m; ++j) {
        d[at(0, j)] = d[at(0, j - 1)] + CostoSingolo(cb(j - 1));
        via[at(0, j)] = Passo::SoloCatalogo;
    }
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            // Ties go to the first of: diagonal, swap, customer's extra, catalogue's extra.
            int migliore = d[at(i - 1, j - 1)] + CostoSostituzione(ca(i - 1), cb(j - 1));
            Passo passo = Passo::Diagonale;
            if (i > 1 && j > 1 && ca(i - 1) == cb(j - 2) && ca(i - 2) == cb(j - 1) &&
                ca(i - 1) != cb(j - 1) && d[at(i - 2, j - 2)] + Intero < migliore) {
                migliore = d[at(i - 2, j - 2)] + Intero;
                passo = Passo::Scambio;
            }
            if (d[at(i - 1, j)] + CostoSingolo(ca(i - 1)) < migliore) {
                migliore = d[at(i - 1, j)] + CostoSingolo(ca(i - 1));
                passo = Passo::SoloCliente;
            }
            if (d[at(i, j - 1)] + CostoSingolo(cb(j - 1)) < migliore) {
                migliore = d[at(i, j - 1)] + CostoSingolo(cb(j - 1));
                passo = Passo::SoloCatalogo;
            }
            d[at(i, j)] = migliore;
            via[at(i, j)] = passo;
        }

    std::size_t i = n, j = m;
    while (i > 0 || j > 0) {
        switch (via[at(i, j)]) {
        case Passo::Diagonale:
            // Case aside, as the ranking compares codes.
            if (a[i - 1] != b[j - 1])
                diversi[posCat[j - 1]] = true;
            --i;
            --j;
            break;
        case Passo::Scambio:
            diversi[posCat[j - 1]] = true;
            diversi[posCat[j - 2]] = true;
            i -= 2;
            j -= 2;
            break;
        case Passo::SoloCliente:
            --i;
            break;
        case Passo::SoloCatalogo:
            diversi[posCat[j - 1]] = true;
            --j;
            break;
        }
    }
    return diversi;
}

} // namespace zelvano
