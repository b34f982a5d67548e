// The proposed pairs window driven by keys over the real core, with groups made by hand;
// and the command-line run, with no display, against the window on the same files.

#include "AmbienteTest.h"
#include "FileDiProva.h"

#include "app/Cp1252Qt.h"
#include "app/DelegatoDifferenze.h"
#include "app/FormHome1.h"
#include "app/FrmProposte.h"
#include "proposte/Proposte.h"
#include "suggerimenti/IndiceSuggerimenti.h"
#include "support/FileTemporanei.h"
#include "support/FintaPiattaforma.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QProcess>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

using zelvano::GruppoProposte;
using zelvano::Ragione;
using zelvano::test::FintaPiattaforma;
using zelvano::test::RigaInt;
using zelvano::test::RigaProd;

namespace {

// I3 equals K300 and is paired by the automatic run; the others are left to proposals.
const std::string Input = zelvano::test::Unisci({
    RigaInt("I1", "VITE", "", "k100"),
    RigaInt("I2", "VITE LUNGA", "", "K-200"),
    RigaInt("I3", "DADO", "", "K300"),
    RigaInt("I4", "DADO GRANDE", "", "X9"),
    RigaInt("I5", "RONDELLA", "", "R10B"),
});
const std::string Catalogo = zelvano::test::Unisci({
    RigaProd("K100", "AAA", "Vite M6"),
    RigaProd("K200", "AAB", "Vite M8"),
    RigaProd("K300", "AAC", "Dado M6"),
    RigaProd("K301", "AAD", "Dado M8"),
    RigaProd("R10", "AAE", "Rondella"),
});

// Every text a user can see in the window now.
QString TestiVisibili(const QWidget* w) {
    QStringList testi;
    for (const QLabel* l : w->findChildren<QLabel*>())
        if (l->isVisibleTo(w))
            testi << l->text();
    for (const QTableView* v : w->findChildren<QTableView*>())
        if (v->isVisibleTo(w))
            for (int r = 0; r < v->model()->rowCount(); ++r)
                for (int c = 0; c < v->model()->columnCount(); ++c)
                    testi << v->model()->index(r, c).data().toString();
    return testi.join(u'|');
}

// With ZELVANO_FOTO set to a folder, the window as the user sees it at each step, for the
// documentation; otherwise nothing.
void Foto(QWidget* w, const char* nome) {
    const QString cartella = qEnvironmentVariable("ZELVANO_FOTO");
    if (!cartella.isEmpty())
        w->grab().save(cartella + u'/' + QString::fromLatin1(nome) + QStringLiteral(".png"));
}

struct EsitoProgramma {
    int stato = -1;
    QString errori;
};

// The built program, as a script runs it on a machine with no display.
EsitoProgramma RigaDiComando(const QStringList& argomenti) {
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* nome : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ambiente.remove(QString::fromLatin1(nome));
    p.setProcessEnvironment(ambiente);
    p.start(QStringLiteral(ZELVANO_PROGRAMMA), QStringList{QStringLiteral("--batch")} + argomenti);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class ProvaFrmProposte : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FintaPiattaforma> pf;
    std::unique_ptr<FormHome1> w;

    QString Copia(const QString& nome, const std::string& byte) {
        const QString percorso = dir->filePath(nome);
        return Scrivi(percorso, byte) ? percorso : QString();
    }
    // A fresh main window whose first show opens the files the dialogs are scripted with.
    void Apri(const QString& input, const QString& catalogo, const QString& uscita,
              const std::string& messaggio = {}) {
        pf = std::make_unique<FintaPiattaforma>();
        pf->cartella = Locale(dir->path());
        pf->AspettaApriFile("Apri file Database", Locale(input));
        if (messaggio.empty() || QFile::exists(input))
            pf->AspettaApriFile("Apri file Orvessa", Locale(catalogo))
                .AspettaSalvaFile("Salva il file di output Zelvano", Locale(uscita));
        if (!messaggio.empty())
            pf->AspettaMessaggio(messaggio);
        w = std::make_unique<FormHome1>(pf.get());
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCoreApplication::processEvents();
        QVERIFY(pf->CopioneFinito());
    }
    QAction* Azione(const char* nome) const { return w->findChild<QAction*>(nome); }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }
    void cleanup() {
        QStringList problemi;
        if (pf) {
            pf->VerificaFine();
            for (const std::string& p : pf->problemi)
                problemi << DaCp1252(p);
        }
        w.reset();
        pf.reset();
        dir.reset();
        QVERIFY2(problemi.isEmpty(), qPrintable(problemi.join(u'\n')));
    }

    void gruppiCampioneEResocontoATasti() {
        const QString uscita = dir->filePath("uscita.txt");
        Apri(Copia("a.ber", Input), Copia("c.orv", Catalogo), uscita);
        zelvano::StatoHome& h = w->Stato();
        QCOMPARE(h.NumAssociati, 1);
        std::vector<GruppoProposte> gruppi(2);
        gruppi[0].proposte = {{1, 1, 97.3, Ragione::SoloMaiuscole, ""},
                              {2, 2, 99.1, Ragione::SoloSegni, ""}};
        gruppi[0].fiduciaMinima = 97.3;
        gruppi[1].proposte = {{4, 4, 96.4, Ragione::Diverso, ""},
                              {5, 5, 98.2, Ragione::Suffisso, "B"}};
        gruppi[1].fiduciaMinima = 96.4;
        FrmProposte f(
            h, gruppi, [this](const std::function<void()>& c) { w->Esegui(c); }, w.get());
        f.ImpostaSeme(1);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* proposte = f.findChild<QTableView*>("proposte");
        QCOMPARE(proposte->model()->rowCount(), 2);
        QCOMPARE(proposte->model()->index(0, 2).data(DelegatoDifferenze::RuoloDiversi).toString(),
                 QStringLiteral("0000")); // "k100" typed for "K100": case is no difference
        QCOMPARE(proposte->model()->index(1, 4).data().toString(), QStringLiteral("99,1%"));
        Foto(&f, "zelvano-proposte");

        // The blind sample: both proposals, one at a time, no confidence anywhere in sight.
        QTest::keyClick(&f, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(f.InCampione());
        for (const char risposta : {'S', 'N'}) {
            const QString visibili = TestiVisibili(&f);
            QVERIFY2(!visibili.contains(QStringLiteral("97,3")) &&
                         !visibili.contains(QStringLiteral("99,1")) && !visibili.contains(u'%'),
                     qPrintable(visibili));
            QVERIFY(visibili.contains(QStringLiteral("Vite M")));
            if (risposta == 'S')
                Foto(&f, "zelvano-proposte-campione");
            QTest::keyClick(QApplication::focusWidget(), risposta);
        }
        QVERIFY(!f.InCampione());
        const QString esito = f.findChild<QLabel*>("esitoCampione")->text();
        QVERIFY2(esito.contains(QStringLiteral("1 errata su 2")) &&
                     esito.contains(QStringLiteral("Attenzione")),
                 qPrintable(esito));
        Foto(&f, "zelvano-proposte-esito");

        // The group, as one decision; the main window follows.
        QTest::keyClick(&f, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(h.NumAssociati, 3);
        QCOMPARE(w->lblFileint(6)->text(), QStringLiteral("3"));
        QCOMPARE(w->MessaggioStato()->text(), QStringLiteral("Accettati 2 abbinamenti proposti"));
        QCOMPARE(f.Gruppi().size(), 1u);
        // The other group: open it, drop X9's proposal, accept R10B's.
        QTest::keyClick(f.findChild<QTableView*>("gruppi"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), proposte);
        QTest::keyClick(proposte, Qt::Key_Minus);
        QCOMPARE(f.Gruppi().front().proposte.size(), 1u);
        QCOMPARE(h.NumAssociati, 3);
        QTest::keyClick(proposte, Qt::Key_Plus);
        QVERIFY(f.Gruppi().empty());
        QCOMPARE(h.ArtInt[5].PCdProd, 5);
        QCOMPARE(h.ArtInt[4].PCdProd, 0);

        QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString resoconto = QGuiApplication::clipboard()->text();
        for (const char* riga : {"Associati automaticamente: 1\n", "Associati da proposte: 3\n",
                                 "Proposte esaminate nei campioni: 2\n", "Da associare: 1\n"})
            QVERIFY2(resoconto.contains(QString::fromLatin1(riga)), qPrintable(resoconto));

        Azione("AnnullaDecisione")->trigger();
        QCOMPARE(w->MessaggioStato()->text(), QStringLiteral("Annullato: 1 abbinamento proposto"));
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QCOMPARE(Leggi(uscita), std::string()); // nothing saved before F1
    }

    // What the window refuses, the command-line run refuses with the same words; what the
    // window saves for the same decisions, the command-line run saves byte for byte.
    void rigaDiComandoComeLaFinestra() {
        const QString input = Copia("a.ber", Input), catalogo = Copia("c.orv", Catalogo);
        const QString inputTxt = Copia("a.txt", Input), mancante = dir->filePath("manca.ber");
        const QString nuova = dir->filePath("nuova.txt");
        struct Caso {
            QString input, uscita;
            std::string messaggio;
        };
        for (const Caso& c :
             {Caso{mancante, nuova, "File " + Locale(mancante) + " inesistente"},
              Caso{inputTxt, inputTxt,
                   "Il file di output non pu\xF2 essere il file Database o il file Orvessa"}}) {
            Apri(c.input, catalogo, c.uscita, c.messaggio);
            const EsitoProgramma esito =
                RigaDiComando({"--input", c.input, "--catalogue", catalogo, "--output", c.uscita});
            QCOMPARE(esito.stato, 1);
            QCOMPARE(esito.errori, DaCp1252(c.messaggio) + u'\n');
            QVERIFY(!QFile::exists(nuova));
            QCOMPARE(Leggi(inputTxt), Input);
        }

        // Every proposal accepted in the window, then F1; the same files by command line.
        const QString uscitaFinestra = dir->filePath("finestra.txt");
        Apri(input, catalogo, uscitaFinestra);
        zelvano::IndiceSuggerimenti indice;
        indice.Aggiorna(w->Stato());
        FrmProposte f(
            w->Stato(), zelvano::CalcolaProposte(indice, w->Stato()),
            [this](const std::function<void()>& c) { w->Esegui(c); }, w.get());
        f.show();
        // The main window, opened again above, may still hold the activation the
        // window's shortcuts need.
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(!f.Gruppi().empty());
        for (int n = 0; n < 100 && !f.Gruppi().empty(); ++n)
            QTest::keyClick(&f, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(f.Gruppi().empty());
        f.close();
        Azione("Salva")->trigger();
        const QString inputRiga = Copia("a2.ber", Input), catalogoRiga = Copia("c2.orv", Catalogo);
        const QString uscitaRiga = dir->filePath("riga.txt");
        const EsitoProgramma esito =
            RigaDiComando({"--input", inputRiga, "--catalogue", catalogoRiga, "--output",
                           uscitaRiga, "--accept-proposals", "0"});
        QCOMPARE(esito.stato, 0);
        QCOMPARE(Leggi(uscitaRiga), Leggi(uscitaFinestra));
        QCOMPARE(Leggi(catalogoRiga), Leggi(catalogo));
        QVERIFY(Leggi(uscitaRiga).find("K300") != std::string::npos);
    }
};

ZELVANO_QTEST_MAIN(ProvaFrmProposte)
#include "tst_FrmProposte.moc"
