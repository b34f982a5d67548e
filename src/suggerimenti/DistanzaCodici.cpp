#include "suggerimenti/DistanzaCodici.h"

#include <algorithm>
#include <array>

namespace zelvano {

int DistanzaCodici(std::string_view a, std::string_view b) {
    // Fields are at most 30 bytes; what a longer text holds past this adds one per byte.
    constexpr std::size_t Max = 63;
    const int oltre = static_cast<int>(std::max(a.size(), Max) - Max) +
                      static_cast<int>(std::max(b.size(), Max) - Max);
    a = a.substr(0, Max);
    b = b.substr(0, Max);
    const std::size_t n = a.size(), m = b.size();
    // Three rows of the table: the transposition looks two rows back.
    std::array<std::array<int, Max + 1>, 3> riga{};
    // Leaving out the first k characters of one code: a prefix of up to MaxPrefisso costs
    // one, each character past it one more.
    const auto bordo = [](std::size_t k) {
        const int n = static_cast<int>(k);
        return std::min(n, 1 + std::max(0, n - MaxPrefisso));
    };
    for (std::size_t j = 0; j <= m; ++j)
        riga[0][j] = bordo(j);
    for (std::size_t i = 1; i <= n; ++i) {
        auto& cur = riga[i % 3];
        const auto& su = riga[(i - 1) % 3];
        const auto& su2 = riga[(i + 1) % 3]; // row i - 2
        cur[0] = bordo(i);
        for (std::size_t j = 1; j <= m; ++j) {
            int d = std::min(su[j] + 1, cur[j - 1] + 1);
            d = std::min(d, su[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1));
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, su2[j - 2] + 1);
            cur[j] = d;
        }
    }
    return riga[n % 3][m] + oltre;
}

} // namespace zelvano
