#pragma once
// The totals of the two status lines: the input side's recount, and the full refresh after
// a table changed, which also refills the input grid and chooses the first article to pair.

namespace zelvano {

struct StatoHome;
void AggiornaTotAbbinati(StatoHome& h);
// The catalogue's count; copies appended by a single command wait for the full refresh.
void AggiornaTotCatalogo(StatoHome& h);
void RefreshGrideLabel(StatoHome& h);

} // namespace zelvano
