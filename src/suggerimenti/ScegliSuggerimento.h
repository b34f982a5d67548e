#pragma once
// A suggested catalogue article taken as the chosen one, exactly as choosing its row in
// Grd2 would: the code box shows its code, Grd2 shows the articles with that code, and its
// row is the chosen one. F3 then pairs it as any other.

#include <cstdint>

namespace zelvano {

struct StatoHome;

void ScegliSuggerimento(StatoHome& h, int32_t j);

} // namespace zelvano
