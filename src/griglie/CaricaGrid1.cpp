#include "griglie/CaricaGrid1.h"

#include "data/StatoHome.h"

#include <numeric>

namespace zelvano {

void CaricaGrid1(StatoHome& h) {
    // Row r shows input record r; its cells are read from the record when shown. Filled
    // anew, every mark reads "*Non Associabile", those typed by hand too.
    std::vector<int32_t> righe(static_cast<std::size_t>(std::max(h.NumInt, 0)));
    std::iota(righe.begin(), righe.end(), 1);
    for (int32_t i = 1; i <= h.NumInt; ++i)
        h.ArtInt[static_cast<std::size_t>(i)].SegnoAMano = false;
    h.grd1.SetRedraw(false);
    h.grd1.ImpostaRecord(std::move(righe));
    h.grd1.SetRedraw(true);
}

} // namespace zelvano
