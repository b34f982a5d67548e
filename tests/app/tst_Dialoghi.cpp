// The program's own dialogs, driven as a user would: shown, clicked, closed.

#include "AmbienteTest.h"

#include "app/FRicercaTesto.h"
#include "app/FrmInfo.h"
#include "app/FrmMsg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class ProvaDialoghi : public QObject {
    Q_OBJECT
  private slots:
    void frmMsgTesti() {
        FrmMsg d;
        QCOMPARE(d.objectName(), QStringLiteral("FrmMsg"));
        QCOMPARE(d.windowTitle(), QString());
        QCOMPARE(d.findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Articolo Orvessa già precedentemente associato "));
        QVERIFY(d.findChild<QLabel*>("Label1")->font().bold());
        QCOMPARE(d.findChild<QPushButton*>("CmdAnnulla")->text(),
                 QStringLiteral("Annulla associazione precedente"));
        QCOMPARE(d.findChild<QPushButton*>("CmdAggiungi")->text(),
                 QStringLiteral("Aggiungi ulteriore associazione"));
        QCOMPARE(d.findChild<QPushButton*>("cmdAbbandona")->text(), QStringLiteral("Abbandona"));
    }

    void frmMsgScelte_data() {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("esito");
        QTest::newRow("cancel earlier pair") << "CmdAnnulla"
                                             << "ANN";
        QTest::newRow("add further pair") << "CmdAggiungi"
                                          << "DUP";
        QTest::newRow("give up") << "cmdAbbandona"
                                 << "ABB";
        QTest::newRow("escape") << ""
                                << "ABB";
    }
    void frmMsgScelte() {
        QFETCH(QString, pulsante);
        QFETCH(QString, esito);
        FrmMsg d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        if (pulsante.isEmpty())
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            QTest::mouseClick(d.findChild<QPushButton*>(pulsante), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(QString::fromStdString(d.Esito()), esito);
    }

    void frmMsgChiusoDallaCornice() {
        FrmMsg d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.close();
        QCOMPARE(QString::fromStdString(d.Esito()), QStringLiteral("ABB"));
    }

    void ricercaMostraIValoriSalvati_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("opzione");
        QTest::newRow("contains") << 0 << "OptCon";
        QTest::newRow("starts") << 1 << "OptIn";
        QTest::newRow("ends") << 2 << "OptFin";
    }
    void ricercaMostraIValoriSalvati() {
        QFETCH(int, modo);
        QFETCH(QString, opzione);
        FRicercaTesto d("AB\xC0", "X\x80", static_cast<uint8_t>(modo));
        QCOMPARE(d.windowTitle(), QStringLiteral("Trova"));
        QCOMPARE(d.findChild<QLineEdit*>("TxtTestoTrova")->text(), QStringLiteral("ABÀ"));
        QCOMPARE(d.findChild<QLineEdit*>("TxtTestoSost")->text(), QStringLiteral("X€"));
        QVERIFY(d.findChild<QRadioButton*>(opzione)->isChecked());
        QCOMPARE(d.findChild<QGroupBox*>()->title(), QStringLiteral("Metodo"));
        QStringList testi;
        for (const char* nome : {"OptCon", "OptIn", "OptFin"})
            testi << d.findChild<QRadioButton*>(nome)->text();
        QCOMPARE(testi, (QStringList{"Contiene", "Inizia", "Finisce"}));
    }

    void ricercaEsegui() {
        FRicercaTesto d("", "", 0);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        fixture::Digita(d.findChild<QLineEdit*>("TxtTestoTrova"), QStringLiteral("ab/à"));
        fixture::Digita(d.findChild<QLineEdit*>("TxtTestoSost"), QStringLiteral("c€"));
        QTest::mouseClick(d.findChild<QRadioButton*>("OptFin"), Qt::LeftButton);
        QTest::mouseClick(d.findChild<QPushButton*>("LblConferma"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        const zelvano::EsitoRicerca e = d.Esito();
        QVERIFY(e.confermata);
        // The core upper-cases; the window hands the bytes over as typed.
        QCOMPARE(QByteArray::fromStdString(e.trova), QByteArray("ab/\xE0"));
        QCOMPARE(QByteArray::fromStdString(e.sostituisci), QByteArray("c\x80"));
        QCOMPARE(int(e.modo), 2);
    }

    void ricercaAbbandonata_data() {
        QTest::addColumn<bool>("conEscape");
        QTest::newRow("Abbandona") << false;
        QTest::newRow("Escape") << true;
    }
    void ricercaAbbandonata() {
        QFETCH(bool, conEscape);
        FRicercaTesto d("OLD", "NEW", 1);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::keyClicks(d.findChild<QLineEdit*>("TxtTestoTrova"), QStringLiteral("zz"));
        if (conEscape)
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            QTest::mouseClick(d.findChild<QPushButton*>("LblAbbandona"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QVERIFY(!d.Esito().confermata);
    }

    void informazioni() {
        FrmInfo d("01.00.00", "15/10/2010");
        QCOMPARE(d.objectName(), QStringLiteral("frmInfo"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Informazioni su Zelvano"));
        QCOMPARE(d.palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(d.findChild<QLabel*>("Label5")->text(), QStringLiteral("Versione"));
        QCOMPARE(d.findChild<QLabel*>("lbl_Release")->text(), QStringLiteral("01.00.00"));
        QCOMPARE(d.findChild<QLabel*>("Label7")->text(), QStringLiteral("Data di rilascio"));
        QCOMPARE(d.findChild<QLabel*>("lbl_Data")->text(), QStringLiteral("15/10/2010"));
        QVERIFY(d.findChild<QLabel*>("Label5")->font().bold());
        QVERIFY(d.findChild<QLabel*>("Label7")->font().bold());
        QVERIFY(!d.findChild<QLabel*>("Image1")->pixmap().isNull());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(d.findChild<QPushButton*>("b_ok"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

ZELVANO_QTEST_MAIN(ProvaDialoghi)
#include "tst_Dialoghi.moc"
