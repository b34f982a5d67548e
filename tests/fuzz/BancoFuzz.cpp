#include "BancoFuzz.h"

#include "Verifica.h"

#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"

namespace zelvano::fuzz {

BancoFuzz::BancoFuzz()
    : fileInt(cartella.Percorso("articoli.ber")), fileProd(cartella.Percorso("catalogo.orv")),
      fileOut(cartella.Percorso("abbinamenti.txt")) {
    pf.cartella = cartella.Percorso("");
    PreparaFinestra(h);
}

void BancoFuzz::Apri(std::string_view input, std::string_view catalogo, std::string_view uscita) {
    cartella.Scrivi("articoli.ber", std::string(input));
    cartella.Scrivi("catalogo.orv", std::string(catalogo));
    cartella.Scrivi("abbinamenti.txt", std::string(uscita));
    Riapri();
}

void BancoFuzz::Riapri() {
    pf.AspettaFile("Apri file Database", fileInt);
    pf.AspettaFile("Apri file Orvessa", fileProd);
    pf.AspettaFile("Salva il file di output Zelvano", fileOut);
    LeggiArchivi(h);
    Verifica(pf.DialoghiFiniti(), "the opening asks for all three files");
}

} // namespace zelvano::fuzz
