#pragma once
// The user's decisions since the opening, each as the records it changed before and after,
// so that any of them can be taken back and made again. The rules that pair and mark
// (Abbinamento) note here every record they are about to change while a step is open.

#include "data/Origine.h"
#include "data/TestoCompatto.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelvano {

struct StatoHome;

// What pairs and marks keep of a record: an input record's state, partner, kept output line
// and whether its mark was made by hand; a catalogue record's state, partner and internal
// code.
struct ImprontaRecord {
    TestoCompatto Stato;
    int32_t partner = 0;
    TestoCompatto CdInt;
    TestoCompatto RigaSalvata;
    bool segnoAMano = false;               // RecArticolo::SegnoAMano
    Origine origine = Origine::Ripristino; // an input record's: who paired it, through which group
    int32_t gruppo = 0;
    friend bool operator==(const ImprontaRecord&, const ImprontaRecord&) = default;
};

struct CambioRecord {
    bool input = true; // ArtInt, or ArtProd
    int32_t indice = 0;
    ImprontaRecord prima, dopo;
};

// One decision: what it was, in words for the status bar, and every record it changed.
struct PassoRegistro {
    std::string descrizione;
    std::vector<CambioRecord> cambi;
    int32_t associatiPrima = 0, associatiDopo = 0;
    int32_t marcatiPrima = 0, marcatiDopo = 0;
};

struct Registro {
    std::vector<PassoRegistro> annullabili, ripetibili;
    // How many decisions were made when the work was last saved or opened; -1 when that
    // point can no longer be reached by undoing and redoing.
    int64_t salvatiA = 0;
    // The decision being made, while a command runs.
    std::optional<PassoRegistro> inCorso;
    // For the decision being made: which records are already noted.
    std::vector<uint8_t> notatiInt, notatiProd;
};

ImprontaRecord ImprontaInt(const StatoHome& h, int32_t i);
ImprontaRecord ImprontaProd(const StatoHome& h, int32_t j);
// Called by the rules before they change a record; nothing happens outside a decision.
void AnnotaInt(StatoHome& h, int32_t i);
void AnnotaProd(StatoHome& h, int32_t j);

} // namespace zelvano
