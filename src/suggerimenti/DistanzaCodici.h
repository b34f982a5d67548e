#pragma once
// How many slips apart two code keys are (ChiaveCodice): a character inserted, dropped or
// replaced counts one, and so do two neighbours swapped, the commonest slip in typing a
// number. A run of up to MaxPrefisso characters before the rest of either code, a maker's
// prefix put before a supplier's code, counts one as a whole.

#include <string_view>

namespace zelvano {

constexpr int MaxPrefisso = 5;

int DistanzaCodici(std::string_view a, std::string_view b);

} // namespace zelvano
