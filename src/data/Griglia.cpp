#include "data/Griglia.h"

#include "data/Cp1252.h"
#include "data/Testo.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>

namespace zelvano {

namespace {
const std::string Vuoto;

std::optional<double> ComeNumero(std::string_view t) {
    t = Trim(t);
    if (t.empty())
        return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size())
        return std::nullopt;
    return v;
}

// Numbers before text, numbers by value, text without regard to case.
int Confronta(std::string_view a, std::string_view b) {
    const auto na = ComeNumero(a);
    const auto nb = ComeNumero(b);
    if (na && nb)
        return *na < *nb ? -1 : (*nb < *na ? 1 : 0);
    if (na || nb)
        return na ? -1 : 1;
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = MaiuscolaCp1252(static_cast<unsigned char>(a[i]));
        const auto cb = MaiuscolaCp1252(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (b.size() < a.size() ? 1 : 0);
}
} // namespace

void Griglia::SetCols(int n) {
    colonne_.resize(static_cast<std::size_t>(std::max(n, 0)));
    for (Colonna& c : colonne_)
        c.celle.resize(static_cast<std::size_t>(righe_));
    colCorrente_ = std::min(colCorrente_, std::max(Cols() - 1, 0));
    Avvisa([&](OsservatoreGriglia& o) { o.ColonneCambiate(); });
}

void Griglia::SetRows(int n) {
    n = std::max(n, 0);
    const int prima = righe_;
    righe_ = n;
    for (Colonna& c : colonne_) {
        c.celle.resize(static_cast<std::size_t>(n));
        if (!c.colori.empty())
            c.colori.resize(static_cast<std::size_t>(n), Bianco);
    }
    if (rigaCorrente_ >= n)
        rigaCorrente_ = 0;
    if (rigaDaMostrare_ >= n)
        rigaDaMostrare_ = 0;
    Avvisa([&](OsservatoreGriglia& o) { o.RigheCambiate(prima, n); });
}

const std::string& Griglia::ColKey(int col) const {
    return colonne_.at(col).chiave;
}

void Griglia::SetColKey(int col, std::string chiave) {
    colonne_.at(col).chiave = std::move(chiave);
}

int Griglia::ColIndex(std::string_view chiave) const {
    for (std::size_t i = 0; i < colonne_.size(); ++i)
        if (colonne_[i].chiave == chiave)
            return static_cast<int>(i);
    return -1;
}

int Griglia::ColWidth(int col) const {
    return colonne_.at(col).larghezza;
}

void Griglia::SetColWidth(int col, int twips) {
    colonne_.at(col).larghezza = twips;
    Avvisa([&](OsservatoreGriglia& o) { o.ColonneCambiate(); });
}

bool Griglia::ColHidden(int col) const {
    return colonne_.at(col).nascosta;
}

void Griglia::SetColHidden(int col, bool nascosta) {
    colonne_.at(col).nascosta = nascosta;
    Avvisa([&](OsservatoreGriglia& o) { o.ColonneCambiate(); });
}

const std::string& Griglia::TextMatrix(int riga, int col) const {
    return colonne_.at(col).celle.at(riga);
}

void Griglia::SetTextMatrix(int riga, int col, std::string testo) {
    colonne_.at(col).celle.at(riga) = std::move(testo);
    Avvisa([&](OsservatoreGriglia& o) {
        if (riga == 0)
            o.ColonneCambiate();
        else
            o.CellaCambiata(riga, col);
    });
}

const std::string& Griglia::Testo(int riga, std::string_view chiave) const {
    const int col = ColIndex(chiave);
    return col < 0 ? Vuoto : TextMatrix(riga, col);
}

void Griglia::SetTesto(int riga, std::string_view chiave, std::string testo) {
    SetTextMatrix(riga, ColIndex(chiave), std::move(testo));
}

uint32_t Griglia::CellBackColor(int riga, int col) const {
    const Colonna& c = colonne_.at(col);
    return c.colori.empty() ? Bianco : c.colori.at(riga);
}

void Griglia::SetCellBackColor(int riga, int col, uint32_t colore) {
    Colonna& c = colonne_.at(col);
    if (c.colori.empty())
        c.colori.assign(static_cast<std::size_t>(righe_), Bianco);
    c.colori.at(riga) = colore;
    Avvisa([&](OsservatoreGriglia& o) { o.CellaCambiata(riga, col); });
}

void Griglia::SetRedraw(bool attivo) {
    ridisegno_ = attivo;
    if (!Visibile() || !sporca_)
        return;
    sporca_ = false;
    osservatore_->Ridisegna();
    osservatore_->RigaCorrenteCambiata(rigaCorrente_);
    if (rigaDaMostrare_ > 0)
        osservatore_->MostraRiga(rigaDaMostrare_);
    rigaDaMostrare_ = 0;
}

void Griglia::SetRow(int riga) {
    rigaCorrente_ = std::clamp(riga, 0, std::max(righe_ - 1, 0));
    Avvisa([&](OsservatoreGriglia& o) { o.RigaCorrenteCambiata(rigaCorrente_); });
}

void Griglia::SetCol(int col) {
    colCorrente_ = std::clamp(col, 0, std::max(Cols() - 1, 0));
}

void Griglia::ShowCell(int riga, int) {
    if (Visibile())
        osservatore_->MostraRiga(riga);
    else
        rigaDaMostrare_ = riga;
}

void Griglia::Sort(int ordine) {
    if (righe_ <= 2 || colCorrente_ >= Cols() ||
        (ordine != OrdineCrescente && ordine != OrdineDecrescente))
        return;
    const std::vector<std::string>& chiavi = colonne_[colCorrente_].celle;
    std::vector<int> ordineRighe(static_cast<std::size_t>(righe_ - 1));
    std::iota(ordineRighe.begin(), ordineRighe.end(), 1);
    std::stable_sort(ordineRighe.begin(), ordineRighe.end(), [&](int a, int b) {
        const int c = Confronta(chiavi[a], chiavi[b]);
        return ordine == OrdineCrescente ? c < 0 : c > 0;
    });
    for (Colonna& col : colonne_) {
        std::vector<std::string> nuove(col.celle.size());
        nuove[0] = std::move(col.celle[0]);
        for (std::size_t r = 0; r < ordineRighe.size(); ++r)
            nuove[r + 1] = std::move(col.celle[ordineRighe[r]]);
        col.celle = std::move(nuove);
        if (!col.colori.empty()) {
            std::vector<uint32_t> colori(col.colori.size(), Bianco);
            for (std::size_t r = 0; r < ordineRighe.size(); ++r)
                colori[r + 1] = col.colori[ordineRighe[r]];
            col.colori = std::move(colori);
        }
    }
    if (rigaCorrente_ > 0) {
        const auto it = std::find(ordineRighe.begin(), ordineRighe.end(), rigaCorrente_);
        rigaCorrente_ = static_cast<int>(it - ordineRighe.begin()) + 1;
    }
    Avvisa([&](OsservatoreGriglia& o) { o.Riordinata(); });
}

void Griglia::OrdinaUtente(int col, int ordine) {
    SetCol(col);
    Sort(ordine);
    if (AfterSort)
        AfterSort(col, ordine);
}

void Griglia::SpostaColonnaUtente(int da, int a) {
    if (da < 0 || a < 0 || da >= Cols() || a >= Cols() || da == a)
        return;
    Colonna c = std::move(colonne_[da]);
    colonne_.erase(colonne_.begin() + da);
    colonne_.insert(colonne_.begin() + a, std::move(c));
    Avvisa([&](OsservatoreGriglia& o) { o.Ridisegna(); });
    if (AfterMoveColumn)
        AfterMoveColumn();
}

void Griglia::RidimensionaUtente(int col, int twips) {
    if (col < 0 || col >= Cols())
        return;
    colonne_[col].larghezza = twips; // the screen already shows the new width
    if (AfterUserResize)
        AfterUserResize();
}

} // namespace zelvano
