#pragma once
// Runs a piece of a test in a forked child and hands back the text it returns, so that a
// test can limit the child's memory or file size, kill it, or drop root's rights: root
// writes read-only files, so a test of them running as root drops to an ordinary user.

#include <functional>
#include <string>
#include <sys/types.h>

namespace zelvano::test {

// The uid and gid a child takes when it runs as an ordinary user.
constexpr uid_t UtenteQualsiasi = 65534;

// fn's text, or "<...>" telling how the child ended otherwise. With comeUtente, a child of
// a root process first becomes UtenteQualsiasi (a child of anyone else runs as they are).
std::string InFiglio(const std::function<std::string()>& fn, bool comeUtente = false);

// In a child of a root process, becomes UtenteQualsiasi; false when it could not.
bool DiventaUtente();
// Runs fn in a forked child and kills it (SIGKILL) the given microseconds after iniziato
// first holds (at once when not given), unless it has ended by then; true when the kill
// found it still running.
bool UccidiDopo(const std::function<void()>& fn, unsigned microsecondi,
                const std::function<bool()>& iniziato = {});

// Gives a path and everything under it to the user a child runs as (nothing when not root).
void DaiAllUtente(const std::string& percorso);

} // namespace zelvano::test
