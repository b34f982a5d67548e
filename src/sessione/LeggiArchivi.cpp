#include "sessione/LeggiArchivi.h"

#include "automatch/ProvaAbbinamenti.h"
#include "coppie/AbbinamentiSospesi.h"
#include "coppie/Decisioni.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/FileOutput.h"
#include "files/LayoutGriglie.h"
#include "files/LetturaArchivi.h"
#include "griglie/CaricaArchivi.h"
#include "griglie/Totali.h"
#include "sessione/RiprendiCopie.h"
#include "sessione/SalvaArchivio.h"
#include "sessione/ScrittureInterrotte.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zelvano {

namespace {
struct OccupatoDurante {
    explicit OccupatoDurante(Piattaforma& p) : pf(p) { pf.Occupato(true); }
    ~OccupatoDurante() { pf.Occupato(false); }
    Piattaforma& pf;
};

// True when it made the file: an output file named anew is created empty.
bool CreaVuoto(const std::string& percorso) {
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST)
        LanciaErroreFile("creare", percorso, errno);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
}

bool Interrotta(StatoHome& h, const std::string& scelto) {
    if (scelto.empty()) {
        h.pf.Messaggio("Richiesta interrotta");
        return true;
    }
    return false;
}

bool Inesistente(StatoHome& h, const std::string& scelto) {
    if (!FileEsiste(scelto)) {
        h.pf.Messaggio("File " + Cp1252DaUtf8(scelto) + " inesistente");
        return true;
    }
    return false;
}
} // namespace

std::string ApriFile(StatoHome& h, const std::string& TitoloDialogo, const std::string& Filtro) {
    return h.pf.ApriFile(TitoloDialogo, Filtro);
}

std::string Salva(StatoHome& h) {
    return h.pf.SalvaFile("Salva il file di output Zelvano", "*.txt;");
}

void LeggiArchivi(StatoHome& h) {
    if (const std::string domanda = DomandaPrimaDiLasciare(h, "Dati modificati,Salvare?");
        !domanda.empty()) {
        switch (h.pf.Domanda(domanda, true)) {
        case Risposta::Annulla:
            return;
        case Risposta::Si:
            if (!SalvaArchivio(h))
                return; // the work is still only in memory: do not throw it away
            break;
        case Risposta::No:
            break;
        }
    }
    h.DatiModificati = false;

    // The chosen names become the program's files only once all three are read: until
    // then saving, copying catalogue lines and rewriting codes go on with the files the
    // tables on screen came from.
    const std::string fileInt = ApriFile(h, "Apri file Database", "*.ber,*.txt");
    if (Interrotta(h, fileInt) || Inesistente(h, fileInt))
        return;
    const std::string fileProd = ApriFile(h, "Apri file Orvessa", "*.orv,*.txt;");
    if (Interrotta(h, fileProd) || Inesistente(h, fileProd))
        return;
    std::string fileOut = Salva(h);
    if (Interrotta(h, fileOut))
        return;
    fileOut = CompletaNomeOutput(fileOut);
    // Saving rewrites the output file whole: it must not be one of the article files.
    if (StessoFile(fileOut, fileInt) || StessoFile(fileOut, fileProd)) {
        h.pf.Messaggio("Il file di output non pu\xF2 essere il file Database o il file Orvessa");
        return;
    }
    // Writes that a kill cut short are settled before any file is read: copies appended to
    // the catalogue, and rewrites in place of the input or the output file.
    if (!RiprendiCopieCatalogo(h, fileProd) || !RiprendiScrittureInterrotte(h, {fileInt, fileOut}))
        return;

    // Everything is read, and the memory it needs taken, before anything changes: a file
    // that cannot be read, or memory that runs out, leaves the work on screen as it was.
    TabellaLetta tabInt, tabProd;
    FileOutputLetto righeOut;
    std::string inLettura;
    bool creato = false;
    try {
        h.pf.ElaboraEventi();
        OccupatoDurante occupato(h.pf);
        inLettura = fileInt;
        tabInt = LeggiFileInt(fileInt, h.DimInt);
        PreparaSostituzione(tabInt, h.ArtInt);
        inLettura = fileProd;
        tabProd = LeggiFileProd(fileProd, h.DimProd);
        PreparaSostituzione(tabProd, h.ArtProd);
        // Made only now, so that an opening that fails on the other two leaves no new file.
        inLettura = fileOut;
        creato = CreaVuoto(fileOut);
        righeOut = LeggiFileOutput(fileOut);
    } catch (const ErroreFile& e) {
        if (creato)
            ::unlink(fileOut.c_str());
        h.pf.Messaggio(e.what());
        return;
    } catch (const std::bad_alloc&) {
        if (creato)
            ::unlink(fileOut.c_str());
        h.pf.Messaggio(TestoErroreFile("leggere", inLettura, ErroreMemoria) +
                       ". I dati aperti prima sono rimasti come erano");
        return;
    }

    ++h.Apertura;
    h.FileLayout.clear(); // the grids' layout files are read again, once
    DimenticaDecisioni(h);
    h.File.FileInt = fileInt;
    h.File.FileProd = fileProd;
    h.File.FileOut = fileOut;
    h.NumAssociati = 0;
    h.NumNonAssociabili = 0;
    // The rows on screen show the old tables' records: they go with them.
    h.grd1.SetRows(1);
    h.Grd2.SetRows(1);
    h.PCdIntSel = h.PCdProdSel = 0;
    EsitoRipristino ripristino;
    {
        OccupatoDurante occupato(h.pf);
        CaricaFileInt(h, std::move(tabInt));
        CaricaFileProd(h, std::move(tabProd));
        ripristino = ApplicaFileOutput(h, righeOut);
    }
    // The catalogue is counted after the automatic run, as its "Articoli:" label is: the
    // copies the run appended to the file are articles of it from now on.
    const std::string catalogo = Cp1252DaUtf8(h.File.NomeFileProd);
    std::string fatto;
    if (h.File.FileOutVuoto) {
        const EsitoProva prova = AbbinaAutomaticamente(h);
        fatto = Conta(prova.associati, "associato", "associati") + " automaticamente. " +
                (prova.copie == 0   ? "Nessuna copia aggiunta"
                 : prova.copie == 1 ? "Aggiunta 1 copia"
                                    : "Aggiunte " + NumeroConPunti(prova.copie) + " copie") +
                " a " + catalogo;
    } else {
        fatto = Conta(h.NumAssociati, "abbinamento ripreso", "abbinamenti ripresi") + " da " +
                Cp1252DaUtf8(h.File.NomeFileOut);
    }
    const std::string esito = "Aperti " + Cp1252DaUtf8(h.File.NomeFileInt) + " (" +
                              Conta(h.NumInt, "articolo", "articoli") + ") e " + catalogo + " (" +
                              Conta(h.NumProd, "articolo", "articoli") + "): " + fatto;
    RefreshGrideLabel(h);
    CaricaOrdinamentiPrec1(h);
    h.Testi.MessaggioStato = esito;
    AvvisaAbbinamentiSospesi(h, ripristino);
}

} // namespace zelvano
