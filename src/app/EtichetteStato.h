#pragma once
// The texts of the window's two status lines: fixed captions beside the file names and the
// totals the state last counted. Windows-1252 bytes, as the core's.

#include <array>
#include <string>

namespace zelvano {
struct StatoHome;
}

std::array<std::string, 11> TestiEtichetteInt(const zelvano::StatoHome& h);
std::array<std::string, 6> TestiEtichetteProd(const zelvano::StatoHome& h);
