#pragma once
// Replaces a file only once its new contents are wholly on disk: a temporary file beside
// it, every write checked, fsync, then rename over the target and fsync of its folder. The
// file stays what it was: a link is followed and the file it names is replaced in its own
// folder; owner, group, permissions, ACLs and extended attributes are carried over. Where
// a rename would change the file's identity (several hard links, an owner or attribute
// that cannot be given to a new file, a folder that cannot be written) the file is
// rewritten in place instead, its old content kept to be put back on failure, and kept on
// disk meanwhile (CopiaDiRipristino.h), so that a kill part way can be undone.

#include <string>
#include <string_view>

namespace zelvano {

// Throws ErroreFile, whose message says when the old content had to be put back; on
// failure the target holds its old content and no temporary file remains. A file the user
// may not write is refused, as an ordinary write would refuse it.
// Without durevole the folder is not synced after the rename and an in-place rewrite keeps
// no copy on disk: for files that are only a convenience, written at every column drag,
// where a save lost to a power cut or torn by a kill costs nothing.
// An in-place rewrite of a durevole file keeps its copy beside the file or, when the
// file's folder cannot take it, in cartellaDati; when neither can, it is refused.
void ScriviFileSicuro(const std::string& percorso, std::string_view contenuto, bool durevole = true,
                      const std::string& cartellaDati = {});

// The name the temporary files of a save of `nome` (without folder) start with; what
// follows is six random characters. Names too long for it are cut, with a hash of the
// whole name kept, so that it fits NAME_MAX.
std::string PrefissoTemporanei(const std::string& nome);
// nome followed by marca, cut the same way so that `dopo` more characters still fit.
std::string NomeConMarca(const std::string& nome, std::string_view marca, std::size_t dopo);

// Removes the temporary files (of this user's) that killed saves of `nome` left in
// cartella.
void RimuoviTemporanei(const std::string& cartella, const std::string& nome);

// Syncs a folder, so that a file made or renamed in it lasts; 0 or the errno.
int SincronizzaCartella(const std::string& cartella);

} // namespace zelvano
