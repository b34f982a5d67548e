#include "RiferimentoRicerca.h"

#include "data/Cp1252.h"

namespace zelvano::fuzz {

namespace {
bool QuiInizia(std::string_view a, std::size_t p, std::string_view b) {
    if (p + b.size() > a.size())
        return false;
    for (std::size_t k = 0; k < b.size(); ++k)
        if (a[p + k] != b[k])
            return false;
    return true;
}

std::vector<std::string> Parole(const std::string& testo) {
    if (testo.size() > 1 && testo.front() == '\'' && testo.back() == '\'')
        return {testo.substr(1, testo.size() - 2)};
    std::vector<std::string> parole(1);
    for (const char c : testo) {
        if (c == ' ')
            parole.emplace_back();
        else
            parole.back() += c;
    }
    return parole;
}
} // namespace

bool ContieneRif(std::string_view a, std::string_view b) {
    if (b.empty())
        return !a.empty();
    for (std::size_t p = 0; p < a.size(); ++p)
        if (QuiInizia(a, p, b))
            return true;
    return false;
}

std::vector<int32_t> FiltroRif(const std::vector<std::string>& codici,
                               const std::vector<std::string>& descrizioni, std::string_view txtCod,
                               std::string_view txtDescr, int indice) {
    const std::string codice = Maiuscolo(txtCod);
    const std::vector<std::string> parole = Parole(Maiuscolo(txtDescr));
    std::vector<int32_t> passano;
    for (std::size_t j = 1; j < codici.size(); ++j) {
        if (!codice.empty() && !ContieneRif(Maiuscolo(codici[j]), codice))
            continue;
        if (!txtDescr.empty()) {
            std::size_t contenute = 0;
            for (const std::string& p : parole)
                if (ContieneRif(Maiuscolo(descrizioni[j]), p))
                    ++contenute;
            const bool passa = contenute == parole.size() || (indice == 1 && contenute > 0);
            if (!passa)
                continue;
        }
        passano.push_back(static_cast<int32_t>(j));
    }
    return passano;
}

bool SostituzioneRif(std::string_view c, std::string_view f, std::string_view r, int modo,
                     std::string& nuovo) {
    const std::size_t l = f.size();
    switch (modo) {
    case 0: {
        if (!ContieneRif(c, f))
            return false;
        nuovo.clear();
        std::size_t p = 0;
        while (p < c.size()) {
            if (!f.empty() && QuiInizia(c, p, f)) {
                nuovo += r;
                p += l;
            } else {
                nuovo += c[p++];
            }
        }
        return true;
    }
    case 1:
        if (c.size() <= l || !QuiInizia(c, 0, f))
            return false;
        nuovo = std::string(r) + std::string(c.substr(l));
        return true;
    case 2:
        if (c.size() <= l || !QuiInizia(c, c.size() - l, f))
            return false;
        nuovo = std::string(c.substr(0, c.size() - l)) + std::string(r);
        return true;
    default:
        return false;
    }
}

} // namespace zelvano::fuzz
