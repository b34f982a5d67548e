#include "suggerimenti/IndiceSuggerimenti.h"

#include "coppie/DuplicaRiga.h"
#include "data/Abbinamento.h"
#include "griglie/CaricaArchivi.h"
#include "sessione/LeggiArchivi.h"
#include "suggerimenti/Classifica.h"
#include "support/Banco.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvano {
namespace {

using test::Banco;
using test::RigaInt;
using test::RigaProd;

std::vector<int32_t> Indici(const std::vector<Suggerimento>& s) {
    std::vector<int32_t> v;
    for (const Suggerimento& x : s)
        v.push_back(x.j);
    return v;
}

const std::vector<std::string> Catalogo = {
    RigaProd("RS2000", "A01", "RONDELLA GROWER M8"),
    RigaProd("KL5500", "A01", "CHIAVE A BUSSOLA 13MM"),
    RigaProd("PN3300", "A01", "PINZA ISOLATA 1000V"),
};

TEST(IndiceSuggerimenti, ACopyOfACatalogueLineJoinsWithoutARebuild) {
    Banco b({RigaInt("C1", "RONDELLA GROWER M8", "", "rs2000"),
             RigaInt("C2", "RONDELLA GROWER M8", "", "RS2000")},
            Catalogo);
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    Collega(b.h, 2, 1, Origine::Utente);
    ASSERT_TRUE(DuplicaRiga(b.h, 1));
    ASSERT_EQ(b.h.NumProd, 4);

    indice.Aggiorna(b.h);
    EXPECT_EQ(indice.Conta(), 4);
    EXPECT_EQ(indice.ContaBase(), 3);
    // The free copy, as good as the taken original, comes first; its words count too.
    const auto s = Classifica(indice, b.h, 1);
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(Indici(s).at(0), 4);
    EXPECT_EQ(Indici(s).at(1), 1);
    EXPECT_EQ(s[0].punteggio, s[1].punteggio);
}

TEST(IndiceSuggerimenti, AnAppendedLineIsFoundByItsCodeAndWords) {
    Banco b({RigaInt("C1", "", "", "NW-9000"), RigaInt("C2", "PINZA BUSSOLA", "", "")}, Catalogo);
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    InserisciRiga(b.h, RigaProd("NW9000", "A01", "PINZA A BUSSOLA"));
    indice.Aggiorna(b.h);
    EXPECT_EQ(Indici(Classifica(indice, b.h, 1)).at(0), 4);
    // Both of the customer's words are in the new article's description only.
    EXPECT_EQ(Indici(Classifica(indice, b.h, 2)).at(0), 4);
}

TEST(IndiceSuggerimenti, ANewOpeningBuildsItAnew) {
    Banco b({RigaInt("C1", "", "", "RS2000")}, Catalogo);
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    EXPECT_EQ(indice.Apertura(), b.h.Apertura);
    EXPECT_EQ(Indici(Classifica(indice, b.h, 1)).at(0), 1);

    // Another catalogue of the same length, where the code is the third article's.
    const std::string altro =
        b.cartella.Scrivi("altro.orv", RigaProd("KL5500", "A01", "CHIAVE") + "\r\n" +
                                           RigaProd("PN3300", "A01", "PINZA") + "\r\n" +
                                           RigaProd("RS2000", "A01", "RONDELLA") + "\r\n");
    b.pf.AspettaApriFile("Apri file Database", b.fileInt)
        .AspettaApriFile("Apri file Orvessa", altro)
        .AspettaSalvaFile("Salva il file di output Zelvano", b.fileOut);
    LeggiArchivi(b.h);
    ASSERT_EQ(b.h.NumProd, 3);

    // Until brought in step the index gives nothing rather than the old catalogue's answer.
    EXPECT_EQ(Classifica(indice, b.h, 1).size(), 0u);
    indice.Aggiorna(b.h);
    EXPECT_EQ(indice.Apertura(), b.h.Apertura);
    EXPECT_EQ(indice.ContaBase(), 3);
    EXPECT_EQ(Indici(Classifica(indice, b.h, 1)).at(0), 3);
}

TEST(IndiceSuggerimenti, WordsAreFoundWholeByTheirStartAndWithOneSlip) {
    Banco b({RigaInt("C", "", "", "")},
            {RigaProd("A1", "A01", "ACCIAIO ZINCATO"), RigaProd("A2", "A01", "ACCESSORIO"),
             RigaProd("A3", "A01", "ACC"), RigaProd("A4", "A01", "TASSELLO")});
    IndiceSuggerimenti indice;
    indice.Aggiorna(b.h);
    const auto parola = [&](const char* p) {
        const uint32_t w = indice.Parola(p);
        return w == IndiceSuggerimenti::NessunaParola ? -1 : static_cast<int>(w);
    };
    // Words are numbered in byte order: ACC, ACCESSORIO, ACCIAIO, TASSELLO, ZINCATO.
    EXPECT_EQ(parola("ACC"), 0);
    EXPECT_EQ(parola("ACCIAIO"), 2);
    EXPECT_EQ(parola("ACCI"), -1);
    EXPECT_EQ(parola("acciaio"), -1); // callers upper-case first
    EXPECT_EQ(indice.ConPrefisso("ACC"), (std::pair<uint32_t, uint32_t>{0, 3}));
    EXPECT_EQ(indice.ConPrefisso("ACCE"), (std::pair<uint32_t, uint32_t>{1, 2}));
    EXPECT_EQ(indice.ConPrefisso("B"), (std::pair<uint32_t, uint32_t>{3, 3}));
    EXPECT_EQ(indice.ConPrefisso("ZZ"), (std::pair<uint32_t, uint32_t>{5, 5}));
    EXPECT_EQ(std::vector<int32_t>(indice.ConParola(2).begin(), indice.ConParola(2).end()),
              (std::vector<int32_t>{1}));

    std::vector<uint32_t> simili;
    for (const char* p : {"TASSELO", "TASSSELLO", "TSASELLO", "TASSELLA"}) {
        SCOPED_TRACE(p);
        indice.Simili(p, simili);
        EXPECT_EQ(simili, (std::vector<uint32_t>{3}));
    }
    for (const char* p : {"TASSELLO", "TSASELO", "TAS"}) {
        SCOPED_TRACE(p);
        indice.Simili(p, simili);
        EXPECT_EQ(simili, (std::vector<uint32_t>{}));
    }
}

} // namespace
} // namespace zelvano
