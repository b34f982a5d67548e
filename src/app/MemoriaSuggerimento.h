#pragma once
// The tooltip of one grid as the pointer last left it: worked out again only when the
// pointer is over another cell, and kept as it was over the header or below the rows.

#include <optional>
#include <string>

class MemoriaSuggerimento {
  public:
    // calcola(riga, col) gives the cell's tooltip, or nothing where it stays as it was.
    template <class Calcolo> const std::string& Testo(int riga, int col, Calcolo&& calcola) {
        if (riga == riga_ && col == col_)
            return testo_;
        riga_ = riga;
        col_ = col;
        if (std::optional<std::string> nuovo = calcola(riga, col))
            testo_ = std::move(*nuovo);
        return testo_;
    }

  private:
    int riga_ = 0, col_ = 0;
    std::string testo_;
};
