#pragma once
// The output file: 54-byte lines of catalogue code, internal code, state and line code;
// read back at the opening, rewritten in full at every save.

#include <string>
#include <vector>

namespace zelvano {

struct StatoHome;

// Reads FileOut back into the tables. Throws ErroreFile when it cannot be read.
void VerificaFileOutput(StatoHome& h);
// The two halves of it, so that an opening reads every file before it changes anything.
std::vector<std::string> LeggiFileOutput(const std::string& percorso);
void ApplicaFileOutput(StatoHome& h, const std::vector<std::string>& righe);

// True when saved (or when no output file was chosen); a failure is shown to the user and
// leaves the old file whole and DatiModificati as it was.
bool SalvaArchivio(StatoHome& h);
// The bytes SalvaArchivio writes.
std::string TestoFileOutput(const StatoHome& h);

} // namespace zelvano
