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

struct FileGenerati {
    std::string fileInt, fileProd; // full paths
    uint64_t byteInt = 0, byteProd = 0;
    int32_t righeInt = 0, righeProd = 0;
};

// Writes NomeFileInt and NomeFileProd into an existing folder; throws std::runtime_error
// when a file cannot be written.
FileGenerati GeneraDati(int32_t righeInt, int32_t righeProd, const std::string& cartella,
                        uint32_t seme = SemePredefinito);

// The scale factor read from ZELVANO_BENCH_SCALA (a number in (0, 1], default 1), so a quick
// run can use smaller files.
double ScalaBench();

} // namespace zelvano::bench
