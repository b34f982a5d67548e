#include "automatch/ProvaAbbinamenti.h"

#include "data/StatoHome.h"

namespace zelvano {

void Esegui_provaAbbinamenti(StatoHome&) {
    // The automatic matching run comes with its progress window.
}

std::string TogliChar(std::string_view strTmp, char CharTmp) {
    std::string out;
    out.reserve(strTmp.size());
    for (char c : strTmp)
        if (c != CharTmp)
            out += c;
    return out;
}

} // namespace zelvano
