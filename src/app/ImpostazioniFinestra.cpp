#include "app/ImpostazioniFinestra.h"

#include <QDir>
#include <QSettings>

namespace {
const QString NomeFile = QStringLiteral("finestra.ini");
}

ImpostazioniFinestra::ImpostazioniFinestra(const QString& cartella) {
    if (!cartella.isEmpty())
        file_ =
            std::make_unique<QSettings>(QDir(cartella).filePath(NomeFile), QSettings::IniFormat);
}

ImpostazioniFinestra::~ImpostazioniFinestra() = default;

double ImpostazioniFinestra::Quota(const QString& divisione) const {
    if (!file_)
        return -1;
    bool numero = false;
    const double quota =
        file_->value(QStringLiteral("divisioni/") + divisione).toString().toDouble(&numero);
    return numero && quota > 0 && quota < 1 ? quota : -1;
}

void ImpostazioniFinestra::ImpostaQuota(const QString& divisione, double quota) {
    if (file_ && quota > 0 && quota < 1) {
        file_->setValue(QStringLiteral("divisioni/") + divisione, QString::number(quota, 'f', 4));
        file_->sync();
    }
}

bool ImpostazioniFinestra::Opzione(const QString& nome) const {
    return file_ &&
           file_->value(QStringLiteral("opzioni/") + nome).toString() == QStringLiteral("1");
}

void ImpostazioniFinestra::ImpostaOpzione(const QString& nome, bool valore) {
    if (file_) {
        file_->setValue(QStringLiteral("opzioni/") + nome,
                        valore ? QStringLiteral("1") : QStringLiteral("0"));
        file_->sync();
    }
}
