#pragma once
// The marker of lines being appended to a file: the file's length before the first of
// them, kept until they are on the disk, so that the next opening after a kill can cut away
// a line left half written.

#include <cstdint>
#include <functional>
#include <string>

namespace zelvano {

// Notes that appends to the file open as fd (named percorso) start at lunghezza. The
// marker goes beside the file when its folder takes a new file, else into the folder that
// cartellaRiserva names. Returns the marker's path. Throws ErroreFile.
std::string PoniSegnoAccodamento(const std::string& percorso, int fd, int64_t lunghezza,
                                 const std::function<std::string()>& cartellaRiserva);
// The appends are on the disk: their marker goes.
void TogliSegnoAccodamento(const std::string& segno);

struct RipresaAccodamento {
    bool interrotta = false; // a marker was left behind for the file
    int64_t tolti = 0;       // bytes cut from the file's end
};

// A marker left behind for the file means its appends were cut short: the file goes back
// to the end of its last whole line, never below the length noted, and the marker goes. A
// file that was replaced since is left alone. Throws ErroreFile when the file cannot be cut.
RipresaAccodamento RiprendiAccodamento(const std::string& percorso,
                                       const std::function<std::string()>& cartellaRiserva);

} // namespace zelvano
