#include "data/Griglia.h"

#include "data/Cp1252.h"
#include "data/Testo.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <stdexcept>

namespace zelvano {

namespace {
// A cell's text as a number, for the generic comparison: a decimal number with optional
// blanks around it, never "inf" or "nan", which would not order.
bool ComeNumero(std::string_view t, double& valore) {
    t = Trim(t);
    const std::size_t primo = !t.empty() && t[0] == '-' ? 1 : 0;
    if (t.size() <= primo || !((t[primo] >= '0' && t[primo] <= '9') || t[primo] == '.'))
        return false;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), valore);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

// One row's sort key, computed once per sort: a number, or the upper-cased text.
struct ChiaveRiga {
    double numero = 0;
    std::size_t inizio = 0, lunghezza = 0;
    bool eNumero = false;
};
} // namespace

void Griglia::SetSorgente(const SorgenteRighe* sorgente) {
    sorgente_ = sorgente;
    for (Colonna& c : colonne_)
        Risolvi(c);
    Avvisa([](OsservatoreGriglia& o) { o.Ridisegna(); });
}

void Griglia::Risolvi(Colonna& c) const {
    c.campo = sorgente_ == nullptr ? -1 : sorgente_->Campo(c.chiave);
}

Griglia::Colonna& Griglia::Col(int col) {
    return colonne_.at(static_cast<std::size_t>(col));
}

const Griglia::Colonna& Griglia::Col(int col) const {
    return colonne_.at(static_cast<std::size_t>(col));
}

void Griglia::SetCols(int n) {
    colonne_.resize(static_cast<std::size_t>(std::max(n, 0)));
    colCorrente_ = std::min(colCorrente_, std::max(Cols() - 1, 0));
    Avvisa([&](OsservatoreGriglia& o) { o.ColonneCambiate(); });
}

void Griglia::DimenticaRighe(int da) {
    for (Colonna& c : colonne_) {
        std::erase_if(c.scritte, [da](const auto& e) { return e.first >= da; });
        std::erase_if(c.colori, [da](const auto& e) { return e.first >= da; });
    }
}

void Griglia::RicostruisciRigaDi() const {
    rigaDi_.assign(rigaDi_.size(), 0);
    // Backwards, so that a record shown twice answers with its first row.
    for (int r = Rows() - 1; r >= 1; --r) {
        const int32_t k = record_[static_cast<std::size_t>(r)];
        if (k <= 0)
            continue;
        if (static_cast<std::size_t>(k) >= rigaDi_.size())
            rigaDi_.resize(static_cast<std::size_t>(k) + 1, 0);
        rigaDi_[static_cast<std::size_t>(k)] = r;
    }
    rigaDiValido_ = true;
}

void Griglia::SetRows(int n) {
    n = std::max(n, 0);
    const int prima = Rows();
    if (n < prima) {
        DimenticaRighe(n);
        rigaDiValido_ = false;
    }
    record_.resize(static_cast<std::size_t>(n), 0);
    if (n <= 1)
        ordineAttuale_ = 0;
    if (rigaCorrente_ >= n)
        rigaCorrente_ = 0;
    if (rigaDaMostrare_ >= n)
        rigaDaMostrare_ = 0;
    Avvisa([&](OsservatoreGriglia& o) { o.RigheCambiate(prima, n); });
}

void Griglia::ImpostaRecord(std::vector<int32_t> record) {
    for (Colonna& c : colonne_) {
        c.scritte.clear();
        c.colori.clear();
    }
    record.insert(record.begin(), 0);
    record_ = std::move(record);
    rigaDiValido_ = false;
    ordineAttuale_ = 0;
    rigaCorrente_ = 0;
    rigaDaMostrare_ = 0;
    Avvisa([](OsservatoreGriglia& o) { o.Ridisegna(); });
}

void Griglia::AggiungiRiga(int32_t record) {
    if (Rows() == 0)
        record_.push_back(0);
    const int prima = Rows();
    record_.push_back(record);
    if (record > 0 && rigaDiValido_) {
        if (static_cast<std::size_t>(record) >= rigaDi_.size())
            rigaDi_.resize(static_cast<std::size_t>(record) + 1, 0);
        if (rigaDi_[static_cast<std::size_t>(record)] == 0)
            rigaDi_[static_cast<std::size_t>(record)] = prima;
    }
    Avvisa([&](OsservatoreGriglia& o) { o.RigheCambiate(prima, prima + 1); });
}

int32_t Griglia::Record(int riga) const {
    if (riga < 1 || riga >= Rows())
        return 0;
    return record_[static_cast<std::size_t>(riga)];
}

int Griglia::RigaDi(int32_t record) const {
    if (!rigaDiValido_)
        RicostruisciRigaDi();
    if (record < 1 || static_cast<std::size_t>(record) >= rigaDi_.size())
        return 0;
    return rigaDi_[static_cast<std::size_t>(record)];
}

void Griglia::RecordCambiato(int32_t record) {
    if (const int riga = RigaDi(record))
        Avvisa([&](OsservatoreGriglia& o) { o.RigaCambiata(riga); });
}

const std::string& Griglia::ColKey(int col) const {
    return Col(col).chiave;
}

void Griglia::SetColKey(int col, std::string chiave) {
    Colonna& c = Col(col);
    c.chiave = std::move(chiave);
    Risolvi(c);
}

int Griglia::ColIndex(std::string_view chiave) const {
    for (std::size_t i = 0; i < colonne_.size(); ++i)
        if (colonne_[i].chiave == chiave)
            return static_cast<int>(i);
    return -1;
}

int Griglia::ColWidth(int col) const {
    return Col(col).larghezza;
}

void Griglia::SetColWidth(int col, int twips) {
    Col(col).larghezza = twips;
    Avvisa([&](OsservatoreGriglia& o) { o.ColonneCambiate(); });
}

bool Griglia::ColHidden(int col) const {
    return Col(col).nascosta;
}

void Griglia::SetColHidden(int col, bool nascosta) {
    Col(col).nascosta = nascosta;
    Avvisa([&](OsservatoreGriglia& o) { o.ColonneCambiate(); });
}

void Griglia::Valore(int riga, const Colonna& c, std::string& out) const {
    if (riga == 0) {
        out += c.titolo;
        return;
    }
    if (!c.scritte.empty()) {
        const auto it = c.scritte.find(riga);
        if (it != c.scritte.end()) {
            out += it->second;
            return;
        }
    }
    const int32_t k = record_[static_cast<std::size_t>(riga)];
    if (c.campo >= 0 && k > 0)
        sorgente_->Accoda(k, c.campo, out);
}

std::string Griglia::TextMatrix(int riga, int col) const {
    const Colonna& c = Col(col);
    if (riga < 0 || riga >= Rows())
        throw std::out_of_range("Griglia::TextMatrix");
    std::string out;
    Valore(riga, c, out);
    return out;
}

void Griglia::SetTextMatrix(int riga, int col, std::string testo) {
    Colonna& c = Col(col);
    if (riga < 0 || riga >= Rows())
        throw std::out_of_range("Griglia::SetTextMatrix");
    if (riga == 0) {
        c.titolo = std::move(testo);
        Avvisa([](OsservatoreGriglia& o) { o.ColonneCambiate(); });
        return;
    }
    std::string delRecord;
    const int32_t k = record_[static_cast<std::size_t>(riga)];
    if (c.campo >= 0 && k > 0)
        sorgente_->Accoda(k, c.campo, delRecord);
    if (testo == delRecord)
        c.scritte.erase(riga);
    else
        c.scritte[riga] = std::move(testo);
    Avvisa([&](OsservatoreGriglia& o) { o.CellaCambiata(riga, col); });
}

std::string Griglia::Testo(int riga, std::string_view chiave) const {
    const int col = ColIndex(chiave);
    return col < 0 ? std::string() : TextMatrix(riga, col);
}

uint32_t Griglia::CellBackColor(int riga, int col) const {
    const Colonna& c = Col(col);
    const auto it = c.colori.find(riga);
    return it == c.colori.end() ? Bianco : it->second;
}

void Griglia::SetCellBackColor(int riga, int col, uint32_t colore) {
    Colonna& c = Col(col);
    if (riga < 0 || riga >= Rows())
        throw std::out_of_range("Griglia::SetCellBackColor");
    if (colore == Bianco)
        c.colori.erase(riga);
    else
        c.colori[riga] = colore;
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
    rigaCorrente_ = std::clamp(riga, 0, std::max(Rows() - 1, 0));
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
    const int righe = Rows();
    if (righe <= 2 || colCorrente_ >= Cols() ||
        (ordine != OrdineCrescente && ordine != OrdineDecrescente))
        return;
    const Colonna& c = colonne_[static_cast<std::size_t>(colCorrente_)];
    // Each row's key once: numbers as numbers, text upper-cased into one buffer.
    std::vector<ChiaveRiga> chiavi(static_cast<std::size_t>(righe));
    std::string testi, cella;
    for (int r = 1; r < righe; ++r) {
        cella.clear();
        Valore(r, c, cella);
        ChiaveRiga& k = chiavi[static_cast<std::size_t>(r)];
        k.eNumero = ComeNumero(cella, k.numero);
        if (!k.eNumero) {
            k.inizio = testi.size();
            k.lunghezza = cella.size();
            for (char ch : cella)
                testi += static_cast<char>(MaiuscolaCp1252(static_cast<unsigned char>(ch)));
        }
    }
    const std::string_view tutti(testi);
    // Numbers before text, numbers by value, text without regard to case.
    const auto confronta = [&](int a, int b) {
        const ChiaveRiga& ka = chiavi[static_cast<std::size_t>(a)];
        const ChiaveRiga& kb = chiavi[static_cast<std::size_t>(b)];
        if (ka.eNumero && kb.eNumero)
            return ka.numero < kb.numero ? -1 : (kb.numero < ka.numero ? 1 : 0);
        if (ka.eNumero || kb.eNumero)
            return ka.eNumero ? -1 : 1;
        return tutti.substr(ka.inizio, ka.lunghezza).compare(tutti.substr(kb.inizio, kb.lunghezza));
    };
    std::vector<int> vecchia(static_cast<std::size_t>(righe));
    std::iota(vecchia.begin(), vecchia.end(), 0);
    std::stable_sort(vecchia.begin() + 1, vecchia.end(), [&](int a, int b) {
        const int v = confronta(a, b);
        return ordine == OrdineCrescente ? v < 0 : v > 0;
    });

    std::vector<int> nuova(static_cast<std::size_t>(righe));
    for (int r = 0; r < righe; ++r)
        nuova[static_cast<std::size_t>(vecchia[static_cast<std::size_t>(r)])] = r;
    std::vector<int32_t> record(record_.size());
    for (int r = 0; r < righe; ++r)
        record[static_cast<std::size_t>(r)] = record_[static_cast<std::size_t>(vecchia[r])];
    record_ = std::move(record);
    for (Colonna& col : colonne_) {
        std::unordered_map<int, std::string> scritte;
        for (auto& [r, t] : col.scritte)
            scritte.emplace(nuova[static_cast<std::size_t>(r)], std::move(t));
        col.scritte = std::move(scritte);
        std::unordered_map<int, uint32_t> colori;
        for (const auto& [r, v] : col.colori)
            colori.emplace(nuova[static_cast<std::size_t>(r)], v);
        col.colori = std::move(colori);
    }
    rigaDiValido_ = false;
    chiaveOrdinata_ = c.chiave;
    ordineAttuale_ = ordine;
    if (rigaCorrente_ > 0)
        rigaCorrente_ = nuova[static_cast<std::size_t>(rigaCorrente_)];
    Avvisa([&](OsservatoreGriglia& o) { o.Riordinata(vecchia); });
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
    Colonna c = std::move(colonne_[static_cast<std::size_t>(da)]);
    colonne_.erase(colonne_.begin() + da);
    colonne_.insert(colonne_.begin() + a, std::move(c));
    Avvisa([&](OsservatoreGriglia& o) { o.Ridisegna(); });
    if (AfterMoveColumn)
        AfterMoveColumn();
}

void Griglia::RidimensionaUtente(int col, int twips) {
    if (col < 0 || col >= Cols())
        return;
    Col(col).larghezza = twips; // the screen already shows the new width
    if (AfterUserResize)
        AfterUserResize();
}

} // namespace zelvano
