#pragma once
// The file layer's one way to write bytes and to open a file that must be a plain one.
// Every write goes through the seam of GuastoScrittura.h, where a test can make it fail.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvano {

// Writes all of dati at the descriptor's offset; 0, or the errno of the write that failed.
int ScriviTutto(int fd, std::string_view dati);
// The same at position da, whatever the offset.
int ScriviTuttoIn(int fd, std::string_view dati, int64_t da);
// Reads quanti bytes from position da; 0, or the errno (EIO for a file shorter than that).
int LeggiTuttoDa(int fd, char* dove, std::size_t quanti, int64_t da);

// Opens a path that must name a plain file (a link to one is followed) without ever
// blocking, as a FIFO would: checked before and after the opening. Throws ErroreFile,
// with azione ("leggere", "scrivere") in its message.
int ApriFileNormale(const std::string& percorso, int modo, const char* azione);

} // namespace zelvano
