#pragma once
// Writes replaced supplier codes back into columns 83-112 of the input file.

namespace zelvano {

struct StatoHome;
// False when the input file was left as it was (the user has been told why).
bool AggiornaFileInt(StatoHome& h);

} // namespace zelvano
