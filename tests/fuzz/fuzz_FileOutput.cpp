// The output file read back at the opening, then what a user does: choosing rows in both
// grids, typing a code, pairing (with every answer to the question and the choice dialog,
// copies of catalogue lines included), marking, undoing, moving, sorting and saving; then a
// last save and a second opening of the same files.
//
// Both read-backs are held against a plain one, pairs, counters and totals are checked
// after every step, and every save against plain 54-byte lines (a pair kept on hold, as it
// was read). Across the save and the reopening no saved pair is lost: each comes back to a
// catalogue record with its code, or stays on hold with its line. Unless a pair on hold
// names a code the catalogue has (and so may take a record another pair was saved with),
// every state and pair comes back, to a record with the same code and line code, and, when
// no pair was with a catalogue record without a code, the second save equals the first
// byte for byte; with catalogue codes unique and never empty the pairs come back to the
// very same records.
//
// Input (libFuzzer's FuzzedDataProvider): small input and catalogue files drawn from a few
// codes, an output file of fixed-column lines and raw bytes with every kind of line end,
// then the operations and the answers.

#include "BancoFuzz.h"
#include "RiferimentoAbbinamenti.h"
#include "RiferimentoFile.h"
#include "Verifica.h"
#include "support/Invarianti.h"

#include "coppie/Associazioni.h"
#include "files/FileOutput.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"
#include "sessione/SalvaArchivio.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <set>

using namespace zelvano;
using namespace zelvano::fuzz;

namespace {
const char* const CodiciInterni[] = {"I1", "I2", "I3", "i1", "I 1", ""};
const char* const CodiciFornitore[] = {"K1", "K 1", "K.1", "K2", "", "k1", "K3"};
const char* const CodiciCatalogo[] = {"K1", "K2", "K3", "", "k1", "K/2"};
const char* const Linee[] = {"L1", "AB1", "", "x"};
const char* const Stati[] = {"A", "X", " ", "Z", "a", ""};
const char* const FiniRiga[] = {"\r\n", "\n", "\r"};

// What every operation may say; anything else (a failed copy, a file error) is a fault.
const std::set<std::string> Ammessi = {
    "Selezionare un articolo del gestionale",
    "Selezionare un articolo Orvessa",
    "Articolo del gestionale non ancora associato ",
    "Nessun articolo successivo da associare",
    "Nessun articolo precedente da associare",
    "Articolo del gestionale gi\xE0 precedentemente associato, annullare l'associazione "
    "precedente?",
};

// The output file of the state, written the plain way.
std::string UscitaRif(const StatoHome& h) {
    std::string t;
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& in = h.ArtInt[i];
        if (!in.RigaSalvata.empty()) {
            t += in.RigaSalvata.str() + "\r\n";
            continue;
        }
        const RecArticolo* p = in.PCdProd != 0 ? &h.ArtProd[in.PCdProd] : nullptr;
        t += RigaUscitaRif(p ? p->CdProd.str() : "", in.CdInt.str(), in.Stato.str(),
                           p ? p->LineaProd.str() : "");
    }
    return t;
}

void Salva(BancoFuzz& b) {
    Verifica(SalvaArchivio(b.h), "saving succeeds");
    Verifica(!b.h.DatiModificati, "nothing is left unsaved after a save");
    Uguali(test::LeggiFile(b.fileOut), UscitaRif(b.h), "the output file has the 54-byte lines");
}

// The pointer over a cell: the "Associato a" column of a paired row tells the partner's
// description, every other cell nothing; over the header or outside it stays as it was.
void Suggerimento(StatoHome& h, bool input, int riga, int col) {
    const Griglia& g = input ? h.grd1 : h.Grd2;
    std::optional<std::string> atteso;
    if (riga >= 1 && riga < g.Rows()) {
        atteso.emplace();
        const int32_t k = g.Record(riga);
        if (col >= 0 && col < g.Cols() && g.ColKey(col) == (input ? "CDPROD2" : "CDINT")) {
            const int32_t partner = input ? h.ArtInt[k].PCdProd : h.ArtProd[k].PCdInt;
            if (partner != 0)
                atteso = (input ? h.ArtProd[partner] : h.ArtInt[partner]).Descr.str();
        }
    }
    const std::optional<std::string> testo =
        input ? DidascaliaGrd1(h, riga, col) : DidascaliaGrd2(h, riga, col);
    Uguali(testo.value_or("(as it was)"), atteso.value_or("(as it was)"),
           "the tooltip over a grid cell");
}

// Pairs and states read back from these output bytes onto the tables as they were loaded:
// by the automatic run when the file has no line at all.
CoppieRif Attese(const std::string& uscita, const std::vector<std::string>& cdInt,
                 const std::vector<std::string>& codiciInt,
                 std::vector<std::string> righeCatalogo) {
    CoppieRif c(cdInt.size() - 1, righeCatalogo.size());
    const std::vector<std::string> righe = RigheRif(uscita);
    if (righe.empty())
        ProvaRif(c, codiciInt, righeCatalogo);
    else
        RipristinoRif(c, cdInt, righeCatalogo, righe);
    return c;
}

// The read-back of the state against the plain one, the lines kept on hold included, which
// the opening must have told of.
void ConfrontaRipristino(BancoFuzz& b, const CoppieRif& attese, const char* quale) {
    Uguali(test::Abbinamenti(b.h), attese.Testo(), quale);
    Verifica(CoppieRif::Di(b.h).sospesa == attese.sospesa, quale, "the lines kept on hold");
    bool sospese = false;
    for (const std::string& riga : attese.sospesa)
        sospese = sospese || !riga.empty();
    bool detto = false;
    for (const std::string& m : b.pf.messaggi)
        detto = detto || m.find(" non trovat") != std::string::npos;
    Verifica(detto == sospese, quale, "the opening tells of the pairs on hold");
    b.pf.messaggi.clear();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    FuzzedDataProvider fdp(dati, n);
    std::string input, catalogo, uscita;
    std::vector<std::string> cdInt{""}, codiciInt{""}, cdProd{""}, righeCatalogo;
    for (int k = fdp.ConsumeIntegralInRange(0, 10); k > 0; --k) {
        cdInt.push_back(fdp.PickValueInArray(CodiciInterni));
        codiciInt.push_back(fdp.PickValueInArray(CodiciFornitore));
        input +=
            test::RigaInt(cdInt.back(), "D" + std::to_string(k), "L", codiciInt.back()) + "\r\n";
    }
    for (int k = fdp.ConsumeIntegralInRange(0, 8); k > 0; --k) {
        cdProd.push_back(fdp.PickValueInArray(CodiciCatalogo));
        righeCatalogo.push_back(
            test::RigaProd(cdProd.back(), fdp.PickValueInArray(Linee), "C" + std::to_string(k)));
        catalogo += righeCatalogo.back() + "\r\n";
    }
    for (int k = fdp.ConsumeIntegralInRange(0, 12); k > 0; --k) {
        std::string riga;
        if (fdp.ConsumeIntegralInRange(0, 3) == 0) {
            riga = fdp.ConsumeRandomLengthString(80);
        } else {
            riga = RigaUscitaRif(fdp.PickValueInArray(CodiciCatalogo),
                                 fdp.PickValueInArray(CodiciInterni), fdp.PickValueInArray(Stati),
                                 fdp.PickValueInArray(Linee));
            riga.resize(riga.size() - 2);
        }
        uscita += riga;
        if (k > 1 || fdp.ConsumeBool())
            uscita += fdp.PickValueInArray(FiniRiga);
    }

    BancoFuzz b;
    StatoHome& h = b.h;
    b.Apri(input, catalogo, uscita);
    ConfrontaRipristino(b, Attese(uscita, cdInt, codiciInt, righeCatalogo),
                        "the opening reads the output file back");
    Uguali(test::Violazioni(h), "", "after the opening");

    b.pf.risposta = [&](const std::string&) {
        return fdp.ConsumeBool() ? Risposta::Si : Risposta::No;
    };
    b.pf.scelta = [&] {
        return fdp.PickValueInArray(
            {EsitoScelta::Annulla, EsitoScelta::Aggiungi, EsitoScelta::Abbandona});
    };
    for (int passo = 0; fdp.remaining_bytes() > 0 && passo < 200; ++passo) {
        const int op = fdp.ConsumeIntegralInRange(0, 12);
        switch (op) {
        case 0:
            if (h.grd1.Rows() > 1) {
                ScegliRigaGrd1(h, fdp.ConsumeIntegralInRange(1, h.grd1.Rows() - 1));
            }
            break;
        case 1:
            if (h.Grd2.Rows() > 1) {
                ScegliRigaGrd2(h, fdp.ConsumeIntegralInRange(1, h.Grd2.Rows() - 1));
            }
            break;
        case 2:
            h.Testi.TxtCod = fdp.ConsumeBool() ? "" : fdp.PickValueInArray(CodiciCatalogo);
            CaricaGrid2(h);
            break;
        case 3:
        case 4:
            Associa(h);
            break;
        case 5:
            NonAssociabile(h);
            break;
        case 6:
            DisAssocia(h);
            break;
        case 7:
            CercaPrimoDaAbbinare(h);
            break;
        case 8:
            CercaPrecDaAbbinare(h);
            break;
        case 9:
            fdp.ConsumeBool() ? CercaSuccessivo(h) : CercaPrecedente(h);
            break;
        case 10: {
            Griglia& g = fdp.ConsumeBool() ? h.grd1 : h.Grd2;
            g.OrdinaUtente(fdp.ConsumeIntegralInRange(0, g.Cols() - 1),
                           fdp.ConsumeBool() ? Griglia::OrdineCrescente
                                             : Griglia::OrdineDecrescente);
            break;
        }
        case 11:
            Salva(b);
            break;
        default:
            Suggerimento(h, fdp.ConsumeBool(), fdp.ConsumeIntegralInRange(-1, 12),
                         fdp.ConsumeIntegralInRange(-1, 8));
        }
        const std::string passoFatto =
            "step " + std::to_string(passo) + ", operation " + std::to_string(op);
        Uguali(test::Violazioni(h), "", passoFatto);
        for (const std::string& m : b.pf.messaggi)
            Verifica(Ammessi.count(m) == 1, "only the expected messages", Visibile(m));
        b.pf.messaggi.clear();
    }

    Salva(b);
    const std::string salvato = test::LeggiFile(b.fileOut);
    const CoppieRif prima = CoppieRif::Di(h);
    const int32_t numProd = h.NumProd;
    std::vector<std::string> codiciProd{""};
    std::set<std::string> distinti;
    for (int32_t j = 1; j <= h.NumProd; ++j) {
        codiciProd.push_back(h.ArtProd[j].CdProd.str());
        distinti.insert(codiciProd.back());
    }
    const bool codiciUnici = distinti.size() == codiciProd.size() - 1 && distinti.count("") == 0;
    // A pair on hold whose code the catalogue has competes with the saved pairs for it.
    bool contesa = false;
    for (const std::string& riga : prima.sospesa)
        contesa = contesa || (!riga.empty() && distinti.count(TrimRif(ColonneRif(riga, 1, 25))));
    // A pair with a catalogue record without a code is saved with a blank code, which names
    // no record: it comes back as an "A" without a pair, its line code gone.
    bool senzaCodice = false;
    std::vector<std::string> lineaCoppia(cdInt.size());
    for (std::size_t i = 1; i < cdInt.size(); ++i)
        if (const int32_t j = prima.pcdProd[i]; j != 0 && codiciProd[j].empty())
            senzaCodice = true;
        else if (j != 0)
            lineaCoppia[i] = codiciProd[j] + "/" + h.ArtProd[j].LineaProd.str();

    b.pf.risposta = nullptr;
    b.pf.scelta = nullptr;
    b.Riapri();
    Verifica(h.NumProd == numProd, "the catalogue file holds every copy made");
    ConfrontaRipristino(b, Attese(salvato, cdInt, codiciInt, RigheRif(test::LeggiFile(b.fileProd))),
                        "the reopening reads the saved file back");
    Uguali(test::Violazioni(h), "", "after the reopening");
    const std::vector<std::string> righe1 = RigheRif(salvato);
    for (std::size_t i = 1; i < cdInt.size(); ++i) {
        const RecArticolo& in = h.ArtInt[i];
        // No saved pair is lost: its record comes back paired with its code, or on hold.
        const std::string& riga = righe1[i - 1];
        if (TrimRif(ColonneRif(riga, 51, 51)) == "A" && !TrimRif(ColonneRif(riga, 1, 25)).empty())
            Verifica(in.RigaSalvata == riga ||
                         (in.PCdProd != 0 &&
                          h.ArtProd[in.PCdProd].CdProd == TrimRif(ColonneRif(riga, 1, 25))),
                     "no saved pair is lost");
        if (contesa)
            continue;
        Uguali(in.Stato.str(), prima.stato[i], "every state comes back");
        Uguali(in.RigaSalvata.str(), prima.sospesa[i], "every pair on hold stays on hold");
        if (!lineaCoppia[i].empty()) {
            const int32_t j = in.PCdProd;
            Verifica(j != 0, "every pair with a catalogue code comes back");
            Uguali(h.ArtProd[j].CdProd.str() + "/" + h.ArtProd[j].LineaProd.str(), lineaCoppia[i],
                   "to a record with that code and line code");
        }
    }
    Salva(b);
    if (!contesa && !senzaCodice)
        Uguali(test::LeggiFile(b.fileOut), salvato, "a second save equals the first");
    if (codiciUnici && !contesa)
        Uguali(test::Abbinamenti(h), prima.Testo(), "unique codes: the very same pairs");
    return 0;
}
