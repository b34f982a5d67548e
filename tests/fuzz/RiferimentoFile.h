#pragma once
// The file formats written the plain way, for the fuzz targets to hold the program against:
// bytes into lines, lines into fixed-column fields, the output file's lines, and the rewrite
// of the supplier codes in the input file. Slow and obvious on purpose.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano::fuzz {

// Lines end at CR LF, LF or a lone CR; a last line without a line end counts; the final
// line end adds no line.
std::vector<std::string> RigheRif(std::string_view byte);
// Whether a file of these bytes ends with a line end (an empty one counts as ending so).
bool FinisceACapoRif(std::string_view byte);

// Columns da..a (1-based) of the line padded with 200 blanks; columns past the padded line
// are simply not there.
std::string ColonneRif(std::string_view riga, std::size_t da, std::size_t a);
// Leading and trailing blanks removed, nothing else.
std::string TrimRif(std::string testo);

struct ArticoloRif {
    std::string CdInt, Descr, Linea, CdProd, LineaProd;
};
// 1-25 CdInt, 26-70 Descr, 71-82 Linea, 83-112 CdProd, all trimmed.
ArticoloRif InputRif(std::string_view riga);
// 1-25 CdProd, 39-41 LineaProd untrimmed, 255-304 Descr.
ArticoloRif CatalogoRif(std::string_view riga);

// One output line, CR LF included: catalogue code, internal code, first byte of the state
// (a blank when empty), line code, each cut or padded to 25, 25, 1 and 3 bytes.
std::string RigaUscitaRif(std::string_view cdProd, std::string_view cdInt, std::string_view stato,
                          std::string_view lineaProd);

// The input file after a confirmed replacement: line k takes codici[k - 1], when there is
// one, over columns 83-112 without changing its length; every line ends with CR LF.
std::string RiscritturaRif(std::string_view byte,
                           const std::vector<std::optional<std::string>>& codici);

} // namespace zelvano::fuzz
