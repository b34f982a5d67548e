#pragma once
// A state opened on small files written for the test, through the real opening.

#include "FileTemporanei.h"
#include "FintaPiattaforma.h"
#include "data/StatoHome.h"

#include <string>
#include <vector>

namespace zelvano::test {

struct Banco {
    // Writes the files (CR LF after every line) and opens them; the output file holds one
    // blank line unless given, so nothing is paired automatically.
    Banco(const std::vector<std::string>& righeInt, const std::vector<std::string>& righeProd,
          const std::string& output = "\r\n");

    // Reads the grid's cell of the data row showing input record i (grd1) or catalogue
    // record j (Grd2), by key.
    std::string Cella1(int32_t i, const char* chiave) const;
    std::string Cella2(int32_t j, const char* chiave) const;
    int Riga2(int32_t j) const;
    // Makes the row of catalogue record j the chosen one, as a click does.
    void Scegli2(int32_t j);
    // Chooses input record i, as a click on its row does.
    void Scegli1(int32_t i);
    // Shows the whole catalogue in Grd2, as a user clearing the code box does.
    void TuttoIlCatalogo();

    CartellaTemporanea cartella;
    FintaPiattaforma pf;
    StatoHome h{pf};
    std::string fileInt, fileProd, fileOut;
};

} // namespace zelvano::test
