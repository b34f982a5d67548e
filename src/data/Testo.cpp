#include "data/Testo.h"

#include <charconv>

namespace zelvano {

std::string_view Trim(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string_view::npos)
        return {};
    const auto fine = testo.find_last_not_of(' ');
    return testo.substr(inizio, fine - inizio + 1);
}

std::string Colonne(std::string_view riga, std::size_t da, std::size_t a) {
    std::string out(a - da + 1, ' ');
    if (da <= riga.size())
        riga.substr(da - 1, a - da + 1).copy(out.data(), out.size());
    return out;
}

std::string_view CampoVista(std::string_view riga, std::size_t da, std::size_t a) {
    if (da > riga.size())
        return {};
    return Trim(riga.substr(da - 1, a - da + 1));
}

std::string Campo(std::string_view riga, std::size_t da, std::size_t a) {
    return std::string(CampoVista(riga, da, a));
}

std::string Riempi(std::string_view testo, std::size_t n) {
    std::string out(testo.substr(0, n));
    out.resize(n, ' ');
    return out;
}

std::string Numero(int64_t n) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    return std::string(buf, r.ptr);
}

std::string NumeroConPunti(int64_t n) {
    const std::string cifre = Numero(n < 0 ? -n : n);
    std::string out = n < 0 ? "-" : "";
    for (std::size_t k = 0; k < cifre.size(); ++k) {
        if (k > 0 && (cifre.size() - k) % 3 == 0)
            out += '.';
        out += cifre[k];
    }
    return out;
}

std::string Conta(int64_t n, std::string_view singolare, std::string_view plurale) {
    std::string out = NumeroConPunti(n);
    out += ' ';
    out += n == 1 ? singolare : plurale;
    return out;
}

int32_t ValoreCella(std::string_view testo) {
    testo.remove_prefix(std::min(testo.find_first_not_of(' '), testo.size()));
    int64_t valore = 0;
    const auto r = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (r.ec != std::errc() || valore > INT32_MAX || valore < INT32_MIN)
        return 0;
    return static_cast<int32_t>(valore);
}

std::string NomeSenzaCartella(std::string_view percorso) {
    const auto sep = percorso.find_last_of("/\\");
    return std::string(sep == std::string_view::npos ? percorso : percorso.substr(sep + 1));
}

} // namespace zelvano
