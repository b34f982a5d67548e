#pragma once
// One core grid seen as a Qt table model: model row r is grid row r + 1, row 0 of the grid
// gives the captions. The model only mirrors the grid; it keeps its own row and column
// counts so that Qt hears of every change between the matching begin/end calls, even when
// the core rewrote the grid while its redraw was suspended.

#include "data/Griglia.h"

#include <QAbstractTableModel>

#include <functional>
#include <string>

class ModelloGriglia : public QAbstractTableModel, public zelvano::OsservatoreGriglia {
    Q_OBJECT
  public:
    explicit ModelloGriglia(zelvano::Griglia& griglia, QObject* parent = nullptr);
    ~ModelloGriglia() override;

    zelvano::Griglia& Griglia() const { return griglia_; }

    // Asked when the view wants the tooltip of a cell (grid row, column); answers the text.
    using Suggerimento = std::function<std::string(int riga, int col)>;
    void ImpostaSuggerimento(Suggerimento s) { suggerimento_ = std::move(s); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // OsservatoreGriglia
    void Ridisegna() override;
    void CellaCambiata(int riga, int col) override;
    void RigaCambiata(int riga) override;
    void RigheCambiate(int prima, int dopo) override;
    void ColonneCambiate() override;
    void RigaCorrenteCambiata(int riga) override;
    void MostraRiga(int riga) override;
    void Riordinata(const std::vector<int>& vecchia) override;

  signals:
    // For the view: keys, widths or hidden flags may differ (also after every reset).
    void colonneCambiate();
    // Grid rows (1-based), as the core set them.
    void rigaCorrenteCambiata(int riga);
    void rigaDaMostrare(int riga);
    void riordinata();

  private:
    bool CellaEsiste(int riga, int col) const;

    zelvano::Griglia& griglia_;
    int righe_ = 0;   // data rows Qt knows of
    int colonne_ = 0; // columns Qt knows of
    Suggerimento suggerimento_;
};
