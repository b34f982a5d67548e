// valuta_suggerimenti [--mostra N] [--campione N] <input-file> <catalogue-file> <truth-file>:
// how well the ranked suggestions find the true catalogue article, on any pair of article
// files.
//
// The files are opened through the program's own opening with a new, empty output file, so
// the automatic run pairs what it can; the catalogue file is copied first into a temporary
// folder, since the run appends copies of catalogue lines to it. The truth file has one
// line per input line: its internal code, a tab, the catalogue code it really is (empty
// when none). Over the input articles the run left unpaired whose true code the catalogue
// holds, it prints the share whose true code is the first suggestion and among the first
// five (several catalogue articles may share a code), and the median and 99th percentile
// of one ranking's time. --mostra N writes the first N misses to standard error;
// --campione N scores only N of those articles, evenly spread, for a quick look.

#include "CartellaTemporanea.h"
#include "PiattaformaBench.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "suggerimenti/Classifica.h"
#include "suggerimenti/IndiceSuggerimenti.h"
#include "suggerimenti/ParoleDescrizione.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include <unistd.h>

namespace {

using Orologio = std::chrono::steady_clock;

using zelvano::bench::CartellaTemporanea;

// The true catalogue code of each input line, in order.
std::vector<std::pair<std::string, std::string>> LeggiVerita(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    if (!f)
        throw std::runtime_error("cannot read " + percorso);
    std::vector<std::pair<std::string, std::string>> v;
    std::string riga;
    while (std::getline(f, riga)) {
        if (!riga.empty() && riga.back() == '\r')
            riga.pop_back();
        const auto tab = riga.find('\t');
        if (tab == std::string::npos)
            throw std::runtime_error(percorso + " line " + std::to_string(v.size() + 1) +
                                     ": no tab");
        v.emplace_back(std::string(zelvano::Trim(std::string_view(riga).substr(0, tab))),
                       std::string(zelvano::Trim(std::string_view(riga).substr(tab + 1))));
    }
    return v;
}

// Whether the customer's description fits another article as well as the true one: some
// article with another code holds every word the customer shares with the true article
// (whole words, as the catalogue spells them), so the words alone cannot single out the
// true one. conVero: the catalogue articles bearing the true code.
bool Ambiguo(const zelvano::IndiceSuggerimenti& indice, const zelvano::StatoHome& h, int32_t i,
             const std::string& vero, const std::vector<int32_t>& conVero) {
    std::vector<uint32_t> cliente;
    zelvano::PerParola(h.ArtInt[i].Descr, [&](std::string_view p, bool) {
        if (const uint32_t w = indice.Parola(p); w != zelvano::IndiceSuggerimenti::NessunaParola)
            cliente.push_back(w);
    });
    std::sort(cliente.begin(), cliente.end());
    // The true article that shares most, when several bear the code.
    std::vector<uint32_t> comuni;
    for (int32_t j : conVero) {
        std::vector<uint32_t> c;
        zelvano::PerParola(h.ArtProd[j].Descr, [&](std::string_view p, bool) {
            const uint32_t w = indice.Parola(p);
            if (std::binary_search(cliente.begin(), cliente.end(), w) &&
                std::find(c.begin(), c.end(), w) == c.end())
                c.push_back(w);
        });
        if (c.size() > comuni.size())
            comuni = std::move(c);
    }
    if (comuni.empty())
        return true;
    // Articles holding all of them: the lists are in index order.
    std::vector<int32_t> tutti(indice.ConParola(comuni[0]).begin(),
                               indice.ConParola(comuni[0]).end());
    for (std::size_t k = 1; k < comuni.size(); ++k) {
        const auto lista = indice.ConParola(comuni[k]);
        std::vector<int32_t> r;
        std::set_intersection(tutti.begin(), tutti.end(), lista.begin(), lista.end(),
                              std::back_inserter(r));
        tutti = std::move(r);
    }
    return std::any_of(tutti.begin(), tutti.end(),
                       [&](int32_t j) { return h.ArtProd[j].CdProd != vero; });
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    // Nearest rank.
    const auto rango = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[std::clamp<std::size_t>(rango, 1, v.size()) - 1];
}

int Uso(const char* programma) {
    std::fprintf(stderr,
                 "usage: %s [--mostra N] [--campione N] <input-file> <catalogue-file> "
                 "<truth-file>\n",
                 programma);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    long mostra = 0, campione = 0;
    int a = 1;
    while (a + 1 < argc &&
           (std::strcmp(argv[a], "--mostra") == 0 || std::strcmp(argv[a], "--campione") == 0)) {
        (argv[a][2] == 'm' ? mostra : campione) = std::strtol(argv[a + 1], nullptr, 10);
        a += 2;
    }
    if (argc - a != 3)
        return Uso(argv[0]);
    const std::string fileInt = std::filesystem::absolute(argv[a]).string();
    const std::string fileProd = argv[a + 1];
    const std::string fileVerita = argv[a + 2];

    try {
        const auto verita = LeggiVerita(fileVerita);
        CartellaTemporanea cartella;
        const std::string copiaProd = cartella.percorso + "/catalogo.orv";
        std::filesystem::copy_file(fileProd, copiaProd);
        const std::string fileOut = cartella.percorso + "/abbinamenti.txt";

        zelvano::bench::PiattaformaBench pf(cartella.percorso);
        zelvano::StatoHome h(pf);
        zelvano::PreparaFinestra(h);
        pf.percorsi = {fileInt, copiaProd, fileOut};
        zelvano::LeggiArchivi(h);
        for (const auto& m : pf.messaggi)
            std::fprintf(stderr, "message: %s\n", m.c_str());
        if (h.NumInt == 0 && h.NumProd == 0)
            throw std::runtime_error("the opening loaded nothing");
        if (verita.size() != static_cast<std::size_t>(h.NumInt))
            throw std::runtime_error("the truth file has " + std::to_string(verita.size()) +
                                     " lines, the input file " + std::to_string(h.NumInt));
        std::unordered_map<std::string, std::vector<int32_t>> codici;
        for (int32_t j = 1; j <= h.NumProd; ++j)
            codici[h.ArtProd[j].CdProd.str()].push_back(j);

        std::vector<int32_t> daValutare;
        for (int32_t i = 1; i <= h.NumInt; ++i) {
            const auto& [cdInt, vero] = verita[static_cast<std::size_t>(i) - 1];
            if (cdInt != h.ArtInt[i].CdInt)
                throw std::runtime_error("truth line " + std::to_string(i) + " is for " + cdInt +
                                         ", input line " + std::to_string(i) + " holds " +
                                         h.ArtInt[i].CdInt.str());
            if (h.ArtInt[i].PCdProd == 0 && !vero.empty() && codici.count(vero) != 0)
                daValutare.push_back(i);
        }

        if (campione > 0 && static_cast<std::size_t>(campione) < daValutare.size()) {
            std::vector<int32_t> scelti;
            for (long k = 0; k < campione; ++k)
                scelti.push_back(daValutare[static_cast<std::size_t>(k) * daValutare.size() /
                                            static_cast<std::size_t>(campione)]);
            daValutare = std::move(scelti);
        }

        const auto t0 = Orologio::now();
        zelvano::IndiceSuggerimenti indice;
        indice.Aggiorna(h);
        const auto t1 = Orologio::now();
        std::fprintf(stderr,
                     "%d input articles, %d catalogue articles, %d paired by the automatic run, "
                     "%zu to score\nindex built in %.1f ms, %.1f MiB\n",
                     h.NumInt, h.NumProd, h.NumAssociati, daValutare.size(),
                     std::chrono::duration<double, std::milli>(t1 - t0).count(),
                     static_cast<double>(indice.Byte()) / (1024.0 * 1024.0));

        // Hits at 1 and at 5, for articles with a supplier code and for those without.
        std::size_t primo = 0, cinque = 0, conCodice = 0, primoConCodice = 0, cinqueConCodice = 0,
                    ambigui = 0, primoDistinti = 0;
        long mostrati = 0;
        std::vector<double> tempi;
        tempi.reserve(daValutare.size());
        for (int32_t i : daValutare) {
            const auto inizio = Orologio::now();
            // Ten, as the list on screen shows; the hits count in the first five.
            auto s = zelvano::Classifica(indice, h, i);
            if (s.size() > 5)
                s.resize(5);
            tempi.push_back(
                std::chrono::duration<double, std::milli>(Orologio::now() - inizio).count());
            const std::string& vero = verita[static_cast<std::size_t>(i) - 1].second;
            std::size_t posto = 0;
            while (posto < s.size() && h.ArtProd[s[posto].j].CdProd != vero)
                ++posto;
            primo += posto == 0 && !s.empty() ? 1 : 0;
            cinque += posto < s.size() ? 1 : 0;
            if (!h.ArtInt[i].CdProd.empty()) {
                ++conCodice;
                primoConCodice += posto == 0 && !s.empty() ? 1 : 0;
                cinqueConCodice += posto < s.size() ? 1 : 0;
            } else if (Ambiguo(indice, h, i, vero, codici.at(vero))) {
                ++ambigui;
            } else {
                primoDistinti += posto == 0 && !s.empty() ? 1 : 0;
            }
            if (posto != 0 && mostrati < mostra) {
                ++mostrati;
                std::fprintf(stderr, "miss: [%s] [%s] true [%s]\n",
                             h.ArtInt[i].CdProd.str().c_str(), h.ArtInt[i].Descr.str().c_str(),
                             vero.c_str());
                for (const auto& x : s)
                    std::fprintf(stderr, "   %3d [%s] [%s]%s\n", x.punteggio,
                                 h.ArtProd[x.j].CdProd.str().c_str(),
                                 h.ArtProd[x.j].Descr.str().c_str(),
                                 h.ArtProd[x.j].CdProd == vero ? " <-" : "");
            }
        }
        const auto quota = [](std::size_t parte, std::size_t tutto) {
            return 100.0 * static_cast<double>(parte) /
                   std::max<double>(1, static_cast<double>(tutto));
        };
        const std::size_t senzaCodice = daValutare.size() - conCodice;
        std::fprintf(stderr,
                     "with a supplier code: %zu, at 1 %.1f%%, at 5 %.1f%%\n"
                     "without: %zu, at 1 %.1f%%, at 5 %.1f%%; described as well by another "
                     "article's words: %zu (%.1f%%); the others at 1: %.1f%%\n",
                     conCodice, quota(primoConCodice, conCodice), quota(cinqueConCodice, conCodice),
                     senzaCodice, quota(primo - primoConCodice, senzaCodice),
                     quota(cinque - cinqueConCodice, senzaCodice), ambigui,
                     quota(ambigui, senzaCodice), quota(primoDistinti, senzaCodice - ambigui));
        const double n = std::max<double>(1, static_cast<double>(daValutare.size()));
        std::printf("recall@1 %.1f%%\n", 100.0 * static_cast<double>(primo) / n);
        std::printf("recall@5 %.1f%%\n", 100.0 * static_cast<double>(cinque) / n);
        std::printf("p50 %.1f ms\n", Percentile(tempi, 0.50));
        std::printf("p99 %.1f ms\n", Percentile(tempi, 0.99));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "valuta_suggerimenti: %s\n", e.what());
        return 1;
    }
    return 0;
}
