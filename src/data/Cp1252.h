#pragma once
// Windows-1252, the code page of every file the program reads and writes: the byte to
// Unicode table (all 256 bytes round-trip), and the upper-casing used by the filters.

#include <string>
#include <string_view>

namespace zelvano {

char16_t UnicodeDaCp1252(unsigned char byte);
// The byte that stands for a code point, or -1 when the code page has none.
int Cp1252DaUnicode(char32_t cp);

// Characters the code page lacks become '?'.
std::string Cp1252DaUtf8(std::string_view utf8);

unsigned char MaiuscolaCp1252(unsigned char byte);
std::string Maiuscolo(std::string_view testo);

} // namespace zelvano
