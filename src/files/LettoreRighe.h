#pragma once
// Reads a text file line by line as raw bytes. A line ends at CR LF, LF or a lone CR; a
// last line without a line end still counts; the final line end adds no line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

class LettoreRighe {
  public:
    // Throws ErroreFile when the file cannot be opened.
    explicit LettoreRighe(const std::string& percorso);
    ~LettoreRighe();
    LettoreRighe(const LettoreRighe&) = delete;
    LettoreRighe& operator=(const LettoreRighe&) = delete;

    // The next line, valid until the next call; false at the end of the file. Throws
    // ErroreFile on a read error.
    bool Leggi(std::string_view& riga);
    // Where the line Leggi gave last starts in the file.
    int64_t InizioRiga() const { return inizioRiga_; }
    // The last byte read, '\n' before the first: whether the file ends with a line end.
    char UltimoByte() const { return ultimo_; }
    int Descrittore() const { return fd_; }

  private:
    bool Riempi();

    std::string percorso_;
    int fd_ = -1;
    std::vector<char> buf_;
    std::size_t inizio_ = 0, fine_ = 0;
    int64_t offsetBuf_ = 0; // where buf_ starts in the file
    int64_t inizioRiga_ = 0;
    char ultimo_ = '\n';
    bool eof_ = false;
    bool saltaLf_ = false; // the previous chunk ended with a CR
    std::string lunga_;    // a line that spans chunks
};

// Every line of a file.
std::vector<std::string> LeggiRighe(const std::string& percorso);
// The whole file, byte for byte. Throws ErroreFile.
std::string LeggiFileIntero(const std::string& percorso);

} // namespace zelvano
