// The Qt platform's pieces that need no modal dialog answered.

#include "AmbienteTest.h"

#include "app/PiattaformaQt.h"

#include <QFileInfo>

class ProvaPiattaformaQt : public QObject {
    Q_OBJECT
  private slots:
    void filtriDeiDialoghi_data() {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("input") << "*.ber,*.txt" << QStringList{"*.ber *.txt", "*"};
        QTest::newRow("catalogue") << "*.orv,*.txt;" << QStringList{"*.orv *.txt", "*"};
        QTest::newRow("output") << "*.txt;" << QStringList{"*.txt", "*"};
        QTest::newRow("blanks around") << " *.a ; *.b ," << QStringList{"*.a *.b", "*"};
        QTest::newRow("none") << "" << QStringList{"*"};
        QTest::newRow("everything") << "*" << QStringList{"*"};
    }
    void filtriDeiDialoghi() {
        QFETCH(QString, filtro);
        QFETCH(QStringList, attesi);
        QCOMPARE(PiattaformaQt::FiltriNomi(filtro.toStdString()), attesi);
    }

    void puntatoreOccupatoBilanciato() {
        PiattaformaQt pf;
        QVERIFY(QApplication::overrideCursor() == nullptr);
        pf.Occupato(true);
        pf.Occupato(true);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pf.Occupato(false);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pf.Occupato(false);
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // An extra "not busy" leaves alone a pointer someone else set.
        QApplication::setOverrideCursor(Qt::CrossCursor);
        pf.Occupato(false);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        QApplication::restoreOverrideCursor();
    }

    void cursoreRipristinatoDopoUnErrore() {
        PiattaformaQt pf;
        pf.Occupato(true);
        pf.Occupato(true);
        pf.RipristinaCursore();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void cartellaProgrammaScrivibile() {
        PiattaformaQt pf;
        const QFileInfo cartella(
            QFile::decodeName(QByteArray::fromStdString(pf.CartellaProgramma())));
        QVERIFY(cartella.isDir());
        QVERIFY(cartella.isWritable());
    }
};

ZELVANO_QTEST_MAIN(ProvaPiattaformaQt)
#include "tst_PiattaformaQt.moc"
