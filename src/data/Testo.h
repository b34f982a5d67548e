#pragma once
// Small text helpers shared by the readers, the writers and the grids: fixed-column cuts,
// blank trimming, and numbers as cell text.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvano {

// Leading and trailing blanks removed; tabs and other characters stay.
std::string_view Trim(std::string_view testo);

// Columns da..a (1-based, inclusive) of a line padded with 200 blanks: positions past the
// end of the line read as blanks, so the result always has a - da + 1 bytes.
std::string Colonne(std::string_view riga, std::size_t da, std::size_t a);
// The same cut, trimmed.
std::string Campo(std::string_view riga, std::size_t da, std::size_t a);
// The same, as a view into the line.
std::string_view CampoVista(std::string_view riga, std::size_t da, std::size_t a);

// Cut to n bytes, or padded with blanks to n.
std::string Riempi(std::string_view testo, std::size_t n);

std::string Numero(int64_t n);
// The same with a dot between thousands, as Italian readers write it: "12.345".
std::string NumeroConPunti(int64_t n);
// The number with dots and the word that goes with it: "1 codice", "12 codici".
std::string Conta(int64_t n, std::string_view singolare, std::string_view plurale);
// A cell's text read as a decimal number: leading blanks and digits count, an empty or
// non-numeric text reads as 0.
int32_t ValoreCella(std::string_view testo);

// The part of a path after its last folder separator.
std::string NomeSenzaCartella(std::string_view percorso);

} // namespace zelvano
