#pragma once
// The output file: 54-byte lines of catalogue code, internal code, state and line code;
// read back at the opening, rewritten in full at every save.

#include "data/StatoHome.h"

#include <string>
#include <vector>

namespace zelvano {

// The output file's lines, and the file as it was when they were read.
struct FileOutputLetto {
    std::vector<std::string> righe;
    IdentitaFile identita;
};

// What a read-back could not restore: saved pairs whose catalogue code no free catalogue
// record bears. Their articles stay to associate and keep their lines (RigaSalvata).
struct EsitoRipristino {
    int32_t sospesi = 0;
    std::vector<std::string> codici; // the first few different codes, in file order
    bool altriCodici = false;        // more codes than those
};

// Read first, applied once every file is read, so that an opening that fails changes
// nothing. Reading throws ErroreFile when the file cannot be read.
FileOutputLetto LeggiFileOutput(const std::string& percorso);
EsitoRipristino ApplicaFileOutput(StatoHome& h, const FileOutputLetto& letto);

// True when saved (or when no output file was chosen). A file another program wrote since
// the opening or the last save is overwritten only if the user says so. A failure is shown
// to the user, leaves the old file whole, and is followed by the offer to save to another
// file, which then becomes the output file; false when the work stays unsaved,
// DatiModificati as it was.
bool SalvaArchivio(StatoHome& h);

// An output file name without .txt or .smb anywhere gets .txt.
std::string CompletaNomeOutput(std::string nome);
// Whether two paths name the same existing file.
bool StessoFile(const std::string& a, const std::string& b);
// The bytes SalvaArchivio writes.
std::string TestoFileOutput(const StatoHome& h);

} // namespace zelvano
