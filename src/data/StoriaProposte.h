#pragma once
// What the user did with proposed pairs since the opening, for the progress report: each
// group accepted and each blind sample answered. A pair keeps the number of its group
// (RecArticolo::Gruppo), so undoing and redoing an acceptance moves the counts with it.

#include <cstdint>
#include <string>
#include <vector>

namespace zelvano {

// A blind sample of a group: how many proposals the user judged, how many were wrong.
struct CampioneGiudicato {
    std::string gruppo; // the group's caption, Windows-1252
    int32_t esaminati = 0, errati = 0;
    double fiduciaMinima = 0;
};

struct GruppoAccettato {
    std::string descrizione; // the group's caption when it was accepted
    int32_t accettate = 0, saltate = 0;
    // The wrong pairs to expect among the accepted ones by their own confidence.
    double erratiAttesi = 0;
    int32_t campione = -1; // its sample in StoriaProposte::campioni, -1 when none
};

struct StoriaProposte {
    uint64_t apertura = 0; // the opening it belongs to: another one starts afresh
    std::vector<GruppoAccettato> accettati;
    std::vector<CampioneGiudicato> campioni;
};

} // namespace zelvano
