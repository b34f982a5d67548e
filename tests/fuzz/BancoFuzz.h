#pragma once
// A state opened through the real opening on the three files a fuzz target writes, each
// input in a fresh folder of its own, which is also the program's folder: no layout file
// or copy of an earlier input can leak into the next.

#include "PiattaformaFuzz.h"
#include "support/FileTemporanei.h"

#include "data/StatoHome.h"

#include <string>
#include <string_view>

namespace zelvano::fuzz {

struct BancoFuzz {
    BancoFuzz();

    // Writes the input file, the catalogue and the output file as given, then opens them.
    void Apri(std::string_view input, std::string_view catalogo, std::string_view uscita);
    // Opens the same three files again, as they are now.
    void Riapri();

    test::CartellaTemporanea cartella;
    PiattaformaFuzz pf;
    StatoHome h{pf};
    std::string fileInt, fileProd, fileOut;
};

} // namespace zelvano::fuzz
