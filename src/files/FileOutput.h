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

// True when saved (or when no output file was chosen). A failure is shown to the user,
// leaves the old file whole, and is followed by the offer to save to another file, which
// then becomes the output file; false when the work stays unsaved, DatiModificati as it
// was.
bool SalvaArchivio(StatoHome& h);

// An output file name without .txt or .smb anywhere gets .txt.
std::string CompletaNomeOutput(std::string nome);
// Whether two paths name the same existing file.
bool StessoFile(const std::string& a, const std::string& b);
// The bytes SalvaArchivio writes.
std::string TestoFileOutput(const StatoHome& h);

} // namespace zelvano
