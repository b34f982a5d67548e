#pragma once
// Find and replace in the customer's supplier codes, written back into the input file
// once the user confirms.

namespace zelvano {

struct StatoHome;

// The menu command: the find-and-replace window, then the replacement.
void mnuSostituisci_Click(StatoHome& h);
// False when the user left the window without "Esegui": the stored values stay as they were.
bool ApriRicercaTesto(StatoHome& h);
void EseguiSostituzione(StatoHome& h);

} // namespace zelvano
