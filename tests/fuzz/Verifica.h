#pragma once
// How a fuzz target reports a broken rule: both sides printed with every byte visible, then
// abort(), which libFuzzer takes for a crash and saves the input for.

#include <string>
#include <string_view>

namespace zelvano::fuzz {

// The text with control bytes, bytes from 0x7F up and the backslash escaped as \xNN.
std::string Visibile(std::string_view testo);

[[noreturn]] void Fallisci(std::string_view regola, std::string_view dettagli = {});

inline void Verifica(bool vero, std::string_view regola, std::string_view dettagli = {}) {
    if (!vero)
        Fallisci(regola, dettagli);
}

// Whole texts compared; a failure shows both and where they first differ.
void Uguali(std::string_view ottenuto, std::string_view atteso, std::string_view cosa);

} // namespace zelvano::fuzz
