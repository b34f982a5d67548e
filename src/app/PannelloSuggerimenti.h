#pragma once
// "Suggerimenti": the catalogue articles most likely to be the chosen input article, best
// first, each with its score, its code (the characters that differ from the customer's code
// marked), its description and, when it is taken, the input article it is paired with.
// Return or a double-click on a row asks for that candidate, as Ctrl+1 ... Ctrl+9 do.

#include "suggerimenti/Classifica.h"

#include <QWidget>

#include <vector>

class QStandardItemModel;
class QTableView;

namespace zelvano {
struct StatoHome;
}

class PannelloSuggerimenti : public QWidget {
    Q_OBJECT
  public:
    explicit PannelloSuggerimenti(QWidget* parent = nullptr);

    void Mostra(const zelvano::StatoHome& h, const std::vector<zelvano::Suggerimento>& elenco);
    void Svuota();
    QTableView* Vista() const { return vista_; }

  signals:
    // The candidate at this place of the list (0 the best).
    void richiesto(int posizione);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    QStandardItemModel* modello_;
    QTableView* vista_;
};
