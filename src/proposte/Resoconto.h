#pragma once
// The progress report: how the input articles came to be paired (automatically, through
// each accepted group of proposals, by hand, restored from the output file), how many are
// marked "X" and how many are still to do, what the blind samples found, and how many of
// the accepted pairs are likely wrong. Plain text, Windows-1252, one fact a line.

#include <string>

namespace zelvano {

struct StatoHome;

std::string Resoconto(const StatoHome& h);

} // namespace zelvano
