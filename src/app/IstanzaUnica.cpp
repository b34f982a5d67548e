#include "app/IstanzaUnica.h"

#include <QDir>
#include <QStandardPaths>

QString IstanzaUnica::CartellaPredefinita() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    // The temporary folder is shared between users: the user's name keeps the lock theirs.
    QString utente = qEnvironmentVariable("USER");
    if (utente.isEmpty())
        utente = QDir::home().dirName();
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                             QStringLiteral("/zelvano-") + utente;
    QDir().mkpath(cartella);
    return cartella;
}

IstanzaUnica::IstanzaUnica(const QString& cartella)
    : blocco_((cartella.isEmpty() ? CartellaPredefinita() : cartella) +
              QStringLiteral("/zelvano.lock")) {
    // Only a lock whose process has died is stale, however old it is.
    blocco_.setStaleLockTime(0);
}

bool IstanzaUnica::Acquisisci() {
    return blocco_.tryLock(100);
}
