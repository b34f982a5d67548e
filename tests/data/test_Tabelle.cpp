#include "data/Tabelle.h"

#include "data/Testo.h"
#include "griglie/CaricaArchivi.h"
#include "support/Banco.h"

#include <gtest/gtest.h>

namespace zelvano {
namespace {

// How many of records da..a are missing or do not hold "<prefisso><k>".
int Diversi(const std::vector<RecArticolo>& tab, int32_t da, int32_t a,
            const std::string& prefisso) {
    int n = 0;
    for (int32_t k = da; k <= a; ++k)
        n += static_cast<std::size_t>(k) >= tab.size() || tab[k].CdInt != prefisso + Numero(k);
    return n;
}

TEST(Tabelle, CapacityGrowsPast100000AndAShorterLoadKeepsTheRecordsAbove) {
    test::Banco b({"X"}, {});
    StatoHome& h = b.h;
    // Loads lines "<prefisso>1" .. "<prefisso>n"; gives count, capacity and the count shown.
    const auto carica = [&](int32_t n, const std::string& prefisso) {
        std::string testo;
        for (int32_t k = 1; k <= n; ++k)
            testo += prefisso + Numero(k) + "\r\n";
        h.File.FileInt = b.cartella.Scrivi("articoli.ber", testo);
        CaricaFileInt(h, LeggiFileInt(h.File.FileInt, h.DimInt));
        return Numero(h.NumInt) + " " + Numero(h.DimInt) + " " + Numero(h.Totali.letti);
    };
    EXPECT_EQ(carica(100000, "C"), "100000 100000 100000");
    EXPECT_EQ(carica(100001, "D"), "100001 110000 100001");
    EXPECT_EQ(Diversi(h.ArtInt, 1, 100001, "D"), 0);
    EXPECT_EQ(carica(5, "B"), "5 110000 5");
    EXPECT_EQ(Diversi(h.ArtInt, 1, 5, "B"), 0);
    EXPECT_EQ(Diversi(h.ArtInt, 6, 100001, "D"), 0);
}

} // namespace
} // namespace zelvano
