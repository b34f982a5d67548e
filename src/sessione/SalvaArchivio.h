#pragma once
// F1: the pairs written to the output file, with the questions a save may need.

namespace zelvano {

struct StatoHome;

// True when saved (or when no output file was chosen). A file another program wrote since
// the opening or the last save is overwritten only if the user says so. A failure is shown
// to the user, leaves the old file whole, and is followed by the offer to save to another
// file, which then becomes the output file; false when the work stays unsaved,
// DatiModificati as it was.
bool SalvaArchivio(StatoHome& h);

} // namespace zelvano
