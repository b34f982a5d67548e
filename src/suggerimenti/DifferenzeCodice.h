#pragma once
// Which characters of a catalogue code differ from the code the customer typed, for the
// marks beside a suggestion. The two codes are aligned as a typist's slips would turn one
// into the other (a character replaced, added or left out, two neighbours swapped), case
// aside; then a character of the catalogue code is marked when nothing of the customer's
// stands for it or when a different character does. What the ranking ignores is never
// marked: case, and blanks, slashes and dots, without which the program treats codes as
// equal. An empty customer code marks nothing.

#include <string_view>
#include <vector>

namespace zelvano {

// One flag per byte of catalogo: true where it differs from cliente.
std::vector<bool> DifferenzeCodice(std::string_view cliente, std::string_view catalogo);

} // namespace zelvano
