#pragma once
// The automatic matching run over the whole input table: every input article without a
// pair takes the first free catalogue article whose code equals its supplier code once
// blanks, slashes and dots are gone; when all such articles are taken the last of them is
// copied and the copy is paired.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvano {

class BarraProgresso;
struct StatoHome;

struct EsitoProva {
    int32_t associati = 0;
    int32_t copie = 0;
    // Articles left unpaired because the copy of their catalogue line could not be made,
    // and why the first of them could not.
    int32_t senzaCopia = 0;
    std::string motivo;
};

// Runs the pass under the progress window, then tells the user of any copy that failed.
EsitoProva AbbinaAutomaticamente(StatoHome& h);
// The pass itself; the progress window calls it once it is up.
EsitoProva ProvaAbbinamenti(StatoHome& h, BarraProgresso& barra);

// The code as the run compares it: without blanks, then slashes, then dots; case kept.
void ChiaveAbbinamento(std::string_view codice, std::string& chiave);

} // namespace zelvano
