// Find and replace in the supplier codes through the menu command, confirmed or not, down
// to the rewrite of the input file, held against a plain replacement ("Contiene" every
// occurrence, "Inizia" and "Finisce" only on longer codes, paired articles never) and a
// plain rewrite (columns 83-112 take the new code without the line changing length, every
// other byte stays, lines end in CR LF). While the question waits, exactly the changed
// codes show in yellow; afterwards none does. After a confirmation the input file read
// again gives the same articles, and the automatic run that follows is held against a
// plain run; after a No, or with nothing changed, nothing is.
//
// Input: the input file as a libFuzzer random-length string; then a small catalogue, the
// pairs and marks made beforehand, the find text (often a piece of a supplier code), the
// replacement, the method and the answers, all drawn from the remaining bytes.

#include "BancoFuzz.h"
#include "RiferimentoAbbinamenti.h"
#include "RiferimentoFile.h"
#include "RiferimentoRicerca.h"
#include "Verifica.h"
#include "support/Invarianti.h"

#include "data/Abbinamento.h"
#include "data/Cp1252.h"
#include "files/LetturaArchivi.h"
#include "griglie/Totali.h"
#include "sessione/Sostituzione.h"

#include <filesystem>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>

using namespace zelvano;
using namespace zelvano::fuzz;

namespace {
const char* const CodiciCatalogo[] = {"AB1", "AB 1", "XY/2", "K9", "", "ab1", "AB1X", "ZZ"};

// What the window's boxes can hand back: they drop control characters, typed or pasted,
// since a line end in a code would split a line of the input file.
std::string ComeDallaFinestra(std::string testo) {
    std::erase_if(testo, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    return testo;
}

// The codes of the input records as the grid shows them, with the rows in yellow marked.
std::string CodiciInGriglia(const StatoHome& h) {
    std::string t;
    const int c = h.grd1.ColIndex("CDPROD");
    for (int r = 1; r < h.grd1.Rows(); ++r) {
        const uint32_t colore = h.grd1.CellBackColor(r, c);
        t += std::to_string(h.grd1.Record(r)) + "|" + h.grd1.TextMatrix(r, c) +
             (colore == Griglia::Giallo   ? "|yellow\n"
              : colore == Griglia::Bianco ? "\n"
                                          : "|colour " + std::to_string(colore) + "\n");
    }
    return t;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    FuzzedDataProvider fdp(dati, n);
    const std::string input = fdp.ConsumeRandomLengthString();
    std::string catalogo;
    for (int k = fdp.ConsumeIntegralInRange(0, 4); k > 0; --k)
        catalogo +=
            test::RigaProd(fdp.PickValueInArray(CodiciCatalogo), "L" + std::to_string(k), "CAT") +
            "\r\n";
    BancoFuzz b;
    b.Apri(input, catalogo, "\r\n");
    StatoHome& h = b.h;
    b.pf.messaggi.clear();

    // Pairs and marks the user made before: paired articles are never replaced.
    for (int k = fdp.ConsumeIntegralInRange(0, 4); k > 0 && h.NumInt > 0; --k) {
        const int32_t i = fdp.ConsumeIntegralInRange(1, h.NumInt);
        const bool coppia = fdp.ConsumeBool();
        if (!h.ArtInt[i].Stato.empty())
            continue;
        if (!coppia) {
            Marca(h, i, Origine::Ripristino);
        } else if (h.NumProd > 0) {
            const int32_t j = fdp.ConsumeIntegralInRange(1, h.NumProd);
            if (h.ArtProd[j].PCdInt == 0)
                Collega(h, i, j, Origine::Ripristino);
        }
    }
    AggiornaTotAbbinati(h);

    EsitoRicerca esito;
    if (h.NumInt > 0 && fdp.ConsumeBool()) {
        const std::string codice = h.ArtInt[fdp.ConsumeIntegralInRange(1, h.NumInt)].CdProd.str();
        const std::size_t da = fdp.ConsumeIntegralInRange<std::size_t>(0, codice.size());
        esito.trova = ComeDallaFinestra(
            codice.substr(da, fdp.ConsumeIntegralInRange<std::size_t>(0, codice.size() - da)));
    } else {
        esito.trova = ComeDallaFinestra(fdp.ConsumeRandomLengthString(8));
    }
    esito.sostituisci = ComeDallaFinestra(fdp.ConsumeRandomLengthString(8));
    // 3 is no method at all: it changes no code.
    esito.modo = static_cast<MetodoSost>(fdp.ConsumeIntegralInRange<uint8_t>(0, 3));
    esito.confermata = fdp.ConsumeIntegralInRange(0, 7) != 0;
    const bool si = fdp.ConsumeBool();

    const CoppieRif prima = CoppieRif::Di(h);
    std::vector<std::string> codici{""};
    for (int32_t i = 1; i <= h.NumInt; ++i)
        codici.push_back(h.ArtInt[i].CdProd.str());
    const std::string trova = Maiuscolo(esito.trova), sostituisci = Maiuscolo(esito.sostituisci);
    std::vector<std::optional<std::string>> nuovi(codici.size() - 1);
    int cambiati = 0;
    for (std::size_t i = 1; esito.confermata && i < codici.size(); ++i) {
        std::string nuovo;
        if (prima.pcdProd[i] == 0 &&
            SostituzioneRif(codici[i], trova, sostituisci, static_cast<int>(esito.modo), nuovo) &&
            nuovo != codici[i]) {
            nuovi[i - 1] = nuovo;
            ++cambiati;
        }
    }

    b.pf.ricerca = [&] { return esito; };
    b.pf.risposta = [&](const std::string&) {
        std::string attesi;
        for (std::size_t i = 1; i < codici.size(); ++i)
            attesi += std::to_string(i) + "|" +
                      (nuovi[i - 1] ? *nuovi[i - 1] + "|yellow" : codici[i]) + "\n";
        Uguali(CodiciInGriglia(h), attesi, "while the question waits the new codes show in yellow");
        Verifica(h.grd1.Row() == 0, "while the question waits no data row is current");
        return si ? Risposta::Si : Risposta::No;
    };
    SostituisciCodiciFornitore(h);

    const std::string domanda =
        cambiati == 1 ? std::string("Aggiornato 1 codice. Confermi?")
                      : "Aggiornati " + std::to_string(cambiati) + " codici. Confermi?";
    std::vector<std::string> messaggi;
    if (esito.confermata)
        messaggi.push_back(cambiati == 0 ? "Nessun aggiornamento eseguito" : domanda);
    const bool scritto = esito.confermata && cambiati > 0 && si;
    CoppieRif dopo = prima;
    std::vector<std::string> righeProd = RigheRif(catalogo);
    const std::size_t letteProd = righeProd.size();
    if (scritto) {
        for (std::size_t i = 1; i < codici.size(); ++i)
            if (nuovi[i - 1])
                codici[i] = *nuovi[i - 1];
        ProvaRif(dopo, codici, righeProd);
        bool daAbbinare = false;
        for (std::size_t i = 1; i < codici.size(); ++i)
            daAbbinare = daAbbinare || dopo.stato[i].empty();
        if (!daAbbinare)
            messaggi.push_back("Nessun articolo successivo da associare");
    }
    Verifica(b.pf.messaggi == messaggi, "the messages of the replacement",
             b.pf.messaggi.empty() ? "none" : Visibile(b.pf.messaggi.front()));

    std::string attesi, ottenuti;
    for (std::size_t i = 1; i < codici.size(); ++i) {
        attesi += codici[i] + "|0\n";
        ottenuti += h.ArtInt[i].CdProd.str() + "|" + std::to_string(h.ArtInt[i].Modificato) + "\n";
    }
    Uguali(ottenuti, attesi, "the codes replaced only when confirmed, none left pending");
    std::string griglia;
    for (std::size_t i = 1; i < codici.size(); ++i)
        griglia += std::to_string(i) + "|" + codici[i] + "\n";
    Uguali(CodiciInGriglia(h), griglia, "afterwards grd1 shows the codes, none in yellow");
    Uguali(test::LeggiFile(b.fileInt), scritto ? RiscritturaRif(input, nuovi) : input,
           "the input file rewritten only after a Yes, columns 83-112 only");
    Verifica(!std::filesystem::exists(b.cartella.Percorso("tmp.txt")),
             "the temporary copy is gone");
    Uguali(test::Abbinamenti(h), dopo.Testo(), "the automatic run follows a Yes only");
    Uguali(test::Violazioni(h), "", "pairs mutual, counters and totals right");
    std::string fileProd = catalogo;
    for (std::size_t k = letteProd; k < righeProd.size(); ++k)
        fileProd += righeProd[k] + "\r\n";
    Uguali(test::LeggiFile(b.fileProd), fileProd, "each copy appended to the catalogue");

    // The rewritten file is still the same articles, line for line: a code that fits its
    // columns reads back as the code in memory.
    const TabellaLetta letta = LeggiFileInt(b.fileInt, 0);
    Verifica(letta.num == h.NumInt, "the input file keeps one line per article",
             std::to_string(letta.num) + " lines for " + std::to_string(h.NumInt) + " articles");
    const std::vector<std::string> righe = RigheRif(test::LeggiFile(b.fileInt));
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& r = letta.rec[i];
        const RecArticolo& m = h.ArtInt[i];
        Uguali(r.CdInt.str() + "|" + r.Descr.str() + "|" + r.Linea.str(),
               m.CdInt.str() + "|" + m.Descr.str() + "|" + m.Linea.str(),
               "the rewrite changes no other field");
        const std::string& c = codici[i];
        const bool entra = righe[i - 1].size() >= 112 && c.size() <= 30 && TrimRif(c) == c;
        if (entra)
            Uguali(r.CdProd.str(), c, "a code that fits reads back as written");
    }
    return 0;
}
