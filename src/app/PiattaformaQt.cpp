#include "app/PiattaformaQt.h"

#include "app/Cp1252Qt.h"
#include "app/FRicercaTesto.h"
#include "app/FrmMsg.h"
#include "app/FrmPrgb.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
const QString Titolo = QStringLiteral("Zelvano");
}

void PiattaformaQt::ImpostaFinestra(QWidget* finestra, std::function<void()> primaDiMostrare) {
    finestra_ = finestra;
    primaDiMostrare_ = std::move(primaDiMostrare);
}

void PiattaformaQt::PrimaDiMostrare() {
    if (primaDiMostrare_)
        primaDiMostrare_();
}

void PiattaformaQt::Messaggio(const std::string& testo) {
    PrimaDiMostrare();
    QMessageBox box(QMessageBox::NoIcon, Titolo, DaCp1252(testo), QMessageBox::Ok, finestra_);
    box.exec();
}

zelvano::Risposta PiattaformaQt::Domanda(const std::string& testo, bool conAnnulla) {
    PrimaDiMostrare();
    QMessageBox::StandardButtons pulsanti = QMessageBox::Yes | QMessageBox::No;
    if (conAnnulla)
        pulsanti |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, Titolo, DaCp1252(testo), pulsanti, finestra_);
    box.setDefaultButton(QMessageBox::Yes);
    // Escape and the close box answer Cancel when there is one, No otherwise.
    box.setEscapeButton(conAnnulla ? QMessageBox::Cancel : QMessageBox::No);
    box.exec();
    const auto scelto = box.standardButton(box.clickedButton());
    if (scelto == QMessageBox::Yes)
        return zelvano::Risposta::Si;
    if (scelto == QMessageBox::No || !conAnnulla)
        return zelvano::Risposta::No;
    return zelvano::Risposta::Annulla;
}

zelvano::EsitoSovrascrittura PiattaformaQt::ChiediSovrascrittura(const std::string& testo) {
    PrimaDiMostrare();
    QMessageBox box(QMessageBox::Warning, Titolo, DaCp1252(testo), QMessageBox::NoButton,
                    finestra_);
    QPushButton* sovrascrivi =
        box.addButton(QStringLiteral("Sovrascrivi"), QMessageBox::DestructiveRole);
    QPushButton* altrove =
        box.addButton(QStringLiteral("Salva in un altro file"), QMessageBox::AcceptRole);
    QPushButton* annulla = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    // Overwriting someone else's work is never the answer to a stray Return or Escape.
    box.setDefaultButton(altrove);
    box.setEscapeButton(annulla);
    box.exec();
    if (box.clickedButton() == sovrascrivi)
        return zelvano::EsitoSovrascrittura::Sovrascrivi;
    if (box.clickedButton() == altrove)
        return zelvano::EsitoSovrascrittura::AltroFile;
    return zelvano::EsitoSovrascrittura::Annulla;
}

QStringList PiattaformaQt::FiltriNomi(const std::string& filtro) {
    QStringList modelli;
    for (const QString& parte :
         DaCp1252(filtro).split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts)) {
        const QString modello = parte.trimmed();
        if (!modello.isEmpty())
            modelli << modello;
    }
    QStringList filtri;
    if (!modelli.isEmpty() && modelli != QStringList{QStringLiteral("*")})
        filtri << modelli.join(u' ');
    filtri << QStringLiteral("*");
    return filtri;
}

std::string PiattaformaQt::DialogoFile(const std::string& titolo, const std::string& filtro,
                                       bool salva) {
    PrimaDiMostrare();
    QFileDialog dialogo(finestra_, DaCp1252(titolo), QDir::currentPath());
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setNameFilters(FiltriNomi(filtro));
    if (salva) {
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
        // The output file is chosen to be reopened: an existing one is the usual answer.
        dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return QFile::encodeName(dialogo.selectedFiles().constFirst()).toStdString();
}

std::string PiattaformaQt::ApriFile(const std::string& titolo, const std::string& filtro) {
    return DialogoFile(titolo, filtro, false);
}

std::string PiattaformaQt::SalvaFile(const std::string& titolo, const std::string& filtro) {
    return DialogoFile(titolo, filtro, true);
}

zelvano::EsitoScelta PiattaformaQt::MostraFrmMsg() {
    PrimaDiMostrare();
    FrmMsg dialogo(finestra_);
    dialogo.exec();
    return dialogo.Esito();
}

zelvano::EsitoRicerca PiattaformaQt::MostraRicercaTesto(const std::string& trova,
                                                        const std::string& sostituisci,
                                                        zelvano::MetodoSost modo) {
    PrimaDiMostrare();
    FRicercaTesto dialogo(trova, sostituisci, modo, finestra_);
    dialogo.exec();
    return dialogo.Esito();
}

void PiattaformaQt::MostraFrmPrgb(
    const std::string& Azione, const std::function<void(zelvano::BarraProgresso&)>& attivazione) {
    PrimaDiMostrare();
    FrmPrgb finestra(attivazione, finestra_);
    finestra.Azione = Azione;
    finestra.exec();
    finestra.RilanciaErrore();
}

void PiattaformaQt::Occupato(bool occupato) {
    if (occupato) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++occupato_;
    } else if (occupato_ > 0) {
        QApplication::restoreOverrideCursor();
        --occupato_;
    }
}

void PiattaformaQt::RipristinaCursore() {
    while (occupato_ > 0)
        Occupato(false);
}

void PiattaformaQt::ElaboraEventi() {
    if (finestra_)
        finestra_->repaint();
    QCoreApplication::processEvents();
}

bool PiattaformaQt::ScriveAccantoAlProgramma(const QString& cartellaProgramma) {
    const QFileInfo cartella(cartellaProgramma);
    return cartella.fileName() != QStringLiteral("bin") && cartella.isDir() &&
           cartella.isWritable();
}

std::string PiattaformaQt::CartellaProgramma() {
    const QString cartella = QCoreApplication::applicationDirPath();
    if (!ScriveAccantoAlProgramma(cartella))
        return CartellaDatiUtente();
    return QFile::encodeName(cartella).toStdString();
}

std::string PiattaformaQt::CartellaDatiUtente() {
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(cartella);
    // Only the user may write in it, whatever the umask made of it.
    QFile::setPermissions(cartella,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return QFile::encodeName(cartella).toStdString();
}
