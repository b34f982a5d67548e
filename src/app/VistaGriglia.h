#pragma once
// The table view of one core grid. It shows what the core holds (hidden columns, widths in
// twips, the current row) and hands the user's gestures back to the core: a row chosen by
// mouse or keyboard (moving onto it, Return or Space on it, or tabbing into the grid on
// it), a sort by caption, a column moved or resized. The core owns the column
// order, so after a move the header goes back to showing the model's order. It owns the
// current row too: the view only shows it, and after a gesture shows the row the core
// chose, which may not be the one the user went to.

#include "app/ModelloGriglia.h"

#include <QTableView>

#include <functional>
#include <map>

class VistaGriglia : public QTableView {
    Q_OBJECT
  public:
    // Screen pixels are 15 twips here, as on the screens the layouts were designed on.
    static constexpr int TwipsPerPixel = 15;

    explicit VistaGriglia(zelvano::Griglia& griglia, QWidget* parent = nullptr);

    ModelloGriglia* Modello() const { return modello_; }

    // Runs a call into the core; the main window passes its dispatcher. By default the call
    // runs as it is.
    using Esecutore = std::function<void(const std::function<void()>&)>;
    void ImpostaEsecutore(Esecutore esecutore) { esegui_ = std::move(esecutore); }
    // Called (through the executor) with the row (1 and up) the user chose.
    void ImpostaClick(std::function<void(int riga)> click) { click_ = std::move(click); }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    QModelIndex moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void Esegui(const std::function<void()>& chiamata);
    void RigaDellUtente(int riga);
    void ApplicaColonne();
    void SeguiRigaCorrente(int riga);
    void MostraRiga(int riga);
    void DopoReset();
    int ColonnaPerRiga() const;
    void RipristinaOrdineVisivo();
    // The header's arrow shows the order the core's rows are in, whoever sorted them.
    void MostraOrdinamento();
    void InoltraRidimensionamento(int col, int pixel);

    zelvano::Griglia& griglia_;
    ModelloGriglia* modello_;
    Esecutore esegui_;
    std::function<void(int)> click_;

    // Qt reports the widths and moves this code makes as if the user had made them: these
    // keep them from going back to the core as the user's resize or column move.
    bool applicandoColonne_ = false; // widths and hidden flags set by this code
    bool riordinandoIntestazione_ = false;
    bool trascinandoIntestazione_ = false;         // a header drag is under way
    std::map<int, int> ridimensionamentiPendenti_; // column -> pixels, until the drag ends
    int rigaDaMostrare_ = 0;                       // a row the core showed before Qt had it
    int scorrimentoPrimaDelReset_ = 0;
    int righePrimaDelReset_ = 0;
};
