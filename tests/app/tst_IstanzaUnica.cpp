// One running copy per user.

#include "AmbienteTest.h"

#include "app/IstanzaUnica.h"

#include <QSysInfo>
#include <QTemporaryDir>

class ProvaIstanzaUnica : public QObject {
    Q_OBJECT
  private slots:
    void secondaCopiaRifiutata() {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        {
            IstanzaUnica prima(cartella.path());
            QVERIFY(prima.Acquisisci());
            IstanzaUnica seconda(cartella.path());
            QVERIFY(!seconda.Acquisisci());
        }
        IstanzaUnica dopo(cartella.path());
        QVERIFY(dopo.Acquisisci());
    }

    void bloccoDiUnaCopiaMortaVieneRipreso() {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        // What a copy killed without cleaning up leaves: its pid, no longer running.
        const std::string contenuto =
            "2147483646\nZelvano\n" + QSysInfo::machineHostName().toStdString() + "\n";
        QVERIFY(fixture::Scrivi(cartella.filePath("zelvano.lock"), contenuto));
        IstanzaUnica nuova(cartella.path());
        QVERIFY(nuova.Acquisisci());
    }
};

ZELVANO_QTEST_MAIN(ProvaIstanzaUnica)
#include "tst_IstanzaUnica.moc"
