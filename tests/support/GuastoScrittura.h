#pragma once
// Makes a write of the file layer fail part way, as a full disk does. Linked into the core
// tests in place of the program's version, which never fails.

#include <cerrno>
#include <cstdint>

namespace zelvano {

// Once `byte` more bytes have been written, the next write stores part of its bytes and
// fails with `errore`; the writes after it succeed again.
void ImpostaGuastoScrittura(int64_t byte, int errore = ENOSPC);
// The same, except that the write is not failed: the process is killed (SIGKILL) right
// after storing that part, as a kill landing at that byte would.
void ImpostaMorteScrittura(int64_t byte);
void TogliGuastoScrittura();

} // namespace zelvano
