#include "files/LetturaArchivi.h"

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

} // namespace
} // namespace zelvano
