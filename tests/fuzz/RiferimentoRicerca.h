#pragma once
// The catalogue filter and the replacement of supplier codes written the plain way, for
// the fuzz targets to hold the program against. Upper-casing is the program's own: only
// the way both sides are compared is restated here.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano::fuzz {

// B occurs in A as a contiguous piece; an empty B is in every non-empty A and in no empty A.
bool ContieneRif(std::string_view a, std::string_view b);

// The catalogue indexes 1..n (codici and descrizioni 1-based, index 0 unused) that pass the
// code box and the description box, with the combo's item indice (1 is "OR"; 0 or -1 is
// "AND"), in index order.
std::vector<int32_t> FiltroRif(const std::vector<std::string>& codici,
                               const std::vector<std::string>& descrizioni, std::string_view txtCod,
                               std::string_view txtDescr, int indice);

// The new code c gets from find text f and replacement r (both as stored, upper-cased) by
// method modo (0 "Contiene", 1 "Inizia", 2 "Finisce"); false when the code stays alone.
bool SostituzioneRif(std::string_view c, std::string_view f, std::string_view r, int modo,
                     std::string& nuovo);

} // namespace zelvano::fuzz
