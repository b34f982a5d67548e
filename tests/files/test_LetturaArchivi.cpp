#include "files/LetturaArchivi.h"

#include "files/LettoreRighe.h"

#include "support/FileTemporanei.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvano {
namespace {

using test::RigaInt;
using test::RigaProd;

std::string CampiProd(const RecArticolo& r) {
    return r.CdProd + "|" + r.LineaProd + "|" + r.Descr;
}

struct Caso {
    const char* nome;
    std::string riga;
    std::string campi;
};

TEST(RecordInt, CutsColumnsAndTrimsBlanksOnly) {
    const std::string a(25, 'a'), b(45, 'b'), c(12, 'c'), d(30, 'd');
    const Caso casi[] = {
        {"all fields", RigaInt("  C1  ", "  Vite  zincata ", "LIN 1", " PROD 1 "),
         "C1|Vite  zincata|LIN 1|PROD 1"},
        {"fields filling their columns", a + b + c + d + "eee", a + "|" + b + "|" + c + "|" + d},
        {"tabs stay", RigaInt("\tC1\t", "\t", "", " \tP"), "\tC1\t|\t||\tP"},
        {"line ending inside Descr", "ABCDEFGHIJKLMNOPQRSTUVWXY  de ",
         "ABCDEFGHIJKLMNOPQRSTUVWXY|de||"},
        {"empty line", "", "|||"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const RecArticolo r = RecordInt(k.riga);
        EXPECT_EQ(r.CdInt + "|" + r.Descr + "|" + r.Linea + "|" + r.CdProd, k.campi);
    }
}

TEST(RecordProd, TrimsCodeAndDescriptionButLineCodeIsAlwaysThreeBytes) {
    const Caso casi[] = {
        {"all fields", RigaProd("  K1 ", "AB1", "  Vite  M8  "), "K1|AB1|Vite  M8"},
        {"line code keeps its blanks", RigaProd("K2", " B", "x"), "K2| B |x"},
        {"line ending at column 39", "K4" + std::string(36, ' ') + "X", "K4|X  |"},
        {"line ending before column 255", std::string(254, 'z'), std::string(25, 'z') + "|zzz|"},
        {"description cut at column 304", RigaProd("K5", "001", std::string(50, 'd') + "EXTRA"),
         "K5|001|" + std::string(50, 'd')},
        {"empty line", "", "|   |"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        EXPECT_EQ(CampiProd(RecordProd(k.riga)), k.campi);
    }
}

// Each line of the table as text, with where it lies and its upper-cased code and
// description for the catalogue, and whether the file ends with a line end.
std::string Tabella(const TabellaLetta& t, bool prod) {
    std::string testo = std::to_string(t.num) + (t.impronta.finisceACapo ? " a capo\n" : "\n");
    for (int32_t k = 1; k <= t.num; ++k) {
        const RecArticolo& r = t.rec[static_cast<std::size_t>(k)];
        testo += prod ? CampiProd(r) + "|" + std::to_string(t.pos[k].inizio) + "+" +
                            std::to_string(t.pos[k].lunghezza) + "|" + std::string(t.codiciU[k]) +
                            "|" + std::string(t.descrizioniU[k])
                      : r.CdInt + "|" + r.Descr + "|" + r.Linea + "|" + r.CdProd;
        testo += "\n";
    }
    return testo;
}

TEST(LeggiFile, SameTablesWhateverSizeThePiecesReadSideBySideHave) {
    test::CartellaTemporanea cartella;
    const std::string lunga =
        RigaProd("LUNGO-1234", "L1", std::string(40, 'x') + " fine") + std::string(700, 'y');
    const std::string casi[] = {
        "",
        "\r\n",
        "\r\r\n\n\r",
        test::Unisci({RigaProd("k1", "AB1", "vite \xE8"), "", RigaProd("K2-lungo", "", "Dado")}),
        // Line ends of every kind, a long line and no line end after the last one.
        RigaProd("a1", "X", "uno") + "\r" + lunga + "\n\r\n" + RigaInt("I1", "d", "l", "p") +
            "\r\r" + lunga,
    };
    for (const std::string& contenuto : casi) {
        const std::string percorso = cartella.Scrivi("f.txt", contenuto);
        // What the plain line reader and the column cutter make of it.
        std::string attesoProd, attesoInt;
        {
            const TabellaLetta intera = LeggiFileProd(percorso, 0, 1 << 30);
            const TabellaLetta interaInt = LeggiFileInt(percorso, 0, 1 << 30);
            attesoProd = Tabella(intera, true);
            attesoInt = Tabella(interaInt, false);
            LettoreRighe lettore(percorso);
            std::string_view riga;
            int32_t k = 0;
            while (lettore.Leggi(riga)) {
                ++k;
                ASSERT_LE(k, intera.num);
                EXPECT_EQ(CampiProd(intera.rec[k]), CampiProd(RecordProd(riga)));
                EXPECT_EQ(intera.pos[k].inizio, lettore.InizioRiga());
                EXPECT_EQ(intera.pos[k].lunghezza, riga.size());
            }
            EXPECT_EQ(k, intera.num);
            EXPECT_EQ(intera.impronta.finisceACapo,
                      lettore.UltimoByte() == '\n' || lettore.UltimoByte() == '\r');
        }
        for (int64_t blocco = 1; blocco <= static_cast<int64_t>(contenuto.size()) + 1; ++blocco) {
            SCOPED_TRACE(blocco);
            EXPECT_EQ(Tabella(LeggiFileProd(percorso, 0, blocco), true), attesoProd);
            EXPECT_EQ(Tabella(LeggiFileInt(percorso, 0, blocco), false), attesoInt);
        }
    }
}

} // namespace
} // namespace zelvano
