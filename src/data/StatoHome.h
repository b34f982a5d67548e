#pragma once
// The state the procedures work on for the whole run: both tables, their pairs and
// grids, the undo log and the chosen records, with the open files (FileAperti), the
// totals to show (Conteggi) and the window's boxes and status text (TestiFinestra) each
// in a part of its own. Every procedure is a function on this object, so the tests can
// drive any of them without a window.

#include "data/ArenaTesti.h"
#include "data/ColonneGriglie.h"
#include "data/Conteggi.h"
#include "data/FileAperti.h"
#include "data/Griglia.h"
#include "data/Piattaforma.h"
#include "data/RecArticolo.h"
#include "data/Registro.h"
#include "data/StoriaProposte.h"
#include "data/Tabelle.h"
#include "data/TestiFinestra.h"
#include "data/Versione.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zelvano {

struct StatoHome {
    explicit StatoHome(Piattaforma& piattaforma) : pf(piattaforma) {
        grd1.SetSorgente(&sorgente1);
        Grd2.SetSorgente(&sorgente2);
    }
    StatoHome(const StatoHome&) = delete;
    StatoHome& operator=(const StatoHome&) = delete;

    Piattaforma& pf;

    std::string NomeProgramma = "Zelvano";
    std::string VersioneProgramma = VersioneCompilata;
    std::string DataRilascio = DataRilascioCompilata;

    // The texts the records of each table borrow (declared first, so they go last).
    ArenaTesti TestiInt, TestiProd;
    // Records live at 1..Num; slot 0 is never used.
    std::vector<RecArticolo> ArtInt, ArtProd;
    int32_t NumInt = 0, NumProd = 0, DimInt = 0, DimProd = 0;
    // Upper-cased catalogue codes and descriptions, kept in step with ArtProd for the
    // filter that runs at every keystroke.
    TestiMaiuscoli CdProdU, DescrU;

    // Counts the openings that replaced the tables, so whatever is built from them can tell
    // it is out of date.
    uint64_t Apertura = 0;

    FileAperti File;
    bool DatiModificati = false;
    // The decisions since the opening, for undo and redo.
    Registro Decisioni;
    // Groups of proposed pairs accepted and samples judged, for the progress report.
    StoriaProposte Proposte;
    int32_t NumAssociati = 0, NumNonAssociabili = 0;
    // The totals as the status lines show them.
    Conteggi Totali;

    // The chosen input and catalogue records, 0 = none: the one place the choice is kept.
    // The grids' current rows show them (RigaGrd1 and RigaGrd2 in griglie/Selezione).
    int32_t PCdIntSel = 0, PCdProdSel = 0;

    bool primaAttivazione = true;

    // The grids show the records through these.
    SorgenteGrd1 sorgente1{*this};
    SorgenteGrd2 sorgente2{*this};
    Griglia grd1, Grd2;
    // The filter boxes, find and replace, the status text.
    TestiFinestra Testi;

    // The lines of each grid layout file (by name) as read once after an opening, or as the
    // program last wrote them: the refills of the grids at every keystroke apply these.
    std::map<std::string, std::vector<std::string>> FileLayout;
};

} // namespace zelvano
