// The main window over the real core, with every dialog answered by the scripted platform.

#include "AmbienteTest.h"
#include "FintaPiattaformaQt.h"

#include "app/FormHome1.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <memory>
#include <stdexcept>

using fixture::Campo;
using fixture::RigaCatalogo;
using fixture::RigaInput;
using zelvano::Risposta;

namespace {

// Four customer articles: the output file pairs I001 with K100 and I003 with R10; I002
// ("K3") and I004 (no code) are still to associate.
const std::string Input = fixture::Righe({
    RigaInput("I001", "VITE M6", "L1", "K100"),
    RigaInput("I002", "DADO", "L1", "K3"),
    RigaInput("I003", "RONDELLA", "L2", "R10"),
    RigaInput("I004", "ALTRO", "L2", ""),
});
const std::string Catalogo = fixture::Righe({
    RigaCatalogo("K100", "AAA", "Vite testa esagonale M6"),
    RigaCatalogo("K200", "AAB", "Vite testa esagonale M8"),
    RigaCatalogo("K300", "AAC", "Dado M6"),
    RigaCatalogo("K301", "AAD", "Dado M8"),
    RigaCatalogo("R10", "AAE", "Rondella \x80"),
});

const std::string Uscita = fixture::Righe({
    Campo("K100", 25) + Campo("I001", 25) + "A" + "AAA",
    Campo("", 25) + Campo("I002", 25) + " " + "   ",
    Campo("R10", 25) + Campo("I003", 25) + "A" + "AAE",
    Campo("", 25) + Campo("I004", 25) + " " + "   ",
});

// Model columns of the two grids as the core sets them up.
constexpr int g1CdProd = 2, g1Descr = 3, g1CdProd2 = 6;
constexpr int g2CdProd = 2, g2Descr = 3, g2CdInt = 5;

const char* const Comandi[] = {"Salva",       "Esci",           "Associa",
                               "Disassocia",  "NonAssociabile", "PrecedenteAss",
                               "ProssimoAss", "Precedente",     "Successivo"};

QStringList Colonna(const QAbstractItemModel* m, int col) {
    QStringList valori;
    for (int r = 0; r < m->rowCount(); ++r)
        valori << m->data(m->index(r, col)).toString();
    return valori;
}

void ClickCella(QTableView* v, int riga, int col) {
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {},
                      v->visualRect(v->model()->index(riga, col)).center());
}

} // namespace

class ProvaFormHome1 : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FintaPiattaformaQt> pf;
    std::unique_ptr<FormHome1> w;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> tester;
    QString input, catalogo, uscita;

    QTableView* grd1() const { return w->findChild<QTableView*>("grd1"); }
    QTableView* Grd2() const { return w->findChild<QTableView*>("Grd2"); }
    QLineEdit* TxtCod() const { return w->findChild<QLineEdit*>("TxtCod"); }
    QLineEdit* txtDescr() const { return w->findChild<QLineEdit*>("txtDescr"); }
    QAction* Azione(const char* nome) const { return w->findChild<QAction*>(nome); }

    // The first show opens the files; the scripted dialogs answer with the fixtures.
    void Apri() {
        pf->AspettaApriFile("Apri file Database", fixture::Locale(input))
            .AspettaApriFile("Apri file Orvessa", fixture::Locale(catalogo))
            .AspettaSalvaFile("Salva il file di output Zelvano", fixture::Locale(uscita));
        Mostra();
    }
    // The first show with the opening given up at the first dialog.
    void ApriAnnullato() {
        pf->AspettaApriFile("Apri file Database", "").AspettaMessaggio("Richiesta interrotta");
        Mostra();
    }
    void Mostra() {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCoreApplication::processEvents(); // the queued first activation
        QVERIFY(!w->Stato().primaAttivazione);
    }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        input = dir->filePath("articoli.ber");
        catalogo = dir->filePath("catalogo.orv");
        uscita = dir->filePath("uscita.txt");
        QVERIFY(fixture::Scrivi(input, Input));
        QVERIFY(fixture::Scrivi(catalogo, Catalogo));
        QVERIFY(fixture::Scrivi(uscita, Uscita));
        pf = std::make_unique<FintaPiattaformaQt>();
        pf->cartella = fixture::Locale(dir->path());
        w = std::make_unique<FormHome1>(pf.get());
        for (QTableView* v : {grd1(), Grd2()})
            tester.push_back(std::make_unique<QAbstractItemModelTester>(
                v->model(), QAbstractItemModelTester::FailureReportingMode::QtTest));
    }
    void cleanup() {
        const QString problemi = pf->Problemi();
        tester.clear();
        w.reset();
        pf.reset();
        dir.reset();
        QVERIFY2(problemi.isEmpty(), qPrintable(problemi));
    }

    void finestraAllAvvio() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Zelvano 01.00.00"));
        QCOMPARE(w->size(), QSize(800, 570));
        QStringList fissi;
        for (int i : {0, 2, 3, 5, 7, 9})
            fissi << w->lblFileint(i)->text();
        QCOMPARE(fissi, (QStringList{"Input file:", "Articoli",
                                     "Letti:", "Associati:", "Non associabili:", "Da associare:"}));
        QCOMPARE(w->lblFileprod(0)->text(), QStringLiteral("Ref file:"));
        QCOMPARE(w->lblFileprod(3)->text(), QStringLiteral("Articoli:"));
        QCOMPARE(w->lblFileprod(5)->text(), QStringLiteral("Output File:"));
        for (int i : {1, 4, 6, 8, 10})
            QVERIFY(w->lblFileint(i)->text().isEmpty());
        // Labels in one row at their designed places, left to right.
        QCOMPARE(w->lblFileint(9)->x(), 10560 / 15);
        QCOMPARE(w->lblFileprod(4)->x(), 9240 / 15);
        QCOMPARE(w->lblFileint(10)->y(), w->lblFileint(0)->y());
        auto* combo = w->findChild<QComboBox*>("cmBAndOr");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("AND"));
        QCOMPARE(combo->itemText(1), QStringLiteral("OR"));
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(w->Stato().Grd2.Rows(), 1); // filling the combo refilled nothing
        ApriAnnullato();
    }

    void proporzioniDelCorpo() {
        ApriAnnullato();
        auto* corpo = w->findChild<QSplitter*>("elCorpo");
        w->resize(1280, 900);
        QCoreApplication::processEvents();
        const QList<int> dimensioni = corpo->sizes();
        const double quota = double(dimensioni[0]) / (dimensioni[0] + dimensioni[1]);
        QVERIFY2(quota > 0.18 && quota < 0.20, qPrintable(QString::number(quota)));
    }

    void aperturaAssociazioneETotali() {
        Apri();
        QCOMPARE(w->lblFileint(1)->text(), QStringLiteral("articoli.ber"));
        QCOMPARE(w->lblFileint(4)->text(), QStringLiteral("4")); // four lines read
        QCOMPARE(w->lblFileint(6)->text(), QStringLiteral("2"));
        QCOMPARE(w->lblFileint(8)->text(), QStringLiteral("0"));
        QCOMPARE(w->lblFileint(10)->text(), QStringLiteral("2"));
        QCOMPARE(w->lblFileprod(1)->text(), QStringLiteral("catalogo.orv"));
        QCOMPARE(w->lblFileprod(2)->text(), QStringLiteral("5"));
        QCOMPARE(w->lblFileprod(4)->text(), QStringLiteral("uscita.txt"));

        QCOMPARE(w->Stato().grd1.Cols(), 8);
        QCOMPARE(w->Stato().Grd2.Cols(), 6);
        QCOMPARE(grd1()->model()->columnCount(), 8);
        QCOMPARE(Grd2()->model()->columnCount(), 6);
        for (int c = 0; c < 8; ++c)
            QCOMPARE(grd1()->isColumnHidden(c), c == 0 || c == 1 || c == 4);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(Grd2()->isColumnHidden(c), c == 0 || c == 1 || c == 4);
        QCOMPARE(grd1()->model()->headerData(g1CdProd2, Qt::Horizontal).toString(),
                 QStringLiteral("Associato a"));

        // The opening ends on the first article to associate, I002, with its candidates.
        QCOMPARE(grd1()->currentIndex().row(), 1);
        QCOMPARE(TxtCod()->text(), QStringLiteral("K3"));
        QCOMPARE(Colonna(Grd2()->model(), g2CdProd), (QStringList{"K300", "K301"}));

        QTest::keyClick(w.get(), Qt::Key_F7);
        QCOMPARE(w->Stato().RigaGrd1, 4);
        QCOMPARE(grd1()->currentIndex().row(), 3);
        QCOMPARE(TxtCod()->text(), QString());
        QCOMPARE(Grd2()->model()->rowCount(), 5);
        QCOMPARE(Grd2()->model()->data(Grd2()->model()->index(4, g2Descr)).toString(),
                 QStringLiteral("Rondella €"));

        ClickCella(Grd2(), 1, g2CdProd); // K200
        QCOMPARE(w->Stato().PCdProdSel, 2);
        QTest::keyClick(w.get(), Qt::Key_F3);
        QCOMPARE(grd1()->model()->data(grd1()->model()->index(3, g1CdProd2)).toString(),
                 QStringLiteral("K200"));
        QCOMPARE(Grd2()->model()->data(Grd2()->model()->index(1, g2CdInt)).toString(),
                 QStringLiteral("I004"));
        QCOMPARE(w->lblFileint(6)->text(), QStringLiteral("3"));
        QCOMPARE(w->lblFileint(8)->text(), QStringLiteral("0"));
        QCOMPARE(w->lblFileint(10)->text(), QStringLiteral("1"));
        QVERIFY(w->Stato().DatiModificati);
    }

    void ulterioreAssociazioneAggiungeUnaRiga() {
        Apri();
        QTest::keyClick(w.get(), Qt::Key_F9);
        QTest::keyClick(w.get(), Qt::Key_F9);
        QCOMPARE(w->Stato().RigaGrd1, 4);
        ClickCella(Grd2(), 0, g2CdProd); // K100, already paired with I001
        pf->AspettaFrmMsg("DUP");
        QTest::keyClick(w.get(), Qt::Key_F3);
        // The copy of the catalogue line is the new last row, paired with I004.
        QCOMPARE(Grd2()->model()->rowCount(), 6);
        QCOMPARE(Grd2()->model()->data(Grd2()->model()->index(5, g2CdProd)).toString(),
                 QStringLiteral("K100"));
        QCOMPARE(Grd2()->model()->data(Grd2()->model()->index(5, g2CdInt)).toString(),
                 QStringLiteral("I004"));
        QCOMPARE(Grd2()->model()->data(Grd2()->model()->index(0, g2CdInt)).toString(),
                 QStringLiteral("I001"));
        QCOMPARE(fixture::Leggi(catalogo),
                 Catalogo +
                     fixture::Righe({RigaCatalogo("K100", "AAA", "Vite testa esagonale M6")}));
        QCOMPARE(w->lblFileint(6)->text(), QStringLiteral("3"));
    }

    void fileDiEsempio() {
        const QString esempi = qEnvironmentVariable("ZELVANO_TEST_EXAMPLES");
        const QString articoli = esempi + "/articoli.ber",
                      catalogoEsempio = esempi + "/catalogo.orv";
        if (esempi.isEmpty() || !QFile::exists(articoli) || !QFile::exists(catalogoEsempio))
            QSKIP("no example files");
        auto righe = [](const QString& percorso) {
            return QString::number(QByteArray::fromStdString(fixture::Leggi(percorso)).count('\n'));
        };
        pf->messaggiLiberi = true; // whatever the examples lead the core to say
        pf->AspettaApriFile("Apri file Database", fixture::Locale(articoli))
            .AspettaApriFile("Apri file Orvessa", fixture::Locale(catalogoEsempio))
            .AspettaSalvaFile("Salva il file di output Zelvano",
                              fixture::Locale(dir->filePath("esempio.txt")));
        Mostra();
        QCOMPARE(w->lblFileint(4)->text(), righe(articoli));
        QCOMPARE(w->lblFileprod(2)->text(), righe(catalogoEsempio));
        QCOMPARE(grd1()->model()->rowCount(), righe(articoli).toInt());
        const int totale = w->lblFileint(6)->text().toInt() + w->lblFileint(8)->text().toInt() +
                           w->lblFileint(10)->text().toInt();
        QCOMPARE(totale, righe(articoli).toInt());
    }

    void tastiFunzione_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("fuoco");
        QTest::addColumn<int>("modificatori");
        const std::pair<const char*, Qt::KeyboardModifiers> combinazioni[] = {
            {"", Qt::NoModifier},
            {"Shift+", Qt::ShiftModifier},
            {"Ctrl+", Qt::ControlModifier},
            {"Alt+", Qt::AltModifier},
            {"Ctrl+Shift+", Qt::ControlModifier | Qt::ShiftModifier},
        };
        for (int n = 1; n <= 9; ++n)
            for (const char* fuoco : {"grd1", "Grd2", "TxtCod", "txtDescr"})
                for (const auto& [nome, mod] : combinazioni)
                    QTest::addRow("%sF%d in %s", nome, n, fuoco)
                        << n << QString::fromLatin1(fuoco) << int(mod.toInt());
    }
    void tastiFunzione() {
        QFETCH(int, n);
        QFETCH(QString, fuoco);
        QFETCH(int, modificatori);
        ApriAnnullato();
        std::vector<std::unique_ptr<QSignalSpy>> spie;
        for (const char* nome : Comandi)
            spie.push_back(std::make_unique<QSignalSpy>(Azione(nome), &QAction::triggered));
        // With nothing open, each command shows what it lacks.
        if (n >= 3 && n <= 5)
            pf->AspettaMessaggio("Selezionare un articolo del gestionale");
        else if (n == 6)
            pf->AspettaMessaggio("Nessun articolo precedente da associare");
        else if (n == 7)
            pf->AspettaMessaggio("Nessun articolo successivo da associare");

        QWidget* destinazione = w->findChild<QWidget*>(fuoco);
        destinazione->setFocus();
        QCOMPARE(QApplication::focusWidget(), destinazione);
        QTest::keyClick(destinazione, static_cast<Qt::Key>(Qt::Key_F1 + n - 1),
                        Qt::KeyboardModifiers::fromInt(modificatori));
        for (int k = 0; k < 9; ++k)
            QCOMPARE(spie[static_cast<std::size_t>(k)]->count(), k == n - 1 ? 1 : 0);
        QCOMPARE(w->isVisible(), n != 2); // F2 closes: nothing was changed
    }

    void nessunTastoCondiviso() {
        ApriAnnullato();
        QSet<QKeySequence> visti;
        int totale = 0;
        for (QAction* a : w->findChildren<QAction*>()) {
            for (const QKeySequence& k : a->shortcuts()) {
                visti.insert(k);
                ++totale;
            }
        }
        QCOMPARE(totale, 9 * 8);
        QCOMPARE(visti.size(), totale);
        for (const char* voce : {"mnuNuovo", "mnuSostituisci", "mnuEsci", "mnuInfo"})
            QVERIFY2(Azione(voce)->shortcuts().isEmpty(), voce);
    }

    void barraStrumenti() {
        ApriAnnullato();
        auto* tlb1 = w->findChild<QToolBar*>("tlb1");
        QCOMPARE(tlb1->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        const QList<QAction*> voci = tlb1->actions();
        QStringList chiavi, testi, suggerimenti;
        for (QAction* a : voci) {
            chiavi << a->objectName();
            auto* pulsante = qobject_cast<QToolButton*>(tlb1->widgetForAction(a));
            testi << (pulsante ? pulsante->text() : QString());
            suggerimenti << a->toolTip();
            if (pulsante)
                QVERIFY(!pulsante->icon().isNull());
        }
        QCOMPARE(chiavi, (QStringList{"Salva", "Esci", "p1", "Associa", "Disassocia",
                                      "NonAssociabile", "p2", "PrecedenteAss", "ProssimoAss", "p3",
                                      "Precedente", "Successivo"}));
        QCOMPARE(testi, (QStringList{"Salva", "Esci", "", "Associa", "Disassocia",
                                     "Non Associabile", "", "Prec. Associabile",
                                     "Succ. Associabile", "", "Precedente", "Successivo"}));
        const QStringList attesi{"Salva elaborazione (F1)",
                                 "Esci (F2)",
                                 "",
                                 "Associa all' articolo Orvessa selezionato (F3)",
                                 "Disassocia dall'articolo Orvessa (F4)",
                                 "Non associabile a nessun articolo Orvessa (F5)",
                                 "",
                                 "Mostra il precedente articolo associabile (F6)",
                                 "Mostra il prossimo articolo associabile (F7)",
                                 "",
                                 "Mostra l'articolo precedente (F8)",
                                 "Mostra l'articolo successivo (F9)"};
        for (int i = 0; i < voci.size(); ++i)
            if (!attesi[i].isEmpty())
                QCOMPARE(suggerimenti[i], attesi[i]);
        for (const char* spazio : {"p1", "p2", "p3"})
            QCOMPARE(tlb1->widgetForAction(Azione(spazio))->width(), 850 / 15);
    }

    void clickSugliSpaziNonFaNulla() {
        Apri();
        auto* tlb1 = w->findChild<QToolBar*>("tlb1");
        std::vector<std::unique_ptr<QSignalSpy>> spie;
        for (const char* nome : Comandi)
            spie.push_back(std::make_unique<QSignalSpy>(Azione(nome), &QAction::triggered));
        const int riga = w->Stato().RigaGrd1;
        const QString daAssociare = w->lblFileint(10)->text();
        for (const char* spazio : {"p1", "p2", "p3"}) {
            QWidget* vuoto = tlb1->widgetForAction(Azione(spazio));
            QTest::mouseClick(vuoto, Qt::LeftButton, {}, vuoto->rect().center());
            QTest::mouseDClick(vuoto, Qt::LeftButton, {}, vuoto->rect().center());
        }
        for (const auto& spia : spie)
            QCOMPARE(spia->count(), 0);
        QCOMPARE(w->Stato().RigaGrd1, riga);
        QCOMPARE(w->lblFileint(10)->text(), daAssociare);
        QVERIFY(!w->Stato().DatiModificati);
    }

    void pulsantiDellaBarra() {
        Apri();
        auto* tlb1 = w->findChild<QToolBar*>("tlb1");
        auto premi = [&](const char* chiave) {
            QTest::mouseClick(tlb1->widgetForAction(Azione(chiave)), Qt::LeftButton);
        };
        premi("Successivo");
        QCOMPARE(w->Stato().RigaGrd1, 3);
        premi("Precedente");
        QCOMPARE(w->Stato().RigaGrd1, 2);
        premi("NonAssociabile");
        QCOMPARE(w->lblFileint(8)->text(), QStringLiteral("1"));
        QCOMPARE(fixture::Leggi(uscita), Uscita);
        premi("Salva");
        QVERIFY(!w->Stato().DatiModificati);
        std::string atteso = Uscita;
        atteso[56 + 50] = 'X';
        QCOMPARE(fixture::Leggi(uscita), atteso);
    }

    void chiusuraConModifiche_data() {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("chiusa");
        QTest::addColumn<bool>("salvata");
        QTest::newRow("Yes saves") << int(Risposta::Si) << true << true;
        QTest::newRow("No drops the work") << int(Risposta::No) << true << false;
        QTest::newRow("Cancel keeps the window") << int(Risposta::Annulla) << false << false;
    }
    void chiusuraConModifiche() {
        QFETCH(int, risposta);
        QFETCH(bool, chiusa);
        QFETCH(bool, salvata);
        Apri();
        QTest::keyClick(w.get(), Qt::Key_F5); // I002 not associable
        QVERIFY(w->Stato().DatiModificati);
        pf->AspettaDomanda("Dati modificati, salvare?", static_cast<Risposta>(risposta));
        QCOMPARE(w->close(), chiusa);
        QCOMPARE(w->isVisible(), !chiusa);
        const std::string salvato = fixture::Righe({
            Campo("K100", 25) + Campo("I001", 25) + "A" + "AAA",
            Campo("", 25) + Campo("I002", 25) + "X" + "   ",
            Campo("R10", 25) + Campo("I003", 25) + "A" + "AAE",
            Campo("", 25) + Campo("I004", 25) + " " + "   ",
        });
        QCOMPARE(fixture::Leggi(uscita), salvata ? salvato : Uscita);
        if (!chiusa)
            QVERIFY(w->Stato().DatiModificati);
    }

    void chiusuraSenzaModificheNonChiede() {
        Apri();
        QTest::keyClick(w.get(), Qt::Key_F9);
        QVERIFY(w->close());
    }

    void esciPassaPerLaDomanda() {
        Apri();
        QTest::keyClick(w.get(), Qt::Key_F5);
        pf->AspettaDomanda("Dati modificati, salvare?", Risposta::Annulla);
        QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(w->isVisible());
        pf->AspettaDomanda("Dati modificati, salvare?", Risposta::Annulla);
        Azione("mnuEsci")->trigger();
        QVERIFY(w->isVisible());
    }

    void sceltaDaTastieraEMouse() {
        Apri();
        QSignalSpy ricarichi(Grd2()->model(), &QAbstractItemModel::modelReset);
        grd1()->setFocus();
        QTest::keyClick(grd1(), Qt::Key_Down);
        QCOMPARE(w->Stato().RigaGrd1, 3);
        // I003 is paired: its catalogue code fills the box and its article is chosen.
        QCOMPARE(TxtCod()->text(), QStringLiteral("R10"));
        QCOMPARE(Colonna(Grd2()->model(), g2CdProd), QStringList{"R10"});
        QCOMPARE(Grd2()->currentIndex().row(), 0);
        QCOMPARE(ricarichi.count(), 1);

        // A move made by the core is not taken for a click.
        QTest::keyClick(w.get(), Qt::Key_F9);
        QCOMPARE(w->Stato().RigaGrd1, 4);
        QCOMPARE(grd1()->currentIndex().row(), 3);
        QCOMPARE(ricarichi.count(), 2);

        QTest::keyClicks(txtDescr(), QStringLiteral("dado"));
        QCOMPARE(Grd2()->model()->rowCount(), 2);
        const int primaDelClick = ricarichi.count();
        ClickCella(grd1(), 3, g1Descr); // the row already current
        QCOMPARE(txtDescr()->text(), QString());
        QCOMPARE(Grd2()->model()->rowCount(), 5);
        QCOMPARE(ricarichi.count(), primaDelClick + 1);

        ClickCella(grd1(), 0, g1CdProd);
        QCOMPARE(w->Stato().RigaGrd1, 1);
        QCOMPARE(TxtCod()->text(), QStringLiteral("K100"));
    }

    void filtriDigitati() {
        Apri();
        TxtCod()->setFocus();
        TxtCod()->selectAll();
        QTest::keyClicks(TxtCod(), QStringLiteral("k2"));
        QCOMPARE(w->Stato().TxtCod, std::string("k2"));
        QCOMPARE(Colonna(Grd2()->model(), g2CdProd), QStringList{"K200"});
        TxtCod()->selectAll();
        QTest::keyClick(TxtCod(), Qt::Key_Backspace);
        QCOMPARE(Grd2()->model()->rowCount(), 5);

        QTest::keyClicks(txtDescr(), QStringLiteral("m8 dado"));
        QCOMPARE(Colonna(Grd2()->model(), g2CdProd), QStringList{"K301"});
        auto* combo = w->findChild<QComboBox*>("cmBAndOr");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(w->Stato().cmBAndOrIndice, 1);
        QCOMPARE(Colonna(Grd2()->model(), g2CdProd), (QStringList{"K200", "K300", "K301"}));

        // A character the files cannot hold never reaches the box.
        fixture::Digita(txtDescr(), QStringLiteral("Ω"));
        QCOMPARE(txtDescr()->text(), QStringLiteral("m8 dado"));
        fixture::Digita(txtDescr(), QStringLiteral("€"));
        QCOMPARE(w->Stato().txtDescr, std::string("m8 dado\x80"));
    }

    void ordinamentoDallIntestazione() {
        Apri();
        QHeaderView* h = grd1()->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(g1Descr) + 10, h->height() / 2));
        QCOMPARE(Colonna(grd1()->model(), g1Descr),
                 (QStringList{"ALTRO", "DADO", "RONDELLA", "VITE M6"}));
        QCOMPARE(fixture::Leggi(dir->filePath("sort1.txt")), std::string("DESCR,1\r\n"));
        // No input article is chosen any more, and the catalogue grid is empty.
        QCOMPARE(w->Stato().RigaGrd1, 0);
        QVERIFY(!grd1()->currentIndex().isValid());
        QCOMPARE(Grd2()->model()->rowCount(), 0);
    }

    void suggerimentoSullAssociazione() {
        Apri();
        const QAbstractItemModel* m = grd1()->model();
        QCOMPARE(m->data(m->index(0, g1CdProd2), Qt::ToolTipRole).toString(),
                 QStringLiteral("Vite testa esagonale M6"));
        QVERIFY(!m->data(m->index(1, g1CdProd2), Qt::ToolTipRole).isValid());
        QVERIFY(!m->data(m->index(0, g1Descr), Qt::ToolTipRole).isValid());
    }

    void sostituzioneMostraICodiciInGiallo() {
        Apri();
        pf->AspettaRicerca({true, "k3", "K30", 0});
        QVariant testoDurante, coloreDurante;
        pf->AspettaDomanda("Aggiornati 1 codici. Confermi?", Risposta::No, [&] {
            const QAbstractItemModel* m = grd1()->model();
            testoDurante = m->data(m->index(1, g1CdProd));
            coloreDurante = m->data(m->index(1, g1CdProd), Qt::BackgroundRole);
        });
        Azione("mnuSostituisci")->trigger();
        QCOMPARE(testoDurante.toString(), QStringLiteral("K30"));
        QCOMPARE(coloreDurante.value<QColor>(), QColor(Qt::yellow));
        const QAbstractItemModel* m = grd1()->model();
        QCOMPARE(m->data(m->index(1, g1CdProd)).toString(), QStringLiteral("K3"));
        QVERIFY(!m->data(m->index(1, g1CdProd), Qt::BackgroundRole).isValid());
        QCOMPARE(fixture::Leggi(input), Input);
    }

    void erroreDiUnComandoDiventaUnMessaggio() {
        ApriAnnullato();
        pf->AspettaMessaggio("Disco pieno \x80");
        w->Esegui([this] {
            w->Stato().lblFileint[4] = "99";
            throw std::runtime_error("Disco pieno \x80");
        });
        QCOMPARE(w->lblFileint(4)->text(), QStringLiteral("99"));
        pf->AspettaMessaggio("Errore imprevisto");
        w->Esegui([] { throw 42; });
        // and the window goes on taking commands
        pf->AspettaMessaggio("Selezionare un articolo del gestionale");
        QTest::keyClick(w.get(), Qt::Key_F3);
    }

    void unComandoAllaVolta() {
        ApriAnnullato();
        bool interno = false;
        w->Esegui([&] { w->Esegui([&] { interno = true; }); });
        QVERIFY(!interno);
    }

    void riaperturaDalMenu() {
        Apri();
        QTest::keyClick(w.get(), Qt::Key_F5);
        pf->AspettaDomanda("Dati modificati,Salvare?", Risposta::Annulla);
        Azione("mnuNuovo")->trigger();
        QVERIFY(w->Stato().DatiModificati);
        pf->AspettaDomanda("Dati modificati,Salvare?", Risposta::No)
            .AspettaApriFile("Apri file Database", "")
            .AspettaMessaggio("Richiesta interrotta");
        Azione("mnuNuovo")->trigger();
        QVERIFY(!w->Stato().DatiModificati);
    }
};

ZELVANO_QTEST_MAIN(ProvaFormHome1)
#include "tst_FormHome1.moc"
