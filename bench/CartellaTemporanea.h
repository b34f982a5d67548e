#pragma once
// A folder of its own under /tmp for one run of a measuring program, removed with all it
// holds at the end: the catalogue is copied there, since opening may append to it.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zelvano::bench {

struct CartellaTemporanea {
    std::string percorso;
    CartellaTemporanea() {
        char modello[] = "/tmp/zelvano-bench-XXXXXX";
        if (mkdtemp(modello) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        percorso = modello;
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso, ec);
    }
};

} // namespace zelvano::bench
