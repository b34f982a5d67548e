#include "ProcessoFiglio.h"

#include <csignal>
#include <filesystem>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelvano::test {

bool DiventaUtente() {
    return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(UtenteQualsiasi) == 0 &&
                                ::setuid(UtenteQualsiasi) == 0);
}

std::string InFiglio(const std::function<std::string()>& fn, bool comeUtente) {
    int tubo[2];
    if (::pipe(tubo) != 0)
        return "<no pipe>";
    const pid_t figlio = ::fork();
    if (figlio < 0)
        return "<no fork>";
    if (figlio == 0) {
        ::close(tubo[0]);
        if (comeUtente && !DiventaUtente())
            ::_exit(3);
        std::string testo;
        try {
            testo = fn();
        } catch (const std::exception& e) {
            testo = std::string("<exception: ") + e.what() + ">";
        }
        for (std::size_t fatto = 0; fatto < testo.size();) {
            const ssize_t n = ::write(tubo[1], testo.data() + fatto, testo.size() - fatto);
            if (n <= 0)
                ::_exit(4);
            fatto += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string testo;
    char buf[4096];
    ssize_t n = 0;
    while ((n = ::read(tubo[0], buf, sizeof buf)) > 0)
        testo.append(buf, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        return "<child ended with status " + std::to_string(stato) + "> " + testo;
    return testo;
}

bool UccidiDopo(const std::function<void()>& fn, unsigned microsecondi,
                const std::function<bool()>& iniziato) {
    const pid_t figlio = ::fork();
    if (figlio < 0)
        return false;
    if (figlio == 0) {
        fn();
        ::_exit(0);
    }
    // A child on a busy machine may wait long to run at all: the moment counts from when
    // it has begun its work.
    for (int attese = 0; iniziato && !iniziato() && attese < 20000; ++attese)
        ::usleep(100);
    ::usleep(microsecondi);
    if (::waitpid(figlio, nullptr, WNOHANG) != 0)
        return false;
    ::kill(figlio, SIGKILL);
    ::waitpid(figlio, nullptr, 0);
    return true;
}

void DaiAllUtente(const std::string& percorso) {
    if (::geteuid() != 0)
        return;
    (void)!::chown(percorso.c_str(), UtenteQualsiasi, UtenteQualsiasi);
    if (std::filesystem::is_directory(percorso))
        for (const auto& e : std::filesystem::recursive_directory_iterator(percorso))
            (void)!::lchown(e.path().c_str(), UtenteQualsiasi, UtenteQualsiasi);
}

} // namespace zelvano::test
