#include "files/FileOutput.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/LeggiArchivi.h"
#include "support/FileTemporanei.h"
#include "support/FintaPiattaforma.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace zelvano {
namespace {

using test::RigaInt;
using test::RigaProd;
namespace fs = std::filesystem;

// One output line: catalogue code, input code, state, line code.
std::string Uscita(std::string prod, std::string cdInt, std::string stato, std::string linea) {
    prod.resize(25, ' ');
    cdInt.resize(25, ' ');
    stato.resize(1, ' ');
    linea.resize(3, ' ');
    return prod + cdInt + stato + linea + "\r\n";
}

struct Finestra {
    explicit Finestra(const test::CartellaTemporanea& dir) {
        pf.cartella = dir.Radice().string();
        CaricaFormHome(h);
    }
    void Apri(const std::string& in, const std::string& prod, const std::string& out) {
        pf.AspettaApriFile("Apri file Database", in)
            .AspettaApriFile("Apri file Orvessa", prod)
            .AspettaSalvaFile("Salva il file di output Zelvano", out);
        LeggiArchivi(h);
    }
    void Abbina(int32_t i, int32_t j) {
        h.ArtInt[i].Stato = "A";
        h.ArtInt[i].PCdProd = j;
        h.ArtProd[j].PCdInt = i;
        ++h.NumAssociati;
        h.DatiModificati = true;
    }
    void NonAssociabile(int32_t i) {
        h.ArtInt[i].Stato = "X";
        ++h.NumNonAssociabili;
        h.DatiModificati = true;
    }
    test::FintaPiattaforma pf;
    StatoHome h{pf};
};

// Each input record's state and partner by code and line code, then the counters; a pair
// not linked both ways, or a catalogue record with two partners, shows up in the text.
std::string Abbinamenti(const StatoHome& h) {
    std::string t;
    std::vector<int> volte(static_cast<std::size_t>(h.NumProd) + 1, 0);
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& r = h.ArtInt[i];
        t += Numero(i) + ":" + r.CdInt + " " + r.Stato;
        if (r.PCdProd != 0) {
            const RecArticolo& p = h.ArtProd[r.PCdProd];
            t += " " + p.CdProd + "/" + p.LineaProd;
            if (p.PCdInt != i)
                t += " (back link to " + Numero(p.PCdInt) + ")";
            if (++volte[r.PCdProd] > 1)
                t += " (catalogue record taken twice)";
        }
        t += "\n";
    }
    for (int32_t j = 1; j <= h.NumProd; ++j)
        if (h.ArtProd[j].PCdInt != 0 && h.ArtInt[h.ArtProd[j].PCdInt].PCdProd != j)
            t += "catalogue " + Numero(j) + " points to " + Numero(h.ArtProd[j].PCdInt) + "\n";
    return t + "associati " + Numero(h.NumAssociati) + ", non associabili " +
           Numero(h.NumNonAssociabili);
}

std::string Nomi(const test::CartellaTemporanea& dir) {
    std::set<std::string> nomi;
    for (const auto& e : fs::directory_iterator(dir.Radice()))
        nomi.insert(e.path().filename().string());
    std::string t;
    for (const std::string& n : nomi)
        t += n + " ";
    return t;
}

TEST(TestoFileOutput, OneFixedLinePerInputRecord) {
    test::FintaPiattaforma pf;
    StatoHome h(pf);
    CaricaFormHome(h);
    for (const char* cd : {"C1", "C2", "C3", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"})
        NuovoRecord(h.ArtInt, h.NumInt, h.DimInt).CdInt = cd;
    RecArticolo& k1 = NuovoRecord(h.ArtProd, h.NumProd, h.DimProd);
    k1.CdProd = "K1";
    k1.LineaProd = "AB1";
    RecArticolo& k2 = NuovoRecord(h.ArtProd, h.NumProd, h.DimProd);
    k2.CdProd = "abcdefghijklmnopqrstuvwxyz9";
    k2.LineaProd = " 7 ";
    h.ArtInt[2].Stato = "A";
    h.ArtInt[2].PCdProd = 1;
    h.ArtInt[3].Stato = "X";
    h.ArtInt[4].Stato = "A";
    h.ArtInt[4].PCdProd = 2;

    // Columns 1-25 catalogue code, 26-50 input code, 51 state, 52-54 line code.
    const std::string atteso = "                         C1                           \r\n"
                               "K1                       C2                       AAB1\r\n"
                               "                         C3                       X   \r\n"
                               "abcdefghijklmnopqrstuvwxyABCDEFGHIJKLMNOPQRSTUVWXYA 7 \r\n";
    EXPECT_EQ(atteso.size(), 4u * 56u);
    EXPECT_EQ(TestoFileOutput(h), atteso);
}

TEST(SalvaArchivio, ReplacesTheWholeFile) {
    test::CartellaTemporanea dir;
    Finestra f(dir);
    const std::string out = dir.Scrivi("out.txt", std::string(1000, 'v'));
    f.Apri(dir.Scrivi("in.ber", "C1\r\nC2"), dir.Scrivi("cat.orv", RigaProd("K1", "AB1", "")), out);
    f.Abbina(2, 1);
    ASSERT_TRUE(SalvaArchivio(f.h));
    EXPECT_EQ(test::LeggiFile(out), Uscita("", "C1", "", "") + Uscita("K1", "C2", "A", "AB1"));
    EXPECT_FALSE(f.h.DatiModificati);

    f.h.FileOut.clear();
    f.h.DatiModificati = true;
    EXPECT_TRUE(SalvaArchivio(f.h)) << "no output file chosen: nothing to save";
}

TEST(SalvaArchivio, ReopeningRestoresEveryPairAndState) {
    test::CartellaTemporanea dir;
    const std::string in = dir.Scrivi(
        "in.ber", RigaInt("C1", "a", "", "") + "\r\n" + RigaInt("C2", "b", "", "") + "\r\n" +
                      "C3\r\nC4\r\nC5\r\n" + RigaInt("C5", "stesso codice", "", "") + "\r\nC7\r\n");
    const std::string prod =
        dir.Scrivi("cat.orv", RigaProd("K1", "AB1", "") + "\r\n" + RigaProd("K2", "AB2", "") +
                                  "\r\n" + RigaProd("K2", "AB2", "") + "\r\n" +
                                  RigaProd("K2", "AB2", "") + "\r\n" + RigaProd("K3", "AB3", ""));
    const std::string out = dir.Percorso("out.txt");
    const std::string atteso = "1:C1 A K2/AB2\n2:C2 A K2/AB2\n3:C3 X\n4:C4 A K1/AB1\n5:C5 X\n"
                               "6:C5 A K3/AB3\n7:C7 \nassociati 4, non associabili 2";

    Finestra prima(dir);
    prima.Apri(in, prod, out);
    prima.Abbina(1, 3); // the copies of K2 taken crosswise
    prima.Abbina(2, 2);
    prima.NonAssociabile(3);
    prima.Abbina(4, 1);
    prima.NonAssociabile(5);
    prima.Abbina(6, 5);
    ASSERT_EQ(Abbinamenti(prima.h), atteso);
    ASSERT_TRUE(SalvaArchivio(prima.h));

    Finestra dopo(dir);
    dopo.Apri(in, prod, out);
    EXPECT_EQ(Abbinamenti(dopo.h), atteso);
    EXPECT_EQ(dopo.h.lblFileint[10], "1");
    EXPECT_FALSE(dopo.h.FileOutVuoto);
    EXPECT_EQ(TestoFileOutput(dopo.h), test::LeggiFile(out));
}

TEST(SalvaArchivio, OutputPathThatIsAFolderFailsAndKeepsTheWork) {
    test::CartellaTemporanea dir;
    Finestra f(dir);
    NuovoRecord(f.h.ArtInt, f.h.NumInt, f.h.DimInt).CdInt = "C1";
    f.h.FileOut = dir.Percorso("uscita.txt");
    fs::create_directory(f.h.FileOut);
    f.h.DatiModificati = true;
    f.pf.AspettaMessaggio("Impossibile scrivere il file " + f.h.FileOut + ": " +
                          std::strerror(EISDIR));
    EXPECT_FALSE(SalvaArchivio(f.h));
    EXPECT_TRUE(f.h.DatiModificati);
    EXPECT_TRUE(fs::is_empty(f.h.FileOut));
    EXPECT_EQ(Nomi(dir), "uscita.txt ");
}

// The save runs in a child process whose file size limit stops the write part way.
TEST(SalvaArchivio, WriteCutShortLeavesTheOldFileWhole) {
    test::CartellaTemporanea dir;
    const std::string vecchio = Uscita("K1", "C1", "A", "AB1");
    const std::string out = dir.Scrivi("out.txt", vecchio);
    Finestra f(dir);
    f.Apri(dir.Scrivi("in.ber", "C1\r\nC2\r\nC3\r\nC4\r\n"),
           dir.Scrivi("cat.orv", RigaProd("K1", "AB1", "")), out);
    f.NonAssociabile(2);
    const std::string messaggio =
        "Impossibile scrivere il file " + out + ": " + std::strerror(EFBIG);

    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        ::close(tubo[0]);
        const rlimit limite{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, SIG_IGN);
        f.pf.AspettaMessaggio(messaggio);
        const bool salvato = SalvaArchivio(f.h);
        std::string esito = std::string(salvato ? "saved" : "not saved") +
                            (f.h.DatiModificati ? ", modified: " : ", clean: ");
        for (const std::string& m : f.pf.messaggi)
            esito += m;
        (void)!::write(tubo[1], esito.data(), esito.size());
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string esito;
    char buf[512];
    for (ssize_t n; (n = ::read(tubo[0], buf, sizeof buf)) > 0;)
        esito.append(buf, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0);

    EXPECT_EQ(esito, "not saved, modified: " + messaggio);
    EXPECT_EQ(test::LeggiFile(out), vecchio);
    EXPECT_EQ(Nomi(dir), "cat.orv in.ber out.txt ");
}

} // namespace
} // namespace zelvano
