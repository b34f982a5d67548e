#include "data/Abbinamento.h"

#include "data/Registro.h"
#include "data/StatoHome.h"

namespace zelvano {

namespace {
// The grids read the records when they draw; they are only told which ones changed.
void RinfrescaInt(StatoHome& h, int32_t i) {
    h.grd1.RecordCambiato(i);
}

void RinfrescaProd(StatoHome& h, int32_t j) {
    h.Grd2.RecordCambiato(j);
}

bool IndiceProd(const StatoHome& h, int32_t j) {
    return j >= 1 && j <= h.NumProd;
}
} // namespace

void Collega(StatoHome& h, int32_t i, int32_t j, Origine origine) {
    AnnotaInt(h, i);
    AnnotaProd(h, j);
    RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
    RecArticolo& prod = h.ArtProd[static_cast<std::size_t>(j)];
    in.Stato = "A";
    in.PCdProd = j;
    in.Origine = origine;
    in.Gruppo = 0;
    in.SegnoAMano = false;
    in.RigaSalvata.clear();
    prod.PCdInt = i;
    if (origine == Origine::Utente || origine == Origine::Proposta)
        prod.Stato = "A";
    ++h.NumAssociati;
    if (origine != Origine::Ripristino)
        h.DatiModificati = true;
    RinfrescaInt(h, i);
    RinfrescaProd(h, j);
}

void Scollega(StatoHome& h, int32_t i) {
    RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
    const int32_t p = in.PCdProd;
    AnnotaInt(h, i);
    if (IndiceProd(h, p))
        AnnotaProd(h, p);
    --h.NumAssociati;
    in.Stato.clear();
    in.SegnoAMano = false;
    in.PCdProd = 0;
    if (IndiceProd(h, p)) {
        RecArticolo& prod = h.ArtProd[static_cast<std::size_t>(p)];
        prod.PCdInt = 0;
        prod.CdInt.clear();
        prod.Stato.clear();
        RinfrescaProd(h, p);
    }
    RinfrescaInt(h, i);
    h.DatiModificati = true;
}

void Marca(StatoHome& h, int32_t i, Origine origine) {
    AnnotaInt(h, i);
    RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
    in.Stato = "X";
    in.SegnoAMano = origine == Origine::Utente;
    in.RigaSalvata.clear();
    ++h.NumNonAssociabili;
    RinfrescaInt(h, i);
    if (origine != Origine::Ripristino)
        h.DatiModificati = true;
}

void Smarca(StatoHome& h, int32_t i) {
    AnnotaInt(h, i);
    RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
    in.Stato.clear();
    in.SegnoAMano = false;
    --h.NumNonAssociabili;
    RinfrescaInt(h, i);
    h.DatiModificati = true;
}

void LasciaRigaSalvata(StatoHome& h, int32_t i) {
    AnnotaInt(h, i);
    RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
    in.RigaSalvata.clear();
    in.SegnoAMano = false;
    RinfrescaInt(h, i);
    h.DatiModificati = true;
}

void Ripristina(StatoHome& h, bool input, int32_t k, const ImprontaRecord& impronta) {
    if (input) {
        RecArticolo& in = h.ArtInt[static_cast<std::size_t>(k)];
        in.Stato = impronta.Stato;
        in.PCdProd = impronta.partner;
        in.Origine = impronta.origine;
        in.Gruppo = impronta.gruppo;
        in.RigaSalvata = impronta.RigaSalvata;
        in.SegnoAMano = impronta.segnoAMano;
        RinfrescaInt(h, k);
        return;
    }
    RecArticolo& prod = h.ArtProd[static_cast<std::size_t>(k)];
    prod.Stato = impronta.Stato;
    prod.PCdInt = impronta.partner;
    prod.CdInt = impronta.CdInt;
    RinfrescaProd(h, k);
}

} // namespace zelvano
