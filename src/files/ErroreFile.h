#pragma once
// A file the program could not read or write: the message names the file and the reason.

#include <stdexcept>
#include <string>

namespace zelvano {

class ErroreFile : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "Impossibile <azione> il file <percorso>: <reason from errno>".
std::string TestoErroreFile(const std::string& azione, const std::string& percorso, int errore);
[[noreturn]] void LanciaErroreFile(const std::string& azione, const std::string& percorso,
                                   int errore);

bool FileEsiste(const std::string& percorso);

} // namespace zelvano
