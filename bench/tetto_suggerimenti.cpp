// tetto_suggerimenti [--seme N] [--quanti N] <catalogue-lines>: the most any ranking of the
// suggestions could find, at 1 and at 5, among the input articles without a supplier code
// in the files genera_dati --verita writes.
//
// The catalogue is made again from the seed, the same as genera_dati's; customer articles are
// drawn as genera_dati draws them (the same kinds, not the same articles), and the first N
// whose code was left empty are weighed. Since the true article is drawn evenly from the
// catalogue, no ranking of the words does better than putting first the articles likeliest to
// have given the customer's description (VerosimiglianzaCliente); equally likely articles
// share the places evenly. What the customer wrote with a code is left out: there the code
// ranks.

#include "ArticoliRealistici.h"
#include "DescrizioneCliente.h"
#include "GeneraDati.h"
#include "Generatore.h"
#include "VerosimiglianzaCliente.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

using namespace zelvano::bench;

// The catalogue's words with the articles holding them, sorted, so that the words a
// customer's word may stand for are found at once.
struct ParoleCatalogo {
    std::vector<std::vector<std::string>> perArticolo;
    std::unordered_map<std::string, std::vector<int32_t>> articoli;
    std::vector<std::string> ordinate;

    explicit ParoleCatalogo(const std::vector<ArticoloCatalogo>& catalogo) {
        perArticolo.reserve(catalogo.size());
        for (std::size_t j = 0; j < catalogo.size(); ++j) {
            const auto parole = cliente::Spezza(catalogo[j].descrizione);
            perArticolo.emplace_back(parole.begin(), parole.end());
            for (const std::string& p : perArticolo.back()) {
                auto& l = articoli[p];
                if (l.empty() || l.back() != static_cast<int32_t>(j))
                    l.push_back(static_cast<int32_t>(j));
            }
        }
        for (const auto& [p, l] : articoli)
            ordinate.push_back(p);
        std::sort(ordinate.begin(), ordinate.end());
    }

    // The articles holding a word that, kept, may have come out as the customer's word c:
    // the same word, a longer one it shortens, or one a slip away.
    std::vector<int32_t> Candidati(const std::string& c) const {
        std::unordered_set<std::string> parole;
        const auto prova = [&](const std::string& p) {
            if (articoli.count(p) != 0 && ProbForma(p, c) > 0)
                parole.insert(p);
        };
        prova(c);
        for (const auto& [lunga, corta] : cliente::Abbreviazioni)
            if (corta == c)
                prova(std::string(lunga));
        if (c.size() > cliente::MinTaglio && c.back() == '.') {
            const std::string inizio = c.substr(0, c.size() - 1);
            for (auto it = std::lower_bound(ordinate.begin(), ordinate.end(), inizio);
                 it != ordinate.end() && it->starts_with(inizio); ++it)
                prova(*it);
        }
        if (cliente::SoloLettere(c)) {
            for (std::size_t k = 0; k + 1 < c.size(); ++k) {
                std::string p = c;
                std::swap(p[k], p[k + 1]);
                prova(p);
            }
            for (std::size_t k = 1; k < c.size(); ++k)
                for (char x = 'A'; x <= 'Z'; ++x)
                    prova(std::string(c).insert(k, 1, x));
        }
        std::vector<int32_t> v;
        for (const std::string& p : parole)
            v.insert(v.end(), articoli.at(p).begin(), articoli.at(p).end());
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
        return v;
    }
};

// Likelihoods closer than this are the same one reached by sums in another order.
constexpr double Tolleranza = 1e-9;

int Uso(const char* programma) {
    std::fprintf(stderr, "usage: %s [--seme N] [--quanti N] <catalogue-lines>\n", programma);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    unsigned long seme = SemePredefinito, quanti = 4000;
    int a = 1;
    for (; a + 1 < argc && std::strncmp(argv[a], "--", 2) == 0; a += 2) {
        if (std::strcmp(argv[a], "--seme") == 0)
            seme = std::strtoul(argv[a + 1], nullptr, 10);
        else if (std::strcmp(argv[a], "--quanti") == 0)
            quanti = std::strtoul(argv[a + 1], nullptr, 10);
        else
            return Uso(argv[0]);
    }
    if (argc - a != 1 || quanti == 0)
        return Uso(argv[0]);
    const long righe = std::strtol(argv[a], nullptr, 10);
    if (righe <= 0 || righe > 50000000)
        return Uso(argv[0]);

    Generatore g(static_cast<uint32_t>(seme));
    ArticoliRealistici realistici(g);
    const auto& catalogo = realistici.GeneraCatalogo(static_cast<int32_t>(righe));
    const ParoleCatalogo parole(catalogo);
    std::unordered_set<std::string_view> proprie;
    for (std::string_view frase : cliente::ParoleCliente)
        for (std::string_view p : cliente::Spezza(frase))
            proprie.insert(p);

    double primo = 0, cinque = 0;
    unsigned long pesati = 0, inspiegati = 0;
    std::unordered_map<std::string, double> perCodice;
    while (pesati < quanti) {
        const ArticoloCliente c = realistici.Cliente();
        if (c.differenza != Differenza::VuotoVero)
            continue;
        ++pesati;
        std::string descrizione = c.descrizione;
        std::transform(descrizione.begin(), descrizione.end(), descrizione.begin(), [](char x) {
            return x >= 'a' && x <= 'z' ? static_cast<char>(x - 'a' + 'A') : x;
        });
        const auto viste = cliente::Spezza(descrizione);
        const std::vector<std::string> scritte(viste.begin(), viste.end());
        // Every article that may have given the description holds a word that may have
        // given each of the customer's words not of his own: those of the rarest one.
        std::vector<int32_t> candidati;
        bool scelti = false;
        for (const std::string& p : scritte)
            if (proprie.count(p) == 0)
                if (auto v = parole.Candidati(p);
                    !v.empty() && (!scelti || v.size() < candidati.size())) {
                    candidati = std::move(v);
                    scelti = true;
                }
        perCodice.clear();
        for (int32_t j : candidati) {
            const auto J = static_cast<std::size_t>(j);
            const double l =
                LogVerosimiglianza(catalogo[J], parole.perArticolo[J], scritte, descrizione.size());
            if (std::isinf(l))
                continue;
            const auto [it, nuovo] = perCodice.try_emplace(catalogo[J].codice, l);
            if (!nuovo)
                it->second = std::max(it->second, l);
        }
        const auto vero = perCodice.find(c.vero);
        if (vero == perCodice.end()) {
            // A description the model cannot explain counts as found, so that the figures
            // stay a ceiling; how many there were is printed.
            ++inspiegati;
            primo += 1;
            cinque += 1;
            continue;
        }
        // The codes likelier than the true one, and those as likely.
        std::size_t sopra = 0, pari = 0;
        for (const auto& [codice, l] : perCodice) {
            if (codice == c.vero)
                continue;
            if (l > vero->second + Tolleranza)
                ++sopra;
            else if (l > vero->second - Tolleranza)
                ++pari;
        }
        const auto atteso = [&](std::size_t posti) {
            return sopra >= posti ? 0.0
                                  : std::min(1.0, static_cast<double>(posti - sopra) /
                                                      static_cast<double>(pari + 1));
        };
        primo += atteso(1);
        cinque += atteso(5);
    }
    std::fprintf(stderr,
                 "%lu input articles without a supplier code weighed against %ld catalogue "
                 "articles; %lu descriptions the model could not explain, counted found\n",
                 pesati, righe, inspiegati);
    const auto n = static_cast<double>(pesati);
    std::printf("best@1 %.1f%%\n", 100.0 * primo / n);
    std::printf("best@5 %.1f%%\n", 100.0 * cinque / n);
    return 0;
}
