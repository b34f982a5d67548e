// The ranked suggestions at full size: building the index over 500,000 catalogue articles
// (time, bytes held, and the heap it adds, beside the catalogue file's size),
// bringing it in step after a copy of a catalogue line, one ranking for the input
// articles the automatic run left unpaired (mean, median, 99th percentile), and the proposed
// pairs for all of those articles at once (wall time: the proposals run on several threads). The
// files are the generator's realistic ones (100,000 input lines, 500,000 catalogue lines unless
// ZELVANO_BENCH_SCALA scales them down), opened through the real opening with a new output
// file, so the automatic run pairs what it can first.

#include "GeneraDati.h"
#include "PiattaformaBench.h"

#include "coppie/DuplicaRiga.h"
#include "data/StatoHome.h"
#include "proposte/Proposte.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "suggerimenti/Classifica.h"
#include "suggerimenti/IndiceSuggerimenti.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace zb = zelvano::bench;
using namespace zelvano;

namespace {

// Bytes the allocator has handed out and not taken back, mapped blocks included.
double HeapInUso() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd);
}

std::string cartellaDaRimuovere;
void Rimuovi() {
    std::error_code ec;
    std::filesystem::remove_all(cartellaDaRimuovere, ec);
}

// The opened files and the first build of the index, made by the first benchmark that runs
// (its set-up, never its timing); the folder goes at exit.
struct Ambiente {
    zb::FileGenerati file;
    std::unique_ptr<zb::PiattaformaBench> pf;
    std::unique_ptr<StatoHome> h;
    IndiceSuggerimenti indice;
    double primaCostruzioneMs = 0;
    double heapCostruzione = 0; // heap bytes in use after that first build, less before
    // Input articles the automatic run left unpaired, by whether they have a supplier code.
    std::vector<int32_t> conCodice, senzaCodice;
};

Ambiente& Amb() {
    static Ambiente amb = [] {
        try {
            Ambiente a;
            char modello[] = "/tmp/zelvano-suggerimenti-XXXXXX";
            if (mkdtemp(modello) == nullptr)
                throw std::runtime_error("cannot create a temporary folder");
            cartellaDaRimuovere = modello;
            std::atexit(Rimuovi);
            const double scala = zb::ScalaBench();
            a.file = zb::GeneraDati(static_cast<int32_t>(zb::RigheIntPredefinite * scala),
                                    static_cast<int32_t>(zb::RigheProdPredefinite * scala), modello,
                                    zb::SemePredefinito, true);
            a.pf = std::make_unique<zb::PiattaformaBench>(modello);
            a.h = std::make_unique<StatoHome>(*a.pf);
            PreparaFinestra(*a.h);
            a.pf->percorsi = {a.file.fileInt, a.file.fileProd,
                              std::string(modello) + "/abbinamenti.txt"};
            LeggiArchivi(*a.h);
            if (a.h->NumProd < a.file.righeProd)
                throw std::runtime_error("the opening did not load the catalogue");
            for (int32_t i = 1; i <= a.h->NumInt; ++i)
                if (a.h->ArtInt[i].PCdProd == 0)
                    (a.h->ArtInt[i].CdProd.empty() ? a.senzaCodice : a.conCodice).push_back(i);
            const double heapPrima = HeapInUso();
            const auto t0 = std::chrono::steady_clock::now();
            a.indice.Aggiorna(*a.h);
            a.primaCostruzioneMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count();
            a.heapCostruzione = HeapInUso() - heapPrima;
            std::fprintf(stderr,
                         "files: %d input lines, %d catalogue lines (%llu bytes); %d paired "
                         "automatically, %zu unpaired with a code, %zu without\n",
                         a.file.righeInt, a.file.righeProd,
                         static_cast<unsigned long long>(a.file.byteProd), a.h->NumAssociati,
                         a.conCodice.size(), a.senzaCodice.size());
            return a;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "bench_suggerimenti: %s\n", e.what());
            std::exit(1);
        }
    }();
    return amb;
}

double MiB(double byte) {
    return byte / (1024.0 * 1024.0);
}

// A new index built from the opened tables, as after an opening.
void BM_CostruisciIndice(benchmark::State& state) {
    Ambiente& a = Amb();
    std::size_t byte = 0;
    for (auto _ : state) {
        IndiceSuggerimenti indice;
        indice.Aggiorna(*a.h);
        byte = indice.Byte();
        state.PauseTiming();
        benchmark::DoNotOptimize(indice.Conta());
        { IndiceSuggerimenti via = std::move(indice); } // freed outside the timing
        state.ResumeTiming();
    }
    const double file = static_cast<double>(a.file.byteProd);
    state.counters["first_ms"] = a.primaCostruzioneMs;
    state.counters["held_MiB"] = MiB(static_cast<double>(byte));
    state.counters["held/file"] = static_cast<double>(byte) / file;
    state.counters["heap_MiB"] = MiB(a.heapCostruzione);
    state.counters["heap/file"] = a.heapCostruzione / file;
    state.SetItemsProcessed(state.iterations() * a.h->NumProd);
}
BENCHMARK(BM_CostruisciIndice)->Unit(benchmark::kMillisecond)->Iterations(5);

// Aggiorna after a copy of a catalogue line was appended (the copy itself is not timed).
void BM_AggiornaDopoCopia(benchmark::State& state) {
    Ambiente& a = Amb();
    int32_t riga = 1;
    for (auto _ : state) {
        state.PauseTiming();
        if (!DuplicaRiga(*a.h, riga++)) {
            state.SkipWithError("the catalogue line could not be copied");
            break;
        }
        state.ResumeTiming();
        a.indice.Aggiorna(*a.h);
    }
    state.counters["added"] = a.indice.Conta() - a.indice.ContaBase();
}
BENCHMARK(BM_AggiornaDopoCopia)->Unit(benchmark::kMicrosecond)->Iterations(200);

// One ranking of ten, cycling through the unpaired input articles of the kind asked for.
void BM_Classifica(benchmark::State& state, bool conCodice) {
    Ambiente& a = Amb();
    a.indice.Aggiorna(*a.h);
    const std::vector<int32_t>& articoli = conCodice ? a.conCodice : a.senzaCodice;
    if (articoli.empty()) {
        state.SkipWithError("no unpaired input article of this kind");
        return;
    }
    std::vector<double> tempi;
    std::size_t k = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        auto s = Classifica(a.indice, *a.h, articoli[k++ % articoli.size()]);
        tempi.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
        benchmark::DoNotOptimize(s.data());
    }
    std::sort(tempi.begin(), tempi.end());
    const auto rango = [&](double p) {
        const auto r = static_cast<std::size_t>(p * static_cast<double>(tempi.size()) + 0.999999);
        return tempi[std::clamp<std::size_t>(r, 1, tempi.size()) - 1];
    };
    state.counters["p50_ms"] = rango(0.50);
    state.counters["p99_ms"] = rango(0.99);
    state.counters["max_ms"] = tempi.back();
}
BENCHMARK_CAPTURE(BM_Classifica, con_codice, true)->Unit(benchmark::kMillisecond)->Iterations(3000);
BENCHMARK_CAPTURE(BM_Classifica, senza_codice, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1000);

// The proposals for every input article still to pair, the index already in step.
void BM_CalcolaProposte(benchmark::State& state) {
    Ambiente& a = Amb();
    a.indice.Aggiorna(*a.h);
    std::size_t proposte = 0;
    for (auto _ : state) {
        const auto gruppi = CalcolaProposte(a.indice, *a.h);
        state.PauseTiming();
        proposte = 0;
        for (const auto& g : gruppi)
            proposte += g.proposte.size();
        state.ResumeTiming();
    }
    state.counters["to_pair"] = static_cast<double>(a.conCodice.size() + a.senzaCodice.size());
    state.counters["proposals"] = static_cast<double>(proposte);
}
BENCHMARK(BM_CalcolaProposte)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
