#pragma once
// A state's tables and grids as text, one line per record or row, so that a fuzz target
// compares them whole with what it expects.

#include "RiferimentoFile.h"

#include "data/Griglia.h"
#include "data/StatoHome.h"

#include <string>
#include <vector>

namespace zelvano::fuzz {

// Every field a load sets, the pairs and states left out, joined by '|'.
std::string TestoInput(const RecArticolo& r);
std::string TestoCatalogo(const RecArticolo& r);
// What a freshly read line must give, in the same form.
std::string TestoInput(const ArticoloRif& a);
std::string TestoCatalogo(const ArticoloRif& a);

// Every data row: its record, then the cells of the given columns, joined by '|'.
std::string TestoGriglia(const Griglia& g, const std::vector<const char*>& chiavi);

} // namespace zelvano::fuzz
