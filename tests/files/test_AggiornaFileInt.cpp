#include "files/AggiornaFileInt.h"

#include "data/StatoHome.h"
#include "support/FileTemporanei.h"
#include "support/FintaPiattaforma.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace zelvano {
namespace {

namespace fs = std::filesystem;

// n bytes that differ from line to line and from column to column, high bytes included.
std::string Riga(std::size_t n, int seme) {
    static const std::string alfabeto = "0123456789abcdefghijKLMNOP\xE8\xC9\x80\t";
    std::string s(n, ' ');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = alfabeto[(i + static_cast<std::size_t>(seme) * 7) % alfabeto.size()];
    return s;
}

class AggiornaFileIntTest : public testing::Test {
  protected:
    void SetUp() override {
        pf.cartella = dir.Radice().string();
        CaricaFormHome(h);
        h.FileInt = dir.Percorso("articoli.ber");
    }
    test::CartellaTemporanea dir;
    test::FintaPiattaforma pf;
    StatoHome h{pf};
};

TEST_F(AggiornaFileIntTest, WritesCodesIntoColumns83To112Only) {
    struct Caso {
        std::string riga;
        bool segnata;
        std::string codice;
        std::string attesa;
    };
    const std::string r50 = Riga(50, 1), r82 = Riga(82, 2), r83 = Riga(83, 3), r100 = Riga(100, 4),
                      r112 = Riga(112, 5), r150 = Riga(150, 6), r150b = Riga(150, 7),
                      r150c = Riga(150, 8);
    const std::string codice35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678";
    const Caso casi[] = {
        {r50, true, "NUOVO", r50},
        {r82, true, "NUOVO", r82},
        {r83, true, "NUOVO", r83.substr(0, 82) + "N"},
        {r100, true, "NUOVO", r100.substr(0, 82) + "NUOVO" + std::string(13, ' ')},
        {r112, true, "NUOVO", r112.substr(0, 82) + "NUOVO" + std::string(25, ' ')},
        {r150, true, "N1", r150.substr(0, 82) + "N1" + std::string(28, ' ') + r150.substr(112)},
        {r150b, false, "IGNORATO", r150b},
        {r150c, true, codice35, r150c.substr(0, 82) + codice35.substr(0, 30) + r150c.substr(112)},
        {"", true, "NUOVO", ""},
        {r150, true, "", r150.substr(0, 82) + std::string(30, ' ') + r150.substr(112)},
    };
    const char* fini[] = {"\r\n", "\n", "\r"};
    std::string prima, atteso;
    for (const Caso& c : casi) {
        RecArticolo& r = NuovoRecord(h.ArtInt, h.NumInt, h.DimInt);
        const int32_t k = h.NumInt;
        // Every kind of line end, and none after the last line.
        prima += c.riga + (k < static_cast<int32_t>(std::size(casi)) ? fini[k % 3] : "");
        atteso += c.attesa + "\r\n";
        r.Modificato = c.segnata ? 1 : 0;
        r.CdProd = c.codice;
    }
    dir.Scrivi("articoli.ber", prima);

    EXPECT_TRUE(AggiornaFileInt(h));
    EXPECT_EQ(test::LeggiFile(h.FileInt), atteso);
    EXPECT_FALSE(fs::exists(dir.Percorso("tmp.txt")));
}

TEST_F(AggiornaFileIntTest, RefusesWhenTheFileNoLongerMatchesTheTable) {
    struct Caso {
        const char* nome;
        bool scritto;
        std::string contenuto;
        std::string messaggio;
    };
    const std::string cambiato =
        "Il file " + h.FileInt + " \xE8 cambiato dopo l'apertura: i codici non sono stati scritti";
    const Caso casi[] = {
        {"one line more", true, Riga(120, 1) + "\r\n" + Riga(120, 2) + "\r\n" + Riga(9, 3),
         cambiato},
        {"one line fewer", true, Riga(120, 1) + "\r\n", cambiato},
        {"file gone", false, "",
         "Impossibile leggere il file " + h.FileInt + ": " + std::strerror(ENOENT)},
    };
    RecArticolo& r = NuovoRecord(h.ArtInt, h.NumInt, h.DimInt);
    r.Modificato = 1;
    r.CdProd = "NUOVO";
    NuovoRecord(h.ArtInt, h.NumInt, h.DimInt);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        fs::remove(h.FileInt);
        if (c.scritto)
            dir.Scrivi("articoli.ber", c.contenuto);
        pf.AspettaMessaggio(c.messaggio);
        EXPECT_FALSE(AggiornaFileInt(h));
        pf.VerificaFine();
        EXPECT_EQ(test::LeggiFile(h.FileInt), c.contenuto);
        EXPECT_EQ(fs::exists(h.FileInt), c.scritto);
        EXPECT_FALSE(fs::exists(dir.Percorso("tmp.txt")));
    }
}

} // namespace
} // namespace zelvano
