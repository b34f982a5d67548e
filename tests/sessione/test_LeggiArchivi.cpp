#include "sessione/LeggiArchivi.h"

#include "data/Testo.h"
#include "files/CopiaDiRipristino.h"
#include "griglie/Selezione.h"
#include "support/Banco.h"
#include "support/ProcessoFiglio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zelvano {
namespace {

using test::RigaOut;

const std::vector<std::string> Input = {test::RigaInt("C1", "Vite", "", "P1"),
                                        test::RigaInt("C2", "Dado", "", "P2"),
                                        test::RigaInt("C3", "Rondella", "", "P3")};
const std::vector<std::string> Catalogo = {"K1", "K2", "K3", "K4"};

// Answers the dialogs in the order the opening shows them: input, catalogue, output.
void Dialoghi(test::FintaPiattaforma& pf, const std::vector<std::string>& risposte) {
    const char* titoli[] = {"Apri file Database", "Apri file Orvessa",
                            "Salva il file di output Zelvano"};
    for (std::size_t k = 0; k < risposte.size(); ++k)
        k < 2 ? pf.AspettaApriFile(titoli[k], risposte[k])
              : pf.AspettaSalvaFile(titoli[k], risposte[k]);
}

// Everything an opening may change, as text.
std::string Istantanea(const StatoHome& h) {
    std::string t = h.File.FileInt + "|" + h.File.FileProd + "|" + h.File.FileOut + "|" +
                    Numero(RigaGrd1(h)) + " " + h.Testi.TxtCod + "|vuoto " +
                    Numero(h.File.FileOutVuoto) + "\n";
    const Conteggi& c = h.Totali;
    t += h.File.NomeFileInt + "|" + h.File.NomeFileProd + "|" + h.File.NomeFileOut + "|" +
         Numero(c.contatiInt) + Numero(c.contatiProd) + " " + Numero(c.letti) + " " +
         Numero(c.associati) + " " + Numero(c.nonAssociabili) + " " + Numero(c.daAssociare) + " " +
         Numero(c.articoliProd) + "|";
    for (int r = 0; r < h.grd1.Rows(); ++r)
        t += "\n" + h.grd1.Testo(r, "CDINT") + "|" + h.grd1.Testo(r, "CDPROD2");
    for (int32_t i = 1; i <= h.NumInt; ++i)
        t += "\n" + h.ArtInt[i].CdInt + "|" + h.ArtInt[i].Stato;
    for (int32_t j = 1; j <= h.NumProd; ++j)
        t += "\n" + h.ArtProd[j].CdProd;
    return t;
}

// The output name gets .txt unless it already names .txt or .smb anywhere; an output file
// counts as empty, and the automatic pairing runs, only when it has no line at all.
TEST(LeggiArchivi, OpensTheThreeFilesAndSelectsTheFirstArticle) {
    const struct {
        const char* scelto;
        std::string nome;
        const char* contenuto; // nullptr: a new file, created empty
    } casi[] = {
        {"out", "out.txt", nullptr},     {"out.SMB", "out.SMB", nullptr},
        {"OUT.smb", "OUT.smb", nullptr}, {"out.txt.old", "out.txt.old", nullptr},
        {"vuoto.txt", "vuoto.txt", ""},  {"riga.txt", "riga.txt", "\r\n"},
    };
    for (const auto& [scelto, nome, contenuto] : casi) {
        SCOPED_TRACE(scelto);
        test::Banco b(Input, Catalogo);
        b.h.ArtInt[2].Stato = "X"; // gone once the files are read again
        const std::string out = b.cartella.Percorso(nome);
        if (contenuto != nullptr)
            b.cartella.Scrivi(nome, contenuto);
        Dialoghi(b.pf, {b.fileInt, b.fileProd, b.cartella.Percorso(scelto)});
        LeggiArchivi(b.h);
        b.pf.VerificaFine();
        const bool vuoto = contenuto == nullptr || *contenuto == '\0';
        EXPECT_EQ(Istantanea(b.h),
                  b.fileInt + "|" + b.fileProd + "|" + out + "|1 P1|vuoto " + (vuoto ? "1" : "0") +
                      "\narticoli.ber|catalogo.orv|" + nome +
                      "|11 3 0 0 3 4|\nCodice Interno|Associato a\nC1|\nC2|\nC3|\nC1|\nC2|\nC3|"
                      "\nK1\nK2\nK3\nK4");
        EXPECT_EQ(test::LeggiFile(out), contenuto != nullptr ? contenuto : "");
        EXPECT_EQ(b.h.Testi.MessaggioStato,
                  "Aperti articoli.ber (3 articoli) e catalogo.orv (4 articoli): " +
                      (vuoto ? std::string("0 associati automaticamente. Nessuna copia aggiunta "
                                           "a catalogo.orv")
                             : "0 abbinamenti ripresi da " + nome));
    }

    // The copies the automatic run appends are counted in the message as in the label.
    test::Banco copie({test::RigaInt("C1", "", "", "K1"), test::RigaInt("C2", "", "", "K1"),
                       test::RigaInt("C3", "", "", "Q")},
                      {test::RigaProd("K1", "AB1", "")}, "");
    EXPECT_EQ(copie.h.Testi.MessaggioStato,
              "Aperti articoli.ber (3 articoli) e catalogo.orv (2 "
              "articoli): 2 associati automaticamente. Aggiunta 1 copia "
              "a catalogo.orv");
    EXPECT_EQ(copie.h.Totali.articoliProd, 2);
}

const std::string AltroFile = "Gli abbinamenti non sono stati salvati. Salvarli in un altro file?";

// Unsaved work is offered for saving first; then each dialog may stop the opening.
TEST(LeggiArchivi, InterruptedOpeningLeavesEverythingAsItWas) {
    test::CartellaTemporanea dir;
    const std::string altroIn = dir.Scrivi("altri.ber", "C9\r\n"),
                      altroProd = dir.Scrivi("altri.orv", "K9\r\n"),
                      altroTxt = dir.Scrivi("altri.txt", "C9\r\n");
    const std::string StessoFile =
        "Il file di output non pu\xF2 essere il file Database o il file Orvessa";
    const std::string manca = dir.Percorso("manca.ber"), cartella = dir.Percorso("cartella.txt");
    std::filesystem::create_directory(cartella);
    const std::string illeggibile =
        "Impossibile leggere il file " + cartella + ": \xE8 una cartella";
    struct Caso {
        std::vector<std::string> risposte;
        std::string messaggio;
        std::optional<Risposta> domanda = std::nullopt;
        bool salvaInCartella = false; // the save fails
    };
    const Caso casi[] = {
        {{""}, "Richiesta interrotta"},
        {{altroIn, ""}, "Richiesta interrotta"},
        {{altroIn, altroProd, ""}, "Richiesta interrotta"},
        {{manca}, "File " + manca + " inesistente"},
        {{altroIn, manca}, "File " + manca + " inesistente"},
        {{cartella, altroProd, dir.Percorso("altro.txt")}, illeggibile},
        {{altroIn, cartella, dir.Percorso("altro.txt")}, illeggibile},
        {{altroIn, altroProd, cartella}, illeggibile},
        {{altroTxt, altroProd, altroTxt}, StessoFile},
        {{altroIn, altroTxt, altroTxt}, StessoFile},
        {{}, "", Risposta::Annulla},
        {{""}, "Richiesta interrotta", Risposta::No},
        {{""}, "Richiesta interrotta", Risposta::Si},
        {{},
         "Impossibile scrivere il file " + cartella + ": \xE8 una cartella",
         Risposta::Si,
         true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::PrintToString(c.risposte) + " " + c.messaggio);
        test::Banco b(Input, Catalogo);
        b.h.ArtInt[2].Stato = "X";
        b.h.DatiModificati = c.domanda.has_value();
        if (c.salvaInCartella) {
            b.h.File.FileOut = cartella;
            b.h.File.IdentitaOut = {};
        }
        const std::string prima = Istantanea(b.h);

        if (c.domanda)
            b.pf.AspettaDomanda("Dati modificati,Salvare?", *c.domanda);
        Dialoghi(b.pf, c.risposte);
        if (!c.messaggio.empty())
            b.pf.AspettaMessaggio(c.messaggio);
        if (c.salvaInCartella)
            b.pf.AspettaDomanda(AltroFile, Risposta::No);
        LeggiArchivi(b.h);
        b.pf.VerificaFine();
        EXPECT_EQ(Istantanea(b.h), prima);
        EXPECT_EQ(test::LeggiFile(b.fileOut),
                  c.domanda == Risposta::Si && !c.salvaInCartella
                      ? RigaOut("", "C1", ' ') + RigaOut("", "C2", 'X') + RigaOut("", "C3", ' ')
                      : "\r\n");
        EXPECT_EQ(b.h.DatiModificati, c.domanda == Risposta::Annulla || c.salvaInCartella);
    }
}

// Files shaped like the examples a user tries first, written here so the test never reads
// files a user can change.
TEST(LeggiArchivi, OpensFilesLikeTheExamples) {
    const char* const fornitore[] = {"AB 12/3.4", "DX.800",   "rw816",     "BU-1040",
                                     "TR 12",     "RG/90/12", "VS 34 OT",  "",
                                     "PT.HSS.6",  "CB5",      "SIL 300 T", "CL250"};
    const char* const catalogo[] = {"AB1234",  "DX800",   "RW816",  "BU1040", "TR12", "RG9012",
                                    "VS34OT",  "VS34OT",  "PTHSS6", "PTHSS8", "CB5",  "CB6",
                                    "SIL300T", "SIL300B", "CL250",  "NT12"};
    std::vector<std::string> righeInt, righeProd;
    for (std::size_t k = 0; k < std::size(fornitore); ++k)
        righeInt.push_back(
            test::RigaInt("C000" + std::to_string(k + 1), "ARTICOLO", "FERRAMENTA", fornitore[k]));
    for (const char* codice : catalogo)
        righeProd.push_back(test::RigaProd(codice, "FER", "ARTICOLO"));
    test::Banco b(Input, Catalogo);
    test::CartellaTemporanea altra;
    Dialoghi(b.pf,
             {altra.Scrivi("articoli.ber", test::Unisci(righeInt)),
              altra.Scrivi("catalogo.orv", test::Unisci(righeProd)), b.cartella.Percorso("out")});
    LeggiArchivi(b.h);
    EXPECT_EQ(Numero(b.h.Totali.letti) + " " + Numero(b.h.Totali.articoliProd) + " " +
                  b.h.ArtInt[1].CdInt + " " + Numero(RigaGrd1(b.h)),
              "12 16 C0001 3");
}

// A save or a replacement in place killed part way left the copy of the old content: the
// opening makes each file whole before reading it (the old content, or the new when it had
// been written whole) and says which. A file replaced since is not overwritten.
TEST(LeggiArchivi, SettlesARewriteInPlaceCutShortBeforeReadingTheFiles) {
    const std::string vecchio = RigaOut("K1", "C1", 'A') + RigaOut("", "C2", 'X') +
                                RigaOut("", "C3", ' '),
                      nuovo = RigaOut("K1", "C1", 'A') + RigaOut("K2", "C2", 'A') +
                              RigaOut("K3", "C3", 'A');
    enum Caso { Strappato, Completo, CopiaTroncata, Sostituito, ClienteStrappato };
    for (const Caso caso : {Strappato, Completo, CopiaTroncata, Sostituito, ClienteStrappato}) {
        SCOPED_TRACE(caso);
        test::Banco b(Input, Catalogo, vecchio);
        const bool cliente = caso == ClienteStrappato;
        const std::string file = cliente ? b.fileInt : b.fileOut;
        const std::string prima = test::LeggiFile(file);
        const std::string dopo =
            cliente ? test::Unisci({Input[0] + "X", Input[1], Input[2]}) : nuovo;
        const std::string copia = CreaCopiaDiRipristino(file, prima, dopo, b.pf.cartella);
        const std::string attuale = caso == Completo        ? dopo
                                    : caso == Sostituito    ? "altro\r\n"
                                    : caso == CopiaTroncata ? prima
                                                            : dopo.substr(0, dopo.size() / 2) +
                                                                  prima.substr(dopo.size() / 2);
        ASSERT_TRUE((caso != Strappato && caso != ClienteStrappato) ||
                    (attuale != prima && attuale != dopo));
        if (caso == CopiaTroncata)
            std::filesystem::resize_file(copia, 100);
        // Another program's save: a new file put in its place.
        const std::string scritto = caso == Sostituito ? file + ".nuovo" : file;
        std::ofstream(scritto, std::ios::binary) << attuale;
        std::filesystem::rename(scritto, file);

        const std::string interrotta = "La scrittura del file " + file + " era stata interrotta ";
        Dialoghi(b.pf, {b.fileInt, b.fileProd, b.fileOut});
        b.pf.AspettaMessaggio(
            caso == Completo     ? interrotta + "quando il nuovo contenuto era gi\xE0 completo: il "
                                                "file \xE8 stato tenuto con il nuovo contenuto"
            : caso == Sostituito ? "Il file " + file +
                                       " \xE8 stato sostituito dopo una sua scrittura interrotta "
                                       "ed \xE8 rimasto com'\xE8; il contenuto che aveva prima "
                                       "\xE8 in " +
                                       copia
                                 : interrotta + "prima della fine: il file ha di nuovo il "
                                                "contenuto che aveva prima");
        if (caso == Completo)
            b.pf.AspettaMessaggio("Nessun articolo successivo da associare");
        LeggiArchivi(b.h);
        b.pf.VerificaFine();
        EXPECT_EQ(test::LeggiFile(file), caso == Completo     ? dopo
                                         : caso == Sostituito ? attuale
                                                              : prima);
        EXPECT_EQ(std::filesystem::exists(copia), caso == Sostituito);
        EXPECT_EQ(b.h.NumAssociati, caso == Completo ? 3 : caso == Sostituito ? 0 : 1);
        EXPECT_EQ(b.h.NumInt, 3);
    }
}

} // namespace
} // namespace zelvano

namespace zelvano {
namespace {

// A FIFO or a device would block the opening for good; a folder cannot be read. Each is
// refused by name, the work on screen stays, and a new output file is not left behind.
TEST(LeggiArchivi, RefusesWhatIsNotAPlainFileAndCreatesNoOutputFileOnFailure) {
    test::CartellaTemporanea dir;
    const std::string fifo = dir.Percorso("fifo.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string cartella = dir.Percorso("cartella");
    std::filesystem::create_directory(cartella);
    const std::string speciale =
        ": non \xE8 un file normale (\xE8 una FIFO, un dispositivo o un socket)";
    const std::string nuovo = dir.Percorso("nuovo.txt");
    const struct {
        int quale; // which answer is the bad file
        std::string file, motivo;
    } casi[] = {
        {0, fifo, speciale},
        {1, fifo, speciale},
        {2, fifo, speciale},
        {0, "/dev/zero", speciale},
        {1, "/dev/zero", speciale},
        {0, cartella, ": \xE8 una cartella"},
        {1, cartella, ": \xE8 una cartella"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.file + " as file " + std::to_string(c.quale));
        test::Banco b(Input, Catalogo);
        const std::string prima = Istantanea(b.h);
        std::vector<std::string> risposte = {b.fileInt, b.fileProd, nuovo};
        risposte[static_cast<std::size_t>(c.quale)] = c.file;
        Dialoghi(b.pf, risposte);
        b.pf.AspettaMessaggio("Impossibile leggere il file " + c.file + c.motivo);
        LeggiArchivi(b.h);
        b.pf.VerificaFine();
        EXPECT_EQ(Istantanea(b.h), prima);
        EXPECT_FALSE(std::filesystem::exists(nuovo));
    }
}

// The opening takes the memory it needs before it changes anything: when it runs out,
// the message names the file and the tables on screen stay. The child's address space is
// limited to a little above what it uses.
TEST(LeggiArchivi, RunningOutOfMemoryKeepsTheOpenTables) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's shadow memory cannot live under an address space "
                    "limit; the normal build runs this test";
#else
    test::Banco b(Input, Catalogo);
    b.h.ArtInt[2].Stato = "X";
    const std::string enorme = b.cartella.Scrivi("enorme.ber", std::string(6000000, '\n'));
    const std::string nuovo = b.cartella.Percorso("nuovo.txt");
    const std::string prima = Istantanea(b.h);
    const std::string messaggio = "Impossibile leggere il file " + enorme +
                                  ": memoria insufficiente. I dati aperti prima sono rimasti "
                                  "come erano";
    const std::string esito = test::InFiglio([&] {
        std::ifstream stato("/proc/self/status");
        std::string riga;
        long kb = 0;
        while (std::getline(stato, riga))
            if (riga.rfind("VmSize:", 0) == 0)
                kb = std::stol(riga.substr(7));
        const rlimit limite{static_cast<rlim_t>(kb + 128 * 1024) * 1024,
                            static_cast<rlim_t>(kb + 128 * 1024) * 1024};
        ::setrlimit(RLIMIT_AS, &limite);
        Dialoghi(b.pf, {enorme, b.fileProd, nuovo});
        b.pf.AspettaMessaggio(messaggio);
        LeggiArchivi(b.h);
        return b.pf.messaggi.at(0) + "\n" + (Istantanea(b.h) == prima ? "same" : "changed");
    });
    EXPECT_EQ(esito, messaggio + "\nsame");
    EXPECT_FALSE(std::filesystem::exists(nuovo));
#endif
}

} // namespace
} // namespace zelvano
