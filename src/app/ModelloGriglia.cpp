#include "app/ModelloGriglia.h"

#include "app/Cp1252Qt.h"

#include <QColor>

#include <algorithm>
#include <exception>

namespace {
int RigheDati(const zelvano::Griglia& g) {
    return std::max(0, g.Rows() - 1);
}

// Grid colours are 0xBBGGRR.
QColor ColoreQt(uint32_t colore) {
    return QColor(static_cast<int>(colore & 0xFF), static_cast<int>((colore >> 8) & 0xFF),
                  static_cast<int>((colore >> 16) & 0xFF));
}
} // namespace

ModelloGriglia::ModelloGriglia(zelvano::Griglia& griglia, QObject* parent)
    : QAbstractTableModel(parent), griglia_(griglia), righe_(RigheDati(griglia)),
      colonne_(griglia.Cols()) {
    griglia_.SetOsservatore(this);
}

ModelloGriglia::~ModelloGriglia() {
    griglia_.SetOsservatore(nullptr);
}

int ModelloGriglia::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : righe_;
}

int ModelloGriglia::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colonne_;
}

// While redraw is suspended the grid may already hold fewer rows or columns than Qt was
// told of; those cells read as empty until the core resumes and the model resets.
bool ModelloGriglia::CellaEsiste(int riga, int col) const {
    return riga >= 0 && riga < griglia_.Rows() && col >= 0 && col < griglia_.Cols();
}

QVariant ModelloGriglia::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int riga = index.row() + 1;
    const int col = index.column();
    if (!CellaEsiste(riga, col))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return DaCp1252(griglia_.TextMatrix(riga, col));
    case Qt::ToolTipRole: {
        if (!suggerimento_)
            return {};
        std::string testo;
        try {
            testo = suggerimento_(riga, col);
        } catch (const std::exception&) {
            // A tooltip is not worth a message box; the cell simply shows none.
            return {};
        }
        if (testo.empty())
            return {};
        return DaCp1252(testo);
    }
    case Qt::BackgroundRole: {
        const uint32_t colore = griglia_.CellBackColor(riga, col);
        if (colore == zelvano::Griglia::Bianco)
            return {};
        return ColoreQt(colore);
    }
    default:
        return {};
    }
}

QVariant ModelloGriglia::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && section >= 0 && section < righe_)
            return section + 1;
        return {};
    }
    if (section < 0 || section >= colonne_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (!CellaEsiste(0, section))
            return QString();
        return DaCp1252(griglia_.TextMatrix(0, section));
    case Qt::InitialSortOrderRole:
        // A first click on a caption sorts ascending.
        return QVariant::fromValue(Qt::AscendingOrder);
    default:
        return {};
    }
}

Qt::ItemFlags ModelloGriglia::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ModelloGriglia::Ridisegna() {
    beginResetModel();
    righe_ = RigheDati(griglia_);
    colonne_ = griglia_.Cols();
    endResetModel();
    emit colonneCambiate();
}

void ModelloGriglia::CellaCambiata(int riga, int col) {
    if (col < 0 || col >= colonne_)
        return;
    if (riga == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else if (riga >= 1 && riga - 1 < righe_) {
        const QModelIndex i = index(riga - 1, col);
        emit dataChanged(i, i, {Qt::DisplayRole, Qt::BackgroundRole, Qt::ToolTipRole});
    }
}

void ModelloGriglia::RigaCambiata(int riga) {
    if (riga >= 1 && riga - 1 < righe_ && colonne_ > 0)
        emit dataChanged(index(riga - 1, 0), index(riga - 1, colonne_ - 1),
                         {Qt::DisplayRole, Qt::BackgroundRole, Qt::ToolTipRole});
}

void ModelloGriglia::RigheCambiate(int, int dopo) {
    if (griglia_.Cols() != colonne_) {
        Ridisegna();
        return;
    }
    const int nuove = std::max(0, dopo - 1);
    if (nuove > righe_) {
        beginInsertRows({}, righe_, nuove - 1);
        righe_ = nuove;
        endInsertRows();
    } else if (nuove < righe_) {
        beginRemoveRows({}, nuove, righe_ - 1);
        righe_ = nuove;
        endRemoveRows();
    }
}

void ModelloGriglia::ColonneCambiate() {
    if (griglia_.Cols() != colonne_ || RigheDati(griglia_) != righe_) {
        Ridisegna();
        return;
    }
    if (colonne_ > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, colonne_ - 1);
        // A moved column carries its cells with it.
        if (righe_ > 0)
            emit dataChanged(index(0, 0), index(righe_ - 1, colonne_ - 1));
    }
    emit colonneCambiate();
}

void ModelloGriglia::RigaCorrenteCambiata(int riga) {
    emit rigaCorrenteCambiata(riga);
}

void ModelloGriglia::MostraRiga(int riga) {
    emit rigaDaMostrare(riga);
}

void ModelloGriglia::Riordinata(const std::vector<int>& vecchia) {
    // Grid row r now shows what row vecchia[r] showed: the selection and every other
    // persistent index move with their rows.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> nuova(vecchia.size(), 0);
    for (std::size_t r = 0; r < vecchia.size(); ++r)
        nuova[static_cast<std::size_t>(vecchia[r])] = static_cast<int>(r);
    const QModelIndexList prima = persistentIndexList();
    QModelIndexList dopo;
    dopo.reserve(prima.size());
    for (const QModelIndex& i : prima) {
        const auto riga = static_cast<std::size_t>(i.row() + 1);
        dopo << (riga < nuova.size() ? index(nuova[riga] - 1, i.column()) : i);
    }
    changePersistentIndexList(prima, dopo);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit riordinata();
}
