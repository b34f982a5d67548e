#include "files/FileOutput.h"

#include "data/Testo.h"
#include "support/Banco.h"
#include "support/Invarianti.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelvano {
namespace {

using test::Abbinamenti;
using test::RigaProd;

// Reopening and saving again gives the same bytes: 54-byte lines of catalogue code (1-25),
// input code (26-50), state (51) and line code (52-54).
TEST(SalvaArchivio, OutputFileReadsBackToEveryPairAndIsWrittenTheSame) {
    // Internal code C5 twice; three copies of K2.
    test::Banco b({"C1", "C2", "C3", "C4", "C5", "C5", "C7"},
                  {RigaProd("K1", "AB1", ""), RigaProd("K2", " 2", ""), RigaProd("K2", " 2", ""),
                   RigaProd("K2", " 2", ""), RigaProd("K3", "AB3", "")},
                  "K2                       C1                       A 2 \r\n"
                  "K2                       C2                       A 2 \r\n"
                  "                         C3                       X   \r\n"
                  "K1                       C4                       AAB1\r\n"
                  "                         C5                       X   \r\n"
                  "K3                       C5                       AAB3\r\n"
                  "                         C7                           \r\n");
    EXPECT_EQ(Abbinamenti(b.h), "4 2 | A2 A3 X0 A1 X0 A5 0 | 4 1 2 0 6");
    // The grid shows the states, and the selection skips to the first article left.
    EXPECT_EQ(b.h.grd1.Testo(1, "CDPROD2") + "|" + b.h.grd1.Testo(3, "CDPROD2") + "|" +
                  Numero(b.h.RigaGrd1),
              "K2|*Non Associabile|7");

    const std::string letto = test::LeggiFile(b.fileOut);
    b.cartella.Scrivi("abbinamenti.txt", std::string(1000, 'v')); // replaced whole
    b.h.DatiModificati = true;
    ASSERT_TRUE(SalvaArchivio(b.h));
    EXPECT_FALSE(b.h.DatiModificati);
    EXPECT_EQ(test::LeggiFile(b.fileOut), letto);
    EXPECT_EQ(b.h.MessaggioStato,
              "Salvati 4 abbinamenti e 2 articoli non associabili in abbinamenti.txt");
    b.h.FileOut.clear();
    b.h.DatiModificati = true;
    EXPECT_TRUE(SalvaArchivio(b.h)) << "no output file chosen: nothing to save";
}

// The save runs in a child process whose file size limit stops the write part way.
TEST(SalvaArchivio, WriteCutShortLeavesTheOldFileWhole) {
    const std::string vecchio = "K1                       C1                       AAB1\r\n";
    test::Banco b({"C1", "C2", "C3", "C4"}, {RigaProd("K1", "AB1", "")}, vecchio);
    b.h.ArtInt[2].Stato = "X";
    b.h.DatiModificati = true;
    const std::string messaggio =
        "Impossibile scrivere il file " + b.fileOut + ": file troppo grande";
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        const rlimit limite{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, SIG_IGN);
        b.pf.AspettaMessaggio(messaggio).AspettaDomanda(
            "Gli abbinamenti non sono stati salvati. Salvarli in un altro file?", Risposta::No);
        const bool salvato = SalvaArchivio(b.h);
        // Exit status: 1 saved, 2 still modified, 4 the message shown.
        ::_exit((salvato ? 1 : 0) | (b.h.DatiModificati ? 2 : 0) |
                (b.pf.messaggi.at(0) == messaggio ? 4 : 0));
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    EXPECT_EQ(WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, 2 | 4);
    EXPECT_EQ(test::LeggiFile(b.fileOut), vecchio);
    std::set<std::string> nomi;
    for (const auto& e : std::filesystem::directory_iterator(b.cartella.Radice()))
        nomi.insert(e.path().filename().string());
    EXPECT_EQ(nomi, (std::set<std::string>{"abbinamenti.txt", "articoli.ber", "catalogo.orv"}));
}

} // namespace
} // namespace zelvano

#include "matching/EventiFinestra.h"
#include "matching/LeggiArchivi.h"

namespace zelvano {
namespace {

using test::RigaOut;

// Two "A" lines for K1, which the catalogue has once: the second keeps "A" without a pair
// and is saved with a blank code. Reopened, that blank code must not take the catalogue's
// blank line, however many saves and openings follow.
TEST(SalvaArchivio, BlankCatalogueCodeNeverPairsAcrossSaveAndReopen) {
    test::Banco b(
        {"C1", "C2", "C3", "C4"}, {RigaProd("K1", "AB1", ""), "", "   ", RigaProd("K2", "", "")},
        RigaOut("K1", "C1", 'A', "AB1") + RigaOut("K1", "C2", 'A', "AB1") + RigaOut("", "C3", 'A'));
    const std::string atteso = "1 0 | A1 A0 A0 0 | 1 0 0 0";
    EXPECT_EQ(Abbinamenti(b.h), atteso);
    const std::string salvato = RigaOut("K1", "C1", 'A', "AB1") + RigaOut("", "C2", 'A') +
                                RigaOut("", "C3", 'A') + RigaOut("", "C4", ' ');
    for (int giro = 0; giro < 2; ++giro) {
        SCOPED_TRACE(giro);
        b.h.DatiModificati = true;
        ASSERT_TRUE(SalvaArchivio(b.h));
        EXPECT_EQ(test::LeggiFile(b.fileOut), salvato);
        b.pf.AspettaApriFile("Apri file Database", b.fileInt)
            .AspettaApriFile("Apri file Orvessa", b.fileProd)
            .AspettaSalvaFile("Salva il file di output Zelvano", b.fileOut);
        LeggiArchivi(b.h);
        b.pf.VerificaFine();
        EXPECT_EQ(Abbinamenti(b.h), atteso);
        EXPECT_EQ(b.h.lblFileint[6], "1");
    }
}

// Every way of saving offers another file after a failure; that file becomes the output
// file. Here the output file's folder vanished after the opening.
TEST(SalvaArchivio, FailedSaveOffersAnotherFileOnEverySavePath) {
    const std::string AltroFile =
        "Gli abbinamenti non sono stati salvati. Salvarli in un altro file?";
    enum Via { F1, Chiusura, Apertura };
    for (const Via via : {F1, Chiusura, Apertura}) {
        SCOPED_TRACE(via);
        test::Banco b({"C1", "C2"}, {RigaProd("K1", "AB1", "")});
        std::filesystem::create_directory(b.cartella.Percorso("sparita"));
        b.h.FileOut = b.cartella.Percorso("sparita/abbinamenti.txt");
        std::filesystem::remove(b.cartella.Percorso("sparita"));
        b.h.ArtInt[2].Stato = "X";
        b.h.DatiModificati = true;
        const std::string atteso = TestoFileOutput(b.h);
        const std::string fallito =
            "Impossibile scrivere il file " + b.h.FileOut + ": file non trovato";
        if (via == Chiusura)
            b.pf.AspettaDomanda("Dati modificati, salvare?", Risposta::Si);
        if (via == Apertura)
            b.pf.AspettaDomanda("Dati modificati,Salvare?", Risposta::Si);
        // No first: nothing is saved and the work stays marked unsaved.
        b.pf.AspettaMessaggio(fallito).AspettaDomanda(AltroFile, Risposta::No);
        bool esito = via == F1         ? SalvaArchivio(b.h)
                     : via == Chiusura ? Form_QueryUnload(b.h)
                                       : true;
        if (via == Apertura)
            LeggiArchivi(b.h);
        b.pf.VerificaFine();
        EXPECT_EQ(esito, via == Apertura);
        EXPECT_TRUE(b.h.DatiModificati);

        // Then another file, named without ".txt", which the name gets.
        if (via == Chiusura)
            b.pf.AspettaDomanda("Dati modificati, salvare?", Risposta::Si);
        if (via == Apertura)
            b.pf.AspettaDomanda("Dati modificati,Salvare?", Risposta::Si);
        b.pf.AspettaMessaggio(fallito)
            .AspettaDomanda(AltroFile, Risposta::Si)
            .AspettaSalvaFile("Salva il file di output Zelvano", b.cartella.Percorso("salvati"));
        if (via == Apertura)
            b.pf.AspettaApriFile("Apri file Database", "").AspettaMessaggio("Richiesta interrotta");
        esito = via == F1 ? SalvaArchivio(b.h) : via == Chiusura ? Form_QueryUnload(b.h) : true;
        if (via == Apertura)
            LeggiArchivi(b.h);
        b.pf.VerificaFine();
        EXPECT_TRUE(esito);
        EXPECT_FALSE(b.h.DatiModificati);
        EXPECT_EQ(b.h.FileOut, b.cartella.Percorso("salvati.txt"));
        EXPECT_EQ(b.h.lblFileprod[4], "salvati.txt");
        EXPECT_EQ(test::LeggiFile(b.h.FileOut), atteso);
    }
}

} // namespace
} // namespace zelvano
