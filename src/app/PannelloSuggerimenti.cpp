#include "app/PannelloSuggerimenti.h"

#include "app/Cp1252Qt.h"
#include "app/DelegatoDifferenze.h"
#include "data/StatoHome.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
enum Colonna { Numero, Punti, Codice, Descrizione, AssociatoA, Colonne };
}

PannelloSuggerimenti::PannelloSuggerimenti(QWidget* parent)
    : QWidget(parent), modello_(new QStandardItemModel(0, Colonne, this)),
      vista_(new QTableView(this)) {
    setObjectName(QStringLiteral("Suggerimenti"));
    auto* titolo = new QLabel(QStringLiteral("Suggerimenti"), this);
    QFont grassetto = titolo->font();
    grassetto.setBold(true);
    titolo->setFont(grassetto);

    modello_->setHorizontalHeaderLabels(
        {QStringLiteral("N."), QStringLiteral("Punti"), QStringLiteral("Codice Articolo"),
         QStringLiteral("Descrizione"), QStringLiteral("Associato a")});
    vista_->setObjectName(QStringLiteral("elencoSuggerimenti"));
    vista_->setModel(modello_);
    vista_->setItemDelegateForColumn(Codice, new DelegatoDifferenze(vista_));
    vista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista_->setSelectionMode(QAbstractItemView::SingleSelection);
    vista_->setTabKeyNavigation(false);
    vista_->setWordWrap(false);
    vista_->setTextElideMode(Qt::ElideMiddle);
    vista_->verticalHeader()->setVisible(false);
    vista_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vista_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    vista_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The description takes what the other columns leave.
    vista_->horizontalHeader()->setStretchLastSection(false);
    vista_->horizontalHeader()->setSectionResizeMode(Descrizione, QHeaderView::Stretch);
    vista_->setColumnWidth(Numero, 30);
    vista_->setColumnWidth(Punti, 48);
    vista_->setColumnWidth(Codice, 130);
    vista_->setColumnWidth(AssociatoA, 100);
    vista_->installEventFilter(this);
    connect(vista_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { emit richiesto(i.row()); });

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(2);
    colonna->addWidget(titolo);
    colonna->addWidget(vista_, 1);
}

bool PannelloSuggerimenti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == vista_ && evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if ((tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) &&
            vista_->currentIndex().isValid()) {
            emit richiesto(vista_->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

void PannelloSuggerimenti::Svuota() {
    modello_->setRowCount(0);
}

void PannelloSuggerimenti::Mostra(const zelvano::StatoHome& h,
                                  const std::vector<zelvano::Suggerimento>& elenco) {
    modello_->setRowCount(0);
    for (std::size_t k = 0; k < elenco.size(); ++k) {
        const zelvano::Suggerimento& s = elenco[k];
        const zelvano::RecArticolo& p = h.ArtProd[static_cast<std::size_t>(s.j)];
        QString segni;
        for (const bool d : s.diversi)
            segni += d ? u'1' : u'0';
        auto* codice = new QStandardItem(DaCp1252(p.CdProd.str()));
        codice->setData(segni, DelegatoDifferenze::RuoloDiversi);
        QString associato;
        if (p.PCdInt >= 1 && p.PCdInt <= h.NumInt)
            associato = DaCp1252(h.ArtInt[static_cast<std::size_t>(p.PCdInt)].CdInt.str());
        // Ctrl+1 ... Ctrl+9 reach the first nine.
        const QString numero = k < 9 ? QString::number(k + 1) : QString();
        // Descriptions that differ only at the end (06.543.64, 06.543.66) must be told
        // apart: the column keeps both ends and the tooltip holds the whole text.
        auto* descrizione = new QStandardItem(DaCp1252(p.Descr.str()));
        descrizione->setToolTip(descrizione->text());
        codice->setToolTip(codice->text());
        modello_->appendRow({new QStandardItem(numero),
                             new QStandardItem(QString::number(s.punteggio)), codice, descrizione,
                             new QStandardItem(associato)});
    }
}
