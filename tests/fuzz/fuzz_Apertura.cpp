// Opening both article files from arbitrary bytes through the real opening, held against
// the plain line splitter and column cutter. With an empty output file the automatic run
// follows: its pairs, its copies of catalogue lines (in the table and in the file) and the
// first article the window then chooses are held against a plain run.
//
// Input: the input file as a libFuzzer random-length string (a backslash followed by
// another byte ends it, two backslashes stand for one), the catalogue as the bytes after
// it but the last; the last byte's low bit chooses an empty output file.

#include "BancoFuzz.h"
#include "RiferimentoAbbinamenti.h"
#include "RiferimentoFile.h"
#include "RiferimentoRicerca.h"
#include "Testi.h"
#include "Verifica.h"
#include "support/Invarianti.h"

#include "data/Cp1252.h"
#include "files/LetturaArchivi.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zelvano;
using namespace zelvano::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    FuzzedDataProvider fdp(dati, n);
    const bool automatico = fdp.ConsumeBool();
    const std::string input = fdp.ConsumeRandomLengthString();
    const std::string catalogo = fdp.ConsumeRemainingBytesAsString();

    BancoFuzz b;
    b.Apri(input, catalogo, automatico ? "" : "\r\n");
    const StatoHome& h = b.h;

    const std::vector<std::string> righeInt = RigheRif(input);
    std::vector<std::string> righeProd = RigheRif(catalogo);
    const std::size_t letteProd = righeProd.size();
    std::vector<std::string> codiciInt{""};
    std::string attesoInt, ottenutoInt;
    for (std::size_t k = 1; k <= righeInt.size(); ++k) {
        const ArticoloRif a = InputRif(righeInt[k - 1]);
        codiciInt.push_back(a.CdProd);
        attesoInt += TestoInput(a);
    }
    for (int32_t i = 1; i <= h.NumInt; ++i)
        ottenutoInt += TestoInput(h.ArtInt[i]);
    Uguali(ottenutoInt, attesoInt, "one input record per line, cut at the fixed columns");

    CoppieRif coppie(righeInt.size(), letteProd);
    if (automatico)
        ProvaRif(coppie, codiciInt, righeProd);
    Uguali(test::Abbinamenti(h), coppie.Testo(), "the pairs of the automatic run, or none");
    Uguali(test::Violazioni(h), "", "pairs mutual, counters and totals right");
    Verifica(h.DatiModificati == (coppie.associati > 0),
             "only pairs made by the automatic run leave unsaved work");

    // The catalogue's records and its file stay in step: every copy is a record and a line.
    std::string attesoProd, ottenutoProd;
    std::vector<std::string> codiciProd{""}, descrProd{""};
    for (const std::string& riga : righeProd) {
        const ArticoloRif a = CatalogoRif(riga);
        attesoProd += TestoCatalogo(a);
        codiciProd.push_back(a.CdProd);
        descrProd.push_back(a.Descr);
    }
    for (int32_t j = 1; j <= h.NumProd; ++j)
        ottenutoProd += TestoCatalogo(h.ArtProd[j]);
    Uguali(ottenutoProd, attesoProd, "one catalogue record per line, copies after them");
    std::string fileProd = catalogo;
    if (righeProd.size() > letteProd && !FinisceACapoRif(catalogo))
        fileProd += "\r\n";
    for (std::size_t k = letteProd; k < righeProd.size(); ++k)
        fileProd += righeProd[k] + "\r\n";
    Uguali(test::LeggiFile(b.fileProd), fileProd, "each copy appended as a line of its own");

    // Both files read again in small pieces, so that pieces end inside lines and between a
    // CR and its LF: the same records, and the same upper-cased texts for the filter.
    for (const int64_t blocco : {1, 3, 64}) {
        const TabellaLetta tInt = LeggiFileInt(b.fileInt, 0, blocco);
        const TabellaLetta tProd = LeggiFileProd(b.fileProd, 0, blocco);
        std::string pezziInt, pezziProd, maiuscoli, attesiMaiuscoli;
        for (int32_t i = 1; i <= tInt.num; ++i)
            pezziInt += TestoInput(tInt.rec[static_cast<std::size_t>(i)]);
        for (int32_t j = 1; j <= tProd.num; ++j) {
            const RecArticolo& r = tProd.rec[static_cast<std::size_t>(j)];
            pezziProd += TestoCatalogo(r);
            maiuscoli += std::string(tProd.codiciU[j]) + "|" + std::string(tProd.descrizioniU[j]);
            attesiMaiuscoli += Maiuscolo(r.CdProd) + "|" + Maiuscolo(r.Descr);
        }
        Uguali(pezziInt, attesoInt, "the input file read in pieces of " + std::to_string(blocco));
        Uguali(pezziProd, attesoProd, "the catalogue read in pieces of " + std::to_string(blocco));
        Uguali(maiuscoli, attesiMaiuscoli, "upper-cased codes and descriptions read in pieces");
    }

    // grd1 shows every input record in file order.
    std::string griglia;
    for (std::size_t i = 1; i <= righeInt.size(); ++i) {
        const ArticoloRif a = InputRif(righeInt[i - 1]);
        const int32_t j = coppie.pcdProd[i];
        griglia += std::to_string(i) + "|" + a.CdInt + "|" + a.CdProd + "|" + a.Descr + "|" +
                   a.Linea + "|" + std::to_string(i) + "|" + std::to_string(j) + "|" +
                   coppie.stato[i] + "|" + (j != 0 ? codiciProd[j] : "") + "\n";
    }
    Uguali(TestoGriglia(h.grd1, {"CDINT", "CDPROD", "DESCR", "LINEA", "PCDINT", "PCDPROD", "STATO",
                                 "CDPROD2"}),
           griglia, "grd1 filled from the input table");

    // The window chooses the first article still to pair and shows its candidates.
    std::size_t primo = 0;
    for (std::size_t i = 1; primo == 0 && i <= righeInt.size(); ++i)
        if (coppie.stato[i].empty())
            primo = i;
    if (primo == 0) {
        Verifica(b.pf.messaggi == std::vector<std::string>{"Nessun articolo successivo da "
                                                           "associare"},
                 "with nothing left to pair the opening says so, and only that");
        Verifica(h.PCdIntSel == 0 && h.grd1.Row() == 0 && h.Grd2.Rows() == 1,
                 "with nothing to pair nothing is chosen");
        return 0;
    }
    if (!b.pf.messaggi.empty())
        Fallisci("an opening with articles to pair shows no message",
                 Visibile(b.pf.messaggi.front()));
    Verifica(h.PCdIntSel == static_cast<int32_t>(primo) && h.grd1.Row() == h.PCdIntSel,
             "the first article to pair is chosen", std::to_string(h.PCdIntSel));
    Uguali(h.Testi.TxtCod, codiciInt[primo],
           "the code box holds the chosen article's supplier code");
    Uguali(h.Testi.txtDescr, "", "the description box is empty");
    std::string righe2, attese2;
    for (const int32_t j : FiltroRif(codiciProd, descrProd, h.Testi.TxtCod, "", 0))
        attese2 += std::to_string(j) + "\n";
    for (int r = 1; r < h.Grd2.Rows(); ++r)
        righe2 += std::to_string(h.Grd2.Record(r)) + "\n";
    Uguali(righe2, attese2, "Grd2 shows the catalogue records whose code holds the code box");
    Verifica(h.Grd2.Row() == 0 && h.PCdProdSel == 0, "no catalogue article of an unpaired one");
    Uguali(std::to_string(h.Totali.articoliProd), std::to_string(h.NumProd),
           "the catalogue count shown");
    return 0;
}
