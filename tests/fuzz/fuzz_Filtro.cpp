// The catalogue filter through the events of its boxes and combo, edit after edit, held
// against a plain filter: the code box contained in the upper-cased code, the words of the
// description box (every single blank splits, so empty words count) joined by AND or OR,
// the phrase between apostrophes; the busy guard keeping the grid as it was; and the row of
// the chosen input article's catalogue article made the current one.
//
// Input: a catalogue of up to 12 records with arbitrary codes and descriptions, each
// pointing at one of three input records or none, the chosen input record, then edits.

#include "PiattaformaFuzz.h"
#include "RiferimentoRicerca.h"
#include "Testi.h"
#include "Verifica.h"
#include "support/FileTemporanei.h"

#include "data/StatoHome.h"
#include "griglie/CaricaGrid2.h"
#include "sessione/EventiFinestra.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zelvano;
using namespace zelvano::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    // The program's folder holds no saved layout or sort, and the filter writes none.
    static const test::CartellaTemporanea cartella;
    FuzzedDataProvider fdp(dati, n);
    PiattaformaFuzz pf;
    pf.cartella = cartella.Percorso("");
    StatoHome h(pf);
    PreparaFinestra(h);

    h.NumInt = 3;
    h.ArtInt.resize(4);
    for (int32_t i = 1; i <= h.NumInt; ++i)
        h.ArtInt[i].CdInt = "I" + std::to_string(i);
    h.NumProd = fdp.ConsumeIntegralInRange(0, 12);
    h.ArtProd.resize(static_cast<std::size_t>(h.NumProd) + 1);
    std::vector<std::string> codici{""}, descrizioni{""};
    for (int32_t j = 1; j <= h.NumProd; ++j) {
        codici.push_back(fdp.ConsumeRandomLengthString(30));
        descrizioni.push_back(fdp.ConsumeRandomLengthString(60));
        h.ArtProd[j].CdProd = codici.back();
        h.ArtProd[j].Descr = descrizioni.back();
        // Pairs point both ways, as every operation that pairs leaves them.
        const int32_t i = fdp.ConsumeIntegralInRange(0, 3);
        if (i != 0 && h.ArtInt[i].PCdProd == 0) {
            h.ArtProd[j].PCdInt = i;
            h.ArtInt[i].PCdProd = j;
        }
    }
    h.PCdIntSel = fdp.ConsumeIntegralInRange(0, 3);

    const std::vector<const char*> colonne{"CDPROD", "DESCR", "PCDINT", "PCDPROD", "CDINT"};
    for (int passo = 0; fdp.remaining_bytes() > 0 && passo < 32; ++passo) {
        const int quale = fdp.ConsumeIntegralInRange(0, 3);
        switch (quale) {
        case 0:
            h.Testi.TxtCod = fdp.ConsumeRandomLengthString(12);
            CaricaGrid2(h);
            break;
        case 1:
            h.Testi.txtDescr = fdp.ConsumeRandomLengthString(24);
            CaricaGrid2(h);
            break;
        case 2:
            h.Testi.cmBAndOrIndice = fdp.ConsumeIntegralInRange(-1, 1);
            CaricaGrid2(h);
            break;
        default:
            CaricaGrid2(h);
        }
        std::string attese;
        int32_t riga = 0, scelto = 0;
        const std::vector<int32_t> passano = FiltroRif(codici, descrizioni, h.Testi.TxtCod,
                                                       h.Testi.txtDescr, h.Testi.cmBAndOrIndice);
        for (std::size_t r = 0; r < passano.size(); ++r) {
            const RecArticolo& p = h.ArtProd[passano[r]];
            attese += std::to_string(passano[r]) + "|" + codici[passano[r]] + "|" +
                      descrizioni[passano[r]] + "|" + std::to_string(p.PCdInt) + "|" +
                      std::to_string(passano[r]) + "|" +
                      (p.PCdInt != 0 ? h.ArtInt[p.PCdInt].CdInt.str() : "") + "\n";
            if (p.PCdInt == h.PCdIntSel) {
                riga = static_cast<int32_t>(r) + 1;
                scelto = passano[r];
            }
        }
        Uguali(TestoGriglia(h.Grd2, colonne), attese,
               "Grd2 shows, in index order, the records that pass both boxes");
        Verifica(h.Grd2.Row() == riga && h.PCdProdSel == scelto,
                 "the last row of the chosen article's catalogue article is chosen and current",
                 std::to_string(h.Grd2.Row()) + " " + std::to_string(h.PCdProdSel) + ", not " +
                     std::to_string(riga) + " " + std::to_string(scelto));
    }
    Verifica(pf.messaggi.empty(), "the filter shows no message");
    return 0;
}
