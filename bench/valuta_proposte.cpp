// valuta_proposte [--calibra] <input-file> <catalogue-file> <truth-file>: how far the
// proposed pairs can be trusted, on any pair of article files with a truth file (the format
// valuta_suggerimenti reads).
//
// The files are opened through the program's own opening with a new, empty output file, so
// the automatic run pairs what it can first (on a copy of the catalogue file, since the run
// appends copies of lines to it). Then the proposals are made once, timed, and each is
// right when its catalogue article bears the true code. For confidences 90, 95, 98, 99 and
// 99.5 it prints how many proposals reach it and how many of those are right, overall and
// per reason, and the coverage: the share of the articles the run left unpaired with a
// supplier code that get a proposal at or above it, counted over those whose true article
// is in the catalogue and free (the only ones a proposal can get right), and over all of
// them. Then a modelled clerk's keys to finish the file with and without proposals.
// --calibra also writes, on standard output, the count of right and made proposals per
// reason and evidence, the lines of src/proposte/CalibrazioneMisurata.inc.

#include "CartellaTemporanea.h"
#include "PiattaformaBench.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "proposte/CalibrazioneProposte.h"
#include "proposte/Proposte.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "suggerimenti/IndiceSuggerimenti.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include <unistd.h>

namespace {

using Orologio = std::chrono::steady_clock;
using zelvano::Ragione;

using zelvano::bench::CartellaTemporanea;

std::vector<std::string> LeggiVerita(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    if (!f)
        throw std::runtime_error("cannot read " + percorso);
    std::vector<std::string> v;
    std::string riga;
    while (std::getline(f, riga)) {
        if (!riga.empty() && riga.back() == '\r')
            riga.pop_back();
        const auto tab = riga.find('\t');
        if (tab == std::string::npos)
            throw std::runtime_error(percorso + ": a line without a tab");
        v.emplace_back(zelvano::Trim(std::string_view(riga).substr(tab + 1)));
    }
    return v;
}

constexpr std::array<const char*, 12> NomiRagioni = {"SoloMaiuscole",
                                                     "SoloSegni",
                                                     "ZeriIniziali",
                                                     "OZeroIUno",
                                                     "Prefisso",
                                                     "Suffisso",
                                                     "Scambio",
                                                     "Mancante",
                                                     "InPiu",
                                                     "Diverso",
                                                     "CodiceInDescrizione",
                                                     "SoloDescrizione"};
constexpr std::array<double, 5> Soglie = {90, 95, 98, 99, 99.5};

double Quota(std::size_t parte, std::size_t tutto) {
    return tutto == 0 ? 0.0 : 100.0 * static_cast<double>(parte) / static_cast<double>(tutto);
}

} // namespace

int main(int argc, char** argv) {
    int a = 1;
    bool calibra = false;
    // --mostra REASON EVIDENCE: the wrong proposals of that kind, on standard error.
    int mostraRagione = -1, mostraProva = -1;
    // --mancate N: the first N articles counted in the coverage left without a proposal at 99.
    int mancate = 0;
    for (;;) {
        if (a < argc && std::strcmp(argv[a], "--calibra") == 0) {
            calibra = true;
            ++a;
        } else if (a + 1 < argc && std::strcmp(argv[a], "--mancate") == 0) {
            mancate = std::atoi(argv[a + 1]);
            a += 2;
        } else if (a + 2 < argc && std::strcmp(argv[a], "--mostra") == 0) {
            mostraRagione = std::atoi(argv[a + 1]);
            mostraProva = std::atoi(argv[a + 2]);
            a += 3;
        } else {
            break;
        }
    }
    if (argc - a != 3) {
        std::fprintf(stderr, "usage: %s [--calibra] <input-file> <catalogue-file> <truth-file>\n",
                     argv[0]);
        return 2;
    }
    try {
        const auto verita = LeggiVerita(argv[a + 2]);
        CartellaTemporanea cartella;
        const std::string copiaProd = cartella.percorso + "/catalogo.orv";
        std::filesystem::copy_file(argv[a + 1], copiaProd);
        zelvano::bench::PiattaformaBench pf(cartella.percorso);
        zelvano::StatoHome h(pf);
        zelvano::PreparaFinestra(h);
        pf.percorsi = {std::filesystem::absolute(argv[a]).string(), copiaProd,
                       cartella.percorso + "/abbinamenti.txt"};
        zelvano::LeggiArchivi(h);
        if (verita.size() != static_cast<std::size_t>(h.NumInt))
            throw std::runtime_error("the truth file has " + std::to_string(verita.size()) +
                                     " lines, the input file " + std::to_string(h.NumInt));

        const auto t0 = Orologio::now();
        zelvano::IndiceSuggerimenti indice;
        indice.Aggiorna(h);
        const auto t1 = Orologio::now();
        const std::clock_t c1 = std::clock();
        const auto gruppi = zelvano::CalcolaProposte(indice, h);
        const std::clock_t c2 = std::clock();
        const auto t2 = Orologio::now();
        const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };

        // The true code's catalogue articles: any, and any free.
        std::unordered_map<std::string, std::pair<bool, bool>> codici; // in catalogue, free
        for (int32_t j = 1; j <= h.NumProd; ++j) {
            auto& c = codici[h.ArtProd[j].CdProd.str()];
            c.first = true;
            c.second = c.second || h.ArtProd[j].PCdInt == 0;
        }
        // Articles left to do: with a code, true article free / in the catalogue / any;
        // without a code; the ones with no true article at all.
        std::size_t conLibero = 0, conInCatalogo = 0, conCodice = 0, senzaCodice = 0, senzaVero = 0;
        std::vector<uint8_t> tipo(static_cast<std::size_t>(h.NumInt) + 1, 0);
        for (int32_t i = 1; i <= h.NumInt; ++i) {
            const auto& r = h.ArtInt[i];
            if (r.PCdProd != 0 || r.Stato.str() == "X")
                continue;
            const auto it = codici.find(verita[static_cast<std::size_t>(i) - 1]);
            const bool inCat =
                !verita[static_cast<std::size_t>(i) - 1].empty() && it != codici.end();
            senzaVero += inCat ? 0 : 1;
            if (r.CdProd.empty()) {
                ++senzaCodice;
                continue;
            }
            ++conCodice;
            conInCatalogo += inCat ? 1 : 0;
            if (inCat && it->second.second) {
                ++conLibero;
                tipo[static_cast<std::size_t>(i)] = 1;
            }
        }

        // Per threshold: made, right, and made for an article counted in the coverage.
        struct Conti {
            std::array<std::size_t, Soglie.size()> fatte{}, giuste{}, coperte{}, coperteCodice{};
        };
        Conti tutte;
        std::array<Conti, 12> perRagione{};
        std::map<std::pair<int, int>, std::pair<uint32_t, uint32_t>> calibrazione;
        std::size_t numProposte = 0;
        for (const auto& g : gruppi)
            for (const auto& p : g.proposte) {
                ++numProposte;
                const std::string& vero = verita[static_cast<std::size_t>(p.i) - 1];
                const bool giusta = !vero.empty() && h.ArtProd[p.j].CdProd.str() == vero;
                if (!giusta && static_cast<int>(p.ragione) == mostraRagione &&
                    p.prova == mostraProva)
                    std::fprintf(stderr, "wrong: [%s] [%s] -> [%s] [%s], true [%s]\n",
                                 h.ArtInt[p.i].CdProd.str().c_str(),
                                 h.ArtInt[p.i].Descr.str().c_str(),
                                 h.ArtProd[p.j].CdProd.str().c_str(),
                                 h.ArtProd[p.j].Descr.str().c_str(), vero.c_str());
                auto& c = calibrazione[{static_cast<int>(p.ragione), p.prova}];
                c.first += giusta ? 1 : 0;
                ++c.second;
                const bool conCod = !h.ArtInt[p.i].CdProd.empty();
                for (std::size_t s = 0; s < Soglie.size(); ++s) {
                    if (p.fiducia < Soglie[s])
                        continue;
                    for (Conti* x : {&tutte, &perRagione[static_cast<std::size_t>(p.ragione)]}) {
                        ++x->fatte[s];
                        x->giuste[s] += giusta ? 1 : 0;
                        x->coperte[s] += tipo[static_cast<std::size_t>(p.i)];
                        x->coperteCodice[s] += conCod ? 1 : 0;
                    }
                }
            }

        std::printf(
            "%d input articles, %d catalogue articles, %d paired by the automatic run\n"
            "left to do: %zu with a code (%zu with the true article in the catalogue, "
            "%zu of them free), %zu without; %zu with no true article\n"
            "index %.0f ms, proposals %.0f ms (%.0f ms CPU): %zu proposals in %zu groups\n\n",
            h.NumInt, h.NumProd, h.NumAssociati, conCodice, conInCatalogo, conLibero, senzaCodice,
            senzaVero, ms(t1 - t0), ms(t2 - t1),
            1000.0 * static_cast<double>(c2 - c1) / CLOCKS_PER_SEC, numProposte, gruppi.size());
        std::printf("%-20s %8s %8s %8s %8s %8s\n", "confidence >=", "90", "95", "98", "99", "99.5");
        const auto riga = [&](const char* nome, const Conti& c, bool copertura) {
            std::printf("%-20s", nome);
            for (std::size_t s = 0; s < Soglie.size(); ++s)
                std::printf(" %8zu", c.fatte[s]);
            std::printf("  made\n%-20s", "");
            for (std::size_t s = 0; s < Soglie.size(); ++s)
                std::printf(" %7.2f%%", Quota(c.giuste[s], c.fatte[s]));
            std::printf("  right\n");
            if (!copertura)
                return;
            std::printf("%-20s", "");
            for (std::size_t s = 0; s < Soglie.size(); ++s)
                std::printf(" %7.2f%%", Quota(c.coperte[s], conLibero));
            std::printf("  coverage, true article free\n%-20s", "");
            for (std::size_t s = 0; s < Soglie.size(); ++s)
                std::printf(" %7.2f%%", Quota(c.coperteCodice[s], conCodice));
            std::printf("  coverage, all with a code\n");
        };
        riga("all", tutte, true);
        for (std::size_t r = 0; r < perRagione.size(); ++r)
            if (perRagione[r].fatte[0] > 0)
                riga(NomiRagioni[r], perRagione[r], false);

        {
            std::vector<const zelvano::Proposta*> perArticolo(tipo.size(), nullptr);
            for (const auto& g : gruppi)
                for (const auto& p : g.proposte)
                    perArticolo[static_cast<std::size_t>(p.i)] = &p;
            for (int32_t i = 1; i <= h.NumInt && mancate > 0; ++i) {
                const auto* p = perArticolo[static_cast<std::size_t>(i)];
                if (tipo[static_cast<std::size_t>(i)] == 0 || (p != nullptr && p->fiducia >= 99))
                    continue;
                --mancate;
                std::fprintf(stderr, "left: [%s] [%s] true [%s]", h.ArtInt[i].CdProd.str().c_str(),
                             h.ArtInt[i].Descr.str().c_str(),
                             verita[static_cast<std::size_t>(i) - 1].c_str());
                if (p != nullptr)
                    std::fprintf(stderr, " -> %s %d %.1f [%s] [%s]",
                                 NomiRagioni[static_cast<std::size_t>(p->ragione)], p->prova,
                                 p->fiducia, h.ArtProd[p->j].CdProd.str().c_str(),
                                 h.ArtProd[p->j].Descr.str().c_str());
                std::fprintf(stderr, "\n");
            }
        }

        // The clerk. By hand an article costs Ctrl+1, F3, F7 to pair, F5, F7 to mark; a
        // group accepted at 99 costs opening it, a sample of up to 20 answered one key each,
        // and the acceptance; a wrong pair accepted costs F4 and the three keys again.
        constexpr std::size_t Soglia99 = 3;
        std::size_t accettate = 0, sbagliate = 0, tastiGruppi = 0;
        for (const auto& g : gruppi) {
            std::size_t n = 0;
            for (const auto& p : g.proposte)
                if (p.fiducia >= Soglie[Soglia99]) {
                    ++n;
                    const std::string& vero = verita[static_cast<std::size_t>(p.i) - 1];
                    sbagliate += !vero.empty() && h.ArtProd[p.j].CdProd.str() == vero ? 0 : 1;
                }
            if (n > 0)
                tastiGruppi += 2 + std::min<std::size_t>(n, 20);
            accettate += n;
        }
        const std::size_t daFare = conCodice + senzaCodice;
        const std::size_t daAbbinare = daFare - senzaVero;
        const std::size_t senza = 3 * daAbbinare + 2 * senzaVero;
        const std::size_t giuste = accettate - sbagliate;
        const std::size_t con = tastiGruppi + 3 * (daAbbinare - std::min(giuste, daAbbinare)) +
                                4 * sbagliate + 2 * senzaVero;
        std::printf("\nclerk, proposals accepted at 99: %zu keys without, %zu with (%.1fx); "
                    "pairing alone, marks aside: %zu / %zu (%.1fx)\n",
                    senza, con, static_cast<double>(senza) / static_cast<double>(con),
                    3 * daAbbinare, con - 2 * senzaVero,
                    static_cast<double>(3 * daAbbinare) / static_cast<double>(con - 2 * senzaVero));

        // The most proposals could save here: every article whose true article is free
        // accepted in groups, the rest by hand.
        const std::size_t tetto = tastiGruppi + 3 * (daAbbinare - conLibero) + 2 * senzaVero;
        std::printf("clerk, at best (every article with a free true article accepted): %zu keys "
                    "(%.1fx)\n",
                    tetto, static_cast<double>(senza) / static_cast<double>(tetto));

        if (calibra)
            for (const auto& [k, c] : calibrazione)
                std::fprintf(stdout, "CAL %s %d %u %u\n",
                             NomiRagioni[static_cast<std::size_t>(k.first)], k.second, c.first,
                             c.second);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "valuta_proposte: %s\n", e.what());
        return 1;
    }
    return 0;
}
