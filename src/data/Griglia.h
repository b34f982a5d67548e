#pragma once
// The grid component behind grd1 and Grd2: keyed columns over rows that each show one
// record. A cell shows its record's field, read when asked; what a procedure writes into
// a cell that differs from the record (the codes of a replacement waiting for its answer)
// is kept beside the row and shown instead. Row 0 holds the captions. The screen shows it
// through an observer and forwards the user's sort, column move and resize back to it; the
// program reacts through the After* callbacks.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvano {

// What a row's record shows in each column.
class SorgenteRighe {
  public:
    virtual ~SorgenteRighe() = default;
    // The field a column with this key shows; -1 when the key names none, and the column
    // then shows only what is written into it.
    virtual int Campo(std::string_view chiave) const = 0;
    // Appends the text of a field of a record (1 and up) to out.
    virtual void Accoda(int32_t record, int campo, std::string& out) const = 0;
};

class OsservatoreGriglia {
  public:
    virtual ~OsservatoreGriglia() = default;
    // Anything may have changed: rows, cells, columns.
    virtual void Ridisegna() = 0;
    virtual void CellaCambiata(int riga, int col) = 0;
    virtual void RigaCambiata(int riga) = 0;
    // Rows were appended or dropped at the end; counts include the header row.
    virtual void RigheCambiate(int prima, int dopo) = 0;
    // Keys, widths, hidden flags, captions or the column count changed.
    virtual void ColonneCambiate() = 0;
    virtual void RigaCorrenteCambiata(int riga) = 0;
    virtual void MostraRiga(int riga) = 0;
    // Data rows were reordered: row r now shows what row vecchia[r] showed (vecchia[0] is
    // 0, the header). The current row moved with its data.
    virtual void Riordinata(const std::vector<int>& vecchia) = 0;
};

class Griglia {
  public:
    // Sort order codes: the generic comparison (numbers as numbers, other text without
    // regard to case), ascending or descending.
    static constexpr int OrdineCrescente = 1;
    static constexpr int OrdineDecrescente = 2;
    static constexpr uint32_t Bianco = 0xFFFFFF;
    static constexpr uint32_t Giallo = 65535;

    // The records' side of every cell; without one every cell shows what was written.
    void SetSorgente(const SorgenteRighe* sorgente);

    int Cols() const { return static_cast<int>(colonne_.size()); }
    void SetCols(int n);
    int Rows() const { return static_cast<int>(record_.size()); }
    // Setting n + 1 appends one empty row n, showing no record; setting 1 leaves the header
    // row only.
    void SetRows(int n);

    // Every data row at once, one per record, in this order; what was written is dropped.
    void ImpostaRecord(std::vector<int32_t> record);
    // Appends one row showing a record.
    void AggiungiRiga(int32_t record);
    // The record a data row shows; 0 for none (and for the header).
    int32_t Record(int riga) const;
    // The first data row showing the record; 0 when none does.
    int RigaDi(int32_t record) const;
    // The record's fields changed: the row showing it is drawn again.
    void RecordCambiato(int32_t record);

    const std::string& ColKey(int col) const;
    void SetColKey(int col, std::string chiave);
    // -1 when no column bears the key.
    int ColIndex(std::string_view chiave) const;
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    bool ColHidden(int col) const;
    void SetColHidden(int col, bool nascosta);

    std::string TextMatrix(int riga, int col) const;
    // A text equal to the record's own value leaves the cell showing the record.
    void SetTextMatrix(int riga, int col, std::string testo);
    // The text of a cell by column key; empty when no column bears it.
    std::string Testo(int riga, std::string_view chiave) const;

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
    // The order the rows are in: the key of the column of the last sort and its order code,
    // until the rows are replaced (0 then: the order they were written in).
    const std::string& ChiaveOrdinata() const { return chiaveOrdinata_; }
    int OrdineAttuale() const { return ordineAttuale_; }
    void ShowCell(int riga, int col);

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
        std::string titolo;
        int larghezza = 1000;
        bool nascosta = false;
        int campo = -1;                               // the record field it shows
        std::unordered_map<int, std::string> scritte; // row -> text differing from the record
        std::unordered_map<int, uint32_t> colori;     // row -> colour other than white
    };
    bool Visibile() const { return ridisegno_ && osservatore_ != nullptr; }
    // Tells the screen now, or marks the grid for one redraw when drawing resumes.
    template <class F> void Avvisa(F avviso) {
        if (Visibile())
            avviso(*osservatore_);
        else
            sporca_ = true;
    }
    Colonna& Col(int col);
    const Colonna& Col(int col) const;
    void Risolvi(Colonna& c) const;
    void Valore(int riga, const Colonna& c, std::string& out) const;
    void RicostruisciRigaDi() const;
    void DimenticaRighe(int da);

    std::vector<Colonna> colonne_;
    std::vector<int32_t> record_{}; // per row, header included (0)
    // Per record: its first row, 0 = none. Made again only when asked after the rows
    // changed, so a refill at every keystroke does not pay for it.
    mutable std::vector<int> rigaDi_;
    mutable bool rigaDiValido_ = true;
    const SorgenteRighe* sorgente_ = nullptr;
    int rigaCorrente_ = 0;
    int colCorrente_ = 0;
    std::string chiaveOrdinata_;
    int ordineAttuale_ = 0;
    int rigaDaMostrare_ = 0;
    bool ridisegno_ = true;
    bool sporca_ = false;
    OsservatoreGriglia* osservatore_ = nullptr;
};

} // namespace zelvano
