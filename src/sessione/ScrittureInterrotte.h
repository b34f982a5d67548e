#pragma once
// At the opening: the files about to be read are made whole again where a rewrite of them
// in place was cut short, and the user is told what each now holds.

#include <string>
#include <vector>

namespace zelvano {

struct StatoHome;

// False when one of them could not be made whole: it must not be read (the user has been
// told why).
bool RiprendiScrittureInterrotte(StatoHome& h, const std::vector<std::string>& file);

} // namespace zelvano
