#include "app/FrmPrgb.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressBar>

#include <cmath>
#include <utility>

namespace {
// Designed sizes are in twips, shown at 15 twips per pixel.
constexpr int Twips(int twips) {
    return twips / 15;
}

int Intero(float valore) {
    return static_cast<int>(std::lround(valore));
}
} // namespace

FrmPrgb::FrmPrgb(Lavoro attivazione, QWidget* parent)
    : QDialog(parent), attivazione_(std::move(attivazione)), prgb_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmPrgb"));
    setWindowTitle(QStringLiteral(" "));
    setModal(true);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setFixedSize(Twips(6075), Twips(1110));
    prgb_->setObjectName(QStringLiteral("prgb"));
    prgb_->setGeometry(Twips(120), Twips(240), Twips(5895), Twips(495));
    prgb_->setTextVisible(false);
}

void FrmPrgb::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // Centred over the main window.
    if (QWidget* sopra = parentWidget()) {
        const QRect principale = sopra->frameGeometry();
        move(principale.left() + (principale.width() - frameGeometry().width()) / 2,
             principale.top() + (principale.height() - frameGeometry().height()) / 2);
    }
    if (!attivata_) {
        attivata_ = true;
        // Queued: the window is on screen before the work starts.
        QMetaObject::invokeMethod(this, &FrmPrgb::Attiva, Qt::QueuedConnection);
    }
}

void FrmPrgb::Attiva() {
    if (Azione == "ProvaAbb") {
        setWindowTitle(QStringLiteral("Esecuzione associazioni automatiche "));
        inCorso_ = true;
        try {
            if (attivazione_)
                attivazione_(*this);
        } catch (...) {
            // Nothing may cross Qt's event loop: the caller gets it once the window is gone.
            errore_ = std::current_exception();
        }
        inCorso_ = false;
    }
    accept();
}

void FrmPrgb::RilanciaErrore() {
    if (errore_)
        std::rethrow_exception(std::exchange(errore_, nullptr));
}

void FrmPrgb::closeEvent(QCloseEvent* evento) {
    // The run cannot be cancelled half way.
    if (inCorso_)
        evento->ignore();
    else
        QDialog::closeEvent(evento);
}

void FrmPrgb::keyPressEvent(QKeyEvent* evento) {
    if (inCorso_ && evento->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(evento);
}

void FrmPrgb::ImpostaMinimo(float minimo) {
    prgb_->setMinimum(Intero(minimo));
}

void FrmPrgb::ImpostaMassimo(float massimo) {
    massimo_ = massimo;
    prgb_->setMaximum(Intero(massimo));
}

void FrmPrgb::ImpostaValore(float valore) {
    prgb_->setValue(Intero(valore));
}

void FrmPrgb::ElaboraEventi() {
    if (QWidget* sopra = parentWidget())
        sopra->repaint();
    repaint();
    QCoreApplication::processEvents();
}
