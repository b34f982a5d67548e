#pragma once
// Pairing the chosen input article with the chosen catalogue article, marking it as not
// associable, and undoing either; grids, records and counters move together.

#include <cstdint>

namespace zelvano {

struct StatoHome;

void Associa(StatoHome& h);
void NonAssociabile(StatoHome& h);
void DisAssocia(StatoHome& h);
void AnnullaAssoc(StatoHome& h, int32_t tmpPCDINT);

} // namespace zelvano
