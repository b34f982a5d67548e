#include "proposte/CalibrazioneProposte.h"

#include <algorithm>
#include <cmath>

namespace zelvano {

namespace {

struct Conta {
    Ragione ragione;
    uint8_t prova;
    uint32_t giusti, tutte;
};

// Proposals right and made, per reason and evidence, summed over the files the proposals
// were calibrated on (bench/README.md says which and how to measure them again).
constexpr Conta Misurate[] = {
#include "proposte/CalibrazioneMisurata.inc"
    {Ragione::SoloDescrizione, NumProve, 0, 0}, // closes the list; no proposal has this
};

// Fewer proposals than this say too little to stand on.
constexpr uint32_t MinMisurate = 5;
// The confidence where the measure saw too little.
constexpr double Ignota = 50;

} // namespace

double FiduciaProposta(Ragione ragione, uint8_t prova) {
    for (const Conta& c : Misurate) {
        if (c.ragione != ragione || c.prova != prova)
            continue;
        if (c.tutte < MinMisurate)
            return Ignota;
        // Wilson's lower bound, one-sided 95%.
        constexpr double z = 1.645;
        const double n = c.tutte, p = c.giusti / n, z2 = z * z;
        const double basso =
            (p + z2 / (2 * n) - z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n))) / (1 + z2 / n);
        return std::max(Ignota, 100 * basso);
    }
    return Ignota;
}

} // namespace zelvano
