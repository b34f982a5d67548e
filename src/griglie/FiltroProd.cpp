#include "griglie/FiltroProd.h"

#include "data/Cp1252.h"
#include "data/Tabelle.h"

#include <algorithm>
#include <cstring>

namespace zelvano {

bool Contiene(std::string_view a, std::string_view b) {
    if (b.empty())
        return !a.empty();
    return a.find(b) != std::string_view::npos;
}

namespace {
// Calls trovato(j), in index order, for each record 1..num whose text holds parola (not
// empty): one search over all the texts packed together, a hit counting for a record only
// when it ends inside that record; either way the search goes on from the next record.
// Codes are searched for from their first byte, often a rare letter or digit; description
// words, whose first letters are common ones, with memmem, which weighs the whole word.
enum class Ricerca { PrimoByte, Parola };

template <class Trovato>
void CercaInTutti(const TestiMaiuscoli& testi, std::string_view parola, int32_t num, Ricerca modo,
                  Trovato&& trovato) {
    const std::string_view tutti = testi.Buffer();
    std::size_t pos = 0;
    int32_t j = 1;
    while (pos < tutti.size()) {
        std::size_t hit = std::string_view::npos;
        if (modo == Ricerca::PrimoByte) {
            hit = tutti.find(parola, pos);
        } else if (const void* dove = ::memmem(tutti.data() + pos, tutti.size() - pos,
                                               parola.data(), parola.size())) {
            hit = static_cast<std::size_t>(static_cast<const char*>(dove) - tutti.data());
        }
        if (hit == std::string_view::npos)
            break;
        // Hits come in order: the record is searched for from the last one onwards, in
        // growing steps, then by halves.
        if (testi.Fine(j) <= hit) {
            int32_t basso = j, alto = j + 1, passo = 1;
            while (alto < testi.Conta() && testi.Fine(alto) <= hit) {
                basso = alto;
                passo *= 2;
                alto = j + passo;
            }
            alto = std::min(alto, testi.Conta()); // the last text ends past every hit
            while (alto - basso > 1) {
                const int32_t mezzo = basso + (alto - basso) / 2;
                (testi.Fine(mezzo) <= hit ? basso : alto) = mezzo;
            }
            j = alto;
        }
        if (j > num)
            break;
        if (hit + parola.size() <= testi.Fine(j))
            trovato(j);
        pos = testi.Fine(j);
        ++j;
    }
}
} // namespace

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
    if (!f.codice.empty()) {
        CercaInTutti(codici, f.codice, num, Ricerca::PrimoByte, [&](int32_t j) {
            if (f.PassaDescr(descrizioni[j]))
                passano.push_back(j);
        });
        return passano;
    }
    // With AND every record shown holds the longest word: only the records where a search
    // of all the descriptions finds it are tested further.
    const std::string* lunga = nullptr;
    for (const std::string& p : f.parole)
        if (lunga == nullptr || p.size() > lunga->size())
            lunga = &p;
    if (f.conDescr && !f.usaOr && !lunga->empty()) {
        CercaInTutti(descrizioni, *lunga, num, Ricerca::Parola, [&](int32_t j) {
            if (f.PassaDescr(descrizioni[j]))
                passano.push_back(j);
        });
        return passano;
    }
    passano.reserve(static_cast<std::size_t>(num));
    for (int32_t j = 1; j <= num; ++j)
        if (f.PassaDescr(descrizioni[j]))
            passano.push_back(j);
    return passano;
}

} // namespace zelvano
