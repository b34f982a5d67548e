#include "sessione/RiprendiCopie.h"

#include "coppie/DuplicaRiga.h"
#include "files/FileCatalogo.h"
#include "files/SegnoAccodamento.h"
#include "sessione/LeggiArchivi.h"
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

// The markers of appends in a folder.
std::size_t Segni(const std::string& cartella) {
    const std::filesystem::directory_iterator tutti(cartella);
    return static_cast<std::size_t>(std::count_if(begin(tutti), end(tutti), [](const auto& f) {
        const std::string nome = f.path().filename().string();
        return nome.starts_with(".") || nome.starts_with("aggiunta-");
    }));
}

// What a kill leaves: the marker, whole copies, then a piece of a line. The next opening
// cuts the piece, never below the length noted, unless the file was replaced since.
TEST(RiprendiCopie, HalfLineLeftByAKillIsCutAtTheNextOpening) {
    const std::string k1 = RigaProd("K1", "L01", "UNO"), k2 = RigaProd("K2", "L02", "DUE");
    const std::string intero = Unisci({k1, k2}), senzaACapo = k1 + "\r\n" + k2;
    // A name too long for a marker beside it: the marker goes to the user's data folder.
    const std::string lungo(244, 'c');
    const struct {
        std::string nome, file, pezzo, dopo;
        bool sostituito = false;
    } casi[] = {
        {"catalogo.orv", intero, k1 + "\r\n" + k2.substr(0, 100), intero + k1 + "\r\n"},
        {lungo, senzaACapo, "\r\nK1 par", senzaACapo + "\r\n"},
        {lungo, senzaACapo, "\r", senzaACapo},
        {"catalogo.orv", intero, "K2", intero + "K2", true},
    };
    Banco b({RigaInt("I1", "", "", "K1")}, {k1, k2});
    b.pf.cartellaDati = b.cartella.Percorso("dati");
    std::filesystem::create_directory(b.pf.cartellaDati);
    for (const auto& c : casi) {
        SCOPED_TRACE(c.dopo.size());
        b.fileProd = b.cartella.Scrivi(c.nome, c.file);
        const int fd = ::open(b.fileProd.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        PoniSegnoAccodamento(b.fileProd, fd, static_cast<int64_t>(c.file.size()),
                             [&b] { return b.pf.CartellaDatiUtente(); });
        ASSERT_EQ(::write(fd, c.pezzo.data(), c.pezzo.size()), std::ssize(c.pezzo));
        ::close(fd);
        EXPECT_EQ(Segni(b.pf.cartellaDati), c.nome == lungo ? 1u : 0u);
        if (c.sostituito) {
            b.cartella.Scrivi("nuovo", LeggiFile(b.fileProd));
            std::filesystem::rename(b.cartella.Percorso("nuovo"), b.fileProd);
        }
        const std::size_t tolti = c.file.size() + c.pezzo.size() - c.dopo.size();
        Riapri(b, tolti == 0 ? ""
                             : "L'aggiunta di righe al file " + b.fileProd +
                                   " era stata interrotta: la riga rimasta a met\xE0 (" +
                                   std::to_string(tolti) + " byte) \xE8 stata tolta");
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
                CopieCatalogo copie(b.h.File, [&b] { return b.pf.CartellaDatiUtente(); });
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
