#pragma once
// The grid component behind grd1 and Grd2: keyed columns of text cells, row 0 holding the
// captions. The screen shows it through an observer and forwards the user's sort, column
// move and resize back to it; the program reacts through the After* callbacks.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

class OsservatoreGriglia {
  public:
    virtual ~OsservatoreGriglia() = default;
    // Anything may have changed: rows, cells, columns.
    virtual void Ridisegna() = 0;
    virtual void CellaCambiata(int riga, int col) = 0;
    // Rows were appended or dropped at the end; counts include the header row.
    virtual void RigheCambiate(int prima, int dopo) = 0;
    // Keys, widths, hidden flags, captions or the column count changed.
    virtual void ColonneCambiate() = 0;
    virtual void RigaCorrenteCambiata(int riga) = 0;
    virtual void MostraRiga(int riga) = 0;
    // Data rows were reordered; the current row moved with its data.
    virtual void Riordinata() = 0;
};

class Griglia {
  public:
    // Sort order codes: the generic comparison (numbers as numbers, other text without
    // regard to case), ascending or descending.
    static constexpr int OrdineCrescente = 1;
    static constexpr int OrdineDecrescente = 2;
    static constexpr uint32_t Bianco = 0xFFFFFF;
    static constexpr uint32_t Giallo = 65535;

    int Cols() const { return static_cast<int>(colonne_.size()); }
    void SetCols(int n);
    int Rows() const { return righe_; }
    // Setting n + 1 appends one empty row n; setting 1 leaves the header row only.
    void SetRows(int n);

    const std::string& ColKey(int col) const;
    void SetColKey(int col, std::string chiave);
    // -1 when no column bears the key.
    int ColIndex(std::string_view chiave) const;
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    bool ColHidden(int col) const;
    void SetColHidden(int col, bool nascosta);

    const std::string& TextMatrix(int riga, int col) const;
    void SetTextMatrix(int riga, int col, std::string testo);
    // The same by column key; the key must exist.
    const std::string& Testo(int riga, std::string_view chiave) const;
    void SetTesto(int riga, std::string_view chiave, std::string testo);

    uint32_t CellBackColor(int riga, int col) const;
    void SetCellBackColor(int riga, int col, uint32_t colore);

    bool Redraw() const { return ridisegno_; }
    // Turning redraw back on shows everything written meanwhile in one go.
    void SetRedraw(bool attivo);

    int Row() const { return rigaCorrente_; }
    void SetRow(int riga);
    int Col() const { return colCorrente_; }
    void SetCol(int col);
    // Stable sort of the data rows by the current column; the current row stays with its
    // data.
    void Sort(int ordine);
    void ShowCell(int riga, int col);

    const std::string& ToolTipText() const { return tooltip_; }
    void SetToolTipText(std::string testo) { tooltip_ = std::move(testo); }

    // The user's own gestures, forwarded by the screen; each ends with its event.
    void OrdinaUtente(int col, int ordine);
    void SpostaColonnaUtente(int da, int a);
    void RidimensionaUtente(int col, int twips);
    std::function<void(int col, int ordine)> AfterSort;
    std::function<void()> AfterMoveColumn;
    std::function<void()> AfterUserResize;

    void SetOsservatore(OsservatoreGriglia* o) { osservatore_ = o; }

  private:
    struct Colonna {
        std::string chiave;
        int larghezza = 1000;
        bool nascosta = false;
        std::vector<std::string> celle;
        std::vector<uint32_t> colori; // empty until a colour is set
    };
    bool Visibile() const { return ridisegno_ && osservatore_ != nullptr; }
    // Tells the screen now, or marks the grid for one redraw when drawing resumes.
    template <class F> void Avvisa(F avviso) {
        if (Visibile())
            avviso(*osservatore_);
        else
            sporca_ = true;
    }

    std::vector<Colonna> colonne_;
    int righe_ = 0;
    int rigaCorrente_ = 0;
    int colCorrente_ = 0;
    int rigaDaMostrare_ = 0;
    bool ridisegno_ = true;
    bool sporca_ = false;
    std::string tooltip_;
    OsservatoreGriglia* osservatore_ = nullptr;
};

} // namespace zelvano
