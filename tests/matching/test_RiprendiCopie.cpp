#include "matching/RiprendiCopie.h"

#include "files/FileCatalogo.h"
#include "files/SegnoAccodamento.h"
#include "matching/DuplicaRiga.h"
#include "matching/LeggiArchivi.h"
#include "support/Banco.h"
#include "support/ProcessoFiglio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace zelvano::test {
namespace {

// The opening again, with the message that starts with messaggio, if any.
void Riapri(Banco& b, const std::string& messaggio = "") {
    b.pf.AspettaApriFile("Apri file Database", b.fileInt)
        .AspettaApriFile("Apri file Orvessa", b.fileProd)
        .AspettaSalvaFile("Salva il file di output Zelvano", b.fileOut);
    if (!messaggio.empty())
        b.pf.AspettaMessaggioInizio(messaggio);
    LeggiArchivi(b.h);
}

std::string Tolta(const Banco& b, int byte) {
    return "L'aggiunta di righe al file " + b.fileProd +
           " era stata interrotta: la riga rimasta a met\xE0 (" + std::to_string(byte) +
           " byte) \xE8 stata tolta";
}

// The markers of appends in a folder.
std::size_t Segni(const std::string& cartella) {
    const std::filesystem::directory_iterator tutti(cartella);
    return static_cast<std::size_t>(std::count_if(begin(tutti), end(tutti), [](const auto& f) {
        const std::string nome = f.path().filename().string();
        return nome.starts_with(".") || nome.starts_with("aggiunta-");
    }));
}

CopieCatalogo Copie(Banco& b) {
    return {b.h.FileProd, b.h.PosProd, b.h.ImprontaProd,
            [&b] { return b.pf.CartellaDatiUtente(); }};
}

// What a kill leaves: copies of line 1 made whole (none: only the marker), then a piece
// of a line. The next opening cuts the piece, never below the length the marker noted.
TEST(RiprendiCopie, HalfLineLeftByAKillIsCutAtTheNextOpening) {
    const std::vector<std::string> prod = {RigaProd("K1", "L01", "UNO"),
                                           RigaProd("K2", "L02", "DUE")};
    const std::string senzaACapo = Unisci(prod).substr(0, Unisci(prod).size() - 2);
    // A name too long for a marker beside it: the marker goes to the user's data folder.
    const std::string lungo = std::string(244, 'c');
    const struct {
        std::string nome, file;
        int copie;
        std::string pezzo, dopo;
        bool sostituito;
    } casi[] = {
        {"catalogo.orv", Unisci(prod), 1, prod[1].substr(0, 100),
         Unisci({prod[0], prod[1], prod[0]}), false},
        {lungo, senzaACapo, 0, "\r\nK1 par", senzaACapo + "\r\n", false},
        {lungo, senzaACapo, 0, "\r", senzaACapo, false},
        {"catalogo.orv", Unisci(prod), 1, "", Unisci({prod[0], prod[1], prod[0]}), false},
        // Replaced by another program since: not the file the marker speaks of.
        {"catalogo.orv", Unisci(prod), 1, "K2", Unisci({prod[0], prod[1], prod[0]}) + "K2", true},
    };
    Banco b({RigaInt("I1", "", "", "K1")}, prod);
    b.pf.cartellaDati = b.cartella.Percorso("dati");
    std::filesystem::create_directory(b.pf.cartellaDati);
    for (const auto& c : casi) {
        SCOPED_TRACE(c.dopo.size());
        b.fileProd = b.cartella.Scrivi(c.nome, c.file);
        Riapri(b);
        InFiglio([&]() -> std::string {
            CopieCatalogo copie = Copie(b);
            for (int k = 0; k < c.copie; ++k)
                DuplicaRiga(copie, b.h, 1);
            const int fd = ::open(b.fileProd.c_str(), O_WRONLY | O_APPEND);
            if (c.copie == 0)
                PoniSegnoAccodamento(b.fileProd, fd, static_cast<int64_t>(c.file.size()),
                                     [&b] { return b.pf.CartellaDatiUtente(); });
            (void)!::write(fd, c.pezzo.data(), c.pezzo.size());
            ::_exit(0); // killed: no destructor runs
        });
        EXPECT_EQ(Segni(b.pf.cartellaDati), c.nome == lungo ? 1u : 0u);
        if (c.sostituito) {
            b.cartella.Scrivi("nuovo", LeggiFile(b.fileProd));
            std::filesystem::rename(b.cartella.Percorso("nuovo"), b.fileProd);
        }
        const std::size_t tolti =
            c.file.size() + c.copie * (prod[0].size() + 2) + c.pezzo.size() - c.dopo.size();
        Riapri(b, tolti > 0 ? Tolta(b, static_cast<int>(tolti)) : "");
        EXPECT_EQ(LeggiFile(b.fileProd), c.dopo);
        EXPECT_EQ(Segni(b.cartella.Percorso("")) + Segni(b.pf.cartellaDati), 0u);
        std::filesystem::remove(b.fileProd);
    }
}

// A child copying catalogue lines, one by one or many through one opening, killed at
// random moments: the kill leaves half a line in some files, the next opening in none.
TEST(RiprendiCopie, KilledWhileCopyingLeavesNoHalfLineToTheNextOpening) {
    // Long lines, so that a kill often lands inside the writing of one.
    const std::string coda(32 * 1024, '.');
    const std::vector<std::string> prod = {RigaProd("K1", "L01", "UNO") + coda,
                                           RigaProd("K2", "L02", "DUE"),
                                           RigaProd("K3", "L03", "TRE") + coda};
    Banco b({RigaInt("I1", "", "", "K1")}, prod);
    const std::string originale = LeggiFile(b.fileProd);
    std::mt19937 caso(16);
    int uccisi = 0, strappati = 0, letti = 0;
    for (int prova = 0; prova < 100; ++prova) {
        b.cartella.Scrivi("catalogo.orv", originale);
        Riapri(b);
        uccisi += UccidiDopo(
            [&] {
                if (prova % 3 == 0)
                    for (int32_t k = 0;; ++k)
                        DuplicaRiga(b.h, 1 + k % 3);
                CopieCatalogo copie = Copie(b);
                for (int32_t k = 0;; ++k)
                    DuplicaRiga(copie, b.h, 1 + k % 3);
            },
            caso() % 10000,
            [&] { return std::filesystem::file_size(b.fileProd) > originale.size(); });
        const std::string prima = LeggiFile(b.fileProd);
        const bool strappato = !prima.ends_with('\n');
        strappati += strappato;
        Riapri(b, strappato ? "L'aggiunta di righe al file " + b.fileProd : "");
        // Every line after the catalogue's own is a whole copy of one of them, and every
        // copy is an article.
        const std::string ora = LeggiFile(b.fileProd);
        bool interi = ora.starts_with(originale) && Segni(b.cartella.Percorso("")) == 0;
        int32_t copie = 0;
        for (std::size_t da = originale.size(); interi && da < ora.size(); ++copie) {
            const std::size_t fine = ora.find("\r\n", da);
            interi = fine != std::string::npos &&
                     std::count(prod.begin(), prod.end(), ora.substr(da, fine - da)) == 1;
            da = fine + 2;
        }
        letti += !interi || b.h.NumProd != 3 + copie;
    }
    EXPECT_GE(uccisi, 100);
    EXPECT_EQ(letti, 0);
    RecordProperty("kills", uccisi);
    RecordProperty("torn_by_the_kill", strappati);
    RecordProperty("torn_after_the_opening", letti);
}

} // namespace
} // namespace zelvano::test
