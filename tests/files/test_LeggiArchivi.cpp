#include "files/LeggiArchivi.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "support/FileTemporanei.h"
#include "support/FintaPiattaforma.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace zelvano {
namespace {

using test::RigaInt;
using test::RigaProd;
namespace fs = std::filesystem;

// The scripted platform, also keeping the filter each file dialog was given.
struct ConFiltri : test::FintaPiattaforma {
    std::vector<std::string> filtri;
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override {
        filtri.push_back(filtro);
        return FintaPiattaforma::ApriFile(titolo, filtro);
    }
};

// A freshly loaded window on its own scripted platform.
struct Finestra {
    explicit Finestra(const test::CartellaTemporanea& dir) {
        pf.cartella = dir.Radice().string();
        CaricaFormHome(h);
    }
    // Answers the dialogs in the order the opening shows them: input, catalogue, output.
    Finestra& Dialoghi(const std::vector<std::string>& risposte) {
        const char* titoli[] = {"Apri file Database", "Apri file Orvessa"};
        for (std::size_t k = 0; k < risposte.size(); ++k) {
            if (k < 2)
                pf.AspettaApriFile(titoli[k], risposte[k]);
            else
                pf.AspettaSalvaFile("Salva il file di output Zelvano", risposte[k]);
        }
        return *this;
    }
    ConFiltri pf;
    StatoHome h{pf};
};

// One output line: catalogue code, input code, state, line code.
std::string Uscita(std::string prod, std::string cdInt, std::string stato, std::string linea) {
    prod.resize(25, ' ');
    cdInt.resize(25, ' ');
    stato.resize(1, ' ');
    linea.resize(3, ' ');
    return prod + cdInt + stato + linea + "\r\n";
}

std::string Input(const test::CartellaTemporanea& dir, const std::string& nome = "articoli.ber") {
    return dir.Scrivi(nome, RigaInt("C1", "Vite M8", "FERR", "P1") + "\r\n" +
                                RigaInt("C2", "Dado M8", "", "P2") + "\r\n" +
                                RigaInt("C3", "Rondella", "", "P3") + "\r\n");
}

std::string Catalogo(const test::CartellaTemporanea& dir,
                     const std::string& nome = "catalogo.orv") {
    std::string t;
    for (const char* c : {"K1", "K2", "K3", "K4"})
        t += RigaProd(c, "AB1", std::string("Articolo ") + c) + "\r\n";
    return dir.Scrivi(nome, t);
}

// Everything an opening may change, as text.
std::string Istantanea(const StatoHome& h) {
    std::string t = h.FileInt + "|" + h.FileProd + "|" + h.FileOut + "|" + h.NomeFileInt + "|" +
                    h.NomeFileProd + "|" + h.NomeFileOut + "\n";
    for (int32_t n : {h.NumInt, h.NumProd, h.DimInt, h.DimProd, h.NumAssociati, h.NumNonAssociabili,
                      h.RigaGrd1, int32_t{h.FileOutVuoto}})
        t += Numero(n) + " ";
    t += h.TxtCod + "\n";
    for (const std::string& l : h.lblFileint)
        t += l + "|";
    for (const std::string& l : h.lblFileprod)
        t += l + "|";
    for (int r = 0; r < h.grd1.Rows(); ++r) {
        t += "\n";
        for (int c = 0; c < h.grd1.Cols(); ++c)
            t += h.grd1.TextMatrix(r, c) + "|";
    }
    for (int32_t i = 1; i <= h.NumInt; ++i)
        t += "\n" + h.ArtInt[i].CdInt + "|" + h.ArtInt[i].Stato + "|" + Numero(h.ArtInt[i].PCdProd);
    for (int32_t j = 1; j <= h.NumProd; ++j)
        t += "\n" + h.ArtProd[j].CdProd + "|" + Numero(h.ArtProd[j].PCdInt);
    return t;
}

std::string Etichette(const StatoHome& h) {
    std::string t;
    for (const std::string& l : h.lblFileint)
        t += l + "|";
    for (const std::string& l : h.lblFileprod)
        t += "|" + l;
    return t;
}

TEST(LeggiArchivi, OpensTheThreeFilesAndSelectsTheFirstArticle) {
    test::CartellaTemporanea dir;
    Finestra f(dir);
    const std::string in = Input(dir), prod = Catalogo(dir);
    f.Dialoghi({in, prod, dir.Percorso("out")});
    LeggiArchivi(f.h);

    EXPECT_EQ(f.h.FileInt + "|" + f.h.FileProd + "|" + f.h.FileOut,
              in + "|" + prod + "|" + dir.Percorso("out.txt"));
    EXPECT_EQ(f.pf.filtri.at(0), "*.ber,*.txt");
    EXPECT_TRUE(fs::is_regular_file(f.h.FileOut));
    EXPECT_EQ(test::LeggiFile(f.h.FileOut), "");
    EXPECT_EQ(Etichette(f.h), "Input file:|articoli.ber|Articoli|Letti:|3|Associati:|0|"
                              "Non associabili:|0|Da associare:|3||Ref file:|catalogo.orv|4|"
                              "Articoli:|out.txt|Output File:");
    EXPECT_EQ(f.h.grd1.Rows(), 4);
    EXPECT_EQ(f.h.grd1.Testo(3, "CDINT"), "C3");
    EXPECT_EQ(Numero(f.h.RigaGrd1) + " " + f.h.TxtCod, "1 P1");
    EXPECT_TRUE(f.h.FileOutVuoto);
    EXPECT_FALSE(f.h.DatiModificati);
}

TEST(LeggiArchivi, OutputNameGetsTxtUnlessItNamesTxtOrSmb) {
    const std::pair<const char*, const char*> casi[] = {
        {"out", "out.txt"},     {"out.SMB", "out.SMB"},
        {"OUT.smb", "OUT.smb"}, {"out.txt.old", "out.txt.old"},
        {"Out.TXT", "Out.TXT"},
    };
    test::CartellaTemporanea dir;
    const std::string in = Input(dir), prod = Catalogo(dir);
    for (const auto& [scelto, atteso] : casi) {
        SCOPED_TRACE(scelto);
        Finestra f(dir);
        f.Dialoghi({in, prod, dir.Percorso(scelto)});
        LeggiArchivi(f.h);
        EXPECT_EQ(f.h.FileOut, dir.Percorso(atteso));
        EXPECT_EQ(f.h.lblFileprod[4], atteso);
        EXPECT_TRUE(fs::is_regular_file(dir.Percorso(atteso)));
    }
}

TEST(LeggiArchivi, CancelOrMissingFileStopsWithAMessage) {
    test::CartellaTemporanea dir;
    const std::string in = Input(dir), prod = Catalogo(dir), manca = dir.Percorso("manca.ber");
    struct Caso {
        const char* nome;
        std::vector<std::string> risposte;
        std::string messaggio;
    };
    const Caso casi[] = {
        {"input cancelled", {""}, "Richiesta interrotta"},
        {"catalogue cancelled", {in, ""}, "Richiesta interrotta"},
        {"output cancelled", {in, prod, ""}, "Richiesta interrotta"},
        {"input missing", {manca}, "File " + manca + " inesistente"},
        {"catalogue missing", {in, manca}, "File " + manca + " inesistente"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Finestra f(dir);
        const std::string prima = Istantanea(f.h);
        f.Dialoghi(c.risposte).pf.AspettaMessaggio(c.messaggio);
        LeggiArchivi(f.h);
        f.pf.VerificaFine();
        EXPECT_EQ(Istantanea(f.h), prima);
    }
}

TEST(LeggiArchivi, UnsavedChangesAreOfferedForSavingFirst) {
    struct Caso {
        Risposta risposta;
        bool dialoghi;
        std::string fileOut;
    };
    const Caso casi[] = {
        {Risposta::Annulla, false, ""},
        {Risposta::No, true, ""},
        {Risposta::Si, true,
         Uscita("", "C1", "X", "") + Uscita("", "C2", "", "") + Uscita("", "C3", "", "")},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.risposta));
        test::CartellaTemporanea dir;
        Finestra f(dir);
        f.Dialoghi({Input(dir), Catalogo(dir), dir.Percorso("out.txt")});
        LeggiArchivi(f.h);
        f.h.ArtInt[1].Stato = "X";
        f.h.DatiModificati = true;

        f.pf.AspettaDomanda("Dati modificati,Salvare?", c.risposta);
        if (c.dialoghi)
            f.Dialoghi({""}).pf.AspettaMessaggio("Richiesta interrotta");
        LeggiArchivi(f.h);
        f.pf.VerificaFine();
        EXPECT_EQ(test::LeggiFile(f.h.FileOut), c.fileOut);
        EXPECT_EQ(f.h.DatiModificati, !c.dialoghi);
    }
}

TEST(LeggiArchivi, UnreadableFileLeavesEverythingAsItWas) {
    test::CartellaTemporanea dir;
    const std::string in = Input(dir), prod = Catalogo(dir);
    const std::string altroIn = Input(dir, "altri.ber"), altroProd = Catalogo(dir, "altri.orv");
    const std::string cartella = dir.Percorso("cartella.txt");
    fs::create_directory(cartella);
    const std::string messaggio =
        "Impossibile leggere il file " + cartella + ": " + std::strerror(EISDIR);
    const std::vector<std::string> casi[] = {
        {cartella, altroProd, dir.Percorso("altro.txt")},
        {altroIn, cartella, dir.Percorso("altro.txt")},
        {altroIn, altroProd, cartella},
    };
    for (const auto& risposte : casi) {
        SCOPED_TRACE(risposte[0] + " " + risposte[1] + " " + risposte[2]);
        Finestra f(dir);
        f.Dialoghi({in, prod, dir.Percorso("out.txt")});
        LeggiArchivi(f.h);
        f.h.ArtInt[2].Stato = "X";
        const std::string prima = Istantanea(f.h);

        f.Dialoghi(risposte).pf.AspettaMessaggio(messaggio);
        LeggiArchivi(f.h);
        f.pf.VerificaFine();
        EXPECT_EQ(Istantanea(f.h), prima);
    }
}

TEST(LeggiArchivi, OutputFileRestoresStatesAndTheSelectionSkipsThem) {
    test::CartellaTemporanea dir;
    const std::string out =
        dir.Scrivi("out.txt", Uscita("", "C1", "X", "") + Uscita("K2", "C2", "A", "AB1") +
                                  Uscita("", "C3", "", ""));
    Finestra f(dir);
    f.Dialoghi({Input(dir), Catalogo(dir), out});
    LeggiArchivi(f.h);
    EXPECT_EQ(Etichette(f.h), "Input file:|articoli.ber|Articoli|Letti:|3|Associati:|1|"
                              "Non associabili:|1|Da associare:|1||Ref file:|catalogo.orv|4|"
                              "Articoli:|out.txt|Output File:");
    EXPECT_EQ(f.h.grd1.Testo(1, "CDPROD2") + "|" + f.h.grd1.Testo(2, "CDPROD2"),
              "*Non Associabile|K2");
    EXPECT_EQ(f.h.ArtProd[2].PCdInt, 2);
    EXPECT_EQ(Numero(f.h.RigaGrd1) + " " + f.h.TxtCod, "3 P3");
    EXPECT_FALSE(f.h.FileOutVuoto);
}

TEST(LeggiArchivi, OutputFileWithoutLinesIsEmpty) {
    struct Caso {
        const char* nome;
        bool esiste;
        std::string contenuto;
        bool vuoto;
    };
    const Caso casi[] = {
        {"new file", false, "", true},
        {"empty file", true, "", true},
        {"one empty line", true, "\r\n", false},
        {"only empty lines", true, "\r\n\n\r\n", false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::CartellaTemporanea dir;
        const std::string out =
            c.esiste ? dir.Scrivi("out.txt", c.contenuto) : dir.Percorso("out.txt");
        Finestra f(dir);
        f.Dialoghi({Input(dir), Catalogo(dir), out});
        LeggiArchivi(f.h);
        EXPECT_EQ(f.h.FileOutVuoto, c.vuoto);
        EXPECT_EQ(f.h.lblFileint[10], "3") << "nothing restored";
        EXPECT_EQ(test::LeggiFile(out), c.contenuto);
    }
}

TEST(LeggiArchivi, OddFilesOpenWithoutHarm) {
    using namespace std::string_literals;
    const std::string bom = "\xEF\xBB\xBF";
    struct Caso {
        const char* nome;
        std::string contenuto;
        int32_t righe;
        std::string primoCodice;
    };
    const Caso casi[] = {
        {"NUL and binary bytes", "\0\x01\xFF\x80 \r\n\0\0\r\n"s, 2, "\0\x01\xFF\x80"s},
        {"a 1 MB line", std::string(1000000, 'Z'), 1, std::string(25, 'Z')},
        {"CR only", "A1\rA2\rA3\r", 3, "A1"},
        {"LF only", "A1\nA2\nA3", 3, "A1"},
        {"UTF-8 BOM", bom + "A1\r\n", 1, bom + "A1"},
        {"empty file", "", 0, "-"},
    };
    for (const Caso& c : casi) {
        test::CartellaTemporanea dir;
        const std::string strano = dir.Scrivi("strano.txt", c.contenuto);
        {
            SCOPED_TRACE(std::string(c.nome) + " as input");
            Finestra f(dir);
            f.Dialoghi({strano, Catalogo(dir), dir.Percorso("out")});
            if (c.righe == 0)
                f.pf.AspettaMessaggio("Nessun articolo successivo da associare");
            LeggiArchivi(f.h);
            EXPECT_EQ(f.h.NumInt, c.righe);
            EXPECT_EQ(f.h.lblFileint[4], Numero(c.righe));
            EXPECT_EQ(f.h.grd1.Rows(), c.righe + 1);
            if (c.righe > 0) {
                EXPECT_EQ(f.h.ArtInt[1].CdInt, c.primoCodice);
            }
        }
        {
            SCOPED_TRACE(std::string(c.nome) + " as catalogue");
            Finestra f(dir);
            f.Dialoghi({Input(dir), strano, dir.Percorso("out2")});
            LeggiArchivi(f.h);
            EXPECT_EQ(f.h.NumProd, c.righe);
            EXPECT_EQ(f.h.lblFileprod[2], Numero(c.righe));
            if (c.righe > 0) {
                EXPECT_EQ(f.h.ArtProd[1].CdProd, c.primoCodice);
            }
        }
    }
}

TEST(LeggiArchivi, OpensTheExampleFiles) {
    const char* esempi = std::getenv("ZELVANO_TEST_EXAMPLES");
    if (esempi == nullptr)
        GTEST_SKIP() << "ZELVANO_TEST_EXAMPLES not set";
    test::CartellaTemporanea dir;
    Finestra f(dir);
    f.Dialoghi({std::string(esempi) + "/articoli.ber", std::string(esempi) + "/catalogo.orv",
                dir.Percorso("out")});
    LeggiArchivi(f.h);
    EXPECT_EQ(f.h.lblFileint[4] + " " + f.h.lblFileprod[2], "12 16");
    EXPECT_EQ(f.h.ArtInt[1].CdInt, "C0001");
    EXPECT_EQ(f.h.RigaGrd1, 1);
}

} // namespace
} // namespace zelvano
