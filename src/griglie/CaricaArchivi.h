#pragma once
// Tables read whole from their files take the place of the live ones, and catalogue lines
// join ArtProd one at a time.

#include "files/LetturaArchivi.h"

#include <string_view>

namespace zelvano {

struct StatoHome;

// Swap a table read whole in for the live one (records above the new count stay, as a
// load leaves them), and set the count, the file name and what follows from them.
void CaricaFileInt(StatoHome& h, TabellaLetta&& t);
void CaricaFileProd(StatoHome& h, TabellaLetta&& t);

// What the swap would otherwise allocate, done beforehand while a failure still changes
// nothing: room in t for the records an earlier, longer load left above the count of the
// live table tab.
void PreparaSostituzione(TabellaLetta& t, const std::vector<RecArticolo>& tab);

// Appends one catalogue line as record NumProd + 1.
void InserisciRiga(StatoHome& h, std::string_view rec);

} // namespace zelvano
