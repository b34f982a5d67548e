#pragma once
// The two status lines: input-side totals, and the full refresh after a table changed.

namespace zelvano {

struct StatoHome;
void AggiornaTotAbbinati(StatoHome& h);
void RefreshGrideLabel(StatoHome& h);

} // namespace zelvano
