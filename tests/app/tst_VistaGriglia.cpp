// The grid view: columns from the core, the user's gestures back to it, the current row in
// both directions.

#include "AmbienteTest.h"

#include "app/VistaGriglia.h"
#include "data/ColonneGriglie.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>

#include <memory>

namespace {

// grd1's columns: PCDINT, PCDPROD, CDPROD, DESCR, STATO, CDINT, CDPROD2, LINEA.
constexpr int cPCdInt = 0, cCdProd = 2, cDescr = 3, cStato = 4, cCdInt = 5, cLinea = 7;

void Riempi(zelvano::Griglia& g, const std::vector<std::string>& descrizioni) {
    g.SetRedraw(false);
    g.SetRows(static_cast<int>(descrizioni.size()) + 1);
    for (int r = 1; r < g.Rows(); ++r) {
        g.SetTextMatrix(r, cPCdInt, std::to_string(r));
        g.SetTextMatrix(r, cCdProd, "K" + std::to_string(r));
        g.SetTextMatrix(r, cDescr, descrizioni[static_cast<std::size_t>(r - 1)]);
        g.SetTextMatrix(r, cCdInt, "I" + std::to_string(r));
    }
    g.SetRedraw(true);
}

QPoint CentroCella(const QTableView& v, int riga, int col) {
    return v.visualRect(v.model()->index(riga, col)).center();
}

QPoint CentroIntestazione(const QHeaderView& h, int col) {
    return QPoint(h.sectionViewportPosition(col) + h.sectionSize(col) / 2, h.height() / 2);
}

} // namespace

class ProvaVistaGriglia : public QObject {
    Q_OBJECT

    std::unique_ptr<zelvano::Griglia> g;
    std::unique_ptr<VistaGriglia> v;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::vector<int> click; // the core's current row at each click call
    std::vector<std::pair<int, int>> ordinamenti;
    int spostamenti = 0, ridimensionamenti = 0;

  private slots:
    void init() {
        g = std::make_unique<zelvano::Griglia>();
        zelvano::ImpostaGrd1(*g);
        click.clear();
        ordinamenti.clear();
        spostamenti = ridimensionamenti = 0;
        g->AfterSort = [this](int col, int ordine) { ordinamenti.emplace_back(col, ordine); };
        g->AfterMoveColumn = [this] { ++spostamenti; };
        g->AfterUserResize = [this] { ++ridimensionamenti; };
        Riempi(*g, {"delta", "alfa", "charlie", "bravo", "echo", "foxtrot"});
        v = std::make_unique<VistaGriglia>(*g);
        tester = std::make_unique<QAbstractItemModelTester>(
            v->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        v->ImpostaClick([this] { click.push_back(g->Row()); });
        v->resize(900, 300);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
    }
    void cleanup() {
        tester.reset();
        v.reset();
        g.reset();
    }

    void colonneNascosteELarghezze() {
        QCOMPARE(v->model()->columnCount(), 8);
        for (int c : {0, 1, cStato})
            QVERIFY2(v->isColumnHidden(c), qPrintable(QString::number(c)));
        for (int c : {cCdProd, cDescr, cCdInt, 6, cLinea})
            QVERIFY2(!v->isColumnHidden(c), qPrintable(QString::number(c)));
        QCOMPARE(v->columnWidth(cCdProd), 2295 / 15);
        QCOMPARE(v->columnWidth(cDescr), 6195 / 15);
        QCOMPARE(v->columnWidth(cLinea), 100);

        g->SetColWidth(cDescr, 3000);
        g->SetColHidden(cLinea, true);
        QCOMPARE(v->columnWidth(cDescr), 200);
        QVERIFY(v->isColumnHidden(cLinea));
        // Widths set by the core are not the user's resizing.
        QCOMPARE(ridimensionamenti, 0);
    }

    void clickSullIntestazioneOrdinaNelCore() {
        QHeaderView* h = v->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, CentroIntestazione(*h, cDescr));
        QCOMPARE(ordinamenti.size(), std::size_t{1});
        QCOMPARE(ordinamenti[0], std::make_pair(cDescr, zelvano::Griglia::OrdineCrescente));
        QCOMPARE(v->model()->data(v->model()->index(0, cDescr)).toString(), QStringLiteral("alfa"));
        QCOMPARE(v->model()->data(v->model()->index(5, cDescr)).toString(),
                 QStringLiteral("foxtrot"));

        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, CentroIntestazione(*h, cDescr));
        QCOMPARE(ordinamenti.size(), std::size_t{2});
        QCOMPARE(ordinamenti[1], std::make_pair(cDescr, zelvano::Griglia::OrdineDecrescente));
        QCOMPARE(v->model()->data(v->model()->index(0, cDescr)).toString(),
                 QStringLiteral("foxtrot"));
        QVERIFY(click.empty());
    }

    void colonnaSpostataDallUtente() {
        QHeaderView* h = v->horizontalHeader();
        h->moveSection(cCdInt, cCdProd); // what a drag of "Codice Interno" ends with
        QCOMPARE(spostamenti, 1);
        QCOMPARE(QString::fromStdString(g->ColKey(cCdProd)), QStringLiteral("CDINT"));
        QCOMPARE(QString::fromStdString(g->ColKey(cCdProd + 1)), QStringLiteral("CDPROD"));
        for (int c = 0; c < h->count(); ++c)
            QCOMPARE(h->visualIndex(c), c);
        QCOMPARE(v->model()->headerData(cCdProd, Qt::Horizontal).toString(),
                 QStringLiteral("Codice Interno"));
        QCOMPARE(v->model()->data(v->model()->index(0, cCdProd)).toString(), QStringLiteral("I1"));
        QCOMPARE(v->columnWidth(cCdProd), 2295 / 15);
        // The hidden STATO column moved one place right with the others.
        QVERIFY(v->isColumnHidden(cStato + 1));
        QVERIFY(!v->isColumnHidden(cStato));
    }

    void colonnaRidimensionataDallUtente() {
        v->horizontalHeader()->resizeSection(cDescr, 250);
        QCOMPARE(ridimensionamenti, 1);
        QCOMPARE(g->ColWidth(cDescr), 250 * 15);
    }

    void ridimensionamentoATrascinamentoArrivaAlRilascio() {
        QHeaderView* h = v->horizontalHeader();
        const int bordo = h->sectionViewportPosition(cCdProd) + h->sectionSize(cCdProd) - 1;
        const int y = h->height() / 2;
        QTest::mousePress(h->viewport(), Qt::LeftButton, {}, QPoint(bordo, y));
        QTest::mouseMove(h->viewport(), QPoint(bordo + 20, y));
        QTest::mouseMove(h->viewport(), QPoint(bordo + 40, y));
        QCOMPARE(ridimensionamenti, 0);
        QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, QPoint(bordo + 40, y));
        QCOMPARE(ridimensionamenti, 1);
        QCOMPARE(g->ColWidth(cCdProd), v->columnWidth(cCdProd) * 15);
        QVERIFY(v->columnWidth(cCdProd) > 2295 / 15);
    }

    void tastieraSceglieLaRiga() {
        g->SetRow(2);
        v->setFocus();
        QCOMPARE(v->currentIndex().row(), 1);
        QTest::keyClick(v.get(), Qt::Key_Down);
        QCOMPARE(click, std::vector<int>{3});
        QTest::keyClick(v.get(), Qt::Key_Up);
        QTest::keyClick(v.get(), Qt::Key_End);
        QTest::keyClick(v.get(), Qt::Key_Home);
        QTest::keyClick(v.get(), Qt::Key_PageDown);
        QCOMPARE(click, (std::vector<int>{3, 2, 6, 1, 6}));
        // Left and right stay on the row.
        QTest::keyClick(v.get(), Qt::Key_Left);
        QTest::keyClick(v.get(), Qt::Key_Right);
        QCOMPARE(click.size(), std::size_t{5});
        QCOMPARE(g->Row(), 6);
    }

    void mouseSceglieLaRigaAncheSeGiaCorrente() {
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, CentroCella(*v, 3, cDescr));
        QCOMPARE(click, std::vector<int>{4});
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, CentroCella(*v, 3, cDescr));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, CentroCella(*v, 3, cCdProd));
        QCOMPARE(click, (std::vector<int>{4, 4, 4}));
        QCOMPARE(v->currentIndex().row(), 3);
    }

    void rigaCorrenteDelCoreSenzaClick() {
        g->SetRow(5);
        QCOMPARE(v->currentIndex().row(), 4);
        QVERIFY(v->selectionModel()->isRowSelected(4, {}));
        g->SetRow(0);
        QVERIFY(!v->currentIndex().isValid());
        // A refill that ends with a current row, as the catalogue filter does.
        g->SetRedraw(false);
        g->SetRows(1);
        g->SetRows(4);
        g->SetRow(3);
        g->ShowCell(3, 0);
        g->SetRedraw(true);
        QCOMPARE(v->model()->rowCount(), 3);
        QCOMPARE(v->currentIndex().row(), 2);
        QVERIFY(click.empty());
    }

    void ordinamentoDelCoreTieneLaRigaCorrente() {
        g->SetRow(2); // "alfa"
        g->SetCol(cDescr);
        g->Sort(zelvano::Griglia::OrdineDecrescente);
        QCOMPARE(g->Row(), 6);
        QCOMPARE(v->currentIndex().row(), 5);
        QCOMPARE(v->model()->data(v->model()->index(v->currentIndex().row(), cDescr)).toString(),
                 QStringLiteral("alfa"));
        QVERIFY(click.empty());
    }

    void moltiRigheSenzaMisurarleUnaAUna() {
        tester.reset();
        constexpr int n = 500000;
        g->SetRedraw(false);
        g->SetRows(n + 1);
        for (int r = 1; r <= n; ++r)
            g->SetTextMatrix(r, cDescr, "riga");
        g->SetRow(n);
        g->ShowCell(n, 0);
        g->SetRedraw(true);
        QCOMPARE(v->model()->rowCount(), n);
        QCOMPARE(v->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(v->currentIndex().row(), n - 1);
        QVERIFY(v->rowViewportPosition(n - 1) >= 0);
        QVERIFY(v->rowViewportPosition(n - 1) < v->viewport()->height());
    }
};

ZELVANO_QTEST_MAIN(ProvaVistaGriglia)
#include "tst_VistaGriglia.moc"
