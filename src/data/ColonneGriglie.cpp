#include "data/ColonneGriglie.h"

#include "data/StatoHome.h"
#include "data/Testo.h"

#include <charconv>
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

void AccodaNumero(std::string& out, int64_t n) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    out.append(buf, r.ptr);
}

enum Campo1 { PcdInt1, PcdProd1, CdProd1, Descr1, Stato1, CdInt1, CdProd2, Linea1 };
enum Campo2 { PcdInt2, PcdProd2, CdProdRef, DescrRef, StatoRef, CdIntRef };

int Trova(std::string_view chiave, std::initializer_list<const char*> chiavi) {
    int k = 0;
    for (const char* c : chiavi) {
        if (chiave == c)
            return k;
        ++k;
    }
    return -1;
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

int SorgenteGrd1::Campo(std::string_view chiave) const {
    return Trova(chiave,
                 {"PCDINT", "PCDPROD", "CDPROD", "DESCR", "STATO", "CDINT", "CDPROD2", "LINEA"});
}

void SorgenteGrd1::Accoda(int32_t i, int campo, std::string& out) const {
    if (i < 1 || i >= static_cast<int32_t>(h_.ArtInt.size()))
        return;
    const RecArticolo& r = h_.ArtInt[static_cast<std::size_t>(i)];
    switch (campo) {
    case PcdInt1:
        AccodaNumero(out, i);
        break;
    case PcdProd1:
        AccodaNumero(out, r.PCdProd);
        break;
    case CdProd1:
        out += r.CdProd.Vista();
        break;
    case Descr1:
        out += r.Descr.Vista();
        break;
    case Stato1:
        out += r.Stato.Vista();
        break;
    case CdInt1:
        out += r.CdInt.Vista();
        break;
    case CdProd2:
        // A mark wins over a pair.
        if (r.Stato == "X")
            out += r.SegnoAMano ? "*Non associabile" : "*Non Associabile";
        else if (r.PCdProd > 0 && r.PCdProd <= h_.NumProd)
            out += h_.ArtProd[static_cast<std::size_t>(r.PCdProd)].CdProd.Vista();
        break;
    case Linea1:
        out += r.Linea.Vista();
        break;
    default:
        break;
    }
}

int SorgenteGrd2::Campo(std::string_view chiave) const {
    return Trova(chiave, {"PCDINT", "PCDPROD", "CDPROD", "DESCR", "STATO", "CDINT"});
}

void SorgenteGrd2::Accoda(int32_t j, int campo, std::string& out) const {
    if (j < 1 || j >= static_cast<int32_t>(h_.ArtProd.size()))
        return;
    const RecArticolo& p = h_.ArtProd[static_cast<std::size_t>(j)];
    switch (campo) {
    case PcdInt2:
        AccodaNumero(out, p.PCdInt);
        break;
    case PcdProd2:
        AccodaNumero(out, j);
        break;
    case CdProdRef:
        out += p.CdProd.Vista();
        break;
    case DescrRef:
        out += p.Descr.Vista();
        break;
    case StatoRef:
        out += p.Stato.Vista();
        break;
    case CdIntRef:
        if (p.PCdInt > 0 && p.PCdInt <= h_.NumInt)
            out += h_.ArtInt[static_cast<std::size_t>(p.PCdInt)].CdInt.Vista();
        break;
    default:
        break;
    }
}

} // namespace zelvano
