#include "data/Tabelle.h"

#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/CaricaArchivi.h"
#include "support/FileTemporanei.h"
#include "support/FintaPiattaforma.h"

#include <gtest/gtest.h>

namespace zelvano {
namespace {

// Lines "<prefisso>1" .. "<prefisso>n", each ended by CR LF.
std::string Righe(int32_t n, const std::string& prefisso) {
    std::string testo;
    for (int32_t k = 1; k <= n; ++k)
        testo += prefisso + Numero(k) + "\r\n";
    return testo;
}

// How many of records da..a do not hold "<prefisso><k>".
int Diversi(const std::vector<RecArticolo>& tab, int32_t da, int32_t a,
            const std::string& prefisso) {
    int n = 0;
    for (int32_t k = da; k <= a; ++k)
        n += tab[k].CdInt != prefisso + Numero(k);
    return n;
}

TEST(Tabelle, CapacityStartsAt100000AndGrowsOneStepPastIt) {
    std::vector<RecArticolo> tab;
    int32_t dim = 0, num = 0;
    CreaTabella(tab, dim);
    EXPECT_EQ(dim, 100000);
    for (int32_t k = 1; k <= 100000; ++k)
        NuovoRecord(tab, num, dim).CdInt = "C" + Numero(k);
    EXPECT_EQ(num, 100000);
    EXPECT_EQ(dim, 100000);

    RecArticolo& nuovo = NuovoRecord(tab, num, dim);
    nuovo.CdInt = "C100001";
    EXPECT_EQ(&nuovo, &tab[100001]);
    EXPECT_EQ(num, 100001);
    EXPECT_EQ(dim, 110000);
    EXPECT_EQ(Diversi(tab, 1, 100001, "C"), 0);
}

class TabelleDaFile : public testing::Test {
  protected:
    void SetUp() override {
        pf.cartella = dir.Radice().string();
        CaricaFormHome(h);
    }
    void Carica(const std::string& testo) {
        h.FileInt = dir.Scrivi("articoli.ber", testo);
        CaricaFileInt(h, LeggiFileInt(h.FileInt, h.DimInt));
    }
    test::CartellaTemporanea dir;
    test::FintaPiattaforma pf;
    StatoHome h{pf};
};

TEST_F(TabelleDaFile, CapacityFollowsTheRecordsLoaded) {
    Carica(Righe(100000, "C"));
    EXPECT_EQ(h.NumInt, 100000);
    EXPECT_EQ(h.DimInt, 100000);

    Carica(Righe(100001, "D"));
    EXPECT_EQ(h.NumInt, 100001);
    EXPECT_EQ(h.DimInt, 110000);
    EXPECT_EQ(Diversi(h.ArtInt, 1, 100001, "D"), 0);
    EXPECT_EQ(h.lblFileint[4], "100001");
}

TEST_F(TabelleDaFile, AShorterFileLeavesTheRecordsAboveItsCount) {
    Carica(Righe(50, "A"));
    Carica(Righe(5, "B"));
    EXPECT_EQ(h.NumInt, 5);
    EXPECT_EQ(h.DimInt, 100000);
    EXPECT_EQ(Diversi(h.ArtInt, 1, 5, "B"), 0);
    EXPECT_EQ(Diversi(h.ArtInt, 6, 50, "A"), 0);
    EXPECT_EQ(h.lblFileint[4], "5");
}

TEST(TestiMaiuscoli, PacksUpperCasedTextsByIndex) {
    TestiMaiuscoli t;
    EXPECT_EQ(t.Conta(), 0);
    EXPECT_EQ(t[0], "");
    t.Aggiungi("vite");
    t.Aggiungi("");
    t.Aggiungi("D\xE9");
    t.Aggiungi("x");
    EXPECT_EQ(t.Conta(), 4);
    EXPECT_EQ(t.Buffer(), "VITED\xC9X");
    std::string letti;
    for (int32_t k = 0; k <= t.Conta(); ++k)
        letti += "[" + std::string(t[k]) + "]";
    EXPECT_EQ(letti, "[][VITE][][D\xC9][X]");

    // Each buffer position belongs to the record whose text holds it; an empty text holds
    // none.
    std::string indici;
    for (std::size_t pos = 0; pos < t.Buffer().size(); ++pos)
        indici += Numero(t.IndiceDi(pos));
    EXPECT_EQ(indici, "1111334");
    EXPECT_EQ(t.Inizio(3), 4u);
    EXPECT_EQ(t.Fine(3), 6u);

    t.Azzera();
    EXPECT_EQ(t.Conta(), 0);
    EXPECT_EQ(t.Buffer(), "");
    t.Aggiungi("b");
    EXPECT_EQ(t[1], "B");
}

} // namespace
} // namespace zelvano
