#include "files/AggiornaFileInt.h"

#include "sessione/Sostituzione.h"
#include "support/Banco.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace zelvano {
namespace {

namespace fs = std::filesystem;

TEST(AggiornaFileInt, WritesCodesIntoColumns83To112Only) {
    const std::string r50(50, 'a'), r82(82, '\t'), r83(83, '\xE8'), r100(100, 'b'),
        r150(150, '\x80'), r150b(150, 'c'), r150c(150, 'd');
    const std::string codice35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678";
    const struct {
        std::string riga;
        bool segnata;
        std::string codice, attesa;
    } casi[] = {
        {r50, true, "NUOVO", r50},
        {"", true, "NUOVO", ""},
        {r82, true, "NUOVO", r82},
        {r83, true, "NUOVO", r83.substr(0, 82) + "N"},
        {r100, true, "NUOVO", r100.substr(0, 82) + "NUOVO" + std::string(13, ' ')},
        {r150, true, "N1", r150.substr(0, 82) + "N1" + std::string(28, ' ') + r150.substr(112)},
        {r150b, false, "IGNORATO", r150b},
        {r150c, true, codice35, r150c.substr(0, 82) + codice35.substr(0, 30) + r150c.substr(112)},
    };
    std::vector<std::string> righe;
    for (const auto& c : casi)
        righe.push_back(c.riga);
    test::Banco b(righe, {});
    ASSERT_EQ(b.h.NumInt, static_cast<int32_t>(std::size(casi)));
    const char* fini[] = {"\r\n", "\n", "\r"};
    std::string prima, atteso;
    for (int32_t k = 1; k <= b.h.NumInt; ++k) {
        b.h.ArtInt[k].Modificato = casi[k - 1].segnata ? 1 : 0;
        b.h.ArtInt[k].CdProd = casi[k - 1].codice;
        // Every kind of line end, and none after the last line; all become CR LF.
        prima += casi[k - 1].riga + (k < b.h.NumInt ? fini[k % 3] : "");
        atteso += casi[k - 1].attesa + "\r\n";
    }
    b.cartella.Scrivi("articoli.ber", prima);
    EXPECT_EQ(AggiornaFileInt(b.h).tipo, EsitoAggiornaFileInt::Tipo::Scritto);
    EXPECT_EQ(test::LeggiFile(b.fileInt), atteso);
    EXPECT_FALSE(fs::exists(b.cartella.Percorso("tmp.txt")));
}

// Codes go to lines by position: a file with other lines, or the same lines in another
// order, would get them on other articles. Nothing is written then.
TEST(AggiornaFileInt, RefusesWhenTheFileNoLongerMatchesTheTable) {
    test::Banco b({"uno", "due"}, {});
    b.h.ArtInt[1].Modificato = 1;
    b.h.ArtInt[1].CdProd = "NUOVO";
    const std::string cambiato =
        "Il file " + b.fileInt + " \xE8 cambiato dopo l'apertura: i codici non sono stati scritti";
    const std::string spazi(120, ' ');
    const struct {
        std::optional<std::string> contenuto; // none: no file
        std::string messaggio;
    } casi[] = {
        {"uno\r\ndue\r\ntre", cambiato},
        {"uno\r\n", cambiato},
        {"due" + spazi + "\r\nuno" + spazi + "\r\n", cambiato},
        {std::nullopt, "Impossibile leggere il file " + b.fileInt + ": file non trovato"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.messaggio);
        fs::remove(b.fileInt);
        if (c.contenuto)
            b.cartella.Scrivi("articoli.ber", *c.contenuto);
        b.pf.AspettaMessaggio(c.messaggio);
        EXPECT_FALSE(ScriviCodiciNelFile(b.h));
        b.pf.VerificaFine();
        EXPECT_EQ(test::LeggiFile(b.fileInt), c.contenuto.value_or(""));
        EXPECT_EQ(fs::exists(b.fileInt), c.contenuto.has_value());
        EXPECT_FALSE(fs::exists(b.cartella.Percorso("tmp.txt")));
    }
}

} // namespace
} // namespace zelvano

#include "files/CopiaDiRipristino.h"
#include "support/GuastoScrittura.h"

#include <csignal>
#include <fstream>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>

namespace zelvano {
namespace {

std::string Lunga(const std::string& riga) {
    return riga + std::string(120 - riga.size(), ' ') + "FINE";
}

std::set<std::string> Nomi(const std::string& cartella) {
    std::set<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella))
        nomi.insert(e.path().filename().string());
    return nomi;
}

// A pasted "AB\n" reached the file as a line end: the rewrite refuses any code holding
// one, whatever the window let through, and the replacement is taken back.
TEST(AggiornaFileInt, RefusesALineEndInsideACode) {
    for (const std::string sost : {"AB\n", "A\rB", "\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(sost));
        test::Banco b(
            {Lunga(test::RigaInt("I1", "UNO", "", "K9")), test::RigaInt("I2", "", "", "")},
            {test::RigaProd("Z", "001", "")});
        const std::string prima = test::LeggiFile(b.fileInt);
        b.pf.AspettaRicerca({true, "K9", sost, MetodoSost::Contiene})
            .AspettaDomanda("Aggiornato 1 codice. Confermi?", Risposta::Si)
            .AspettaMessaggio("Il nuovo codice dell'articolo I1 contiene un a capo: il file " +
                              b.fileInt + " non \xE8 stato modificato");
        SostituisciCodiciFornitore(b.h);
        b.pf.VerificaFine();
        EXPECT_EQ(test::LeggiFile(b.fileInt), prima);
        EXPECT_EQ(b.h.ArtInt[1].CdProd, "K9");
        EXPECT_EQ(b.h.ArtInt[1].Modificato, 0);
        EXPECT_EQ(Nomi(b.cartella.Percorso("")),
                  (std::set<std::string>{"abbinamenti.txt", "articoli.ber", "catalogo.orv"}));
    }
}

// "tmp.txt" planted as a link to someone's file, or a program folder others can write:
// the copy never goes through a name it did not create, nor into a shared folder.
TEST(AggiornaFileInt, CopyIsCreatedExclusivelyInAFolderOfTheUser) {
    for (const bool condivisa : {false, true}) {
        SCOPED_TRACE(condivisa ? "shared program folder" : "tmp.txt planted as a link");
        test::Banco b({Lunga(test::RigaInt("I1", "UNO", "", "K9"))}, {});
        const std::string vittima = b.cartella.Scrivi("vittima.txt", "da non toccare");
        fs::create_directory(b.cartella.Percorso("dati"));
        b.pf.cartellaDati = b.cartella.Percorso("dati");
        if (condivisa)
            fs::permissions(b.pf.cartella, fs::perms(0777));
        else
            fs::create_symlink(vittima, b.cartella.Percorso("tmp.txt"));
        const std::string prima = test::LeggiFile(b.fileInt);
        b.h.ArtInt[1].Modificato = 1;
        b.h.ArtInt[1].CdProd = "NUOVO";
        // The rewrite fails half way, so the copy stays and its name is told.
        // The copy is written first: the failure comes with the rewrite, a few bytes into it.
        ImpostaGuastoScrittura(static_cast<int64_t>(prima.size()) + 10);
        const std::string atteso = "Impossibile scrivere il file " + b.fileInt +
                                   ": disco pieno. Il file non \xE8 stato modificato; una copia "
                                   "\xE8 in ";
        b.pf.AspettaMessaggioInizio(atteso);
        EXPECT_FALSE(ScriviCodiciNelFile(b.h));
        TogliGuastoScrittura();
        ASSERT_EQ(b.pf.messaggi.size(), 1u);
        const std::string copia = b.pf.messaggi[0].substr(atteso.size());
        EXPECT_EQ(test::LeggiFile(copia), prima);
        EXPECT_EQ(test::LeggiFile(b.fileInt), prima);
        EXPECT_EQ(test::LeggiFile(vittima), "da non toccare");
        const std::string cartellaCopia = fs::path(copia).parent_path().string();
        EXPECT_EQ(cartellaCopia, condivisa ? b.pf.cartellaDati : b.cartella.Radice().string());
        struct stat st {};
        ASSERT_EQ(::lstat(copia.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        if (condivisa)
            EXPECT_EQ(fs::path(copia).filename(), "tmp.txt");
        else
            EXPECT_NE(fs::path(copia).filename(), "tmp.txt");

        // Once the rewrite succeeds its own copy goes, and nothing else.
        fs::remove(copia);
        EXPECT_TRUE(ScriviCodiciNelFile(b.h));
        EXPECT_EQ(test::LeggiFile(b.fileInt).substr(82, 5), "NUOVO");
        EXPECT_EQ(test::LeggiFile(vittima), "da non toccare");
        EXPECT_EQ(Nomi(b.pf.cartellaDati), std::set<std::string>{});
    }
}

// Killed at a random byte of its writes (the copy, then the customer file rewritten in place
// through its second hard link): "tmp.txt", when there, is a whole copy, and once the next
// opening has settled the customer file it holds the old codes or the new ones, never a mix.
TEST(AggiornaFileInt, KilledPartWayLeavesNoPartialCopyNorAMixedFile) {
    std::vector<std::string> righe;
    for (int k = 0; k < 5000; ++k)
        righe.push_back(Lunga(test::RigaInt("I" + std::to_string(k), "ART", "", "V")));
    test::Banco b(righe, {});
    fs::create_hard_link(b.fileInt, b.cartella.Percorso("collegamento.ber"));
    const std::string vecchio = test::LeggiFile(b.fileInt);
    for (int32_t k = 1; k <= b.h.NumInt; ++k) {
        b.h.ArtInt[k].Modificato = 1;
        b.h.ArtInt[k].CdProd = "N";
    }
    // The copy of the old content, the copy the in-place rewrite keeps, the new content.
    const auto scritti = static_cast<int64_t>(3 * vecchio.size() + 300);
    std::mt19937_64 caso(11);
    int copie = 0, strappati = 0, vecchi = 0, nuovi = 0;
    for (int prova = 0; prova < 100; ++prova) {
        const auto morteA = static_cast<int64_t>(caso() % static_cast<uint64_t>(scritti));
        const pid_t figlio = ::fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            ImpostaMorteScrittura(morteA);
            ::_exit(AggiornaFileInt(b.h).tipo == EsitoAggiornaFileInt::Tipo::Scritto ? 0 : 1);
        }
        int stato = 0;
        ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
        const std::string copia = b.cartella.Percorso("tmp.txt");
        if (fs::exists(copia)) {
            ASSERT_EQ(test::LeggiFile(copia), vecchio) << "try " << prova;
            ++copie;
            fs::remove(copia);
        }
        const std::string ucciso = test::LeggiFile(b.fileInt);
        strappati += ucciso != vecchio && ucciso.find("V    ") != std::string::npos;
        RiprendiScritturaInterrotta(b.fileInt, b.pf.CartellaDatiUtente());
        const std::string letto = test::LeggiFile(b.fileInt);
        ASSERT_TRUE(letto == vecchio || letto.substr(82, 3) == "N  ") << "try " << prova;
        if (letto == vecchio) {
            ++vecchi;
        } else {
            ASSERT_EQ(letto.size(), vecchio.size());
            ASSERT_EQ(letto.find("V    "), std::string::npos) << "try " << prova;
            ++nuovi;
            std::ofstream(b.fileInt, std::ios::binary) << vecchio; // the same file, both links
        }
    }
    EXPECT_EQ(AggiornaFileInt(b.h).tipo, EsitoAggiornaFileInt::Tipo::Scritto);
    EXPECT_EQ(Nomi(b.cartella.Radice().string()),
              (std::set<std::string>{"abbinamenti.txt", "articoli.ber", "catalogo.orv",
                                     "collegamento.ber"}));
    RecordProperty("whole_copies_left", copie);
    RecordProperty("torn_before_opening", strappati);
    RecordProperty("torn_after_opening", 0);
    RecordProperty("old", vecchi);
    RecordProperty("new", nuovi);
}

} // namespace
} // namespace zelvano
