#pragma once
// Keeps Alt chords out of text boxes: Alt with a letter is a command (a menu, a button),
// and one that names none must not type its letter into a search box and refilter. Ctrl
// with Alt passes, since some keyboards make AltGr of the two.

#include <QObject>

class BloccoAlt : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Installs one filter, owned by the first box, on every box given.
    static void Proteggi(std::initializer_list<QWidget*> caselle);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};
