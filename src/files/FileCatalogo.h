#pragma once
// The catalogue file after its first reading: copies of its lines appended at its end, each
// read from where the line lies while the file is as the program left it, and from the file
// as it is now once something else has changed it.

#include "data/FileAperti.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

// Size and modification time of an open file; dimensione -1 when it cannot be looked at.
ImprontaFile ImprontaDi(int fd);

// One or many copies through one opening of the file; the copies are on disk once Chiudi
// has returned. From the first copy until then a marker notes the file's length before
// them (SegnoAccodamento.h), so that an opening after a kill cuts away a half line.
class CopieCatalogo {
  public:
    // The catalogue is file.FileProd; where its lines lie and how it looked (PosProd,
    // ImprontaProd) are kept up to date here. cartellaRiserva names the folder for the
    // marker when the file's own takes no file. Throws ErroreFile when the file cannot be
    // opened for appending.
    CopieCatalogo(FileAperti& file, std::function<std::string()> cartellaRiserva);
    ~CopieCatalogo();
    CopieCatalogo(const CopieCatalogo&) = delete;
    CopieCatalogo& operator=(const CopieCatalogo&) = delete;

    // Line n (1-based) as the file holds it now; false when the file has no such line.
    // Throws ErroreFile.
    bool Riga(int32_t n, std::string& testo);
    // Appends the text as a line of its own, CR LF after it; a line break first when the
    // file does not end with one. On failure the file is cut back to what it was and
    // ErroreFile is thrown.
    void Accoda(std::string_view testo);
    // Forces the copies to disk and drops the marker. Throws ErroreFile.
    void Chiudi();

  private:
    void RileggiPosizioni();

    std::string percorso_;
    std::vector<PosizioneRiga>& posizioni_;
    ImprontaFile& impronta_;
    std::function<std::string()> cartellaRiserva_;
    std::string segno_; // the marker, once the first copy is on its way
    int fd_ = -1;
};

} // namespace zelvano
