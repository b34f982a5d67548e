#pragma once
// Replaces a file only once its new contents are wholly on disk: a temporary file beside
// it, every write checked, fsync, then rename over the target, keeping its permissions.

#include <string>
#include <string_view>

namespace zelvano {

// Throws ErroreFile; on failure the target is untouched and no temporary file remains.
void ScriviFileSicuro(const std::string& percorso, std::string_view contenuto);

// Appends bytes at the end of a file, checking every write. Throws ErroreFile.
void AccodaAFile(const std::string& percorso, std::string_view contenuto);

} // namespace zelvano
