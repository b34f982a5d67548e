#include "griglie/CaricaGrid2.h"

#include "data/StatoHome.h"
#include "files/LayoutGriglie.h"
#include "griglie/FiltroProd.h"

#include <algorithm>

namespace zelvano {

void CaricaGrid2(StatoHome& h) {
    // Loads and copies keep the upper-cased texts in step; a table filled any other way
    // gets them here.
    if (h.CdProdU.Conta() != h.NumProd || h.DescrU.Conta() != h.NumProd)
        CostruisciMaiuscoli(h.ArtProd, h.NumProd, h.CdProdU, h.DescrU);
    h.PCdProdSel = 0;
    Griglia& g = h.Grd2;
    g.SetRedraw(false);
    g.SetRows(1);
    LeggiPoscolGrd2(h);

    const FiltroProd filtro(h.Testi.TxtCod, h.Testi.txtDescr, h.Testi.cmBAndOrIndice == 1);
    std::vector<int32_t> passano = Filtra(filtro, h.CdProdU, h.DescrU, h.NumProd);
    // The catalogue article of the chosen input article becomes the chosen row; with none
    // chosen, the last free one shown. Pairs point both ways, so the article is found from
    // the input side instead of by reading every record shown.
    int32_t cercato = 0;
    if (h.PCdIntSel >= 1 && h.PCdIntSel <= h.NumInt) {
        const int32_t j = h.ArtInt[static_cast<std::size_t>(h.PCdIntSel)].PCdProd;
        if (j >= 1 && j <= h.NumProd &&
            h.ArtProd[static_cast<std::size_t>(j)].PCdInt == h.PCdIntSel)
            cercato = j;
    } else if (h.PCdIntSel == 0) {
        for (auto it = passano.rbegin(); it != passano.rend(); ++it)
            if (h.ArtProd[static_cast<std::size_t>(*it)].PCdInt == 0) {
                cercato = *it;
                break;
            }
    }
    // The rows come in record order, so its row is found here without RigaDi, which
    // would index all the rows again at every keystroke.
    int riga = 0;
    if (cercato != 0) {
        const auto it = std::lower_bound(passano.begin(), passano.end(), cercato);
        if (it != passano.end() && *it == cercato) {
            riga = static_cast<int>(it - passano.begin()) + 1;
            h.PCdProdSel = cercato;
        }
    }
    g.ImpostaRecord(std::move(passano));
    if (riga != 0) {
        g.SetRow(riga);
        g.ShowCell(riga, 0);
    }
    CaricaOrdinamentiPrec2(h);
    g.SetRedraw(true);
}

} // namespace zelvano
