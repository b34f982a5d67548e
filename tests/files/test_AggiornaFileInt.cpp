#include "files/AggiornaFileInt.h"

#include "support/Banco.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zelvano {
namespace {

namespace fs = std::filesystem;

TEST(AggiornaFileInt, WritesCodesIntoColumns83To112Only) {
    const std::string r50(50, 'a'), r82(82, '\t'), r83(83, '\xE8'), r100(100, 'b'),
        r150(150, '\x80'), r150b(150, 'c'), r150c(150, 'd');
    const std::string codice35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678";
    const struct {
        std::string riga;
        bool segnata;
        std::string codice, attesa;
    } casi[] = {
        {r50, true, "NUOVO", r50},
        {"", true, "NUOVO", ""},
        {r82, true, "NUOVO", r82},
        {r83, true, "NUOVO", r83.substr(0, 82) + "N"},
        {r100, true, "NUOVO", r100.substr(0, 82) + "NUOVO" + std::string(13, ' ')},
        {r150, true, "N1", r150.substr(0, 82) + "N1" + std::string(28, ' ') + r150.substr(112)},
        {r150b, false, "IGNORATO", r150b},
        {r150c, true, codice35, r150c.substr(0, 82) + codice35.substr(0, 30) + r150c.substr(112)},
    };
    std::vector<std::string> righe;
    for (const auto& c : casi)
        righe.push_back(c.riga);
    test::Banco b(righe, {});
    ASSERT_EQ(b.h.NumInt, static_cast<int32_t>(std::size(casi)));
    const char* fini[] = {"\r\n", "\n", "\r"};
    std::string prima, atteso;
    for (int32_t k = 1; k <= b.h.NumInt; ++k) {
        b.h.ArtInt[k].Modificato = casi[k - 1].segnata ? 1 : 0;
        b.h.ArtInt[k].CdProd = casi[k - 1].codice;
        // Every kind of line end, and none after the last line; all become CR LF.
        prima += casi[k - 1].riga + (k < b.h.NumInt ? fini[k % 3] : "");
        atteso += casi[k - 1].attesa + "\r\n";
    }
    b.cartella.Scrivi("articoli.ber", prima);
    EXPECT_TRUE(AggiornaFileInt(b.h));
    EXPECT_EQ(test::LeggiFile(b.fileInt), atteso);
    EXPECT_FALSE(fs::exists(b.cartella.Percorso("tmp.txt")));
}

TEST(AggiornaFileInt, RefusesWhenTheFileNoLongerMatchesTheTable) {
    test::Banco b({"uno", "due"}, {});
    b.h.ArtInt[1].Modificato = 1;
    b.h.ArtInt[1].CdProd = "NUOVO";
    const std::string cambiato =
        "Il file " + b.fileInt + " \xE8 cambiato dopo l'apertura: i codici non sono stati scritti";
    const struct {
        const char* contenuto; // nullptr: no file
        std::string messaggio;
    } casi[] = {
        {"uno\r\ndue\r\ntre", cambiato},
        {"uno\r\n", cambiato},
        {nullptr, "Impossibile leggere il file " + b.fileInt + ": file non trovato"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.messaggio);
        fs::remove(b.fileInt);
        if (c.contenuto != nullptr)
            b.cartella.Scrivi("articoli.ber", c.contenuto);
        b.pf.AspettaMessaggio(c.messaggio);
        EXPECT_FALSE(AggiornaFileInt(b.h));
        b.pf.VerificaFine();
        EXPECT_EQ(test::LeggiFile(b.fileInt), c.contenuto != nullptr ? c.contenuto : "");
        EXPECT_EQ(fs::exists(b.fileInt), c.contenuto != nullptr);
        EXPECT_FALSE(fs::exists(b.cartella.Percorso("tmp.txt")));
    }
}

} // namespace
} // namespace zelvano
