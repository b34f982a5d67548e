#include "search/FiltroProd.h"

#include "data/Cp1252.h"
#include "data/Tabelle.h"

namespace zelvano {

bool Contiene(std::string_view a, std::string_view b) {
    if (b.empty())
        return !a.empty();
    return a.find(b) != std::string_view::npos;
}

FiltroProd::FiltroProd(std::string_view codiceBox, std::string_view descrBox, bool conOr)
    : codice(Maiuscolo(codiceBox)), conDescr(!descrBox.empty()), usaOr(conOr) {
    if (!conDescr)
        return;
    const std::string testo = Maiuscolo(descrBox);
    if (testo.size() > 1 && testo.front() == '\'' && testo.back() == '\'') {
        parole.push_back(testo.substr(1, testo.size() - 2));
        return;
    }
    // Every single blank splits, so doubled or outer blanks give empty words.
    std::size_t inizio = 0;
    for (;;) {
        const std::size_t blank = testo.find(' ', inizio);
        parole.push_back(testo.substr(inizio, blank - inizio));
        if (blank == std::string::npos)
            break;
        inizio = blank + 1;
    }
}

bool FiltroProd::PassaDescr(std::string_view descr) const {
    if (!conDescr)
        return true;
    // AND needs every word and OR one of them: the first miss, or hit, decides.
    for (const std::string& p : parole)
        if (Contiene(descr, p) == usaOr)
            return usaOr;
    return !usaOr;
}

std::vector<int32_t> Filtra(const FiltroProd& f, const TestiMaiuscoli& codici,
                            const TestiMaiuscoli& descrizioni, int32_t num) {
    std::vector<int32_t> passano;
    if (f.codice.empty()) {
        passano.reserve(static_cast<std::size_t>(num));
        for (int32_t j = 1; j <= num; ++j)
            if (f.PassaDescr(descrizioni[j]))
                passano.push_back(j);
        return passano;
    }
    // One search over all the codes packed together: a hit is a record's only when it
    // ends inside that record; either way the search goes on from the next record.
    const std::string_view tutti = codici.Buffer();
    const std::size_t lung = f.codice.size();
    std::size_t pos = 0;
    while (pos < tutti.size()) {
        const std::size_t trovato = tutti.find(f.codice, pos);
        if (trovato == std::string_view::npos)
            break;
        const int32_t j = codici.IndiceDi(trovato);
        if (j > num)
            break;
        if (trovato + lung <= codici.Fine(j) && f.PassaDescr(descrizioni[j]))
            passano.push_back(j);
        pos = codici.Fine(j);
    }
    return passano;
}

} // namespace zelvano
