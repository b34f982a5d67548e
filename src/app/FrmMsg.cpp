#include "app/FrmMsg.h"

#include "app/PulsanteACapo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Designed sizes are in twips, shown at 15 twips per pixel.
constexpr int Twips(int twips) {
    return twips / 15;
}
} // namespace

FrmMsg::FrmMsg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmMsg"));
    setWindowTitle(QString());
    setModal(true);

    auto* etichetta =
        new QLabel(QStringLiteral("Articolo Orvessa già precedentemente associato "), this);
    etichetta->setObjectName(QStringLiteral("Label1"));
    QFont grande(QStringLiteral("Arial"));
    grande.setPointSize(12);
    grande.setBold(true);
    etichetta->setFont(grande);

    QFont carattere = font();
    carattere.setPointSizeF(9.75);
    carattere.setBold(true);
    struct Scelta {
        const char* nome;
        const char* testo;
        zelvano::EsitoScelta esito;
    };
    // Alt and the underlined letter answer too.
    const Scelta scelte[] = {
        {"CmdAnnulla", "A&nnulla associazione precedente", zelvano::EsitoScelta::Annulla},
        {"CmdAggiungi", "A&ggiungi ulteriore associazione", zelvano::EsitoScelta::Aggiungi},
        {"cmdAbbandona", "&Abbandona", zelvano::EsitoScelta::Abbandona},
    };
    // Three tall buttons side by side, as designed (1815 x 735 twips), taller where the
    // font needs more lines.
    auto* pulsanti = new QHBoxLayout;
    pulsanti->setSpacing(Twips(2160 - 120 - 1815));
    for (const Scelta& s : scelte) {
        auto* b = new PulsanteACapo(QString::fromLatin1(s.testo), this);
        b->setObjectName(QString::fromLatin1(s.nome));
        b->setFont(carattere);
        // Return presses the button with the focus, as Space does.
        b->setAutoDefault(true);
        b->setFixedWidth(Twips(1815));
        b->setFixedHeight(std::max(Twips(735), b->sizeHint().height()));
        pulsanti->addWidget(b);
        const zelvano::EsitoScelta esito = s.esito;
        connect(b, &QPushButton::clicked, this, [this, esito] { Scegli(esito); });
        // The focus starts on the harmless answer: a Return pressed out of habit must not
        // cancel another article's pair.
        if (esito == zelvano::EsitoScelta::Abbandona) {
            b->setDefault(true);
            b->setFocus();
        }
    }
    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(Twips(120), Twips(120), Twips(120), Twips(120));
    tutto->setSpacing(Twips(840 - 120 - 495));
    tutto->addWidget(etichetta);
    tutto->addLayout(pulsanti);
    tutto->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmMsg::Scegli(zelvano::EsitoScelta esito) {
    esito_ = esito;
    accept();
}

void FrmMsg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* schermo = screen()) {
        QRect cornice = frameGeometry();
        cornice.moveCenter(schermo->availableGeometry().center());
        move(cornice.topLeft());
    }
}
