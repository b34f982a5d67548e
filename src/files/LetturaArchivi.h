#pragma once
// The fixed-column readers of the input file and the catalogue: a whole file into a fresh
// table, without touching the live one.

#include "data/ArenaTesti.h"
#include "data/FileAperti.h"
#include "data/RecArticolo.h"
#include "data/Tabelle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

RecArticolo RecordInt(std::string_view riga);
RecArticolo RecordProd(std::string_view riga);

// A file read whole: records at 1..num, capacity dim grown from the live table's capacity
// by the same steps a load takes, their longer texts in testi. For the catalogue also where
// each line lies, what the file looked like once read, and the upper-cased codes and
// descriptions the filter searches.
struct TabellaLetta {
    std::vector<RecArticolo> rec;
    int32_t num = 0;
    int32_t dim = 0;
    ArenaTesti testi;
    std::vector<PosizioneRiga> pos;
    ImprontaFile impronta;
    TestiMaiuscoli codiciU, descrizioniU;
};

// The file is cut into pieces of this many bytes, read side by side on two threads.
constexpr int64_t BloccoLettura = int64_t{2} << 20;

// Throw ErroreFile. The result is the same for every size of piece.
TabellaLetta LeggiFileInt(const std::string& percorso, int32_t dimAttuale,
                          int64_t blocco = BloccoLettura);
TabellaLetta LeggiFileProd(const std::string& percorso, int32_t dimAttuale,
                           int64_t blocco = BloccoLettura);

} // namespace zelvano
