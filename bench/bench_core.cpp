// Speed of the core's heavy procedures on generated files of realistic size (100,000 input
// lines, 500,000 catalogue lines unless ZELVANO_BENCH_SCALA scales them down), each beside
// a floor: the plainest loop that touches the same bytes.

#include "GeneraDati.h"
#include "InputConCopie.h"
#include "PiattaformaBench.h"
#include "fuzz/RiferimentoAbbinamenti.h"
#include "fuzz/RiferimentoFile.h"

#include "automatch/ProvaAbbinamenti.h"
#include "coppie/Associazioni.h"
#include "data/Abbinamento.h"
#include "data/StatoHome.h"
#include "data/Tabelle.h"
#include "data/Testo.h"
#include "files/FileOutput.h"
#include "files/LettoreRighe.h"
#include "griglie/CaricaArchivi.h"
#include "griglie/CaricaGrid1.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/FiltroProd.h"
#include "griglie/Selezione.h"
#include "griglie/Totali.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "sessione/SalvaArchivio.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace zb = zelvano::bench;
using namespace zelvano;
using Orologio = std::chrono::steady_clock;

namespace {

// ---------------------------------------------------------------------------------------
// The files, generated once in a temporary folder by the first benchmark that needs them.

struct Ambiente {
    std::string cartella;
    zb::FileGenerati file;
    // Output files are named *.txt: the opening appends .txt to any other name and would then
    // start from a new, empty file.
    std::string fileOutVuoto; // one blank line: the opening restores nothing and stops there
    std::string fileOutPieno; // every input record, about 70% paired
    std::string fileOutSalva; // SalvaArchivio's target
    std::string fileFloor;    // the floors' plain writes
};

void ScriviTesto(const std::string& percorso, std::string_view testo) {
    std::ofstream f(percorso, std::ios::binary | std::ios::trunc);
    f.write(testo.data(), static_cast<std::streamsize>(testo.size()));
    if (!f)
        throw std::runtime_error("cannot write " + percorso);
}

Ambiente Prepara() {
    Ambiente amb;
    char modello[] = "/tmp/zelvano-bench-XXXXXX";
    if (mkdtemp(modello) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    amb.cartella = modello;
    const double scala = zb::ScalaBench();
    const auto righeInt = static_cast<int32_t>(zb::RigheIntPredefinite * scala);
    const auto righeProd = static_cast<int32_t>(zb::RigheProdPredefinite * scala);
    amb.file = zb::GeneraDati(righeInt, righeProd, amb.cartella);
    amb.fileOutVuoto = amb.cartella + "/vuoto.txt";
    amb.fileOutPieno = amb.cartella + "/pieno.txt";
    amb.fileOutSalva = amb.cartella + "/salva.txt";
    amb.fileFloor = amb.cartella + "/floor.txt";
    ScriviTesto(amb.fileOutVuoto, "\r\n");
    std::fprintf(stderr,
                 "files: %d input lines (%llu bytes), %d catalogue lines (%llu bytes) in %s\n",
                 righeInt, static_cast<unsigned long long>(amb.file.byteInt), righeProd,
                 static_cast<unsigned long long>(amb.file.byteProd), amb.cartella.c_str());
    return amb;
}

std::string cartellaDaRimuovere;
void Rimuovi() {
    std::error_code ec;
    std::filesystem::remove_all(cartellaDaRimuovere, ec);
}

// Made by the first benchmark that runs (its set-up, never its timing) and removed at exit.
const Ambiente& Amb() {
    static const Ambiente amb = [] {
        try {
            Ambiente a = Prepara();
            cartellaDaRimuovere = a.cartella;
            std::atexit(Rimuovi);
            return a;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "bench_core: %s\n", e.what());
            std::exit(1);
        }
    }();
    return amb;
}

// ---------------------------------------------------------------------------------------
// A window's state after a whole opening, shared by the benchmarks that work on loaded
// tables.

struct Finestra {
    zb::PiattaformaBench pf{Amb().cartella};
    StatoHome h{pf};
};

std::unique_ptr<Finestra> Apri(const std::string& fileOut) {
    auto f = std::make_unique<Finestra>();
    PreparaFinestra(f->h);
    f->pf.percorsi = {Amb().file.fileInt, Amb().file.fileProd, fileOut};
    LeggiArchivi(f->h);
    return f;
}

bool AperturaCompleta(const StatoHome& h) {
    return h.NumInt == Amb().file.righeInt && h.NumProd == Amb().file.righeProd &&
           h.grd1.Rows() == h.NumInt + 1;
}

// Whether input record i is paired in the standard layout: 7 records in 10, spread out.
bool Accoppiato(int32_t i) {
    return (static_cast<uint32_t>(i) * 2654435761u >> 8) % 10 < 7;
}

// Clears every pair, then pairs about 70% of the input records with distinct catalogue
// records, and shows the result in grd1.
void ImpostaCoppie(StatoHome& h) {
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        h.ArtInt[i].PCdProd = 0;
        h.ArtInt[i].Stato.clear();
    }
    for (int32_t j = 1; j <= h.NumProd; ++j) {
        h.ArtProd[j].PCdInt = 0;
        h.ArtProd[j].Stato.clear();
    }
    int32_t associati = 0;
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        if (!Accoppiato(i))
            continue;
        const int32_t j = static_cast<int32_t>((static_cast<int64_t>(i) * 4) % h.NumProd) + 1;
        if (h.ArtProd[j].PCdInt != 0)
            continue;
        h.ArtInt[i].PCdProd = j;
        h.ArtInt[i].Stato = "A";
        h.ArtProd[j].PCdInt = i;
        ++associati;
    }
    h.NumAssociati = associati;
    h.NumNonAssociabili = 0;
    CaricaGrid1(h);
    RefreshGrideLabel(h);
}

Finestra& Caricata() {
    static std::unique_ptr<Finestra> f = [] {
        auto n = Apri(Amb().fileOutVuoto);
        if (!AperturaCompleta(n->h))
            throw std::runtime_error("the opening did not load both files");
        ImpostaCoppie(n->h);
        return n;
    }();
    return *f;
}

std::vector<int32_t> IndiciAccoppiati(const StatoHome& h) {
    std::vector<int32_t> v;
    for (int32_t i = 1; i <= h.NumInt; ++i)
        if (h.ArtInt[i].PCdProd != 0)
            v.push_back(i);
    return v;
}

long PageFaultMinori() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_minflt;
}

// ---------------------------------------------------------------------------------------
// Loading the files.

void Floor_getline(benchmark::State& state, const std::string* percorso, uint64_t byte) {
    int64_t righe = 0;
    for (auto _ : state) {
        std::ifstream f(*percorso, std::ios::binary);
        std::string riga;
        righe = 0;
        while (std::getline(f, riga)) {
            benchmark::DoNotOptimize(riga.data());
            ++righe;
        }
    }
    state.SetItemsProcessed(state.iterations() * righe);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(byte));
}
void BM_Floor_getline_Int(benchmark::State& state) {
    Floor_getline(state, &Amb().file.fileInt, Amb().file.byteInt);
}
void BM_Floor_getline_Prod(benchmark::State& state) {
    Floor_getline(state, &Amb().file.fileProd, Amb().file.byteProd);
}
BENCHMARK(BM_Floor_getline_Int)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_getline_Prod)->Unit(benchmark::kMillisecond);

// The core's own line reader alone, to tell reading from record building.
void LettoreRighe_solo(benchmark::State& state, const std::string* percorso, uint64_t byte) {
    int64_t righe = 0;
    for (auto _ : state) {
        LettoreRighe l(*percorso);
        std::string_view riga;
        righe = 0;
        while (l.Leggi(riga)) {
            benchmark::DoNotOptimize(riga.data());
            ++righe;
        }
    }
    state.SetItemsProcessed(state.iterations() * righe);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(byte));
}
void BM_LettoreRighe_Int(benchmark::State& state) {
    LettoreRighe_solo(state, &Amb().file.fileInt, Amb().file.byteInt);
}
void BM_LettoreRighe_Prod(benchmark::State& state) {
    LettoreRighe_solo(state, &Amb().file.fileProd, Amb().file.byteProd);
}
BENCHMARK(BM_LettoreRighe_Int)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LettoreRighe_Prod)->Unit(benchmark::kMillisecond);

// LeggiFile* then CaricaFile* into the tables of a freshly loaded window, as the opening
// does; building and tearing down the window stay out of the timing.
template <bool Prod> void LeggiCarica(benchmark::State& state) {
    const std::string& percorso = Prod ? Amb().file.fileProd : Amb().file.fileInt;
    const int32_t attese = Prod ? Amb().file.righeProd : Amb().file.righeInt;
    for (auto _ : state) {
        state.PauseTiming();
        auto f = std::make_unique<Finestra>();
        PreparaFinestra(f->h);
        state.ResumeTiming();
        if constexpr (Prod)
            CaricaFileProd(f->h, LeggiFileProd(percorso, f->h.DimProd));
        else
            CaricaFileInt(f->h, LeggiFileInt(percorso, f->h.DimInt));
        state.PauseTiming();
        const int32_t lette = Prod ? f->h.NumProd : f->h.NumInt;
        f.reset();
        state.ResumeTiming();
        if (lette != attese) {
            state.SkipWithError("wrong record count after the load");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * attese);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(Prod ? Amb().file.byteProd : Amb().file.byteInt));
}
void BM_LeggiCaricaFileInt(benchmark::State& state) {
    LeggiCarica<false>(state);
}
void BM_LeggiCaricaFileProd(benchmark::State& state) {
    LeggiCarica<true>(state);
}
BENCHMARK(BM_LeggiCaricaFileInt)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_LeggiCaricaFileProd)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->MeasureProcessCPUTime();

// LeggiFile* alone, the records built but not stored.
template <bool Prod> void LeggiSolo(benchmark::State& state) {
    const std::string& percorso = Prod ? Amb().file.fileProd : Amb().file.fileInt;
    const int32_t attese = Prod ? Amb().file.righeProd : Amb().file.righeInt;
    for (auto _ : state) {
        auto t = Prod ? LeggiFileProd(percorso, CapacitaIniziale)
                      : LeggiFileInt(percorso, CapacitaIniziale);
        state.PauseTiming();
        const int32_t n = t.num;
        t = {};
        state.ResumeTiming();
        if (n != attese) {
            state.SkipWithError("wrong record count");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * attese);
}
void BM_LeggiFileInt(benchmark::State& state) {
    LeggiSolo<false>(state);
}
void BM_LeggiFileProd(benchmark::State& state) {
    LeggiSolo<true>(state);
}
BENCHMARK(BM_LeggiFileInt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeggiFileProd)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor of the whole opening: both files through std::getline, one after the other.
void BM_Floor_getline_Apertura(benchmark::State& state) {
    int64_t righe = 0;
    for (auto _ : state) {
        righe = 0;
        for (const std::string* percorso : {&Amb().file.fileInt, &Amb().file.fileProd}) {
            std::ifstream f(*percorso, std::ios::binary);
            std::string riga;
            while (std::getline(f, riga)) {
                benchmark::DoNotOptimize(riga.data());
                ++righe;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * righe);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(Amb().file.byteInt + Amb().file.byteProd));
}
BENCHMARK(BM_Floor_getline_Apertura)->Unit(benchmark::kMillisecond);

// The whole opening, from the answer to the last file dialog to a filled grd1: both files,
// the output file (one blank line, so no automatic matching follows) and the refresh. The
// files are read on two threads: CPU is the whole process's.
void BM_LeggiArchivi(benchmark::State& state) {
    long faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto f = std::make_unique<Finestra>();
        PreparaFinestra(f->h);
        f->pf.percorsi = {Amb().file.fileInt, Amb().file.fileProd, Amb().fileOutVuoto};
        faults -= PageFaultMinori();
        state.ResumeTiming();
        LeggiArchivi(f->h);
        state.PauseTiming();
        faults += PageFaultMinori();
        const bool ok = AperturaCompleta(f->h);
        f.reset();
        state.ResumeTiming();
        if (!ok) {
            state.SkipWithError("the opening did not load both files");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * (Amb().file.righeInt + Amb().file.righeProd));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(Amb().file.byteInt + Amb().file.byteProd));
    // Fresh pages touched per opening: the allocator may hand back memory an earlier
    // iteration already touched, which a first opening in a new process never gets.
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LeggiArchivi)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

// Two steps of the opening on their own, on the loaded tables: the output file read back
// when it holds one blank line (nothing to restore), and the final refresh (grd1 filled,
// the first article to pair selected, Grd2 filtered for it).
void BM_ApplicaFileOutput_RigaVuota(benchmark::State& state) {
    StatoHome& h = Caricata().h;
    const FileOutputLetto letto{{""}, {}};
    const long faultsPrima = PageFaultMinori();
    for (auto _ : state)
        ApplicaFileOutput(h, letto);
    state.counters["faults"] = benchmark::Counter(
        static_cast<double>(PageFaultMinori() - faultsPrima), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * (h.NumInt + h.NumProd));
}
BENCHMARK(BM_ApplicaFileOutput_RigaVuota)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RefreshGrideLabel(benchmark::State& state) {
    StatoHome& h = Caricata().h;
    for (auto _ : state)
        RefreshGrideLabel(h);
    state.SetItemsProcessed(state.iterations() * h.NumInt);
}
BENCHMARK(BM_RefreshGrideLabel)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------
// The grids.

void BM_CaricaGrid1(benchmark::State& state) {
    StatoHome& h = Caricata().h;
    for (auto _ : state)
        CaricaGrid1(h);
    state.SetItemsProcessed(state.iterations() * h.NumInt);
    state.counters["righe"] = h.grd1.Rows() - 1;
}
BENCHMARK(BM_CaricaGrid1)->Unit(benchmark::kMillisecond);

struct Filtro {
    const char* codice;
    const char* descrizione;
};
// (a) a code held by a few dozen records, (b) nothing: everything passes, (c) two words
// that must both occur.
const Filtro FiltroSelettivo{zb::CodiceRaro, ""};
const Filtro FiltroVuoto{"", ""};
const Filtro FiltroDueParole{"", "ACCIAIO INOX"};

void Grid2(benchmark::State& state, const Filtro* filtro) {
    StatoHome& h = Caricata().h;
    h.Testi.TxtCod = filtro->codice;
    h.Testi.txtDescr = filtro->descrizione;
    h.Testi.cmBAndOrIndice = 0; // AND
    for (auto _ : state)
        CaricaGrid2(h);
    state.SetItemsProcessed(state.iterations() * h.NumProd);
    state.counters["righe"] = h.Grd2.Rows() - 1;
    h.Testi.TxtCod.clear();
    h.Testi.txtDescr.clear();
}
BENCHMARK_CAPTURE(Grid2, Selettivo, &FiltroSelettivo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Grid2, TuttiPassano, &FiltroVuoto)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Grid2, DueParoleAnd, &FiltroDueParole)->Unit(benchmark::kMillisecond);

// The core's filter alone, without the grid.
void Filtra_solo(benchmark::State& state, const Filtro* filtro) {
    StatoHome& h = Caricata().h;
    const FiltroProd f(filtro->codice, filtro->descrizione, false);
    std::size_t n = 0;
    for (auto _ : state) {
        auto v = Filtra(f, h.CdProdU, h.DescrU, h.NumProd);
        n = v.size();
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * h.NumProd);
    state.counters["righe"] = static_cast<double>(n);
}
BENCHMARK_CAPTURE(Filtra_solo, Selettivo, &FiltroSelettivo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Filtra_solo, TuttiPassano, &FiltroVuoto)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Filtra_solo, DueParoleAnd, &FiltroDueParole)->Unit(benchmark::kMillisecond);

// The floor: a bare loop of substring tests over the same upper-cased texts, collecting
// the indexes that pass.
void Floor_Filtro(benchmark::State& state, const Filtro* filtro) {
    StatoHome& h = Caricata().h;
    const std::string_view codice = filtro->codice;
    std::vector<std::string> parole;
    {
        std::string d = filtro->descrizione;
        std::size_t p = 0;
        while (p < d.size()) {
            const std::size_t q = std::min(d.find(' ', p), d.size());
            if (q > p)
                parole.push_back(d.substr(p, q - p));
            p = q + 1;
        }
    }
    std::vector<int32_t> passano;
    for (auto _ : state) {
        passano.clear();
        for (int32_t j = 1; j <= h.NumProd; ++j) {
            if (!codice.empty() && h.CdProdU[j].find(codice) == std::string_view::npos)
                continue;
            bool ok = true;
            for (const std::string& w : parole)
                if (h.DescrU[j].find(w) == std::string_view::npos) {
                    ok = false;
                    break;
                }
            if (ok)
                passano.push_back(j);
        }
        benchmark::DoNotOptimize(passano.data());
    }
    state.SetItemsProcessed(state.iterations() * h.NumProd);
    state.counters["righe"] = static_cast<double>(passano.size());
}
BENCHMARK_CAPTURE(Floor_Filtro, Selettivo, &FiltroSelettivo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Floor_Filtro, TuttiPassano, &FiltroVuoto)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Floor_Filtro, DueParoleAnd, &FiltroDueParole)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------------------
// Pairs and moves on 100,000 grd1 rows, about 70% paired.

// Undoing a pair, as the user does on the selected input row: Grd2 shows the filter for
// the paired code. With grd1 in file order the row is found at once; once the user has
// sorted grd1 the row is searched for.
void AnnullaAssoc_(benchmark::State& state, bool riordinata) {
    StatoHome& h = Caricata().h;
    ImpostaCoppie(h);
    if (riordinata) {
        h.grd1.SetCol(h.grd1.ColIndex("DESCR"));
        h.grd1.Sort(Griglia::OrdineCrescente);
    }
    const std::vector<int32_t> coppie = IndiciAccoppiati(h);
    std::size_t k = 0;
    for (auto _ : state) {
        const int32_t i = coppie[k];
        k = (k + 997) % coppie.size();
        const int32_t j = h.ArtInt[i].PCdProd;
        h.Testi.TxtCod = h.ArtProd[j].CdProd;
        h.Testi.txtDescr.clear();
        CaricaGrid2(h);
        const auto t0 = Orologio::now();
        AnnullaAssoc(h, i);
        const auto t1 = Orologio::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        // The pair back, so every undo finds the same amount of work.
        Collega(h, i, j, Origine::Automatico);
    }
    h.Testi.TxtCod.clear();
    ImpostaCoppie(h);
}
void BM_AnnullaAssoc(benchmark::State& state) {
    AnnullaAssoc_(state, false);
}
void BM_AnnullaAssoc_Grd1Riordinata(benchmark::State& state) {
    AnnullaAssoc_(state, true);
}
BENCHMARK(BM_AnnullaAssoc)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2000);
BENCHMARK(BM_AnnullaAssoc_Grd1Riordinata)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(300);

// A move from each of a fixed set of start rows spread over grd1. A move that lands on an
// input article with an empty supplier code (and no pair) leaves the code box empty, so
// Grd2 is refilled with the whole catalogue: "intere" counts those, max_ms is the slowest.
void Movimento(benchmark::State& state, void (*mossa)(StatoHome&)) {
    StatoHome& h = Caricata().h;
    ImpostaCoppie(h);
    int r = 1;
    double massimo = 0;
    int intere = 0;
    for (auto _ : state) {
        r = 1 + (r + 7919) % (h.NumInt - 1);
        h.PCdIntSel = h.grd1.Record(r);
        h.grd1.SetRow(r);
        const auto t0 = Orologio::now();
        mossa(h);
        const auto t1 = Orologio::now();
        const double s = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(s);
        massimo = std::max(massimo, s);
        intere += h.Testi.TxtCod.empty() ? 1 : 0;
    }
    state.counters["max_ms"] = massimo * 1000;
    state.counters["intere"] = intere;
    h.Testi.TxtCod.clear();
}
void BM_CercaPrimoDaAbbinare(benchmark::State& state) {
    Movimento(state, CercaPrimoDaAbbinare);
}
void BM_CercaSuccessivo(benchmark::State& state) {
    Movimento(state, CercaSuccessivo);
}
void BM_CercaPrecDaAbbinare(benchmark::State& state) {
    Movimento(state, CercaPrecDaAbbinare);
}
BENCHMARK(BM_CercaPrimoDaAbbinare)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(300);
BENCHMARK(BM_CercaSuccessivo)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(300);
BENCHMARK(BM_CercaPrecDaAbbinare)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(300);

// ---------------------------------------------------------------------------------------
// The automatic run, on an input file where a fifth of the articles bear the code of an
// earlier one, so that their catalogue article is taken and a copy of its line is made.

constexpr double QuotaCopie = 0.2;

const std::string& InputCopie() {
    static const std::string percorso = [] {
        const std::string p = Amb().cartella + "/copie.ber";
        const auto e = zb::InputConCopie(Amb().file.fileInt, Amb().file.fileProd, QuotaCopie, p);
        std::fprintf(stderr, "copie.ber: %d of %d articles repeat an earlier code\n", e.ripetute,
                     e.righe);
        return p;
    }();
    return percorso;
}

// A window opened without the run (one blank line in the output file), on a catalogue of
// its own: the run appends its copies to it.
std::unique_ptr<Finestra> ApriPerProva() {
    const std::string catalogo = Amb().cartella + "/prova.orv";
    std::filesystem::copy_file(Amb().file.fileProd, catalogo,
                               std::filesystem::copy_options::overwrite_existing);
    auto f = std::make_unique<Finestra>();
    PreparaFinestra(f->h);
    f->pf.percorsi = {InputCopie(), catalogo, Amb().fileOutVuoto};
    LeggiArchivi(f->h);
    return f;
}

void BM_ProvaAbbinamenti(benchmark::State& state) {
    EsitoProva esito;
    for (auto _ : state) {
        state.PauseTiming();
        auto f = ApriPerProva();
        zb::BarraMuta barra;
        state.ResumeTiming();
        esito = ProvaAbbinamenti(f->h, barra);
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
    state.counters["associati"] = esito.associati;
    state.counters["copie"] = esito.copie;
    state.SetItemsProcessed(state.iterations() * Amb().file.righeInt);
}
BENCHMARK(BM_ProvaAbbinamenti)->Unit(benchmark::kMillisecond)->Iterations(3);

// The plain run (the tests' reference: the catalogue's lines and their keys as plain
// strings, a scan of the whole catalogue for every article) cannot finish on these tables in
// reasonable time: it runs on the first articles only, and the two throughputs (articles
// per second) are compared. The time reported is the fast run's.
void BM_ProvaAbbinamenti_ControLetterale(benchmark::State& state) {
    const auto primi = static_cast<int32_t>(state.range(0));
    double rapporto = 0, letteraleMs = 0;
    for (auto _ : state) {
        auto veloce = ApriPerProva();
        zb::BarraMuta barra;
        const auto t0 = Orologio::now();
        ProvaAbbinamenti(veloce->h, barra);
        const auto t1 = Orologio::now();
        const int32_t n = veloce->h.NumInt;
        veloce.reset();
        auto piano = ApriPerProva();
        zelvano::fuzz::CoppieRif coppie = zelvano::fuzz::CoppieRif::Di(piano->h);
        std::vector<std::string> codiciInt{""};
        for (int32_t i = 1; i <= std::min(primi, piano->h.NumInt); ++i)
            codiciInt.push_back(piano->h.ArtInt[i].CdProd.str());
        std::ifstream file(Amb().file.fileProd, std::ios::binary);
        std::vector<std::string> righe = zelvano::fuzz::RigheRif(
            std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
        piano.reset();
        const auto t2 = Orologio::now();
        zelvano::fuzz::ProvaRif(coppie, codiciInt, righe);
        const auto t3 = Orologio::now();
        const double sVeloce = std::chrono::duration<double>(t1 - t0).count();
        const double sPiano = std::chrono::duration<double>(t3 - t2).count();
        state.SetIterationTime(sVeloce);
        rapporto = (n / sVeloce) / (primi / sPiano);
        letteraleMs = sPiano * 1000 / primi;
    }
    state.counters["letterale_ms_per_articolo"] = letteraleMs;
    state.counters["rapporto"] = rapporto;
}
BENCHMARK(BM_ProvaAbbinamenti_ControLetterale)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

// ---------------------------------------------------------------------------------------
// The output file.

void BM_SalvaArchivio(benchmark::State& state) {
    Finestra& f = Caricata();
    StatoHome& h = f.h;
    ImpostaCoppie(h);
    const std::string prima = h.File.FileOut;
    h.File.FileOut = Amb().fileOutSalva;
    for (auto _ : state) {
        h.DatiModificati = true;
        if (!SalvaArchivio(h)) {
            state.SkipWithError("SalvaArchivio failed");
            break;
        }
    }
    h.File.FileOut = prima;
    state.SetItemsProcessed(state.iterations() * h.NumInt);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(Amb().fileOutSalva)));
}
BENCHMARK(BM_SalvaArchivio)->Unit(benchmark::kMillisecond);

// The bytes alone, without the file.
void BM_TestoFileOutput(benchmark::State& state) {
    StatoHome& h = Caricata().h;
    ImpostaCoppie(h);
    std::size_t n = 0;
    for (auto _ : state) {
        const std::string t = TestoFileOutput(h);
        n = t.size();
        benchmark::DoNotOptimize(t.data());
    }
    state.SetItemsProcessed(state.iterations() * h.NumInt);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(n));
}
BENCHMARK(BM_TestoFileOutput)->Unit(benchmark::kMillisecond);

// Floors: the same bytes written with one plain write, and written the careful way (a
// temporary file, fsync, rename), which is what a save that cannot lose the old file costs.
void Floor_Scrivi(benchmark::State& state, bool sicuro) {
    StatoHome& h = Caricata().h;
    ImpostaCoppie(h);
    const std::string testo = TestoFileOutput(h);
    const std::string tmp = Amb().fileFloor + ".tmp";
    for (auto _ : state) {
        const std::string& dest = sicuro ? tmp : Amb().fileFloor;
        const int fd = ::open(dest.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 ||
            ::write(fd, testo.data(), testo.size()) != static_cast<ssize_t>(testo.size())) {
            state.SkipWithError("write failed");
            break;
        }
        if (sicuro)
            ::fsync(fd);
        ::close(fd);
        if (sicuro)
            std::rename(tmp.c_str(), Amb().fileFloor.c_str());
    }
    state.SetItemsProcessed(state.iterations() * h.NumInt);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(testo.size()));
}
void BM_Floor_ScriviOutput(benchmark::State& state) {
    Floor_Scrivi(state, false);
}
void BM_Floor_ScriviOutputFsync(benchmark::State& state) {
    Floor_Scrivi(state, true);
}
BENCHMARK(BM_Floor_ScriviOutput)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_ScriviOutputFsync)->Unit(benchmark::kMillisecond);

// Reading back a full output file into tables that hold no pairs yet, as the opening does.
void BM_LetturaFileOutput(benchmark::State& state) {
    Finestra& f = Caricata();
    StatoHome& h = f.h;
    ImpostaCoppie(h);
    ScriviTesto(Amb().fileOutPieno, TestoFileOutput(h));
    const std::string prima = h.File.FileOut;
    h.File.FileOut = Amb().fileOutPieno;
    const int32_t attesi = h.NumAssociati;
    long faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int32_t i = 1; i <= h.NumInt; ++i) {
            h.ArtInt[i].PCdProd = 0;
            h.ArtInt[i].Stato.clear();
        }
        for (int32_t j = 1; j <= h.NumProd; ++j)
            h.ArtProd[j].PCdInt = 0;
        h.NumAssociati = 0;
        faults -= PageFaultMinori();
        state.ResumeTiming();
        ApplicaFileOutput(h, LeggiFileOutput(h.File.FileOut));
        state.PauseTiming();
        faults += PageFaultMinori();
        state.ResumeTiming();
    }
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
    int32_t ritrovati = 0;
    for (int32_t i = 1; i <= h.NumInt; ++i)
        ritrovati += h.ArtInt[i].PCdProd != 0 ? 1 : 0;
    state.counters["coppie"] = ritrovati;
    if (ritrovati != attesi)
        state.SkipWithError("the pairs read back differ from the ones written");
    h.File.FileOut = prima;
    ImpostaCoppie(h);
    state.SetItemsProcessed(state.iterations() * h.NumInt);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(Amb().fileOutPieno)));
}
BENCHMARK(BM_LetturaFileOutput)->Unit(benchmark::kMillisecond)->Iterations(5);

// Floor: the same file read line by line with getline.
void BM_Floor_LeggiOutput(benchmark::State& state) {
    StatoHome& h = Caricata().h;
    ImpostaCoppie(h);
    ScriviTesto(Amb().fileOutPieno, TestoFileOutput(h));
    int64_t righe = 0;
    for (auto _ : state) {
        std::ifstream f(Amb().fileOutPieno, std::ios::binary);
        std::string riga;
        righe = 0;
        while (std::getline(f, riga)) {
            benchmark::DoNotOptimize(riga.data());
            ++righe;
        }
    }
    state.SetItemsProcessed(state.iterations() * righe);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(Amb().fileOutPieno)));
}
BENCHMARK(BM_Floor_LeggiOutput)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
