#include "files/LettoreRighe.h"

#include "files/ErroreFile.h"
#include "files/ScritturaFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvano {

namespace {
constexpr std::size_t DimBlocco = 1 << 20;
}

LettoreRighe::LettoreRighe(const std::string& percorso) : percorso_(percorso) {
    fd_ = ApriFileNormale(percorso, O_RDONLY, "leggere");
    try {
        buf_.resize(DimBlocco);
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

LettoreRighe::~LettoreRighe() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool LettoreRighe::Riempi() {
    offsetBuf_ += static_cast<int64_t>(fine_);
    fine_ = inizio_ = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buf_.data(), buf_.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            LanciaErroreFile("leggere", percorso_, errno);
        inizio_ = 0;
        fine_ = static_cast<std::size_t>(n);
        if (n > 0)
            ultimo_ = buf_[fine_ - 1];
        eof_ = n == 0;
        return n > 0;
    }
}

bool LettoreRighe::Leggi(std::string_view& riga) {
    lunga_.clear();
    bool inLunga = false;
    for (;;) {
        if (inizio_ == fine_ && !eof_)
            Riempi();
        if (saltaLf_ && inizio_ < fine_) {
            saltaLf_ = false;
            if (buf_[inizio_] == '\n')
                ++inizio_;
            continue;
        }
        if (inizio_ == fine_) {
            // End of file: a pending piece without a line end is the last line.
            if (inLunga) {
                riga = lunga_;
                return true;
            }
            return false;
        }
        if (!inLunga)
            inizioRiga_ = offsetBuf_ + static_cast<int64_t>(inizio_);
        const char* base = buf_.data() + inizio_;
        const std::size_t resto = fine_ - inizio_;
        // The first of LF and CR ends the line; memchr keeps this at memory speed.
        const auto* lf = static_cast<const char*>(std::memchr(base, '\n', resto));
        const auto* cr = static_cast<const char*>(
            std::memchr(base, '\r', lf != nullptr ? static_cast<std::size_t>(lf - base) : resto));
        const char* fineRiga = cr != nullptr ? cr : lf;
        if (fineRiga == nullptr) {
            lunga_.append(base, resto);
            inLunga = true;
            inizio_ = fine_;
            continue;
        }
        const std::size_t lung = static_cast<std::size_t>(fineRiga - base);
        inizio_ += lung + 1;
        if (*fineRiga == '\r') {
            if (inizio_ < fine_) {
                if (buf_[inizio_] == '\n')
                    ++inizio_;
            } else {
                saltaLf_ = true;
            }
        }
        if (inLunga) {
            lunga_.append(base, lung);
            riga = lunga_;
        } else {
            riga = std::string_view(base, lung);
        }
        return true;
    }
}

std::vector<std::string> LeggiRighe(const std::string& percorso) {
    LettoreRighe lettore(percorso);
    std::vector<std::string> righe;
    std::string_view riga;
    while (lettore.Leggi(riga))
        righe.emplace_back(riga);
    return righe;
}

std::string LeggiFileIntero(const std::string& percorso) {
    const int fd = ApriFileNormale(percorso, O_RDONLY, "leggere");
    std::string contenuto;
    struct stat st {};
    int errore = ::fstat(fd, &st) == 0 ? 0 : errno;
    try {
        if (errore == 0) {
            contenuto.resize(static_cast<std::size_t>(st.st_size));
            errore = LeggiTuttoDa(fd, contenuto.data(), contenuto.size(), 0);
        }
    } catch (const std::bad_alloc&) {
        errore = ENOMEM;
    }
    ::close(fd);
    if (errore != 0)
        LanciaErroreFile("leggere", percorso, errore);
    return contenuto;
}

} // namespace zelvano
