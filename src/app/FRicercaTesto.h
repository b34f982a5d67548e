#pragma once
// The find-and-replace window: the text to find, its replacement and where to look
// ("Contiene", "Inizia", "Finisce"). "Esegui" confirms; "Abbandona", Escape or the close
// box leave without confirming. The texts go back as typed: the core upper-cases them.

#include "data/Piattaforma.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QLineEdit;
class QRadioButton;

class FRicercaTesto : public QDialog {
    Q_OBJECT
  public:
    FRicercaTesto(const std::string& trova, const std::string& sostituisci,
                  zelvano::MetodoSost modo, QWidget* parent = nullptr);
    zelvano::EsitoRicerca Esito() const;

  private:
    QLineEdit* TxtTestoTrova;
    QLineEdit* TxtTestoSost;
    QRadioButton* OptCon;
    QRadioButton* OptIn;
    QRadioButton* OptFin;
    bool confermata_ = false;
    zelvano::EsitoRicerca iniziale_;
};
