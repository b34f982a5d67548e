// genera_dati <input-lines> <reference-lines> <folder>: writes the two article files the
// benchmarks and misura_apertura read, making the folder when it is missing.

#include "GeneraDati.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <input-lines> <reference-lines> <folder>\n", argv[0]);
        return 2;
    }
    const long righeInt = std::strtol(argv[1], nullptr, 10);
    const long righeProd = std::strtol(argv[2], nullptr, 10);
    if (righeInt < 0 || righeProd < 0 || righeInt > 50000000 || righeProd > 50000000) {
        std::fprintf(stderr, "line counts must be between 0 and 50000000\n");
        return 2;
    }
    try {
        // A folder that does not exist yet is made, with its parents.
        std::filesystem::create_directories(argv[3]);
        const auto f = zelvano::bench::GeneraDati(static_cast<int32_t>(righeInt),
                                                  static_cast<int32_t>(righeProd), argv[3]);
        std::printf("%s: %ld lines, %llu bytes\n", f.fileInt.c_str(), righeInt,
                    static_cast<unsigned long long>(f.byteInt));
        std::printf("%s: %ld lines, %llu bytes\n", f.fileProd.c_str(), righeProd,
                    static_cast<unsigned long long>(f.byteProd));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
