#pragma once
// Everything the main window owns for the whole run: both tables and their grids, the
// files, counters and flags, the current selection, the filter boxes and the status
// lines. Every procedure of the program is a function on this one object, so the tests
// can drive any of them without a window.

#include "data/ArenaTesti.h"
#include "data/ColonneGriglie.h"
#include "data/Griglia.h"
#include "data/Piattaforma.h"
#include "data/RecArticolo.h"
#include "data/Registro.h"
#include "data/StoriaProposte.h"
#include "data/Tabelle.h"
#include "data/Versione.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zelvano {

// Where a line of a file lies, so that it can be read again without reading the rest.
struct PosizioneRiga {
    int64_t inizio = 0;
    uint32_t lunghezza = 0;
};

// What a file looked like when the program last read or wrote it.
struct ImprontaFile {
    int64_t dimensione = -1;
    int64_t modificaNs = 0;
    bool finisceACapo = true; // empty, or its last byte ends a line
    friend bool operator==(const ImprontaFile&, const ImprontaFile&) = default;
};

// Which file a path named, and how it looked, when the program last read or wrote it, so
// that a save can tell whether another program wrote it since.
struct IdentitaFile {
    bool nota = false; // false: nothing known, nothing to compare with
    uint64_t dispositivo = 0, inode = 0;
    int64_t dimensione = 0, modificaNs = 0;
    friend bool operator==(const IdentitaFile&, const IdentitaFile&) = default;
};

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
    // The catalogue file's lines as the program knows them (1-based, as the records), and
    // the file as the program last left it: copies of a line read it from here while the
    // file is unchanged.
    std::vector<PosizioneRiga> PosProd;
    ImprontaFile ImprontaProd;

    // Counts the openings that replaced the tables, so whatever is built from them can tell
    // it is out of date.
    uint64_t Apertura = 0;

    std::string FileInt, FileProd, FileOut;
    IdentitaFile IdentitaOut; // FileOut as last read or saved
    std::string NomeFileInt, NomeFileProd, NomeFileOut;
    bool DatiModificati = false;
    // What the last command did, in a few words, for the status bar; empty when it has
    // nothing to add.
    std::string MessaggioStato;
    // The decisions since the opening, for undo and redo.
    Registro Decisioni;
    // Groups of proposed pairs accepted and samples judged, for the progress report.
    StoriaProposte Proposte;
    bool FileOutVuoto = false;
    int32_t NumAssociati = 0, NumNonAssociabili = 0;

    int32_t RigaGrd1 = 0, PCdIntSel = 0, RigaGrd2 = 0, PCdProdSel = 0;

    bool primaAttivazione = true;
    bool InAggiornamento = false;
    bool InCaricamentoCombo = false;

    uint8_t Glabbandona = 0;
    std::string Trova, Sostituisci;
    MetodoSost ModoSost = MetodoSost::Contiene;
    EsitoScelta EsitoMsg = EsitoScelta::Nessuno;

    // The grids show the records through these.
    SorgenteGrd1 sorgente1{*this};
    SorgenteGrd2 sorgente2{*this};
    Griglia grd1, Grd2;
    std::string TxtCod, txtDescr;
    std::vector<std::string> cmBAndOr; // the combo's items
    int cmBAndOrIndice = -1;           // selected item, -1 = none
    std::array<std::string, 11> lblFileint;
    std::array<std::string, 6> lblFileprod;

    // The lines of each grid layout file (by name) as read once after an opening, or as the
    // program last wrote them: the refills of the grids at every keystroke apply these.
    std::map<std::string, std::vector<std::string>> FileLayout;

    // Tooltip memory: the cell the pointer was last seen over, per grid.
    int tipRiga1 = 0, tipCol1 = 0, tipRiga2 = 0, tipCol2 = 0;
};

} // namespace zelvano
