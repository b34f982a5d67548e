#include "Invarianti.h"

#include "data/Testo.h"

namespace zelvano::test {

std::string Violazioni(const StatoHome& h) {
    std::string v;
    const auto errore = [&](const std::string& testo) { v += testo + "\n"; };
    int32_t associati = 0, marcati = 0;
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
        const int32_t p = in.PCdProd;
        if (in.Stato == "X")
            ++marcati;
        if (!in.RigaSalvata.empty() && (p != 0 || !in.Stato.empty()))
            errore("input " + Numero(i) + " keeps a saved line in state '" + in.Stato.str() + "'");
        if (p == 0)
            continue;
        ++associati;
        if (p < 1 || p > h.NumProd)
            errore("input " + Numero(i) + " points outside the catalogue: " + Numero(p));
        else if (h.ArtProd[static_cast<std::size_t>(p)].PCdInt != i)
            errore("input " + Numero(i) + " -> " + Numero(p) + " but catalogue " + Numero(p) +
                   " -> " + Numero(h.ArtProd[static_cast<std::size_t>(p)].PCdInt));
        if (in.Stato != "A")
            errore("input " + Numero(i) + " is paired in state '" + in.Stato.str() + "'");
    }
    for (int32_t j = 1; j <= h.NumProd; ++j) {
        const int32_t q = h.ArtProd[static_cast<std::size_t>(j)].PCdInt;
        if (q == 0)
            continue;
        if (q < 1 || q > h.NumInt)
            errore("catalogue " + Numero(j) + " points outside the input: " + Numero(q));
        else if (h.ArtInt[static_cast<std::size_t>(q)].PCdProd != j)
            errore("catalogue " + Numero(j) + " -> " + Numero(q) + " but input " + Numero(q) +
                   " -> " + Numero(h.ArtInt[static_cast<std::size_t>(q)].PCdProd));
    }
    if (h.NumAssociati != associati)
        errore("NumAssociati " + Numero(h.NumAssociati) + ", recount " + Numero(associati));
    if (h.NumNonAssociabili != marcati)
        errore("NumNonAssociabili " + Numero(h.NumNonAssociabili) + ", recount " + Numero(marcati));
    const std::string totali = Numero(h.Totali.associati) + "|" + Numero(h.Totali.nonAssociabili) +
                               "|" + Numero(h.Totali.daAssociare);
    const std::string ricontati = Numero(associati) + "|" + Numero(marcati) + "|" +
                                  Numero(int64_t{h.NumInt} - associati - marcati);
    if (totali != ricontati)
        errore("totals shown " + totali + ", recount " + ricontati);
    // Each grid highlights the row of its chosen record, and none when nothing shown is
    // chosen.
    if (h.grd1.Row() != h.grd1.RigaDi(h.PCdIntSel))
        errore("grd1 highlights row " + Numero(h.grd1.Row()) + ", the chosen record " +
               Numero(h.PCdIntSel) + " is on row " + Numero(h.grd1.RigaDi(h.PCdIntSel)));
    if (h.Grd2.Row() != h.Grd2.RigaDi(h.PCdProdSel))
        errore("Grd2 highlights row " + Numero(h.Grd2.Row()) + ", the chosen record " +
               Numero(h.PCdProdSel) + " is on row " + Numero(h.Grd2.RigaDi(h.PCdProdSel)));
    return v;
}

std::string Abbinamenti(const StatoHome& h) {
    std::string t = Numero(h.NumAssociati) + " " + Numero(h.NumNonAssociabili) + " |";
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
        t += " " + (in.RigaSalvata.empty() ? in.Stato.str() : "S") + Numero(in.PCdProd);
    }
    t += " |";
    for (int32_t j = 1; j <= h.NumProd; ++j)
        t += " " + Numero(h.ArtProd[static_cast<std::size_t>(j)].PCdInt);
    return t;
}

} // namespace zelvano::test
