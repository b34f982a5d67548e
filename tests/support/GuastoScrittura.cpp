#include "support/GuastoScrittura.h"

#include "files/GuastoScrittura.h"

#include <algorithm>
#include <atomic>
#include <csignal>

namespace zelvano {

namespace {
// Bytes left before the injected failure; negative when none is armed.
std::atomic<int64_t> guastoTra{-1};
std::atomic<int> guastoErrore{ENOSPC};
std::atomic<bool> morte{false}, morire{false};
} // namespace

PermessoScrittura ChiediPermessoScrittura(std::size_t n) {
    if (morire)
        ::raise(SIGKILL);
    const int64_t resto = guastoTra.load();
    if (resto < 0)
        return {n, 0};
    if (static_cast<uint64_t>(resto) >= n) {
        guastoTra -= static_cast<int64_t>(n);
        return {n, 0};
    }
    guastoTra = -1;
    // Dying: these bytes are stored, and the process is killed when it asks for the rest.
    morire = morte.load();
    return {static_cast<std::size_t>(resto), morire ? 0 : guastoErrore.load()};
}

void ImpostaGuastoScrittura(int64_t byte, int errore) {
    morte = false;
    guastoErrore = errore;
    guastoTra = std::max<int64_t>(byte, 0);
}

void ImpostaMorteScrittura(int64_t byte) {
    ImpostaGuastoScrittura(byte, EIO);
    morte = true;
}

void TogliGuastoScrittura() {
    guastoTra = -1;
}

} // namespace zelvano
