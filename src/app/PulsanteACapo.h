#pragma once
// A push button whose caption wraps onto more lines, for the tall narrow buttons of the
// dialogs; text() stays the caption as given, its mnemonic underlined. The button with the
// keyboard focus shows a frame of its own.

#include <QPushButton>

class PulsanteACapo : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
