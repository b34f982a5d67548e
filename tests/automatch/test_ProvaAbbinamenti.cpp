#include "automatch/ProvaAbbinamenti.h"

#include "support/Banco.h"
#include "support/Invarianti.h"

#include "fuzz/RiferimentoAbbinamenti.h"
#include "fuzz/RiferimentoFile.h"

#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "griglie/Selezione.h"
#include "griglie/Totali.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "sessione/Sostituzione.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <random>

namespace zelvano::test {
namespace {

// Catalogue lines with only a code, line k holding codici[k - 1].
std::vector<std::string> Catalogo(const std::vector<std::string>& codici) {
    std::vector<std::string> righe;
    for (std::size_t k = 0; k < codici.size(); ++k)
        righe.push_back(RigaProd(codici[k], Numero(static_cast<int64_t>(k + 1)), "ART"));
    return righe;
}

std::vector<std::string> Input(const std::vector<std::string>& codici) {
    std::vector<std::string> righe;
    for (std::size_t k = 0; k < codici.size(); ++k)
        righe.push_back(RigaInt("I" + Numero(static_cast<int64_t>(k + 1)), "", "", codici[k]));
    return righe;
}

// The run as its callers make it: the totals are theirs to show.
void Esegui(StatoHome& h) {
    AbbinaAutomaticamente(h);
    AggiornaTotAbbinati(h);
}

// Each input record's partner, "-" for none.
std::string Partner(const StatoHome& h) {
    std::string t;
    for (int32_t i = 1; i <= h.NumInt; ++i)
        t += (i > 1 ? " " : "") + (h.ArtInt[i].PCdProd ? Numero(h.ArtInt[i].PCdProd) : "-");
    return t;
}

TEST(ProvaAbbinamenti, KeysLoseBlanksSlashesAndDotsOnly) {
    // An empty output file: the opening runs the automatic matching.
    Banco b(Input({"AB 12/3.4", "ab1234", "AB-1234", "", " ./", "K1", "K1 ", "K/1", "X. 9"}),
            Catalogo({"AB1234", "", "K1", "K1", "X9"}), "");
    EXPECT_EQ(Partner(b.h), "1 - - - - 3 4 6 5");
    // Every K1 was taken, so the third copied the last of them.
    EXPECT_EQ(b.h.NumProd, 6);
    EXPECT_EQ(LeggiFile(b.fileProd), Unisci(Catalogo({"AB1234", "", "K1", "K1", "X9"})) +
                                         RigaProd("K1", "4", "ART") + "\r\n");
    EXPECT_EQ(b.Totali(), "5|0|4"); // written by the refresh after the run
    EXPECT_EQ(b.h.Grd2.Rows() > 1, true);
    EXPECT_EQ(RigaGrd1(b.h), 2); // the first article left
    EXPECT_TRUE(b.h.DatiModificati);
    EXPECT_EQ(Violazioni(b.h), "");
}

// Keys taken at 5 and 9 of 10: 9 is copied to 11 and paired, the next copies 11. Paired
// and marked articles are left alone even where a free article has their key.
TEST(ProvaAbbinamenti, CopiesTheLastTakenArticleAndCopiesOfCopies) {
    std::vector<std::string> codici(10, "Z");
    codici[4] = codici[8] = "K";
    codici[2] = "F";
    Banco b(Input({"K", "K", "F", "K", "K", "K"}), Catalogo(codici),
            RigaOut("K", "I1", 'A') + RigaOut("K", "I2", 'A') + RigaOut("Z", "I3", 'A') +
                RigaOut("", "I4", 'X') + RigaOut("", "I5", ' ') + RigaOut("", "I6", ' '));
    ASSERT_EQ(Partner(b.h), "5 9 1 - - -");
    Esegui(b.h);
    EXPECT_EQ(Partner(b.h), "5 9 1 - 11 12");
    EXPECT_EQ(b.h.ArtInt[4].Stato, "X");
    EXPECT_EQ(LeggiFile(b.fileProd), Unisci(Catalogo(codici)) + RigaProd("K", "9", "ART") + "\r\n" +
                                         RigaProd("K", "9", "ART") + "\r\n");
    EXPECT_EQ(b.h.NumAssociati, 5);
    EXPECT_EQ(b.h.NumNonAssociabili, 1);
    EXPECT_EQ(Violazioni(b.h), "");
}

TEST(ProvaAbbinamenti, ProgressBarRangeFollowsTheArticles) {
    const struct {
        int articoli;
        std::vector<std::string> inizio, fine;
    } casi[] = {
        {1, {"ProvaAbb", "min 1", "max 10", "val 1", "eventi"}, {"val 1", "eventi"}},
        {3, {"ProvaAbb", "min 1", "max 3", "val 1", "eventi"}, {"val 3", "eventi"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.articoli);
        Banco b(Input(std::vector<std::string>(static_cast<std::size_t>(c.articoli), "Q")),
                Catalogo({"Z"}), "");
        const auto& p = b.pf.progresso;
        ASSERT_GE(p.size(), c.inizio.size());
        EXPECT_EQ(std::vector<std::string>(p.begin(), p.begin() + c.inizio.size()), c.inizio);
        EXPECT_EQ(std::vector<std::string>(p.end() - c.fine.size(), p.end()), c.fine);
    }
    // No article: the window comes and goes without a bar set.
    Banco b(Input({"Q"}), Catalogo({"Z"}), "\r\n");
    b.h.NumInt = 0;
    b.pf.progresso.clear();
    AbbinaAutomaticamente(b.h);
    EXPECT_EQ(b.pf.progresso, std::vector<std::string>{"ProvaAbb"});
}

// A copy that cannot be made leaves its article unpaired; the run goes on and says once
// how many articles it left and why. No pair points at a line the file lacks.
TEST(ProvaAbbinamenti, FailedCopiesAreCountedOnceAndNeverLoop) {
    const std::vector<std::string> codici = {"A", "K", "B"};
    const auto apri = [&] {
        return std::make_unique<Banco>(Input({"K", "K", "K", "A"}), Catalogo(codici),
                                       RigaOut("K", "I1", 'A') + RigaOut("", "I2", ' ') +
                                           RigaOut("", "I3", ' ') + RigaOut("", "I4", ' '));
    };
    {
        auto b = apri();
        b->cartella.Scrivi("catalogo.orv", RigaProd("A", "1", "ART") + "\r\n"); // shortened
        b->pf.AspettaMessaggio("2 articoli non sono stati associati automaticamente: non \xE8 "
                               "stato possibile copiare la riga del catalogo (la riga 2 non c'\xE8 "
                               "pi\xF9 nel file " +
                               b->fileProd + ")");
        Esegui(b->h);
        EXPECT_EQ(Partner(b->h), "2 - - 1");
        EXPECT_EQ(b->h.NumProd, 3);
        EXPECT_EQ(Violazioni(b->h), "");
    }
    // Line 2 changed on disk: cut inside (what is left still has the key) or another
    // article in its place. It is not copied, and nothing of it is appended.
    const std::string cambiati[] = {Unisci(Catalogo(codici)).substr(0, 306 + 30),
                                    Unisci(Catalogo({"A", "Z", "B"}))};
    for (const std::string& cambiato : cambiati) {
        auto b = apri();
        b->cartella.Scrivi("catalogo.orv", cambiato);
        b->pf.AspettaMessaggio("2 articoli non sono stati associati automaticamente: non \xE8 "
                               "stato possibile copiare la riga del catalogo (la riga 2 del file " +
                               b->fileProd + " non \xE8 pi\xF9 quella dell'articolo K)");
        Esegui(b->h);
        EXPECT_EQ(Partner(b->h), "2 - - 1");
        EXPECT_EQ(b->h.NumProd, 3);
        EXPECT_EQ(LeggiFile(b->fileProd), cambiato);
    }
    {
        auto b = apri();
        std::filesystem::remove(b->fileProd);
        std::filesystem::create_directory(b->fileProd); // cannot be opened to append
        b->pf.AspettaMessaggio(
            "1 articolo non \xE8 stato associato automaticamente: non \xE8 stato possibile "
            "copiare la riga del catalogo (" +
            TestoErroreFile("scrivere", b->fileProd, EISDIR) + ")");
        b->h.ArtInt[3].Stato = "X"; // one article less to copy for
        --b->h.NumNonAssociabili;
        Esegui(b->h);
        EXPECT_EQ(Partner(b->h), "2 - - 1");
        EXPECT_EQ(b->h.NumProd, 3);
    }
}

TEST(ProvaAbbinamenti, ConfirmedReplacementPairsTheCorrectedCodes) {
    Banco b(Input({"AB-1234", "K9"}), Catalogo({"AB1234", "Z"}), "\r\n");
    ASSERT_EQ(b.Totali(), "0|0|2");
    b.pf.AspettaRicerca({true, "-", "", MetodoSost::Contiene})
        .AspettaDomanda("Aggiornato 1 codice. Confermi?", Risposta::Si);
    SostituisciCodiciFornitore(b.h);
    EXPECT_EQ(Partner(b.h), "1 -");
    EXPECT_EQ(b.Totali(), "1|0|1");
    EXPECT_EQ(b.Cella1(1, "CDPROD2"), "AB1234");
    EXPECT_EQ(RigaGrd1(b.h), 1); // still on the article chosen before, paired now
    b.Scegli1(1);
    EXPECT_EQ(b.Cella2(1, "CDINT"), "I1");
}

// The fast run against the plain one, on random tables full of shared keys, pairs made
// before the run, marks, empty keys, copies of copies and a catalogue without a final
// line break: the same pairs, counters, catalogue records and catalogue bytes.
TEST(ProvaAbbinamenti, SameResultAsTheWholeScanOnRandomTables) {
    const char* const codici[] = {"K1",  "K 1", "K/1",  "k1",  "K.1.", "Q2",
                                  "Q 2", "",    " / .", "R-3", "R3",   "S4"};
    for (unsigned seme = 1; seme <= 60; ++seme) {
        SCOPED_TRACE(seme);
        std::mt19937 caso(seme);
        const auto scegli = [&] { return std::string(codici[caso() % std::size(codici)]); };
        std::vector<std::string> prod, codiciProd, in;
        for (unsigned k = 0, n = 1 + caso() % 12; k < n; ++k) {
            codiciProd.push_back(scegli());
            prod.push_back(RigaProd(codiciProd.back(), Numero(caso() % 100), "D" + Numero(k)));
        }
        for (unsigned k = 0, n = 1 + caso() % 30; k < n; ++k)
            in.push_back(RigaInt("I" + Numero(k), "", "", scegli()));
        // Some pairs and marks before the run, from an output file.
        // Each pair names a catalogue line of its own, so that every one is restored.
        std::string uscita;
        std::vector<uint8_t> preso(codiciProd.size(), 0);
        for (std::size_t k = 0; k < in.size(); ++k) {
            const std::string cdInt = "I" + Numero(static_cast<int64_t>(k));
            const std::size_t j = caso() % codiciProd.size();
            // The first stays to associate, so each opening has an article to stop on.
            switch (k == 0 || preso[j]++ ? 5 : caso() % 6) {
            case 0:
                uscita += RigaOut(std::string(Trim(codiciProd[j])), cdInt, 'A');
                break;
            case 1:
                uscita += RigaOut("", cdInt, 'X');
                break;
            default:
                uscita += RigaOut("", cdInt, ' ');
            }
        }
        std::string catalogo = Unisci(prod);
        if (caso() % 2)
            catalogo.resize(catalogo.size() - 2); // no final line break

        Banco b(in, prod, uscita.empty() ? "\r\n" : uscita);
        b.cartella.Scrivi("catalogo.orv", catalogo);
        b.pf.AspettaApriFile("Apri file Database", b.fileInt)
            .AspettaApriFile("Apri file Orvessa", b.fileProd)
            .AspettaSalvaFile("Salva il file di output Zelvano", b.fileOut);
        LeggiArchivi(b.h);
        // The plain run from what the opening restored, on the catalogue's lines.
        const fuzz::CoppieRif prima = fuzz::CoppieRif::Di(b.h);
        fuzz::CoppieRif attese = prima;
        std::vector<std::string> codiciInt{""}, righe = prod;
        for (int32_t i = 1; i <= b.h.NumInt; ++i)
            codiciInt.push_back(b.h.ArtInt[i].CdProd.str());
        fuzz::ProvaRif(attese, codiciInt, righe);
        std::string fileProd = catalogo;
        if (righe.size() > prod.size() && !fuzz::FinisceACapoRif(catalogo))
            fileProd += "\r\n";
        for (std::size_t k = prod.size(); k < righe.size(); ++k)
            fileProd += righe[k] + "\r\n";
        Esegui(b.h);

        EXPECT_EQ(Abbinamenti(b.h), attese.Testo());
        ASSERT_EQ(b.h.NumProd, static_cast<int32_t>(righe.size()));
        for (int32_t j = 1; j <= b.h.NumProd; ++j) {
            const fuzz::ArticoloRif a = fuzz::CatalogoRif(righe[static_cast<std::size_t>(j - 1)]);
            EXPECT_EQ(b.h.ArtProd[j].CdProd + "|" + b.h.ArtProd[j].LineaProd,
                      a.CdProd + "|" + a.LineaProd);
        }
        EXPECT_EQ(LeggiFile(b.fileProd), fileProd);
        EXPECT_EQ(b.h.DatiModificati, attese.associati > prima.associati);
        EXPECT_EQ(Violazioni(b.h), "");
    }
}

} // namespace
} // namespace zelvano::test
