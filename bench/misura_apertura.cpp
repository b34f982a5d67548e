// misura_apertura [--nuovo] [--lavoro] [folder]: one whole opening (LeggiArchivi) of the
// two article files, with its wall time and the process's peak memory beside the files'
// size, then Grd2 refilled with the code box empty. Without a folder the files are
// generated first, in a child process, so the generator's memory never counts in this
// process's peak. With --nuovo the output file is new, so the opening runs the automatic
// matching, whose copies go to a copy of the catalogue made beforehand. With --lavoro the
// opening is followed by the automatic matching run, three catalogue filters and a save,
// each timed.
// misura_apertura --vuote N: both files of N empty lines, and what a line costs.

#include "GeneraDati.h"
#include "PiattaformaBench.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/StatoHome.h"
#include "files/FileOutput.h"
#include "griglie/CaricaGrid2.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "sessione/SalvaArchivio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A "Vm...:" line of /proc/self/status, in kB; -1 when missing.
long StatoKb(const char* campo) {
    std::ifstream f("/proc/self/status");
    std::string riga;
    const std::string chiave = std::string(campo) + ":";
    while (std::getline(f, riga))
        if (riga.compare(0, chiave.size(), chiave) == 0)
            return std::strtol(riga.c_str() + chiave.size(), nullptr, 10);
    return -1;
}

bool GeneraInFiglio(const std::string& cartella) {
    const pid_t figlio = fork();
    if (figlio < 0)
        return false;
    if (figlio == 0) {
        try {
            zelvano::bench::GeneraDati(zelvano::bench::RigheIntPredefinite,
                                       zelvano::bench::RigheProdPredefinite, cartella);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            _exit(1);
        }
        _exit(0);
    }
    int stato = 0;
    return waitpid(figlio, &stato, 0) == figlio && WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
}

// A folder this program made for itself, removed on the way out.
struct CartellaPropria {
    std::string percorso;
    CartellaPropria() = default;
    CartellaPropria(const CartellaPropria&) = delete;
    CartellaPropria& operator=(const CartellaPropria&) = delete;
    ~CartellaPropria() {
        std::error_code ec;
        if (!percorso.empty())
            std::filesystem::remove_all(percorso, ec);
    }
};

double Ms(std::chrono::steady_clock::time_point da) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - da).count();
}

// Times one step of the work after the opening.
template <class F> void Misura(const char* cosa, F&& passo) {
    const auto t0 = std::chrono::steady_clock::now();
    passo();
    std::printf("%-34s %.1f ms\n", cosa, Ms(t0));
}

// The automatic matching run, the filters a user types and a save.
void Lavoro(zelvano::StatoHome& h, zelvano::bench::PiattaformaBench& pf) {
    Misura("automatic matching run", [&] { zelvano::AbbinaAutomaticamente(h); });
    std::printf("  pairs %d, catalogue records %d\n", h.NumAssociati, h.NumProd);
    Misura("filter, selective code", [&] {
        h.Testi.TxtCod = zelvano::bench::CodiceRaro;
        zelvano::CaricaGrid2(h);
    });
    std::printf("  Grd2 rows %d\n", h.Grd2.Rows() - 1);
    Misura("filter, both boxes empty", [&] {
        h.Testi.TxtCod.clear();
        zelvano::CaricaGrid2(h);
    });
    std::printf("  Grd2 rows %d\n", h.Grd2.Rows() - 1);
    Misura("filter, description word", [&] {
        h.Testi.txtDescr = "VITE";
        zelvano::CaricaGrid2(h);
    });
    std::printf("  Grd2 rows %d\n", h.Grd2.Rows() - 1);
    h.DatiModificati = true;
    bool salvato = false;
    Misura("save (SalvaArchivio)", [&] { salvato = zelvano::SalvaArchivio(h); });
    std::printf("  saved %s, messages %zu\n", salvato ? "yes" : "NO", pf.messaggi.size());
}

// Both files of n empty lines: what an empty line costs once opened, both tables and
// grids, the catalogue's line positions and upper-cased texts included.
int Vuote(long n) {
    char modello[] = "/tmp/zelvano-vuote-XXXXXX";
    if (mkdtemp(modello) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    CartellaPropria propria;
    propria.percorso = modello;
    const std::string cartella = modello;
    for (const char* nome : {zelvano::bench::NomeFileInt, zelvano::bench::NomeFileProd}) {
        std::ofstream f(cartella + "/" + nome, std::ios::binary);
        const std::string blocco(2 * 4096, '\n');
        for (long k = 0; k < n; k += 4096)
            f.write(blocco.data(), static_cast<std::streamsize>(std::min<long>(4096, n - k)));
    }
    {
        std::ofstream f(cartella + "/apertura.txt", std::ios::binary);
        f << "\r\n";
    }
    const long rssPrima = StatoKb("VmRSS");
    zelvano::bench::PiattaformaBench pf(cartella);
    zelvano::StatoHome h(pf);
    zelvano::PreparaFinestra(h);
    pf.percorsi = {cartella + "/" + zelvano::bench::NomeFileInt,
                   cartella + "/" + zelvano::bench::NomeFileProd, cartella + "/apertura.txt"};
    const auto t0 = std::chrono::steady_clock::now();
    zelvano::LeggiArchivi(h);
    const double ms = Ms(t0);
    const long rssDopo = StatoKb("VmRSS");
    const long hwm = StatoKb("VmHWM");
    std::printf("empty lines per file       %ld (records: input %d, catalogue %d)\n", n, h.NumInt,
                h.NumProd);
    std::printf("opening wall time          %.1f ms\n", ms);
    std::printf("RSS after - before         %.1f MiB\n",
                static_cast<double>(rssDopo - rssPrima) / 1024.0);
    std::printf("per empty line, both files %.1f bytes (input + catalogue record)\n",
                static_cast<double>(rssDopo - rssPrima) * 1024.0 / static_cast<double>(n));
    std::printf("peak per empty line        %.1f bytes\n",
                static_cast<double>(hwm - rssPrima) * 1024.0 / static_cast<double>(n));
    return h.NumInt == n && h.NumProd == n ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    bool lavoro = false, nuovo = false;
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    if (argomenti.size() == 2 && argomenti[0] == "--vuote")
        return Vuote(std::strtol(argomenti[1].c_str(), nullptr, 10));
    while (!argomenti.empty() && (argomenti[0] == "--lavoro" || argomenti[0] == "--nuovo")) {
        (argomenti[0] == "--lavoro" ? lavoro : nuovo) = true;
        argomenti.erase(argomenti.begin());
    }
    if (argomenti.size() > 1) {
        std::fprintf(stderr,
                     "usage: %s [--nuovo] [--lavoro] [folder holding %s and %s]\n"
                     "       %s --vuote <lines>\n",
                     argv[0], zelvano::bench::NomeFileInt, zelvano::bench::NomeFileProd, argv[0]);
        return 2;
    }
    std::string cartella;
    CartellaPropria propria;
    if (argomenti.size() == 1) {
        cartella = argomenti[0];
    } else {
        char modello[] = "/tmp/zelvano-apertura-XXXXXX";
        if (mkdtemp(modello) == nullptr) {
            std::perror("mkdtemp");
            return 1;
        }
        cartella = modello;
        propria.percorso = cartella;
        std::printf("generating 100000 + 500000 lines in %s\n", cartella.c_str());
        if (!GeneraInFiglio(cartella)) {
            std::fprintf(stderr, "generation failed\n");
            return 1;
        }
    }
    const std::string fileInt = cartella + "/" + zelvano::bench::NomeFileInt;
    std::string fileProd = cartella + "/" + zelvano::bench::NomeFileProd;
    const std::string fileOut = cartella + "/apertura.txt";
    std::error_code ec;
    if (nuovo) {
        // The run appends its copies: to a catalogue of this measure's own.
        const std::string copia = cartella + "/apertura.orv";
        std::filesystem::copy_file(fileProd, copia,
                                   std::filesystem::copy_options::overwrite_existing, ec);
        if (ec) {
            std::fprintf(stderr, "%s: %s\n", copia.c_str(), ec.message().c_str());
            return 1;
        }
        fileProd = copia;
        std::filesystem::remove(fileOut, ec);
    } else {
        // One blank line: the opening finds no pairs to restore and runs no automatic
        // matching.
        std::ofstream f(fileOut, std::ios::binary | std::ios::trunc);
        f << "\r\n";
    }
    const auto byteInt = std::filesystem::file_size(fileInt, ec);
    if (ec) {
        std::fprintf(stderr, "%s: %s\n", fileInt.c_str(), ec.message().c_str());
        return 1;
    }
    const auto byteProd = std::filesystem::file_size(fileProd, ec);
    if (ec) {
        std::fprintf(stderr, "%s: %s\n", fileProd.c_str(), ec.message().c_str());
        return 1;
    }

    const long rssPrima = StatoKb("VmRSS");
    zelvano::bench::PiattaformaBench pf(cartella);
    zelvano::StatoHome h(pf);
    zelvano::PreparaFinestra(h);
    pf.percorsi = {fileInt, fileProd, fileOut};

    rusage usoPrima{};
    getrusage(RUSAGE_SELF, &usoPrima);
    const auto t0 = std::chrono::steady_clock::now();
    try {
        zelvano::LeggiArchivi(h);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "the opening failed: %s\n", e.what());
        return 1;
    }
    const auto t1 = std::chrono::steady_clock::now();

    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const long hwm = StatoKb("VmHWM");
    const long rssDopo = StatoKb("VmRSS");
    const double totaleMb = static_cast<double>(byteInt + byteProd) / (1024.0 * 1024.0);
    const double maxrssMb = static_cast<double>(uso.ru_maxrss) / 1024.0;
    const double hwmMb = static_cast<double>(hwm) / 1024.0;

    std::printf("input file      %s: %llu bytes, %d records\n", fileInt.c_str(),
                static_cast<unsigned long long>(byteInt), h.NumInt);
    std::printf("catalogue file  %s: %llu bytes, %d records\n", fileProd.c_str(),
                static_cast<unsigned long long>(byteProd), h.NumProd);
    std::printf("grid rows       grd1 %d, Grd2 %d\n", h.grd1.Rows() - 1, h.Grd2.Rows() - 1);
    std::printf("dialogs %d, questions %zu, messages %zu\n", pf.dialoghi, pf.domande.size(),
                pf.messaggi.size());
    for (const auto& d : pf.domande)
        std::printf("  question: %s\n", d.c_str());
    for (const auto& m : pf.messaggi)
        std::printf("  message: %s\n", m.c_str());
    std::printf("opening wall time          %.1f ms\n",
                std::chrono::duration<double, std::milli>(t1 - t0).count());
    // Every fresh page the opening touches costs a fault; on a virtual machine a fault can
    // cost several microseconds, enough to weigh on the wall time.
    std::printf("minor page faults          %ld\n", uso.ru_minflt - usoPrima.ru_minflt);
    std::printf("files total                %.1f MiB\n", totaleMb);
    std::printf("RSS before the window      %.1f MiB\n", static_cast<double>(rssPrima) / 1024.0);
    std::printf("RSS after the opening      %.1f MiB\n", static_cast<double>(rssDopo) / 1024.0);
    std::printf("peak RSS (ru_maxrss)       %.1f MiB\n", maxrssMb);
    std::printf("peak RSS (VmHWM)           %.1f MiB\n", hwmMb);
    std::printf("peak / files               %.2f\n", hwmMb / totaleMb);
    std::printf("pairs after the opening    %d (automatic run: %s)\n", h.NumAssociati,
                nuovo ? "yes" : "no");

    // The code box emptied: every catalogue article in Grd2.
    h.Testi.TxtCod.clear();
    Misura("Grd2 refill, code box empty", [&] { zelvano::CaricaGrid2(h); });
    const double hwmRiempita = static_cast<double>(StatoKb("VmHWM")) / 1024.0;
    std::printf("  Grd2 rows %d; peak RSS after that refill %.1f MiB (%.2f of the files)\n",
                h.Grd2.Rows() - 1, hwmRiempita, hwmRiempita / totaleMb);
    if (nuovo)
        std::filesystem::remove(fileProd, ec);
    if (lavoro) {
        Lavoro(h, pf);
        const double hwmFine = static_cast<double>(StatoKb("VmHWM")) / 1024.0;
        std::printf("peak RSS of the whole work %.1f MiB (%.2f x files)\n", hwmFine,
                    hwmFine / totaleMb);
    }
    return h.NumInt > 0 && h.NumProd > 0 ? 0 : 1;
}
