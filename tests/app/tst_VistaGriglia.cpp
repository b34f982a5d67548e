// One core grid in its table view and model: the core's changes reach Qt, the user's
// gestures reach the core.

#include "AmbienteTest.h"

#include "app/VistaGriglia.h"
#include "data/ColonneGriglie.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>

#include <memory>

namespace {

// grd1's columns: PCDINT, PCDPROD, CDPROD, DESCR, STATO, CDINT, CDPROD2, LINEA.
constexpr int cCdProd = 2, cDescr = 3, cCdInt = 5;

} // namespace

class ProvaVistaGriglia : public QObject {
    Q_OBJECT

    std::unique_ptr<zelvano::Griglia> g;
    std::unique_ptr<VistaGriglia> v;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::vector<int> click; // the row of each click call
    bool prende = true;     // the core takes the row chosen

    QStringList Colonna(int col) const {
        QStringList valori;
        for (int r = 0; r < v->model()->rowCount(); ++r)
            valori << v->model()->index(r, col).data().toString();
        return valori;
    }
    QPoint Centro(int riga, int col) const {
        return v->visualRect(v->model()->index(riga, col)).center();
    }

  private slots:
    void init() {
        g = std::make_unique<zelvano::Griglia>();
        zelvano::ImpostaGrd1(*g);
        v = std::make_unique<VistaGriglia>(*g);
        tester = std::make_unique<QAbstractItemModelTester>(
            v->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        click.clear();
        prende = true;
        v->ImpostaClick([this](int riga) {
            click.push_back(riga);
            if (prende)
                g->SetRow(riga);
        });
        // A refill as the core makes it: redraw suspended, rows rewritten, redraw resumed.
        const char* const descrizioni[] = {"delta", "alfa", "charlie", "bravo", "echo", "foxtrot"};
        g->SetRedraw(false);
        g->SetRows(7);
        for (int r = 1; r <= 6; ++r) {
            g->SetTextMatrix(r, cDescr, descrizioni[r - 1]);
            g->SetTextMatrix(r, cCdInt, "I" + std::to_string(r));
        }
        g->SetRedraw(true);
        v->resize(900, 300);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
    }
    void cleanup() {
        tester.reset();
        v.reset();
        g.reset();
    }

    void modelloSegueIlCore() {
        QCOMPARE(Colonna(cDescr),
                 (QStringList{"delta", "alfa", "charlie", "bravo", "echo", "foxtrot"}));
        g->SetRow(2); // "alfa"
        g->SetCol(cDescr);
        g->Sort(zelvano::Griglia::OrdineDecrescente);
        QCOMPARE(Colonna(cDescr),
                 (QStringList{"foxtrot", "echo", "delta", "charlie", "bravo", "alfa"}));
        QCOMPARE(v->currentIndex().row(), 5); // still on "alfa"

        QSignalSpy inserite(v->model(), &QAbstractItemModel::rowsInserted);
        g->SetRows(8);
        g->SetTextMatrix(7, cDescr, "golf \x80");
        g->SetCellBackColor(7, cDescr, 0x0000FF); // red, as 0xBBGGRR
        QCOMPARE(inserite.count(), 1);
        QCOMPARE(Colonna(cDescr).last(), QStringLiteral("golf €"));
        QCOMPARE(v->model()->index(6, cDescr).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(Qt::red));

        // Rows the core drops while its redraw is suspended read as empty until it resumes.
        g->SetRedraw(false);
        g->SetRows(3);
        QVERIFY(!v->model()->index(6, cDescr).data().isValid());
        g->SetRow(2);
        g->SetRedraw(true);
        QCOMPARE(Colonna(cDescr), (QStringList{"foxtrot", "echo"}));
        QCOMPARE(v->currentIndex().row(), 1);
        QVERIFY(click.empty()); // none of it was the user's doing
    }

    void sceltaDellUtente() {
        g->SetRow(2);
        v->setFocus();
        QTest::keyClick(v.get(), Qt::Key_Down);
        QTest::keyClick(v.get(), Qt::Key_Right); // the same row: no new choice
        QTest::keyClick(v.get(), Qt::Key_End);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, Centro(3, cDescr));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, Centro(3, cCdInt)); // again
        QCOMPARE(click, (std::vector<int>{3, 6, 4, 4}));
        // A choice the core does not take leaves the view on the core's row.
        prende = false;
        QTest::keyClick(v.get(), Qt::Key_Up);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, Centro(0, cDescr));
        QCOMPARE(click, (std::vector<int>{3, 6, 4, 4, 3, 1}));
        QCOMPARE(v->currentIndex().row(), 3);
    }

    // End from a grid with no row framed goes to the last row, as from any other row.
    void fineSenzaRigaCorrente() {
        g->SetRow(0);
        QVERIFY(!v->currentIndex().isValid());
        v->setFocus();
        QTest::keyClick(v.get(), Qt::Key_End);
        QCOMPARE(click, std::vector<int>{6});
    }

    void intestazioneVersoIlCore() {
        QHeaderView* h = v->horizontalHeader();
        const QPoint descr(h->sectionViewportPosition(cDescr) + 10, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, descr);
        QCOMPARE(Colonna(cDescr),
                 (QStringList{"alfa", "bravo", "charlie", "delta", "echo", "foxtrot"}));
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, descr);
        QCOMPARE(Colonna(cDescr),
                 (QStringList{"foxtrot", "echo", "delta", "charlie", "bravo", "alfa"}));

        h->moveSection(cCdInt, cCdProd); // what a drag of "Codice Interno" ends with
        QStringList chiavi;
        for (int c = 0; c < g->Cols(); ++c)
            chiavi << QString::fromStdString(g->ColKey(c));
        QCOMPARE(chiavi, (QStringList{"PCDINT", "PCDPROD", "CDINT", "CDPROD", "DESCR", "STATO",
                                      "CDPROD2", "LINEA"}));
        QCOMPARE(v->model()->headerData(cCdProd, Qt::Horizontal).toString(),
                 QStringLiteral("Codice Interno"));
        for (int c = 0; c < h->count(); ++c)
            QCOMPARE(h->visualIndex(c), c); // the header shows the core's order again
        QVERIFY(v->isColumnHidden(5) && !v->isColumnHidden(4)); // STATO moved right
        QVERIFY(click.empty());
    }
};

ZELVANO_QTEST_MAIN(ProvaVistaGriglia)
#include "tst_VistaGriglia.moc"
