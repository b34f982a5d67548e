#include "Verifica.h"

#include <cstdio>
#include <cstdlib>

namespace zelvano::fuzz {

std::string Visibile(std::string_view testo) {
    std::string out;
    for (const char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b >= 0x7F || c == '\\') {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

void Fallisci(std::string_view regola, std::string_view dettagli) {
    std::fprintf(stderr, "\n*** Broken rule: %.*s\n%.*s\n", static_cast<int>(regola.size()),
                 regola.data(), static_cast<int>(dettagli.size()), dettagli.data());
    std::fflush(stderr);
    std::abort();
}

void Uguali(std::string_view ottenuto, std::string_view atteso, std::string_view cosa) {
    if (ottenuto == atteso)
        return;
    std::size_t k = 0;
    while (k < ottenuto.size() && k < atteso.size() && ottenuto[k] == atteso[k])
        ++k;
    Fallisci(cosa, "first difference at byte " + std::to_string(k) + "\n  got:      \"" +
                       Visibile(ottenuto) + "\"\n  expected: \"" + Visibile(atteso) + "\"");
}

} // namespace zelvano::fuzz
