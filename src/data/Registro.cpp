#include "data/Registro.h"

#include "data/StatoHome.h"

namespace zelvano {

namespace {
// True the first time a record is noted in the decision being made.
bool PrimaVolta(std::vector<uint8_t>& notati, int32_t k) {
    const auto indice = static_cast<std::size_t>(k);
    if (indice >= notati.size())
        notati.resize(indice + 1, 0);
    if (notati[indice] != 0)
        return false;
    notati[indice] = 1;
    return true;
}
} // namespace

ImprontaRecord ImprontaInt(const StatoHome& h, int32_t i) {
    const RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
    ImprontaRecord r;
    r.Stato = in.Stato;
    r.partner = in.PCdProd;
    r.origine = in.Origine;
    r.gruppo = in.Gruppo;
    r.RigaSalvata = in.RigaSalvata;
    r.segnoAMano = in.SegnoAMano;
    return r;
}

ImprontaRecord ImprontaProd(const StatoHome& h, int32_t j) {
    const RecArticolo& p = h.ArtProd[static_cast<std::size_t>(j)];
    ImprontaRecord r;
    r.Stato = p.Stato;
    r.partner = p.PCdInt;
    r.CdInt = p.CdInt;
    return r;
}

void AnnotaInt(StatoHome& h, int32_t i) {
    Registro& reg = h.Decisioni;
    if (reg.inCorso && PrimaVolta(reg.notatiInt, i))
        reg.inCorso->cambi.push_back({true, i, ImprontaInt(h, i), {}});
}

void AnnotaProd(StatoHome& h, int32_t j) {
    Registro& reg = h.Decisioni;
    if (reg.inCorso && PrimaVolta(reg.notatiProd, j))
        reg.inCorso->cambi.push_back({false, j, ImprontaProd(h, j), {}});
}

} // namespace zelvano
