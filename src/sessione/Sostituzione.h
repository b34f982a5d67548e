#pragma once
// Find and replace in the customer's supplier codes, written back into the input file
// once the user confirms.

namespace zelvano {

struct StatoHome;

// The menu command: the find-and-replace window, then the replacement.
void SostituisciCodiciFornitore(StatoHome& h);
// False when the user left the window without "Esegui": the stored values stay as they were.
bool ApriRicercaTesto(StatoHome& h);
void EseguiSostituzione(StatoHome& h);
// The replaced codes written into the input file; false when it was left as it was, and
// the user has been told why.
bool ScriviCodiciNelFile(StatoHome& h);

} // namespace zelvano
