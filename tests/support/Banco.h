#pragma once
// A state opened on small files written for the test, through the real opening.

#include "FileTemporanei.h"
#include "FintaPiattaforma.h"
#include "data/StatoHome.h"

#include <string>
#include <vector>

namespace zelvano::test {

// A problem of the scripted window system, as a failure of the running GoogleTest test.
void SegnalaAGoogleTest(const std::string& problema);

struct Banco {
    // Writes the files (CR LF after every line) and opens them; the output file holds one
    // blank line unless given, so nothing is paired automatically.
    Banco(const std::vector<std::string>& righeInt, const std::vector<std::string>& righeProd,
          const std::string& output = "\r\n");

    // Opens the same three files again, as they are now, expecting these messages after the
    // dialogs.
    void Riapri(const std::vector<std::string>& messaggi = {});

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
    // Input record i, the whole catalogue on screen, then catalogue record j.
    void Scegli(int32_t i, int32_t j);
    // The cells an operation writes, joined by '|': grd1 PCDPROD|STATO|CDPROD2 of the row
    // of input record i; Grd2 PCDINT|STATO|CDINT of the row of catalogue record j.
    std::string Celle1(int32_t i) const;
    std::string Celle2(int32_t j) const;
    // The totals as the status line shows them: associated|not associable|to associate.
    std::string Totali() const;

    CartellaTemporanea cartella;
    FintaPiattaforma pf{SegnalaAGoogleTest};
    StatoHome h{pf};
    std::string fileInt, fileProd, fileOut;
};

} // namespace zelvano::test
