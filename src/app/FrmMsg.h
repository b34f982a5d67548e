#pragma once
// The choice shown when the catalogue article to pair is already taken: cancel the earlier
// pair ("ANN"), add a further pair through a copy of the catalogue line ("DUP"), or give up
// ("ABB"). Closing it any other way, Escape included, gives up too; the focus starts on
// giving up.

#include "data/Piattaforma.h"

#include <QDialog>

class FrmMsg : public QDialog {
    Q_OBJECT
  public:
    explicit FrmMsg(QWidget* parent = nullptr);
    zelvano::EsitoScelta Esito() const { return esito_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Scegli(zelvano::EsitoScelta esito);
    zelvano::EsitoScelta esito_ = zelvano::EsitoScelta::Abbandona;
};
