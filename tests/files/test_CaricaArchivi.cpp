#include "files/CaricaArchivi.h"

#include "data/StatoHome.h"
#include "files/ErroreFile.h"
#include "support/FileTemporanei.h"
#include "support/FintaPiattaforma.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvano {
namespace {

using test::RigaInt;
using test::RigaProd;

std::string CampiInt(const RecArticolo& r) {
    return r.CdInt + "|" + r.Descr + "|" + r.Linea + "|" + r.CdProd;
}
std::string CampiProd(const RecArticolo& r) {
    return r.CdProd + "|" + r.LineaProd + "|" + r.Descr;
}

struct Caso {
    const char* nome;
    std::string riga;
    std::string campi;
};

TEST(RecordInt, CutsColumnsAndTrimsBlanksOnly) {
    const Caso casi[] = {
        {"all fields", RigaInt("  C1  ", "  Vite  zincata ", "LIN 1", " PROD 1 "),
         "C1|Vite  zincata|LIN 1|PROD 1"},
        {"fields filling their columns",
         std::string(25, 'a') + std::string(45, 'b') + std::string(12, 'c') + std::string(30, 'd') +
             "eee",
         std::string(25, 'a') + "|" + std::string(45, 'b') + "|" + std::string(12, 'c') + "|" +
             std::string(30, 'd')},
        {"tabs stay", RigaInt("\tC1\t", "\t", "", " \tP"), "\tC1\t|\t||\tP"},
        {"30-character line", "ABCDEFGHIJKLMNOPQRSTUVWXY  de ", "ABCDEFGHIJKLMNOPQRSTUVWXY|de||"},
        {"line ending inside Linea", RigaInt("C", "D", "LI", ""), "C|D|LI|"},
        {"high bytes", RigaInt("\xC8\xE8", "caff\xE8", "", "\x80"), "\xC8\xE8|caff\xE8||\x80"},
        {"empty line", "", "|||"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(CampiInt(RecordInt(c.riga)), c.campi);
    }
}

TEST(RecordProd, TrimsCodeAndDescriptionButNotTheLineCode) {
    const Caso casi[] = {
        {"all fields", RigaProd("  K1 ", "AB1", "  Vite  M8  "), "K1|AB1|Vite  M8"},
        {"line code keeps its blanks", RigaProd("K2", " B", "x"), "K2| B |x"},
        {"line shorter than column 39", "K3" + std::string(28, ' '), "K3|   |"},
        {"line ending at column 39", "K4" + std::string(36, ' ') + "X", "K4|X  |"},
        {"line shorter than column 255", std::string(254, 'z'), std::string(25, 'z') + "|zzz|"},
        {"description cut at column 304", RigaProd("K5", "001", std::string(50, 'd') + "EXTRA"),
         "K5|001|" + std::string(50, 'd')},
        {"empty line", "", "|   |"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(CampiProd(RecordProd(c.riga)), c.campi);
    }
}

class CaricaArchivi : public testing::Test {
  protected:
    void SetUp() override {
        pf.cartella = dir.Radice().string();
        CaricaFormHome(h);
    }
    std::string Catalogo() const {
        std::string t;
        for (int32_t j = 1; j <= h.NumProd; ++j)
            t += CampiProd(h.ArtProd[j]) + "|" + std::string(h.CdProdU[j]) + "|" +
                 std::string(h.DescrU[j]) + "\n";
        return t;
    }
    test::CartellaTemporanea dir;
    test::FintaPiattaforma pf;
    StatoHome h{pf};
};

TEST_F(CaricaArchivi, EmptyLinesBecomeRecords) {
    h.FileInt = dir.Scrivi("articoli.ber", RigaInt("C1", "uno", "", "P1") + "\r\n\r\nC3\r\n\r\n");
    CaricaFileInt(h, LeggiFileInt(h.FileInt, h.DimInt));
    std::string t;
    for (int32_t i = 1; i <= h.NumInt; ++i)
        t += CampiInt(h.ArtInt[i]) + "\n";
    EXPECT_EQ(t, "C1|uno||P1\n|||\nC3|||\n|||\n");
    EXPECT_EQ(h.NomeFileInt, "articoli.ber");
    EXPECT_EQ(h.lblFileint[4], "4");
}

TEST_F(CaricaArchivi, CatalogueKeepsUpperCasedCodesAndDescriptions) {
    h.FileProd = dir.Scrivi("catalogo.orv", RigaProd("k1", "AB1", "vite \xE8") + "\r\n\n" +
                                                RigaProd("K2", "", "Dado"));
    CaricaFileProd(h, LeggiFileProd(h.FileProd, h.DimProd));
    EXPECT_EQ(h.NomeFileProd, "catalogo.orv");
    EXPECT_EQ(Catalogo(), "k1|AB1|vite \xE8|K1|VITE \xC8\n|   |||\nK2|   |Dado|K2|DADO\n");

    InserisciRiga(h, RigaProd("n9", "X", "nuovo"));
    EXPECT_EQ(h.NumProd, 4);
    EXPECT_EQ(Catalogo(), "k1|AB1|vite \xE8|K1|VITE \xC8\n|   |||\nK2|   |Dado|K2|DADO\n"
                          "n9|X  |nuovo|N9|NUOVO\n");
}

TEST_F(CaricaArchivi, UnreadableFileThrows) {
    EXPECT_THROW(LeggiFileInt(dir.Percorso("manca.ber"), h.DimInt), ErroreFile);
    EXPECT_THROW(LeggiFileProd(dir.Radice().string(), h.DimProd), ErroreFile);
}

} // namespace
} // namespace zelvano
