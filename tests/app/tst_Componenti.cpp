// The small Qt pieces: the choice dialog, Windows-1252 text, the single-instance lock, where
// the layout files go.

#include "AmbienteTest.h"

#include "app/Cp1252Qt.h"
#include "app/FRicercaTesto.h"
#include "app/FrmMsg.h"
#include "app/Icone.h"
#include "app/IstanzaUnica.h"
#include "app/PiattaformaQt.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

class ProvaComponenti : public QObject {
    Q_OBJECT
  private slots:
    // By mouse or by keys alone. The focus starts on "Abbandona", so a Return pressed out of
    // habit gives up; Return presses whichever button has the focus, Escape gives up, and
    // Alt with the underlined letter answers.
    void frmMsg_data() {
        using zelvano::EsitoScelta;
        QTest::addColumn<QString>("pulsante"); // clicked; empty: the keys below
        QTest::addColumn<int>("tabulazioni");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("modificatori");
        QTest::addColumn<EsitoScelta>("esito");
        const int alt = Qt::AltModifier;
        QTest::newRow("cancel earlier pair") << "CmdAnnulla" << 0 << 0 << 0 << EsitoScelta::Annulla;
        QTest::newRow("add further pair") << "CmdAggiungi" << 0 << 0 << 0 << EsitoScelta::Aggiungi;
        QTest::newRow("give up") << "cmdAbbandona" << 0 << 0 << 0 << EsitoScelta::Abbandona;
        QTest::newRow("close box") << "" << 0 << 0 << 0 << EsitoScelta::Abbandona;
        QTest::newRow("Return") << "" << 0 << int(Qt::Key_Return) << 0 << EsitoScelta::Abbandona;
        QTest::newRow("Escape") << "" << 0 << int(Qt::Key_Escape) << 0 << EsitoScelta::Abbandona;
        QTest::newRow("Tab, Return") << "" << 1 << int(Qt::Key_Return) << 0 << EsitoScelta::Annulla;
        QTest::newRow("Tab, Tab, Space")
            << "" << 2 << int(Qt::Key_Space) << 0 << EsitoScelta::Aggiungi;
        QTest::newRow("Alt+N") << "" << 0 << int(Qt::Key_N) << alt << EsitoScelta::Annulla;
        QTest::newRow("Alt+G") << "" << 0 << int(Qt::Key_G) << alt << EsitoScelta::Aggiungi;
        QTest::newRow("Alt+A") << "" << 2 << int(Qt::Key_A) << alt << EsitoScelta::Abbandona;
    }
    void frmMsg() {
        QFETCH(QString, pulsante);
        QFETCH(int, tabulazioni);
        QFETCH(int, tasto);
        QFETCH(int, modificatori);
        QFETCH(zelvano::EsitoScelta, esito);
        FrmMsg d;
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QStringList testi;
        for (const char* nome : {"CmdAnnulla", "CmdAggiungi", "cmdAbbandona"})
            testi << d.findChild<QPushButton*>(nome)->text();
        QCOMPARE(testi, (QStringList{"A&nnulla associazione precedente",
                                     "A&ggiungi ulteriore associazione", "&Abbandona"}));
        QCOMPARE(QApplication::focusWidget(), d.findChild<QPushButton*>("cmdAbbandona"));
        if (!pulsante.isEmpty()) {
            QTest::mouseClick(d.findChild<QPushButton*>(pulsante), Qt::LeftButton);
        } else if (tasto == 0) {
            d.close();
        } else {
            for (int k = 0; k < tabulazioni; ++k)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(tasto),
                            Qt::KeyboardModifiers::fromInt(modificatori));
        }
        QTRY_VERIFY(!d.isVisible()); // a mnemonic clicks after the button's short press
        QCOMPARE(d.Esito(), esito);
    }

    // Up over its window, it runs the work its Azione names with the bar, then goes; what
    // the work throws comes out once it has gone.
    void frmPrgb() {
        QWidget principale;
        principale.resize(800, 600);
        principale.show();
        PiattaformaQt pf;
        pf.ImpostaFinestra(&principale, {});
        QString titolo;
        QProgressBar* barra = nullptr;
        pf.MostraFrmPrgb("ProvaAbb", [&](zelvano::BarraProgresso& b) {
            auto* finestra = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(finestra && finestra->isVisible());
            titolo = finestra->windowTitle();
            barra = finestra->findChild<QProgressBar*>("prgb");
            b.ImpostaMinimo(1);
            b.ImpostaMassimo(10);
            b.ImpostaValore(4);
            b.ElaboraEventi();
            QCOMPARE(barra->minimum(), 1);
            QCOMPARE(barra->maximum(), 10);
            QCOMPARE(barra->value(), 4);
            QCOMPARE(b.Massimo(), 10.0F);
        });
        QCOMPARE(titolo, QStringLiteral("Esecuzione associazioni automatiche "));
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        bool eseguito = false;
        pf.MostraFrmPrgb("Altro", [&](zelvano::BarraProgresso&) { eseguito = true; });
        QVERIFY(!eseguito);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 pf.MostraFrmPrgb("ProvaAbb", [](zelvano::BarraProgresso&) {
                                     throw std::runtime_error("guasto");
                                 }));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Qt's standard texts are Italian, as the program loads them at start.
    void testiStandardInItaliano() {
        QMessageBox domanda(QMessageBox::Question, QStringLiteral("Zelvano"), QStringLiteral("?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(domanda.button(QMessageBox::Yes)->text(), QStringLiteral("&S\u00ec"));
        QCOMPARE(domanda.button(QMessageBox::Cancel)->text(), QStringLiteral("Annulla"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"),
                 QStringLiteral("Cerca in:"));
    }

    void cp1252() {
        std::string tutti;
        for (int b = 0; b < 256; ++b)
            tutti.push_back(static_cast<char>(b));
        QCOMPARE(ACp1252(DaCp1252(tutti)), tutti);
        QCOMPARE(DaCp1252("\x80"), QStringLiteral("€"));
        // Outside the code page: one '?' per character, a surrogate pair included.
        QCOMPARE(ACp1252(QString::fromUtf8("a\xCE\xA9\xF0\x9F\x98\x80")), std::string("a??"));
    }

    // Typed or pasted, a control character never reaches a code: a line end written into
    // the customer's file would split its line.
    void ricercaSenzaCaratteriDiControllo() {
        FRicercaTesto d("", "", zelvano::MetodoSost::Contiene);
        auto* trova = d.findChild<QLineEdit*>("TxtTestoTrova");
        auto* sost = d.findChild<QLineEdit*>("TxtTestoSost");
        QGuiApplication::clipboard()->setText(QStringLiteral("AB\n"));
        sost->paste();
        QGuiApplication::clipboard()->setText(QString::fromUtf8("\x7F"
                                                                "C\tD\x1B\r"));
        trova->paste();
        QTest::keyClicks(sost, QStringLiteral("Z"));
        QTest::keyClick(sost, Qt::Key_Q, Qt::AltModifier); // a chord, not a letter
        QTest::mouseClick(d.findChild<QPushButton*>("LblConferma"), Qt::LeftButton);
        const zelvano::EsitoRicerca esito = d.Esito();
        QCOMPARE(esito.confermata, true);
        QCOMPARE(esito.trova, std::string("CD"));
        QCOMPARE(esito.sostituisci, std::string("ABZ"));
    }

    // Run from a build folder the layout files stay beside the program; installed, whoever
    // runs it and whatever the folder's rights, they go to the user's data folder.
    void scriveAccantoAlProgramma_data() {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<bool>("solaLettura");
        QTest::addColumn<bool>("accanto");
        QTest::newRow("build folder") << "build/src/app" << false << true;
        QTest::newRow("installed, writable /usr/bin") << "radice/usr/bin" << false << false;
        QTest::newRow("installed under /usr/local") << "usr/local/bin" << false << false;
        QTest::newRow("user's own bin") << "home/.local/bin" << false << false;
        QTest::newRow("read-only folder") << "cd/zelvano" << true << false;
        QTest::newRow("missing folder") << "" << false << false;
    }
    void scriveAccantoAlProgramma() {
        QFETCH(QString, cartella);
        QFETCH(bool, solaLettura);
        QFETCH(bool, accanto);
        QTemporaryDir radice;
        QVERIFY(radice.isValid());
        QString percorso = radice.filePath(QStringLiteral("non-esiste"));
        if (!cartella.isEmpty()) {
            percorso = radice.filePath(cartella);
            QVERIFY(QDir().mkpath(percorso));
        }
        if (solaLettura) {
            QVERIFY(
                QFile::setPermissions(percorso, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            if (QFileInfo(percorso).isWritable())
                QSKIP("Run by a user whom no folder's rights stop");
        }
        QCOMPARE(PiattaformaQt::ScriveAccantoAlProgramma(percorso), accanto);
        QFile::setPermissions(percorso, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
    }

    // The program carries every size the build drew from its artwork, each one drawn.
    void iconaProgramma() {
        const QIcon icona = IconaProgramma();
        const QList<QSize> lati = icona.availableSizes();
        for (const int lato : {16, 32, 48, 256}) {
            QVERIFY2(lati.contains(QSize(lato, lato)), qPrintable(QString::number(lato)));
            const QImage immagine = icona.pixmap(QSize(lato, lato), 1.0).toImage();
            QCOMPARE(immagine.size(), QSize(lato, lato));
            int opachi = 0;
            for (int y = 0; y < lato; ++y)
                for (int x = 0; x < lato; ++x)
                    opachi += qAlpha(immagine.pixel(x, y)) == 255;
            QVERIFY2(opachi > lato * lato / 2, qPrintable(QString::number(lato)));
        }
    }

    // Each toolbar picture is drawn at the pixel size of the screen's scale, on a clear
    // background: the corners stay transparent, and the drawing covers some of the rest.
    void immaginiToolbar_data() {
        QTest::addColumn<qreal>("scala");
        QTest::newRow("100%") << 1.0;
        QTest::newRow("150%") << 1.5;
        QTest::newRow("200%") << 2.0;
    }
    void immaginiToolbar() {
        QFETCH(qreal, scala);
        const QHash<QString, QIcon> immagini = ImageList1();
        QCOMPARE(immagini.size(), 9);
        for (auto i = immagini.cbegin(); i != immagini.cend(); ++i) {
            for (const QIcon::Mode modo : {QIcon::Normal, QIcon::Disabled}) {
                const QImage immagine = i.value()
                                            .pixmap(QSize(20, 20), scala, modo)
                                            .toImage()
                                            .convertToFormat(QImage::Format_ARGB32);
                const int lato = qRound(20 * scala);
                QCOMPARE(immagine.size(), QSize(lato, lato));
                int opachi = 0;
                for (int y = 0; y < lato; ++y)
                    for (int x = 0; x < lato; ++x)
                        opachi += qAlpha(immagine.pixel(x, y)) > 128;
                QVERIFY2(opachi > lato * lato / 10, qPrintable(i.key()));
                for (const QPoint angolo : {QPoint(0, 0), QPoint(lato - 1, 0), QPoint(0, lato - 1),
                                            QPoint(lato - 1, lato - 1)})
                    QVERIFY2(qAlpha(immagine.pixel(angolo)) == 0, qPrintable(i.key()));
            }
        }
    }

    // On a screen at 200% the about window's picture has twice the pixels, not a stretch.
    void immagineInformazioniAScala2() {
        const QPixmap immagine = ImmagineInformazioni(QSize(137, 81), 2.0);
        QCOMPARE(immagine.size(), QSize(274, 162));
        QCOMPARE(immagine.deviceIndependentSize(), QSizeF(137, 81));
    }

    void istanzaUnica() {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        {
            IstanzaUnica prima(cartella.path());
            QVERIFY(prima.Acquisisci());
            QVERIFY(!IstanzaUnica(cartella.path()).Acquisisci());
        }
        QVERIFY(IstanzaUnica(cartella.path()).Acquisisci()); // released with its holder
    }
};

ZELVANO_QTEST_MAIN(ProvaComponenti)
#include "tst_Componenti.moc"
