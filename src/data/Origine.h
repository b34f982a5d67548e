#pragma once
// Who made a pair or a mark, kept on the input record for the progress report.

#include <cstdint>

namespace zelvano {

// Who makes the change: the read-back of the output file, which restores what was saved
// and so leaves the work unmodified; the user by hand; the automatic run; or the user
// accepting proposed pairs. The input record keeps it while paired; a record that never
// went through a pairing reads as restored, the one origin the program cannot vouch for.
enum class Origine : uint8_t { Ripristino, Utente, Automatico, Proposta };

} // namespace zelvano
