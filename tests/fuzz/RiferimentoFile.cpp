#include "RiferimentoFile.h"

namespace zelvano::fuzz {

std::vector<std::string> RigheRif(std::string_view byte) {
    std::vector<std::string> righe;
    std::string riga;
    bool aperta = false; // bytes since the last line end
    for (std::size_t k = 0; k < byte.size(); ++k) {
        const char c = byte[k];
        if (c == '\r' || c == '\n') {
            righe.push_back(riga);
            riga.clear();
            aperta = false;
            if (c == '\r' && k + 1 < byte.size() && byte[k + 1] == '\n')
                ++k;
        } else {
            riga += c;
            aperta = true;
        }
    }
    if (aperta)
        righe.push_back(riga);
    return righe;
}

bool FinisceACapoRif(std::string_view byte) {
    return byte.empty() || byte.back() == '\r' || byte.back() == '\n';
}

std::string ColonneRif(std::string_view riga, std::size_t da, std::size_t a) {
    const std::string lunga = std::string(riga) + std::string(200, ' ');
    std::string out;
    for (std::size_t colonna = da; colonna <= a; ++colonna)
        if (colonna <= lunga.size())
            out += lunga[colonna - 1];
    return out;
}

std::string TrimRif(std::string testo) {
    while (!testo.empty() && testo.front() == ' ')
        testo.erase(testo.begin());
    while (!testo.empty() && testo.back() == ' ')
        testo.pop_back();
    return testo;
}

ArticoloRif InputRif(std::string_view riga) {
    ArticoloRif a;
    a.CdInt = TrimRif(ColonneRif(riga, 1, 25));
    a.Descr = TrimRif(ColonneRif(riga, 26, 70));
    a.Linea = TrimRif(ColonneRif(riga, 71, 82));
    a.CdProd = TrimRif(ColonneRif(riga, 83, 112));
    return a;
}

ArticoloRif CatalogoRif(std::string_view riga) {
    ArticoloRif a;
    a.CdProd = TrimRif(ColonneRif(riga, 1, 25));
    a.LineaProd = ColonneRif(riga, 39, 41);
    a.Descr = TrimRif(ColonneRif(riga, 255, 304));
    return a;
}

namespace {
std::string Largo(std::string_view testo, std::size_t n) {
    std::string out = std::string(testo) + std::string(n, ' ');
    return out.substr(0, n);
}
} // namespace

std::string RigaUscitaRif(std::string_view cdProd, std::string_view cdInt, std::string_view stato,
                          std::string_view lineaProd) {
    return Largo(cdProd, 25) + Largo(cdInt, 25) + Largo(stato, 1) + Largo(lineaProd, 3) + "\r\n";
}

std::string RiscritturaRif(std::string_view byte,
                           const std::vector<std::optional<std::string>>& codici) {
    std::string out;
    const std::vector<std::string> righe = RigheRif(byte);
    for (std::size_t k = 0; k < righe.size(); ++k) {
        std::string riga = righe[k];
        if (k < codici.size() && codici[k]) {
            const std::string nuovo = Largo(*codici[k], 30);
            for (std::size_t colonna = 83; colonna <= 112 && colonna <= riga.size(); ++colonna)
                riga[colonna - 1] = nuovo[colonna - 83];
        }
        out += riga + "\r\n";
    }
    return out;
}

} // namespace zelvano::fuzz
