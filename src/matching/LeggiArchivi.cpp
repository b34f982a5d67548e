#include "matching/LeggiArchivi.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "files/ErroreFile.h"
#include "files/FileOutput.h"
#include "files/LayoutGriglie.h"
#include "files/LetturaArchivi.h"
#include "matching/CaricaArchivi.h"
#include "matching/Totali.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace zelvano {

namespace {
struct OccupatoDurante {
    explicit OccupatoDurante(Piattaforma& p) : pf(p) { pf.Occupato(true); }
    ~OccupatoDurante() { pf.Occupato(false); }
    Piattaforma& pf;
};

// An output file name without .txt or .smb anywhere gets .txt.
std::string CompletaNomeOutput(std::string nome) {
    const std::string m = Maiuscolo(nome);
    if (m.find(".TXT") == std::string::npos && m.find(".SMB") == std::string::npos)
        nome += ".txt";
    return nome;
}

void CreaVuoto(const std::string& percorso) {
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST)
        LanciaErroreFile("creare", percorso, errno);
    if (fd >= 0)
        ::close(fd);
}

bool StessoFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
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
    if (h.DatiModificati) {
        switch (h.pf.Domanda("Dati modificati,Salvare?", true)) {
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

    TabellaLetta tabInt, tabProd;
    std::vector<std::string> righeOut;
    try {
        CreaVuoto(fileOut);
        h.pf.ElaboraEventi();
        OccupatoDurante occupato(h.pf);
        tabInt = LeggiFileInt(fileInt, h.DimInt);
        tabProd = LeggiFileProd(fileProd, h.DimProd);
        righeOut = LeggiFileOutput(fileOut);
    } catch (const ErroreFile& e) {
        h.pf.Messaggio(e.what());
        return;
    }

    ++h.Apertura;
    h.FileInt = fileInt;
    h.FileProd = fileProd;
    h.FileOut = fileOut;
    h.NumAssociati = 0;
    h.NumNonAssociabili = 0;
    // The rows on screen show the old tables' records: they go with them.
    h.grd1.SetRows(1);
    h.Grd2.SetRows(1);
    h.RigaGrd1 = h.PCdIntSel = h.RigaGrd2 = h.PCdProdSel = 0;
    {
        OccupatoDurante occupato(h.pf);
        CaricaFileInt(h, std::move(tabInt));
        CaricaFileProd(h, std::move(tabProd));
        ApplicaFileOutput(h, righeOut);
    }
    if (h.FileOutVuoto)
        Esegui_provaAbbinamenti(h);
    RefreshGrideLabel(h);
    CaricaOrdinamentiPrec1(h);
}

} // namespace zelvano
