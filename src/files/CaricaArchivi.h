#pragma once
// The fixed-column readers of the input file and the catalogue.

#include "data/RecArticolo.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

struct StatoHome;

RecArticolo RecordInt(std::string_view riga);
RecArticolo RecordProd(std::string_view riga);

// A file read whole into a fresh table: records at 1..num, capacity dim grown from the
// live table's capacity by the same steps a load takes.
struct TabellaLetta {
    std::vector<RecArticolo> rec;
    int32_t num = 0;
    int32_t dim = 0;
};

// Throw ErroreFile; the live tables are not touched.
TabellaLetta LeggiFileInt(const std::string& percorso, int32_t dimAttuale);
TabellaLetta LeggiFileProd(const std::string& percorso, int32_t dimAttuale);

// Swap a table read whole in for the live one (records above the new count stay, as a
// load leaves them), and set the count, the file name and what follows from them.
void CaricaFileInt(StatoHome& h, TabellaLetta&& t);
void CaricaFileProd(StatoHome& h, TabellaLetta&& t);

// The upper-cased catalogue codes and descriptions the filter searches, made anew from
// ArtProd.
void RicostruisciMaiuscoli(StatoHome& h);

// Appends one catalogue line as record NumProd + 1.
void InserisciRiga(StatoHome& h, std::string_view rec);

} // namespace zelvano
