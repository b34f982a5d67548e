// genera_dati [--verita] [--ordini N] [--seme N] <input-lines> <reference-lines> <folder>:
// writes the two article files the benchmarks and misura_apertura read, making the folder
// when it is missing; with --verita, realistic files and the truth file that
// valuta_suggerimenti and valuta_proposte score against; --ordini N (implies --verita): N%
// of the catalogue's product families coded by order numbers, the maker's model only in
// the description and typed by the customer as the supplier code.

#include "GeneraDati.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

namespace {
int Uso(const char* programma) {
    std::fprintf(stderr,
                 "usage: %s [--verita] [--ordini N] [--seme N] <input-lines> <reference-lines> "
                 "<folder>\n",
                 programma);
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    bool conVerita = false;
    unsigned long ordini = 0;
    unsigned long seme = zelvano::bench::SemePredefinito;
    int a = 1;
    for (; a < argc && argv[a][0] == '-' && argv[a][1] == '-'; ++a) {
        if (std::strcmp(argv[a], "--verita") == 0) {
            conVerita = true;
        } else if (std::strcmp(argv[a], "--ordini") == 0 && a + 1 < argc) {
            char* fine = nullptr;
            ordini = std::strtoul(argv[++a], &fine, 10);
            if (*fine != '\0' || ordini > 100)
                return Uso(argv[0]);
            conVerita = true;
        } else if (std::strcmp(argv[a], "--seme") == 0 && a + 1 < argc) {
            char* fine = nullptr;
            seme = std::strtoul(argv[++a], &fine, 10);
            if (*fine != '\0' || seme > 0xFFFFFFFFul)
                return Uso(argv[0]);
        } else {
            return Uso(argv[0]);
        }
    }
    if (argc - a != 3)
        return Uso(argv[0]);
    const long righeInt = std::strtol(argv[a], nullptr, 10);
    const long righeProd = std::strtol(argv[a + 1], nullptr, 10);
    if (righeInt < 0 || righeProd < 0 || righeInt > 50000000 || righeProd > 50000000) {
        std::fprintf(stderr, "line counts must be between 0 and 50000000\n");
        return 2;
    }
    if (conVerita && righeProd == 0 && righeInt > 0) {
        std::fprintf(stderr, "the truth needs a catalogue to draw the input articles from\n");
        return 2;
    }
    try {
        // A folder that does not exist yet is made, with its parents.
        std::filesystem::create_directories(argv[a + 2]);
        const auto f = zelvano::bench::GeneraDati(
            static_cast<int32_t>(righeInt), static_cast<int32_t>(righeProd), argv[a + 2],
            static_cast<uint32_t>(seme), conVerita, static_cast<uint32_t>(ordini));
        std::printf("%s: %ld lines, %llu bytes\n", f.fileInt.c_str(), righeInt,
                    static_cast<unsigned long long>(f.byteInt));
        std::printf("%s: %ld lines, %llu bytes\n", f.fileProd.c_str(), righeProd,
                    static_cast<unsigned long long>(f.byteProd));
        if (!f.fileVerita.empty())
            std::printf("%s: %ld lines\n", f.fileVerita.c_str(), righeInt);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
