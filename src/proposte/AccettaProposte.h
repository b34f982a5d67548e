#pragma once
// Accepting proposed pairs: a whole group as one decision, paired through the same rule as
// a pair made by hand, so that one Ctrl+Z takes it back. Nothing is written to disk.

#include "proposte/Proposte.h"

#include <cstdint>

namespace zelvano {

struct StatoHome;

struct EsitoAccettazione {
    int32_t accettate = 0;
    // Proposals passed over because since they were made their catalogue article was
    // taken, or their input article was paired or marked "X".
    int32_t saltate = 0;
};

// Pairs every still valid proposal of g. campione is the group's judged sample in
// h.Proposte.campioni, -1 when none was taken.
EsitoAccettazione AccettaGruppo(StatoHome& h, const GruppoProposte& g, int32_t campione = -1);

// Notes a judged blind sample of g for the report; returns its place for AccettaGruppo.
int32_t RegistraCampione(StatoHome& h, const GruppoProposte& g, int32_t esaminati, int32_t errati);

} // namespace zelvano
