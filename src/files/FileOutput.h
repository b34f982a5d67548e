#pragma once
// The output file: 54-byte lines of catalogue code, internal code, state and line code;
// read back at the opening, rewritten in full at every save.

#include "data/StatoHome.h"
#include "files/ErroreFile.h"

#include <optional>
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

// The file a path names now; not known when there is none.
IdentitaFile IdentitaDi(const std::string& percorso);
// Whether another program wrote the output file since this one last read or saved it. A
// file that is gone is not counted: writing it anew overwrites nobody's work.
bool ScrittoDaAltri(const FileAperti& file);
// Writes the whole output file at destinazione, replacing it only once the new one is
// complete (cartellaRiserva as for ScriviFileSicuro): nothing when done, otherwise why not,
// the old file left whole. Asks nothing and changes nothing in h.
std::optional<ErroreFile> ScriviFileOutput(const StatoHome& h, const std::string& destinazione,
                                           const std::string& cartellaRiserva);

// An output file name without .txt or .smb anywhere gets .txt.
std::string CompletaNomeOutput(std::string nome);
// Whether two paths name the same existing file.
bool StessoFile(const std::string& a, const std::string& b);
// The bytes ScriviFileOutput writes.
std::string TestoFileOutput(const StatoHome& h);

} // namespace zelvano
