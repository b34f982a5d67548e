#pragma once
// The seam through which a test makes a write fail part way, as a full disk does, on a
// machine where it cannot fill one. The program links GuastoScritturaAssente.cpp, which
// never fails; the tests link their own definition in its place.

#include <cstddef>

namespace zelvano {

// Asked before each write of n bytes: how many of them may be stored now, and the errno
// the write then fails with (0: those are stored and the rest is asked for again).
struct PermessoScrittura {
    std::size_t consentiti;
    int errore;
};
PermessoScrittura ChiediPermessoScrittura(std::size_t n);

} // namespace zelvano
