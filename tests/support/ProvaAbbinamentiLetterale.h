#pragma once
// The automatic run written out the plain way: for every input article a scan of the whole
// catalogue with every key made anew, and a copy through its own opening of the catalogue
// file. The fast run must give exactly what this gives; the benchmarks time both.

#include "automatch/ProvaAbbinamenti.h"

#include <cstdint>

namespace zelvano {
struct StatoHome;
}

namespace zelvano::test {

// Input records 1..fino (all when fino is negative), as ProvaAbbinamenti would.
EsitoProva ProvaAbbinamentiLetterale(StatoHome& h, int32_t fino = -1);

} // namespace zelvano::test
