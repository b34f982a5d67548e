#pragma once
// The fixed-column readers of the input file and the catalogue: a whole file into a fresh
// table, without touching the live one.

#include "data/RecArticolo.h"
#include "data/StatoHome.h"
#include "data/Tabelle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

RecArticolo RecordInt(std::string_view riga);
RecArticolo RecordProd(std::string_view riga);

// A file read whole: records at 1..num, capacity dim grown from the live table's capacity
// by the same steps a load takes. For the catalogue also where each line lies and what the
// file looked like once read.
struct TabellaLetta {
    std::vector<RecArticolo> rec;
    int32_t num = 0;
    int32_t dim = 0;
    std::vector<PosizioneRiga> pos;
    ImprontaFile impronta;
    // The catalogue's upper-cased codes and descriptions, when made before the swap.
    TestiMaiuscoli codiciU, descrizioniU;
    bool maiuscoliPronti = false;
};

// Throw ErroreFile.
TabellaLetta LeggiFileInt(const std::string& percorso, int32_t dimAttuale);
TabellaLetta LeggiFileProd(const std::string& percorso, int32_t dimAttuale);

} // namespace zelvano
