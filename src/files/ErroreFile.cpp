#include "files/ErroreFile.h"

#include "data/Cp1252.h"

#include <cstring>
#include <sys/stat.h>

namespace zelvano {

std::string TestoErroreFile(const std::string& azione, const std::string& percorso, int errore) {
    return "Impossibile " + azione + " il file " + Cp1252DaUtf8(percorso) + ": " +
           Cp1252DaUtf8(std::strerror(errore));
}

void LanciaErroreFile(const std::string& azione, const std::string& percorso, int errore) {
    throw ErroreFile(TestoErroreFile(azione, percorso, errore));
}

bool FileEsiste(const std::string& percorso) {
    struct stat st {};
    return !percorso.empty() && ::stat(percorso.c_str(), &st) == 0;
}

} // namespace zelvano
