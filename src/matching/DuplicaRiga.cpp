#include "matching/DuplicaRiga.h"

#include "data/StatoHome.h"
#include "files/CaricaArchivi.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaSicura.h"

#include <fcntl.h>
#include <unistd.h>

namespace zelvano {

namespace {
// True when the file is empty or its last byte ends a line.
bool FinisceACapo(const std::string& percorso) {
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    char ultimo = '\n';
    const off_t fine = ::lseek(fd, 0, SEEK_END);
    if (fine > 0 && ::pread(fd, &ultimo, 1, fine - 1) != 1)
        ultimo = '\n';
    ::close(fd);
    return ultimo == '\n' || ultimo == '\r';
}
} // namespace

bool DuplicaRiga(StatoHome& h, int32_t NumeroRiga) {
    std::string testo;
    bool trovata = false;
    {
        LettoreRighe lettore(h.FileProd);
        std::string_view riga;
        for (int32_t k = 1; !trovata && lettore.Leggi(riga); ++k) {
            if (k == NumeroRiga) {
                testo.assign(riga);
                trovata = true;
            }
        }
    }
    if (!trovata)
        return false;
    // The copy must start a line of its own, or it would join the file's last line.
    std::string aggiunta = FinisceACapo(h.FileProd) ? "" : "\r\n";
    aggiunta += testo;
    aggiunta += "\r\n";
    AccodaAFile(h.FileProd, aggiunta);
    InserisciRiga(h, testo);
    return true;
}

} // namespace zelvano
