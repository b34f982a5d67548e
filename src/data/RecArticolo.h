#pragma once
// One article line of either file. The same ten fields serve both tables; which of them
// an input or a catalogue record uses is told beside each field.

#include "data/Origine.h"
#include "data/TestoCompatto.h"

#include <cstdint>

namespace zelvano {

struct RecArticolo {
    TestoCompatto CdInt;      // input: customer's internal code
    TestoCompatto Descr;      // both: description
    TestoCompatto CdProd;     // input: supplier code as typed; catalogue: the catalogue code
    TestoCompatto Stato;      // input: "", "A" or "X"; catalogue: "A" after a pair made by hand
    TestoCompatto Linea;      // input: columns 71-82
    int32_t PCdInt = 0;       // catalogue: index of the paired input record, 0 = free
    int32_t PCdProd = 0;      // input: index of the paired catalogue record, 0 = none
    TestoCompatto CdProdPrec; // input: CdProd before a pending replacement
    TestoCompatto LineaProd;  // catalogue: columns 39-41, untrimmed
    uint8_t Modificato = 0;   // input: CdProd replaced and not yet written back
    zelvano::Origine Origine = zelvano::Origine::Ripristino; // input: who made its pair
    // input: marked "X" by hand since grd1 was last filled; its row reads "*Non associabile",
    // as typed at the time, until the next fill writes every mark with a capital A.
    bool SegnoAMano = false;
    int32_t Gruppo = 0; // input: the accepted group of proposals that paired it, 1-based
    // input: its output file line as read, for a saved pair whose catalogue article the
    // catalogue did not offer; saved again unchanged until the user decides on the article.
    TestoCompatto RigaSalvata;
};

} // namespace zelvano
