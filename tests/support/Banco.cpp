#include "Banco.h"

#include "data/Testo.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"

#include <gtest/gtest.h>

namespace zelvano::test {

namespace {} // namespace

void SegnalaAGoogleTest(const std::string& problema) {
    ADD_FAILURE() << problema;
}

Banco::Banco(const std::vector<std::string>& righeInt, const std::vector<std::string>& righeProd,
             const std::string& output) {
    pf.cartella = cartella.Percorso("");
    fileInt = cartella.Scrivi("articoli.ber", Unisci(righeInt));
    fileProd = cartella.Scrivi("catalogo.orv", Unisci(righeProd));
    fileOut = cartella.Scrivi("abbinamenti.txt", output);
    PreparaFinestra(h);
    pf.AspettaApriFile("Apri file Database", fileInt)
        .AspettaApriFile("Apri file Orvessa", fileProd)
        .AspettaSalvaFile("Salva il file di output Zelvano", fileOut);
    LeggiArchivi(h);
}

void Banco::Riapri(const std::vector<std::string>& messaggi) {
    pf.AspettaApriFile("Apri file Database", fileInt)
        .AspettaApriFile("Apri file Orvessa", fileProd)
        .AspettaSalvaFile("Salva il file di output Zelvano", fileOut);
    for (const std::string& m : messaggi)
        pf.AspettaMessaggio(m);
    LeggiArchivi(h);
    pf.VerificaFine();
}

std::string Banco::Cella1(int32_t i, const char* chiave) const {
    const int r = h.grd1.RigaDi(i);
    EXPECT_NE(r, 0) << "no grd1 row shows input record " << i;
    return r == 0 ? "<none>" : h.grd1.Testo(r, chiave);
}

std::string Banco::Cella2(int32_t j, const char* chiave) const {
    const int r = Riga2(j);
    EXPECT_NE(r, 0) << "no Grd2 row shows catalogue record " << j;
    return r == 0 ? "<none>" : h.Grd2.Testo(r, chiave);
}

int Banco::Riga2(int32_t j) const {
    return h.Grd2.RigaDi(j);
}

void Banco::Scegli2(int32_t j) {
    ScegliRigaGrd2(h, Riga2(j));
}

void Banco::Scegli1(int32_t i) {
    ScegliRigaGrd1(h, h.grd1.RigaDi(i));
}

void Banco::Scegli(int32_t i, int32_t j) {
    Scegli1(i);
    TuttoIlCatalogo();
    Scegli2(j);
}

std::string Banco::Celle1(int32_t i) const {
    return Cella1(i, "PCDPROD") + "|" + Cella1(i, "STATO") + "|" + Cella1(i, "CDPROD2");
}

std::string Banco::Celle2(int32_t j) const {
    return Cella2(j, "PCDINT") + "|" + Cella2(j, "STATO") + "|" + Cella2(j, "CDINT");
}

std::string Banco::Totali() const {
    return Numero(h.Totali.associati) + "|" + Numero(h.Totali.nonAssociabili) + "|" +
           Numero(h.Totali.daAssociare);
}

void Banco::TuttoIlCatalogo() {
    h.Testi.TxtCod.clear();
    CaricaGrid2(h);
}

} // namespace zelvano::test
