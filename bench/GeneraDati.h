#pragma once
// Synthetic article files for the benchmarks: a customer's input file and a supplier's
// catalogue in the fixed-column layout the program reads, Windows-1252, CR LF. The same
// sizes and seed always give the same bytes.

#include <cstdint>
#include <string>

namespace zelvano::bench {

constexpr int32_t RigheIntPredefinite = 100000;
constexpr int32_t RigheProdPredefinite = 500000;
constexpr uint32_t SemePredefinito = 20101015;

// Catalogue codes holding this text are planted on purpose, about 40 in 500,000, and no
// other code holds it: the selective code filter of the benchmarks looks for it.
constexpr const char* CodiceRaro = "QK";

constexpr const char* NomeFileInt = "articoli.ber";
constexpr const char* NomeFileProd = "catalogo.orv";
// One line per input line: its internal code, a tab, the catalogue code it really is (empty
// when the catalogue lacks it).
constexpr const char* NomeFileVerita = "verita.txt";

struct FileGenerati {
    std::string fileInt, fileProd; // full paths
    std::string fileVerita;        // empty unless asked for
    uint64_t byteInt = 0, byteProd = 0;
    int32_t righeInt = 0, righeProd = 0;
};

// Writes NomeFileInt and NomeFileProd into an existing folder; throws std::runtime_error
// when a file cannot be written. With conVerita the catalogue comes in product families,
// each input article is a catalogue article as a customer typed it again (see
// ArticoliRealistici), and NomeFileVerita says which one; without, the plainer files the
// other benchmarks use, the same bytes as ever. ordini (with conVerita): the share of
// product families coded by order numbers (ArticoliRealistici), 0 for the usual files.
FileGenerati GeneraDati(int32_t righeInt, int32_t righeProd, const std::string& cartella,
                        uint32_t seme = SemePredefinito, bool conVerita = false,
                        uint32_t ordini = 0);

// The scale factor read from ZELVANO_BENCH_SCALA (a number in (0, 1], default 1), so a quick
// run can use smaller files.
double ScalaBench();

} // namespace zelvano::bench
