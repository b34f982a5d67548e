#include "data/ColonneGriglie.h"

#include "data/StatoHome.h"
#include "data/Testo.h"

#include <charconv>
#include <span>
#include <string>
#include <vector>

namespace zelvano {

namespace {
void AccodaNumero(std::string& out, int64_t n) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    out.append(buf, r.ptr);
}

// What a column shows of record k (r is the record itself).
using Mostra = void (*)(const StatoHome& h, int32_t k, const RecArticolo& r, std::string& out);

// One column of a grid, all it is in one place: key, caption, width and what it shows. The
// index and state columns stay hidden, yet they stay: the saved layout files list every
// column, and may show or sort by any of them.
struct DefColonna {
    const char* chiave;
    const char* titolo; // nullptr: the index columns carry no caption
    int larghezza;      // 0: hidden
    Mostra mostra;
};

// grd1: input record i, with the code of its catalogue article in "Associato a".
const DefColonna ColonneGrd1[] = {
    {"PCDINT", nullptr, 0,
     [](const StatoHome&, int32_t i, const RecArticolo&, std::string& out) {
         AccodaNumero(out, i);
     }},
    {"PCDPROD", nullptr, 0,
     [](const StatoHome&, int32_t, const RecArticolo& r, std::string& out) {
         AccodaNumero(out, r.PCdProd);
     }},
    {"CDPROD", "Codice Articolo", LarghezzaTxtCod,
     [](const StatoHome&, int32_t, const RecArticolo& r, std::string& out) {
         out += r.CdProd.Vista();
     }},
    {"DESCR", "Descrizione", 6195,
     [](const StatoHome&, int32_t, const RecArticolo& r, std::string& out) {
         out += r.Descr.Vista();
     }},
    {"STATO", "Stato", 0,
     [](const StatoHome&, int32_t, const RecArticolo& r, std::string& out) {
         out += r.Stato.Vista();
     }},
    {"CDINT", "Codice Interno", LarghezzaTxtCod,
     [](const StatoHome&, int32_t, const RecArticolo& r, std::string& out) {
         out += r.CdInt.Vista();
     }},
    {"CDPROD2", "Associato a", LarghezzaTxtCod,
     [](const StatoHome& h, int32_t, const RecArticolo& r, std::string& out) {
         // A mark wins over a pair.
         if (r.Stato == "X")
             out += r.SegnoAMano ? "*Non associabile" : "*Non Associabile";
         else if (r.PCdProd > 0 && r.PCdProd <= h.NumProd)
             out += h.ArtProd[static_cast<std::size_t>(r.PCdProd)].CdProd.Vista();
     }},
    {"LINEA", "", 1500,
     [](const StatoHome&, int32_t, const RecArticolo& r, std::string& out) {
         out += r.Linea.Vista();
     }},
};

// Grd2: catalogue record j, with the internal code of its input article in "Associato a".
const DefColonna ColonneGrd2[] = {
    {"PCDINT", nullptr, 0,
     [](const StatoHome&, int32_t, const RecArticolo& p, std::string& out) {
         AccodaNumero(out, p.PCdInt);
     }},
    {"PCDPROD", nullptr, 0,
     [](const StatoHome&, int32_t j, const RecArticolo&, std::string& out) {
         AccodaNumero(out, j);
     }},
    {"CDPROD", "Codice Articolo", LarghezzaTxtCod,
     [](const StatoHome&, int32_t, const RecArticolo& p, std::string& out) {
         out += p.CdProd.Vista();
     }},
    {"DESCR", "Descrizione", 7195,
     [](const StatoHome&, int32_t, const RecArticolo& p, std::string& out) {
         out += p.Descr.Vista();
     }},
    {"STATO", "Stato", 0,
     [](const StatoHome&, int32_t, const RecArticolo& p, std::string& out) {
         out += p.Stato.Vista();
     }},
    {"CDINT", "Associato a", LarghezzaTxtCod,
     [](const StatoHome& h, int32_t, const RecArticolo& p, std::string& out) {
         if (p.PCdInt > 0 && p.PCdInt <= h.NumInt)
             out += h.ArtInt[static_cast<std::size_t>(p.PCdInt)].CdInt.Vista();
     }},
};

void Imposta(Griglia& g, std::span<const DefColonna> colonne) {
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

int Trova(std::string_view chiave, std::span<const DefColonna> colonne) {
    for (std::size_t k = 0; k < colonne.size(); ++k)
        if (chiave == colonne[k].chiave)
            return static_cast<int>(k);
    return -1;
}

void AccodaCampo(const StatoHome& h, const std::vector<RecArticolo>& tab,
                 std::span<const DefColonna> colonne, int32_t k, int campo, std::string& out) {
    if (k < 1 || k >= static_cast<int32_t>(tab.size()) || campo < 0 ||
        static_cast<std::size_t>(campo) >= colonne.size())
        return;
    colonne[static_cast<std::size_t>(campo)].mostra(h, k, tab[static_cast<std::size_t>(k)], out);
}
} // namespace

void ImpostaGrd1(Griglia& g) {
    Imposta(g, ColonneGrd1);
}

void ImpostaGrd2(Griglia& g) {
    Imposta(g, ColonneGrd2);
}

int SorgenteGrd1::Campo(std::string_view chiave) const {
    return Trova(chiave, ColonneGrd1);
}

void SorgenteGrd1::Accoda(int32_t i, int campo, std::string& out) const {
    AccodaCampo(h_, h_.ArtInt, ColonneGrd1, i, campo, out);
}

int SorgenteGrd2::Campo(std::string_view chiave) const {
    return Trova(chiave, ColonneGrd2);
}

void SorgenteGrd2::Accoda(int32_t j, int campo, std::string& out) const {
    AccodaCampo(h_, h_.ArtProd, ColonneGrd2, j, campo, out);
}

} // namespace zelvano
