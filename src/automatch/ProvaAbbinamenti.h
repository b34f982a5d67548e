#pragma once
// The automatic matching run over the whole input table.

#include <string>
#include <string_view>

namespace zelvano {

struct StatoHome;
void Esegui_provaAbbinamenti(StatoHome& h);
std::string TogliChar(std::string_view strTmp, char CharTmp);

} // namespace zelvano
