#pragma once
// A fresh folder per test, with helpers to write and read whole files as bytes.

#include <filesystem>
#include <string>
#include <vector>

namespace zelvano::test {

class CartellaTemporanea {
  public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    std::string Percorso(const std::string& nome) const;
    std::string Scrivi(const std::string& nome, const std::string& contenuto) const;
    const std::filesystem::path& Radice() const { return radice_; }

  private:
    std::filesystem::path radice_;
};

std::string LeggiFile(const std::string& percorso);

// A fixed-column line: each field placed at its 1-based column, blanks between.
std::string RigaInt(const std::string& cdInt, const std::string& descr, const std::string& linea,
                    const std::string& cdProd);
std::string RigaProd(const std::string& cdProd, const std::string& lineaProd,
                     const std::string& descr);
// The lines as a file holds them, CR LF after each.
std::string Unisci(const std::vector<std::string>& righe);
// An output file line, CR LF included.
std::string RigaOut(const std::string& cdProd, const std::string& cdInt, char stato,
                    const std::string& lineaProd = "   ");

} // namespace zelvano::test
