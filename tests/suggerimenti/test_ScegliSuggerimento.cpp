#include "suggerimenti/ScegliSuggerimento.h"

#include "support/Banco.h"
#include "support/Invarianti.h"

#include "coppie/Associazioni.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"

#include <gtest/gtest.h>

namespace zelvano::test {
namespace {

// The chosen catalogue article as the user sees it: the boxes, Grd2's rows, the chosen and
// the highlighted row.
std::string Scelta(const StatoHome& h) {
    std::string t = h.Testi.TxtCod + "|" + h.Testi.txtDescr + "|" + std::to_string(RigaGrd2(h)) +
                    "|" + std::to_string(h.PCdProdSel) + "|" + std::to_string(h.Grd2.Row()) + "|";
    for (int r = 1; r < h.Grd2.Rows(); ++r)
        t += h.Grd2.Testo(r, "CDPROD") + ",";
    return t;
}

// Taking a suggestion chooses exactly the row a user gets by typing the code and clicking
// it, whatever the boxes held; F3 then pairs it.
TEST(ScegliSuggerimento, ChoosesTheRowAClickWould) {
    const auto apri = [] {
        return std::make_unique<Banco>(
            std::vector<std::string>{RigaInt("I1", "RONDELLA", "", "rw816"),
                                     RigaInt("I2", "VITE", "", "K1")},
            std::vector<std::string>{
                RigaProd("RW816", "A", "RONDELLA PIANA"), RigaProd("XRW8160", "B", "ALTRA"),
                RigaProd("RW816", "C", "RONDELLA COPIA"), RigaProd("K1", "D", "VITE")},
            RigaOut("", "I1", ' ') + RigaOut("K1", "I2", 'A'));
    };
    for (const int32_t j : {1, 3, 4}) {
        SCOPED_TRACE(j);
        auto conClick = apri(), conSuggerimento = apri();
        for (Banco* b : {conClick.get(), conSuggerimento.get()}) {
            b->h.Testi.txtDescr = "ALTRO";
            CaricaGrid2(b->h);
        }
        conClick->h.Testi.TxtCod = conClick->h.ArtProd[j].CdProd.str();
        conClick->h.Testi.txtDescr.clear();
        CaricaGrid2(conClick->h);
        conClick->Scegli2(j);
        ScegliSuggerimento(conSuggerimento->h, j);
        EXPECT_EQ(Scelta(conSuggerimento->h), Scelta(conClick->h));
        EXPECT_EQ(conSuggerimento->h.PCdProdSel, j);
        EXPECT_EQ(Violazioni(conSuggerimento->h), "");
    }
    auto b = apri();
    ScegliSuggerimento(b->h, 3);
    Associa(b->h);
    EXPECT_EQ(b->h.ArtInt[1].PCdProd, 3);
    EXPECT_EQ(b->Celle2(3), "1|A|I1");
}

} // namespace
} // namespace zelvano::test
