#include "app/EtichetteStato.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"

std::array<std::string, 11> TestiEtichetteInt(const zelvano::StatoHome& h) {
    std::array<std::string, 11> t = {
        "Input file:",      "", "Articoli",      "Letti:", "", "Associati:", "",
        "Non associabili:", "", "Da associare:", ""};
    const zelvano::Conteggi& c = h.Totali;
    if (c.contatiInt) {
        t[1] = zelvano::Cp1252DaUtf8(h.File.NomeFileInt);
        t[4] = zelvano::Numero(c.letti);
        t[6] = zelvano::Numero(c.associati);
        t[8] = zelvano::Numero(c.nonAssociabili);
        t[10] = zelvano::Numero(c.daAssociare);
    }
    return t;
}

std::array<std::string, 6> TestiEtichetteProd(const zelvano::StatoHome& h) {
    std::array<std::string, 6> t = {"Ref file:", "", "", "Articoli:", "", "Output File:"};
    if (h.Totali.contatiProd) {
        t[1] = zelvano::Cp1252DaUtf8(h.File.NomeFileProd);
        t[2] = zelvano::Numero(h.Totali.articoliProd);
        t[4] = zelvano::Cp1252DaUtf8(h.File.NomeFileOut);
    }
    return t;
}
