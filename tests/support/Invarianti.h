#pragma once
// What must hold after every operation on the window's state: every pair mutual, no
// catalogue record paired twice, a saved line kept only by an article still to associate,
// the counters and the totals shown equal a recount, and each chosen row shows the chosen
// record and is the one highlighted.

#include "data/StatoHome.h"

#include <string>

namespace zelvano::test {

// Each broken rule on a line of its own; empty when all hold.
std::string Violazioni(const StatoHome& h);

// Pairs and states of every record, as text: equal texts, equal work. An input record that
// keeps a saved line shows "S".
std::string Abbinamenti(const StatoHome& h);

} // namespace zelvano::test
