#include "files/ErroreFile.h"

#include "data/Cp1252.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace zelvano {

std::string CausaErrore(int errore) {
    switch (errore) {
    case ErroreNonRegolare:
        return "non \xE8 un file normale (\xE8 una FIFO, un dispositivo o un socket)";
    case ErroreMemoria:
    case ENOMEM:
        return "memoria insufficiente";
    case ENOENT:
        return "file non trovato";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case ENOSPC:
    case EDQUOT:
        return "disco pieno";
    case EFBIG:
        return "file troppo grande";
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
        return "file in uso o bloccato";
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EINVAL:
        return "percorso non valido";
    case EISDIR:
        return "\xE8 una cartella";
    case EROFS:
        return "file system di sola lettura";
    case EIO:
        return "errore di lettura o scrittura sul disco";
    default:
        return Cp1252DaUtf8(std::strerror(errore));
    }
}

std::string TestoErroreFile(const std::string& azione, const std::string& percorso, int errore) {
    return "Impossibile " + azione + " il file " + Cp1252DaUtf8(percorso) + ": " +
           CausaErrore(errore);
}

void LanciaErroreFile(const std::string& azione, const std::string& percorso, int errore) {
    throw ErroreFile(TestoErroreFile(azione, percorso, errore));
}

bool FileEsiste(const std::string& percorso) {
    struct stat st {};
    return !percorso.empty() && ::stat(percorso.c_str(), &st) == 0;
}

} // namespace zelvano
