#pragma once
// The rules that tie an input record to a catalogue record: a pair, a "not associable"
// mark, and their undoing. Each keeps the records, the counters and the modified flag
// together and tells the grids which records changed; every caller goes through these.

#include "data/Origine.h"

#include <cstdint>

namespace zelvano {

struct StatoHome;

// Input record i becomes "A" with catalogue record j, and j points back at i. By the user's
// decision (by hand or accepting a proposal) the catalogue record is marked "A" too. Pairing
// or marking an input record replaces any saved line it kept.
void Collega(StatoHome& h, int32_t i, int32_t j, Origine origine);
// Dissolves the pair of input record i (which has one) on both sides.
void Scollega(StatoHome& h, int32_t i);
// Input record i becomes "X". By hand its row says "*Non associabile", as typed at the
// time; a refill of the grid writes it with a capital A.
void Marca(StatoHome& h, int32_t i, Origine origine);
// Input record i, marked "X", is to associate again.
void Smarca(StatoHome& h, int32_t i);
// Input record i lets go of the saved line it kept (RigaSalvata): the pair it held is undone
// and the next save writes the article as still to associate.
void LasciaRigaSalvata(StatoHome& h, int32_t i);

struct ImprontaRecord;
// Puts a record back as a noted decision saw it (undo and redo). The counters are the
// caller's.
void Ripristina(StatoHome& h, bool input, int32_t k, const ImprontaRecord& impronta);

} // namespace zelvano
