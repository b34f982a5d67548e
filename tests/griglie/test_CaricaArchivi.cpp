#include "griglie/CaricaArchivi.h"

#include "support/Banco.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvano {
namespace {

using test::RigaProd;

std::string CampiProd(const RecArticolo& r) {
    return r.CdProd + "|" + r.LineaProd + "|" + r.Descr;
}

TEST(CaricaArchivi, CatalogueKeepsUpperCasedCodesAndDescriptions) {
    test::Banco b({"C1"}, {RigaProd("k1", "AB1", "vite \xE8"), "", RigaProd("K2", "", "Dado")});
    const auto catalogo = [&] {
        std::string t = b.h.File.NomeFileProd;
        for (int32_t j = 1; j <= b.h.NumProd; ++j)
            t += "\n" + CampiProd(b.h.ArtProd[j]) + "|" + std::string(b.h.CdProdU[j]) + "|" +
                 std::string(b.h.DescrU[j]);
        return t;
    };
    InserisciRiga(b.h, RigaProd("n9", "X", "nuovo"));
    EXPECT_EQ(catalogo(), "catalogo.orv\nk1|AB1|vite \xE8|K1|VITE \xC8\n|   |||\n"
                          "K2|   |Dado|K2|DADO\nn9|X  |nuovo|N9|NUOVO");
    b.h.File.FileProd = b.cartella.Scrivi("altro.orv", RigaProd("z", "", "d"));
    CaricaFileProd(b.h, LeggiFileProd(b.h.File.FileProd, b.h.DimProd));
    EXPECT_EQ(catalogo(), "altro.orv\nz|   |d|Z|D");
}

} // namespace
} // namespace zelvano
