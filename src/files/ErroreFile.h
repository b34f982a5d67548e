#pragma once
// A file the program could not read or write: the message names the file and the reason.

#include <stdexcept>
#include <string>

namespace zelvano {

class ErroreFile : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Not an errno: the path names a FIFO, a device, a socket or anything else that is not a
// plain file, which the program refuses rather than block on.
constexpr int ErroreNonRegolare = -1;
// Not an errno: the memory ran out while the file was read.
constexpr int ErroreMemoria = -2;

// The reason in Italian: the common causes in words of their own, the system's text only
// for the rare rest.
std::string CausaErrore(int errore);
// "Impossibile <azione> il file <percorso>: <causa>".
std::string TestoErroreFile(const std::string& azione, const std::string& percorso, int errore);
[[noreturn]] void LanciaErroreFile(const std::string& azione, const std::string& percorso,
                                   int errore);

bool FileEsiste(const std::string& percorso);

} // namespace zelvano
