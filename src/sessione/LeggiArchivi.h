#pragma once
// The opening: three file dialogs, both article files into the tables, the stored pairs
// back from the output file, then the full refresh.

#include <string>

namespace zelvano {

struct StatoHome;

void LeggiArchivi(StatoHome& h);
std::string ApriFile(StatoHome& h, const std::string& TitoloDialogo, const std::string& Filtro);
std::string Salva(StatoHome& h);

} // namespace zelvano
