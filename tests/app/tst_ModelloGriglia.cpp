// The table model over a core grid, always under QAbstractItemModelTester.

#include "AmbienteTest.h"

#include "app/ModelloGriglia.h"
#include "data/ColonneGriglie.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>

#include <memory>

namespace {

// Grd2's columns: PCDINT, PCDPROD, CDPROD, DESCR, STATO, CDINT.
constexpr int cCdProd = 2, cDescr = 3;

void Riempi(zelvano::Griglia& g, const std::vector<std::pair<std::string, std::string>>& righe) {
    g.SetRedraw(false);
    g.SetRows(1);
    for (const auto& [codice, descrizione] : righe) {
        const int r = g.Rows();
        g.SetRows(r + 1);
        g.SetTextMatrix(r, cCdProd, codice);
        g.SetTextMatrix(r, cDescr, descrizione);
        g.SetTextMatrix(r, 1, std::to_string(r));
    }
    g.SetRedraw(true);
}

QStringList Colonna(const QAbstractItemModel& m, int col) {
    QStringList valori;
    for (int r = 0; r < m.rowCount(); ++r)
        valori << m.data(m.index(r, col)).toString();
    return valori;
}

} // namespace

class ProvaModelloGriglia : public QObject {
    Q_OBJECT

    std::unique_ptr<zelvano::Griglia> g;
    std::unique_ptr<ModelloGriglia> m;
    std::unique_ptr<QAbstractItemModelTester> tester;

  private slots:
    void init() {
        g = std::make_unique<zelvano::Griglia>();
        zelvano::ImpostaGrd2(*g);
        m = std::make_unique<ModelloGriglia>(*g);
        tester = std::make_unique<QAbstractItemModelTester>(
            m.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void cleanup() {
        tester.reset();
        m.reset();
        g.reset();
    }

    void intestazioniDallaRigaZero() {
        QCOMPARE(m->columnCount(), 6);
        QCOMPARE(m->rowCount(), 0);
        QCOMPARE(m->headerData(cCdProd, Qt::Horizontal).toString(),
                 QStringLiteral("Codice Articolo"));
        QCOMPARE(m->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Associato a"));
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString());
    }

    void riempimentoSospesoArrivaInUnaVolta() {
        QSignalSpy reset(m.get(), &QAbstractItemModel::modelReset);
        QSignalSpy inserite(m.get(), &QAbstractItemModel::rowsInserted);
        Riempi(*g, {{"B2", "Dado"}, {"A1", "Vite \x80"}, {"C3", "rondella"}});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserite.count(), 0);
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(Colonna(*m, cCdProd), (QStringList{"B2", "A1", "C3"}));
        QCOMPARE(m->data(m->index(1, cDescr)).toString(), QStringLiteral("Vite €"));

        // A second, shorter refill.
        Riempi(*g, {{"Z9", "ultimo"}});
        QCOMPARE(reset.count(), 2);
        QCOMPARE(Colonna(*m, cCdProd), QStringList{"Z9"});
    }

    void celleScritteDuranteLaSospensioneSiLegganoVuote() {
        Riempi(*g, {{"A", "a"}, {"B", "b"}, {"C", "c"}});
        g->SetRedraw(false);
        g->SetRows(1); // Qt still believes in three rows
        QCOMPARE(m->rowCount(), 3);
        QVERIFY(!m->data(m->index(2, cCdProd)).isValid());
        g->SetRedraw(true);
        QCOMPARE(m->rowCount(), 0);
    }

    void ordinamentoDelCore() {
        Riempi(*g, {{"B2", "Dado"}, {"A1", "vite"}, {"C3", "Rondella"}});
        QSignalSpy layout(m.get(), &QAbstractItemModel::layoutChanged);
        g->SetCol(cDescr);
        g->Sort(zelvano::Griglia::OrdineCrescente);
        QCOMPARE(layout.count(), 1);
        QCOMPARE(Colonna(*m, cDescr), (QStringList{"Dado", "Rondella", "vite"}));
        g->Sort(zelvano::Griglia::OrdineDecrescente);
        QCOMPARE(Colonna(*m, cCdProd), (QStringList{"A1", "C3", "B2"}));
    }

    void righeAggiunteETolteConRidisegnoAttivo() {
        Riempi(*g, {{"A", "a"}, {"B", "b"}});
        QSignalSpy inserite(m.get(), &QAbstractItemModel::rowsInserted);
        QSignalSpy cambiate(m.get(), &QAbstractItemModel::dataChanged);
        g->SetRows(g->Rows() + 1);
        g->SetTextMatrix(3, cCdProd, "NUOVO");
        QCOMPARE(inserite.count(), 1);
        QCOMPARE(inserite.at(0).at(1).toInt(), 2);
        QCOMPARE(inserite.at(0).at(2).toInt(), 2);
        QCOMPARE(cambiate.count(), 1);
        QCOMPARE(cambiate.at(0).at(0).value<QModelIndex>(), m->index(2, cCdProd));
        QCOMPARE(Colonna(*m, cCdProd), (QStringList{"A", "B", "NUOVO"}));

        QSignalSpy tolte(m.get(), &QAbstractItemModel::rowsRemoved);
        g->SetRows(1);
        QCOMPARE(tolte.count(), 1);
        QCOMPARE(m->rowCount(), 0);
    }

    void coloreDiSfondoInOrdineVb() {
        Riempi(*g, {{"A", "a"}, {"B", "b"}});
        QVERIFY(!m->data(m->index(0, cCdProd), Qt::BackgroundRole).isValid());
        g->SetCellBackColor(2, cCdProd, zelvano::Griglia::Giallo);
        QCOMPARE(m->data(m->index(1, cCdProd), Qt::BackgroundRole).value<QColor>(),
                 QColor(255, 255, 0));
        g->SetCellBackColor(1, cDescr, 0x0000FF); // red in 0xBBGGRR
        QCOMPARE(m->data(m->index(0, cDescr), Qt::BackgroundRole).value<QColor>(),
                 QColor(255, 0, 0));
        g->SetCellBackColor(2, cCdProd, zelvano::Griglia::Bianco);
        QVERIFY(!m->data(m->index(1, cCdProd), Qt::BackgroundRole).isValid());
    }

    void suggerimentoChiedeAlCoreLaRigaDellaGriglia() {
        Riempi(*g, {{"A", "a"}, {"B", "b"}});
        std::vector<std::pair<int, int>> chiesti;
        m->ImpostaSuggerimento([&](int riga, int col) {
            chiesti.emplace_back(riga, col);
            return std::string(riga == 2 ? "descrizione \x80" : "");
        });
        QCOMPARE(m->data(m->index(1, 5), Qt::ToolTipRole).toString(),
                 QStringLiteral("descrizione €"));
        QVERIFY(!m->data(m->index(0, 5), Qt::ToolTipRole).isValid());
        QVERIFY(!chiesti.empty());
        QCOMPARE(chiesti.at(chiesti.size() - 2), std::make_pair(2, 5));
        QCOMPARE(chiesti.back(), std::make_pair(1, 5));
    }

    void cambiDiColonna() {
        Riempi(*g, {{"A", "a"}});
        QSignalSpy colonne(m.get(), &ModelloGriglia::colonneCambiate);
        QSignalSpy intestazioni(m.get(), &QAbstractItemModel::headerDataChanged);
        g->SetColHidden(cDescr, true);
        QCOMPARE(colonne.count(), 1);
        g->SetTextMatrix(0, cCdProd, "Codice");
        QVERIFY(intestazioni.count() >= 1);
        QCOMPARE(m->headerData(cCdProd, Qt::Horizontal).toString(), QStringLiteral("Codice"));

        QSignalSpy reset(m.get(), &QAbstractItemModel::modelReset);
        g->SetCols(4);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(m->columnCount(), 4);
    }

    void colonnaSpostataDalUtente() {
        Riempi(*g, {{"A", "alfa"}});
        g->SpostaColonnaUtente(cDescr, cCdProd);
        QCOMPARE(m->headerData(cCdProd, Qt::Horizontal).toString(), QStringLiteral("Descrizione"));
        QCOMPARE(m->data(m->index(0, cCdProd)).toString(), QStringLiteral("alfa"));
    }

    void moltiRighe() {
        // A refill of the size the program meets must not go row by row through Qt.
        constexpr int n = 200000;
        QSignalSpy inserite(m.get(), &QAbstractItemModel::rowsInserted);
        tester.reset(); // the tester walks every row; here only the counts matter
        g->SetRedraw(false);
        g->SetRows(n + 1);
        for (int r = 1; r <= n; ++r)
            g->SetTextMatrix(r, cCdProd, std::to_string(n - r));
        g->SetRedraw(true);
        QCOMPARE(m->rowCount(), n);
        QCOMPARE(inserite.count(), 0);
        QCOMPARE(m->data(m->index(n - 1, cCdProd)).toString(), QStringLiteral("0"));
    }
};

ZELVANO_QTEST_MAIN(ProvaModelloGriglia)
#include "tst_ModelloGriglia.moc"
