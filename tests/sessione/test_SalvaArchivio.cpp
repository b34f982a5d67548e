#include "sessione/SalvaArchivio.h"

#include "data/Testo.h"
#include "files/FileOutput.h"
#include "griglie/Selezione.h"
#include "support/Banco.h"
#include "support/Invarianti.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelvano {
namespace {

using test::Abbinamenti;
using test::RigaOut;
using test::RigaProd;
using test::Violazioni;

std::string Sovrascrittura(const std::string& file) {
    return "Il file " + file +
           " \xE8 stato cambiato da un altro programma dopo che Zelvano lo ha letto o salvato. "
           "Sovrascriverlo con gli abbinamenti di Zelvano o salvarli in un altro file?";
}

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
                  Numero(RigaGrd1(b.h)),
              "K2|*Non Associabile|7");

    const std::string letto = test::LeggiFile(b.fileOut);
    b.cartella.Scrivi("abbinamenti.txt", std::string(1000, 'v')); // replaced whole
    b.h.DatiModificati = true;
    b.pf.AspettaSovrascrittura(Sovrascrittura(b.fileOut), EsitoSovrascrittura::Sovrascrivi);
    ASSERT_TRUE(SalvaArchivio(b.h));
    EXPECT_FALSE(b.h.DatiModificati);
    EXPECT_EQ(test::LeggiFile(b.fileOut), letto);
    EXPECT_EQ(b.h.Testi.MessaggioStato,
              "Salvati 4 abbinamenti e 2 articoli non associabili in abbinamenti.txt");
    b.h.File.FileOut.clear();
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

#include "coppie/Associazioni.h"
#include "coppie/Decisioni.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"

namespace zelvano {
namespace {

// Two "A" lines for K1, which the catalogue has once: the second finds no free record and
// its line is kept as it was. A blank code never takes the catalogue's blank lines, however
// many saves and openings follow.
TEST(SalvaArchivio, BlankCatalogueCodeNeverPairsAcrossSaveAndReopen) {
    test::Banco b({"C1", "C2", "C3", "C4"},
                  {RigaProd("K1", "AB1", ""), "", "   ", RigaProd("K2", "", "")});
    const std::string salvato = RigaOut("K1", "C1", 'A', "AB1") + RigaOut("K1", "C2", 'A', "AB1") +
                                RigaOut("", "C3", 'A') + RigaOut("", "C4", ' ');
    b.cartella.Scrivi("abbinamenti.txt", salvato.substr(0, 3 * 56));
    for (int giro = 0; giro < 3; ++giro) {
        SCOPED_TRACE(giro);
        b.Riapri({"1 abbinamento salvato in abbinamenti.txt indica un articolo Orvessa non "
                  "trovato nel catalogo (codice K1): l'articolo resta da associare e la sua riga "
                  "resta nel file di output com'era, finch\xE9 non si decide altrimenti per "
                  "l'articolo"});
        EXPECT_EQ(Abbinamenti(b.h), "1 0 | A1 S0 A0 0 | 1 0 0 0");
        b.h.DatiModificati = true;
        ASSERT_TRUE(SalvaArchivio(b.h));
        EXPECT_EQ(test::LeggiFile(b.fileOut), salvato);
    }
}

// Catalogue code ABC twice, line codes L01 and L02; C1 and C2 both typed ABC. The automatic
// run pairs C1-L01 and C2-L02; C1's pair is undone and the work saved; after a reopening C2
// keeps L02. A line code that no free record bears falls back to the first free record with
// the code, only once every line that names its own record has taken it.
TEST(SalvaArchivio, ReopeningKeepsEachPairOnTheCatalogueLineItWasSavedWith) {
    test::Banco b({test::RigaInt("C1", "", "", "ABC"), test::RigaInt("C2", "", "", "ABC"), "C3"},
                  {RigaProd("ABC", "L01", ""), RigaProd("ABC", "L02", "")}, "");
    EXPECT_EQ(Abbinamenti(b.h), "2 0 | A1 A2 0 | 1 2");
    b.Scegli1(1);
    DisAssocia(b.h);
    ASSERT_TRUE(SalvaArchivio(b.h));
    const std::string salvato =
        RigaOut("", "C1", ' ') + RigaOut("ABC", "C2", 'A', "L02") + RigaOut("", "C3", ' ');
    EXPECT_EQ(test::LeggiFile(b.fileOut), salvato);
    b.Riapri();
    EXPECT_EQ(Abbinamenti(b.h), "1 0 | 0 A2 0 | 0 2");
    b.h.DatiModificati = true;
    ASSERT_TRUE(SalvaArchivio(b.h));
    EXPECT_EQ(test::LeggiFile(b.fileOut), salvato);

    // C1 names L09, which no record bears; C2 names L01: C1 takes what C2 leaves.
    b.cartella.Scrivi("abbinamenti.txt",
                      RigaOut("ABC", "C1", 'A', "L09") + RigaOut("ABC", "C2", 'A', "L01"));
    b.Riapri();
    EXPECT_EQ(Abbinamenti(b.h), "2 0 | A2 A1 0 | 2 1");
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
        b.h.File.FileOut = b.cartella.Percorso("sparita/abbinamenti.txt");
        std::filesystem::remove(b.cartella.Percorso("sparita"));
        b.h.ArtInt[2].Stato = "X";
        b.h.DatiModificati = true;
        const std::string atteso = TestoFileOutput(b.h);
        const std::string fallito =
            "Impossibile scrivere il file " + b.h.File.FileOut + ": file non trovato";
        if (via == Chiusura)
            b.pf.AspettaDomanda("Dati modificati, salvare?", Risposta::Si);
        if (via == Apertura)
            b.pf.AspettaDomanda("Dati modificati,Salvare?", Risposta::Si);
        // No first: nothing is saved and the work stays marked unsaved.
        b.pf.AspettaMessaggio(fallito).AspettaDomanda(AltroFile, Risposta::No);
        bool esito = via == F1         ? SalvaArchivio(b.h)
                     : via == Chiusura ? ConfermaChiusura(b.h)
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
        esito = via == F1 ? SalvaArchivio(b.h) : via == Chiusura ? ConfermaChiusura(b.h) : true;
        if (via == Apertura)
            LeggiArchivi(b.h);
        b.pf.VerificaFine();
        EXPECT_TRUE(esito);
        EXPECT_FALSE(b.h.DatiModificati);
        EXPECT_EQ(b.h.File.FileOut, b.cartella.Percorso("salvati.txt"));
        EXPECT_EQ(b.h.File.NomeFileOut, "salvati.txt");
        EXPECT_EQ(test::LeggiFile(b.h.File.FileOut), atteso);
    }
}

// Pairs saved to K1, K2 and K3, reopened with an older catalogue holding only K3: both
// articles are to associate again, their lines survive every save until the user decides
// on the article (F4, a mark, a pair), undoing that decision brings the line back, and the
// right catalogue restores the pairs.
TEST(SalvaArchivio, SavedPairsTheCatalogueLacksAreKeptUntilTheUserDecides) {
    const std::vector<std::string> catalogo = {RigaProd("K1", "L01", ""), RigaProd("K2", "L02", ""),
                                               RigaProd("K3", "L03", "")};
    const std::string salvato = RigaOut("K1", "C1", 'A', "L01") + RigaOut("K2", "C2", 'A', "L02") +
                                RigaOut("K3", "C3", 'A', "L03") + RigaOut("", "C4", ' ');
    test::Banco b({"C1", "C2", "C3", "C4"}, catalogo, salvato);
    b.cartella.Scrivi("catalogo.orv", test::Unisci({catalogo[2]}));
    b.Riapri({"2 abbinamenti salvati in abbinamenti.txt indicano articoli Orvessa non trovati "
              "nel catalogo (codici K1, K2): gli articoli restano da associare e le loro righe "
              "restano nel file di output come erano, finch\xE9 non si decide altrimenti per "
              "ciascun articolo"});
    EXPECT_EQ(Abbinamenti(b.h), "1 0 | S0 S0 A1 0 | 3");
    EXPECT_EQ(b.Totali(), "1|0|3");
    b.Scegli1(3);
    DisAssocia(b.h);
    ASSERT_TRUE(SalvaArchivio(b.h));
    EXPECT_EQ(test::LeggiFile(b.fileOut),
              salvato.substr(0, 112) + RigaOut("", "C3", ' ') + RigaOut("", "C4", ' '));

    // F4 lets go of C1's saved pair, a mark replaces C2's; both come back when undone.
    b.Scegli1(1);
    DisAssocia(b.h);
    EXPECT_EQ(b.h.Testi.MessaggioStato, "Annullata l'associazione salvata di C1 a K1");
    b.Scegli1(2);
    NonAssociabile(b.h);
    EXPECT_EQ(Abbinamenti(b.h), "0 1 | 0 X0 0 0 | 0");
    const std::string deciso = TestoFileOutput(b.h);
    EXPECT_EQ(deciso, RigaOut("", "C1", ' ') + RigaOut("", "C2", 'X') + RigaOut("", "C3", ' ') +
                          RigaOut("", "C4", ' '));
    AnnullaDecisione(b.h);
    AnnullaDecisione(b.h);
    EXPECT_EQ(Abbinamenti(b.h), "0 0 | S0 S0 0 0 | 0");
    EXPECT_FALSE(b.h.DatiModificati);
    RipetiDecisione(b.h);
    RipetiDecisione(b.h);
    EXPECT_EQ(TestoFileOutput(b.h), deciso);
    AnnullaDecisione(b.h);
    AnnullaDecisione(b.h);
    EXPECT_EQ(Violazioni(b.h), "");

    b.Scegli(3, 1);
    Associa(b.h); // K3 goes to C3 again
    ASSERT_TRUE(SalvaArchivio(b.h));
    EXPECT_EQ(test::LeggiFile(b.fileOut), salvato);
    b.cartella.Scrivi("catalogo.orv", test::Unisci(catalogo));
    b.Riapri();
    EXPECT_EQ(Abbinamenti(b.h), "3 0 | A1 A2 A3 0 | 1 2 3");
}

// Another program saved the output file after the opening or the last save: the next save
// asks. Cancel leaves its file and the work unsaved; another file becomes the output file;
// overwriting is the user's choice. A file replaced whole, and one written in place with the
// same size at another time, are both seen.
TEST(SalvaArchivio, SaveAsksBeforeOverwritingAFileAnotherProgramWrote) {
    test::Banco b({"C1", "C2"}, {RigaProd("K1", "AB1", "")},
                  RigaOut("K1", "C1", 'A', "AB1") + RigaOut("", "C2", ' '));
    b.h.ArtInt[2].Stato = "X";
    ++b.h.NumNonAssociabili;
    b.h.DatiModificati = true;
    const std::string nostro = TestoFileOutput(b.h);
    const std::string altrui = std::string(nostro.size(), 'z');
    const std::string altrove = b.cartella.Percorso("altrove.txt");
    b.cartella.Scrivi("altro.tmp", altrui);
    std::filesystem::rename(b.cartella.Percorso("altro.tmp"), b.fileOut);

    b.pf.AspettaSovrascrittura(Sovrascrittura(b.fileOut), EsitoSovrascrittura::Annulla);
    EXPECT_FALSE(SalvaArchivio(b.h));
    EXPECT_TRUE(b.h.DatiModificati);
    EXPECT_EQ(test::LeggiFile(b.fileOut), altrui);
    b.pf.AspettaSovrascrittura(Sovrascrittura(b.fileOut), EsitoSovrascrittura::AltroFile)
        .AspettaSalvaFile("Salva il file di output Zelvano", altrove);
    ASSERT_TRUE(SalvaArchivio(b.h));
    EXPECT_EQ(b.h.File.FileOut, altrove);
    EXPECT_EQ(test::LeggiFile(altrove), nostro);
    EXPECT_EQ(test::LeggiFile(b.fileOut), altrui);

    b.h.DatiModificati = true;
    ASSERT_TRUE(SalvaArchivio(b.h)) << "nobody else wrote it: no question";
    const auto quando = std::filesystem::last_write_time(altrove);
    b.cartella.Scrivi("altrove.txt", altrui); // in place, as long as ours, a second later
    std::filesystem::last_write_time(altrove, quando + std::chrono::seconds(1));
    b.pf.AspettaSovrascrittura(Sovrascrittura(altrove), EsitoSovrascrittura::Sovrascrivi);
    ASSERT_TRUE(SalvaArchivio(b.h));
    EXPECT_EQ(test::LeggiFile(altrove), nostro);
}

} // namespace
} // namespace zelvano
