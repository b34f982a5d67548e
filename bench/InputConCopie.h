#pragma once
// A variant of a generated input file in which a share of the articles bear the supplier
// code of an earlier article that the catalogue holds, so that the automatic run finds
// their catalogue article taken and has to copy it.

#include <cstdint>
#include <string>

namespace zelvano::bench {

struct EsitoInputConCopie {
    int32_t righe = 0;
    int32_t ripetute = 0; // articles given an earlier article's code
};

// Writes the variant of fileInt to destinazione; quota in [0, 1]. Throws
// std::runtime_error when a file cannot be read or written.
EsitoInputConCopie InputConCopie(const std::string& fileInt, const std::string& fileProd,
                                 double quota, const std::string& destinazione,
                                 uint32_t seme = 20101015);

} // namespace zelvano::bench
