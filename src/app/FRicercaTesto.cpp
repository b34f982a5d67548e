#include "app/FRicercaTesto.h"

#include "app/BloccoAlt.h"
#include "app/Cp1252Qt.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FRicercaTesto::FRicercaTesto(const std::string& trova, const std::string& sostituisci,
                             zelvano::MetodoSost modo, QWidget* parent)
    : QDialog(parent), iniziale_{false, trova, sostituisci, modo} {
    setObjectName(QStringLiteral("FRicercaTesto"));
    setWindowTitle(QStringLiteral("Trova"));
    setModal(true);
    setMinimumWidth(7665 / 15);

    auto* validatore = new ValidatoreCp1252(this);
    // Alt and the underlined letter reach each control.
    auto* etichettaTrova = new QLabel(QStringLiteral("&Trova:"), this);
    etichettaTrova->setObjectName(QStringLiteral("Label2"));
    TxtTestoTrova = new QLineEdit(DaCp1252(trova), this);
    TxtTestoTrova->setObjectName(QStringLiteral("TxtTestoTrova"));
    TxtTestoTrova->setValidator(validatore);
    etichettaTrova->setBuddy(TxtTestoTrova);
    auto* etichettaSost = new QLabel(QStringLiteral("&Sostituisci"), this);
    etichettaSost->setObjectName(QStringLiteral("Label1"));
    TxtTestoSost = new QLineEdit(DaCp1252(sostituisci), this);
    TxtTestoSost->setObjectName(QStringLiteral("TxtTestoSost"));
    TxtTestoSost->setValidator(validatore);
    etichettaSost->setBuddy(TxtTestoSost);
    BloccoAlt::Proteggi({TxtTestoTrova, TxtTestoSost});
    // The texts are matched in capitals against the codes as the customer wrote them: say
    // so, or "rw" finding nothing in a grid full of rw816 looks like a fault.
    auto* maiuscole =
        new QLabel(QStringLiteral("Il testo da trovare e quello nuovo diventano maiuscoli; i "
                                  "codici sono confrontati come sono scritti, quindi le "
                                  "lettere minuscole di un codice non vengono trovate."),
                   this);
    maiuscole->setObjectName(QStringLiteral("LblMaiuscole"));
    maiuscole->setWordWrap(true);

    auto* metodo = new QGroupBox(QStringLiteral("Metodo"), this);
    metodo->setObjectName(QStringLiteral("Frame2"));
    OptCon = new QRadioButton(QStringLiteral("&Contiene"), metodo);
    OptCon->setObjectName(QStringLiteral("OptCon"));
    OptIn = new QRadioButton(QStringLiteral("&Inizia"), metodo);
    OptIn->setObjectName(QStringLiteral("OptIn"));
    OptFin = new QRadioButton(QStringLiteral("&Finisce"), metodo);
    OptFin->setObjectName(QStringLiteral("OptFin"));
    auto* righeMetodo = new QHBoxLayout(metodo);
    righeMetodo->addWidget(OptCon);
    righeMetodo->addWidget(OptIn);
    righeMetodo->addWidget(OptFin);
    righeMetodo->addStretch();
    (modo == zelvano::MetodoSost::Inizia    ? OptIn
     : modo == zelvano::MetodoSost::Finisce ? OptFin
                                            : OptCon)
        ->setChecked(true);

    auto* sinistra = new QGridLayout;
    sinistra->addWidget(etichettaTrova, 0, 0);
    sinistra->addWidget(TxtTestoTrova, 0, 1);
    sinistra->addWidget(etichettaSost, 1, 0);
    sinistra->addWidget(TxtTestoSost, 1, 1);
    sinistra->addWidget(metodo, 2, 0, 1, 2);
    sinistra->addWidget(maiuscole, 3, 0, 1, 2);

    auto* comandi = new QFrame(this);
    comandi->setFrameShape(QFrame::StyledPanel);
    auto* esegui = new QPushButton(QStringLiteral("&Esegui"), comandi);
    esegui->setObjectName(QStringLiteral("LblConferma"));
    esegui->setDefault(true);
    auto* abbandona = new QPushButton(QStringLiteral("&Abbandona"), comandi);
    abbandona->setObjectName(QStringLiteral("LblAbbandona"));
    abbandona->setAutoDefault(false);
    auto* colonnaComandi = new QVBoxLayout(comandi);
    colonnaComandi->addWidget(esegui);
    colonnaComandi->addWidget(abbandona);
    colonnaComandi->addStretch();

    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(sinistra, 1);
    tutto->addWidget(comandi);

    connect(esegui, &QPushButton::clicked, this, [this] {
        confermata_ = true;
        accept();
    });
    connect(abbandona, &QPushButton::clicked, this, &QDialog::reject);
}

zelvano::EsitoRicerca FRicercaTesto::Esito() const {
    if (!confermata_)
        return iniziale_;
    zelvano::EsitoRicerca esito;
    esito.confermata = true;
    esito.trova = ACp1252(TxtTestoTrova->text());
    esito.sostituisci = ACp1252(TxtTestoSost->text());
    esito.modo = OptIn->isChecked()    ? zelvano::MetodoSost::Inizia
                 : OptFin->isChecked() ? zelvano::MetodoSost::Finisce
                                       : zelvano::MetodoSost::Contiene;
    return esito;
}
