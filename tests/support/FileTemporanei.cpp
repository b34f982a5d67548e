#include "FileTemporanei.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace zelvano::test {

CartellaTemporanea::CartellaTemporanea() {
    std::random_device rd;
    radice_ = std::filesystem::temp_directory_path() /
              ("zelvano-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(radice_);
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::permissions(radice_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(radice_, ec);
}

std::string CartellaTemporanea::Percorso(const std::string& nome) const {
    return (radice_ / nome).string();
}

std::string CartellaTemporanea::Scrivi(const std::string& nome,
                                       const std::string& contenuto) const {
    const std::string p = Percorso(nome);
    std::ofstream f(p, std::ios::binary);
    f << contenuto;
    if (!f)
        throw std::runtime_error("cannot write " + p);
    return p;
}

std::string Unisci(const std::vector<std::string>& righe) {
    std::string testo;
    for (const std::string& r : righe)
        testo += r + "\r\n";
    return testo;
}

std::string LeggiFile(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

namespace {
void Metti(std::string& riga, std::size_t colonna, const std::string& testo) {
    if (riga.size() < colonna - 1 + testo.size())
        riga.resize(colonna - 1 + testo.size(), ' ');
    riga.replace(colonna - 1, testo.size(), testo);
}
} // namespace

std::string RigaInt(const std::string& cdInt, const std::string& descr, const std::string& linea,
                    const std::string& cdProd) {
    std::string riga;
    Metti(riga, 1, cdInt);
    Metti(riga, 26, descr);
    Metti(riga, 71, linea);
    Metti(riga, 83, cdProd);
    return riga;
}

std::string RigaProd(const std::string& cdProd, const std::string& lineaProd,
                     const std::string& descr) {
    std::string riga;
    Metti(riga, 1, cdProd);
    Metti(riga, 26, "0000012,50");
    Metti(riga, 39, lineaProd);
    Metti(riga, 42, "20101015");
    Metti(riga, 255, descr);
    return riga;
}

std::string RigaOut(const std::string& cdProd, const std::string& cdInt, char stato,
                    const std::string& lineaProd) {
    std::string riga;
    Metti(riga, 1, cdProd);
    Metti(riga, 26, cdInt);
    Metti(riga, 51, std::string(1, stato) + lineaProd);
    return riga + "\r\n";
}

} // namespace zelvano::test
