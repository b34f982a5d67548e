#pragma once
// The choice shown when the catalogue article to pair is already taken: cancel the earlier
// pair ("ANN"), add a further pair through a copy of the catalogue line ("DUP"), or give up
// ("ABB"). Closing it any other way gives up too.

#include <QDialog>

#include <string>

class FrmMsg : public QDialog {
    Q_OBJECT
  public:
    explicit FrmMsg(QWidget* parent = nullptr);
    const std::string& Esito() const { return esito_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Scegli(const char* esito);
    std::string esito_ = "ABB";
};
