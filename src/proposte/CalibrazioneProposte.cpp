#include "proposte/CalibrazioneProposte.h"

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
        return 100.0 * (c.giusti + 1.0) / (c.tutte + 2.0);
    }
    return Ignota;
}

} // namespace zelvano
