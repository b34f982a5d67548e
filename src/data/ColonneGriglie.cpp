#include "data/ColonneGriglie.h"

#include "data/Griglia.h"

#include <string>
#include <vector>

namespace zelvano {

namespace {
struct DefColonna {
    const char* chiave;
    const char* titolo; // nullptr: the index columns carry no caption
    int larghezza;      // 0: hidden
};

void Imposta(Griglia& g, const std::vector<DefColonna>& colonne) {
    g.SetCols(10);
    g.SetRows(1);
    for (std::size_t i = 0; i < colonne.size(); ++i) {
        const int c = static_cast<int>(i);
        const DefColonna& d = colonne[i];
        g.SetColKey(c, d.chiave);
        if (d.larghezza == 0)
            g.SetColHidden(c, true);
        else
            g.SetColWidth(c, d.larghezza);
        if (d.titolo != nullptr)
            g.SetTextMatrix(0, c, d.titolo);
    }
    g.SetCols(static_cast<int>(colonne.size()));
}
} // namespace

void ImpostaGrd1(Griglia& g) {
    Imposta(g, {{"PCDINT", nullptr, 0},
                {"PCDPROD", nullptr, 0},
                {"CDPROD", "Codice Articolo", LarghezzaTxtCod},
                {"DESCR", "Descrizione", 6195},
                {"STATO", "Stato", 0},
                {"CDINT", "Codice Interno", LarghezzaTxtCod},
                {"CDPROD2", "Associato a", LarghezzaTxtCod},
                {"LINEA", "", 1500}});
}

void ImpostaGrd2(Griglia& g) {
    Imposta(g, {{"PCDINT", nullptr, 0},
                {"PCDPROD", nullptr, 0},
                {"CDPROD", "Codice Articolo", LarghezzaTxtCod},
                {"DESCR", "Descrizione", 7195},
                {"STATO", "Stato", 0},
                {"CDINT", "Associato a", LarghezzaTxtCod}});
}

} // namespace zelvano
