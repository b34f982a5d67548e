#pragma once
// The counts the window's two status lines show, as the last recount left them; the window
// writes the labels from them. A side not yet counted shows nothing.

#include <cstdint>

namespace zelvano {

struct Conteggi {
    // Input side, recounted after every command that changes a pair.
    bool contatiInt = false;
    int32_t letti = 0, associati = 0, nonAssociabili = 0;
    int64_t daAssociare = 0;
    // Catalogue side, recounted only by the full refresh: copies a command appends to the
    // catalogue are counted at the next one.
    bool contatiProd = false;
    int32_t articoliProd = 0;
};

} // namespace zelvano
