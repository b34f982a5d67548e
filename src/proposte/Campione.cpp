#include "proposte/Campione.h"

#include "data/Testo.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace zelvano {

namespace {
// Uniform in 0..limite-1 from the generator's raw output: the library's distributions may
// draw differently from one standard library to the next, a seed must not.
uint64_t Sotto(std::mt19937_64& gen, uint64_t limite) {
    const uint64_t scarto = (0 - limite) % limite; // 2^64 mod limite
    uint64_t x = gen();
    while (x < scarto)
        x = gen();
    return x % limite;
}
} // namespace

std::vector<std::size_t> EstraiCampione(std::size_t dimensione, std::size_t n, uint64_t seme) {
    std::vector<std::size_t> posizioni(dimensione);
    std::iota(posizioni.begin(), posizioni.end(), std::size_t{0});
    std::mt19937_64 gen(seme);
    const std::size_t presi = std::min(n, dimensione);
    // The first `presi` steps of a Fisher-Yates shuffle.
    for (std::size_t k = 0; k < presi; ++k)
        std::swap(posizioni[k], posizioni[k + Sotto(gen, dimensione - k)]);
    posizioni.resize(presi);
    return posizioni;
}

Intervallo IntervalloWilson(int32_t errati, int32_t esaminati) {
    if (esaminati <= 0)
        return {0, 1};
    constexpr double z = 1.959963984540054; // two-sided 95%
    const double n = esaminati;
    const double p = static_cast<double>(errati) / n;
    const double z2 = z * z;
    const double centro = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double semi = z / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return {std::max(0.0, centro - semi), std::min(1.0, centro + semi)};
}

std::string Percento(double valore) {
    const auto decimi = static_cast<int64_t>(std::llround(valore * 10));
    return NumeroConPunti(decimi / 10) + "," + Numero(decimi % 10) + "%";
}

GiudizioCampione GiudicaCampione(int32_t errati, int32_t esaminati, double fiduciaMinima) {
    GiudizioCampione g;
    g.errore = esaminati > 0 ? static_cast<double>(errati) / esaminati : 0;
    g.intervallo = IntervalloWilson(errati, esaminati);
    const double dichiarato = (100 - fiduciaMinima) / 100;
    g.oltreDichiarato = g.intervallo.alto > dichiarato;
    g.testo = "Campione: " + Numero(errati) + (errati == 1 ? " errata" : " errate") + " su " +
              Numero(esaminati) + " (" + Percento(100 * g.errore) +
              "); intervallo al 95% (Wilson): " + Percento(100 * g.intervallo.basso) + " - " +
              Percento(100 * g.intervallo.alto);
    if (!g.oltreDichiarato)
        return g;
    // Few answers cannot confirm a small error; errors beyond it are another matter.
    if (g.intervallo.basso > dichiarato)
        g.testo += "\nAttenzione: il campione smentisce la fiducia del gruppo: l'errore \xE8 "
                   "oltre il " +
                   Percento(100 * dichiarato) + " dichiarato";
    else
        g.testo += "\nAttenzione: il campione non basta a confermare l'errore dichiarato del " +
                   Percento(100 * dichiarato) + ": l'errore potrebbe arrivare al " +
                   Percento(100 * g.intervallo.alto);
    return g;
}

} // namespace zelvano
