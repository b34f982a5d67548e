#include "app/VistaGriglia.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <utility>

VistaGriglia::VistaGriglia(zelvano::Griglia& griglia, QWidget* parent)
    : QTableView(parent), griglia_(griglia), modello_(new ModelloGriglia(griglia, this)) {
    setModel(modello_);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setWordWrap(false);
    setTabKeyNavigation(false);
    viewport()->setMouseTracking(true);
    setDragEnabled(false);

    // Rows are never measured one by one: with hundreds of thousands of rows anything else
    // costs seconds per refill.
    QHeaderView* verticale = verticalHeader();
    verticale->setSectionResizeMode(QHeaderView::Fixed);
    verticale->setDefaultSectionSize(fontMetrics().height() + 6);
    verticale->setVisible(false);

    QHeaderView* intestazione = horizontalHeader();
    intestazione->setSectionsClickable(true);
    intestazione->setSectionsMovable(true);
    intestazione->setSortIndicatorShown(true);
    intestazione->setHighlightSections(false);
    intestazione->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    intestazione->setStretchLastSection(false);
    {
        const QSignalBlocker blocco(intestazione);
        intestazione->setSortIndicator(-1, Qt::AscendingOrder);
    }
    intestazione->viewport()->installEventFilter(this);

    connect(intestazione, &QHeaderView::sortIndicatorChanged, this,
            [this](int col, Qt::SortOrder ordine) {
                if (col < 0)
                    return;
                const int codice = ordine == Qt::AscendingOrder
                                       ? zelvano::Griglia::OrdineCrescente
                                       : zelvano::Griglia::OrdineDecrescente;
                Esegui([this, col, codice] { griglia_.OrdinaUtente(col, codice); });
            });
    connect(intestazione, &QHeaderView::sectionMoved, this,
            [this](int logica, int, int versoVisiva) {
                if (riordinandoIntestazione_)
                    return;
                // With the header in model order the visual target is the core's column.
                Esegui([this, logica, versoVisiva] {
                    griglia_.SpostaColonnaUtente(logica, versoVisiva);
                });
                RipristinaOrdineVisivo();
                ApplicaColonne();
            });
    connect(intestazione, &QHeaderView::sectionResized, this, [this](int col, int, int nuova) {
        if (applicandoColonne_ || riordinandoIntestazione_ || nuova <= 0)
            return;
        if (trascinandoIntestazione_) {
            // The core hears of the width once, when the user lets go.
            ridimensionamentiPendenti_[col] = nuova;
            return;
        }
        InoltraRidimensionamento(col, nuova);
    });

    connect(modello_, &ModelloGriglia::colonneCambiate, this, &VistaGriglia::ApplicaColonne);
    connect(modello_, &ModelloGriglia::rigaCorrenteCambiata, this,
            &VistaGriglia::SeguiRigaCorrente);
    connect(modello_, &ModelloGriglia::rigaDaMostrare, this, &VistaGriglia::MostraRiga);
    connect(modello_, &ModelloGriglia::riordinata, this, [this] {
        MostraOrdinamento();
        SeguiRigaCorrente(griglia_.Row());
        if (griglia_.Row() >= 1)
            MostraRiga(griglia_.Row());
    });
    connect(modello_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        applicandoColonne_ = true;
        scorrimentoPrimaDelReset_ = verticalScrollBar()->value();
        righePrimaDelReset_ = modello_->rowCount();
    });
    connect(modello_, &QAbstractItemModel::modelReset, this, &VistaGriglia::DopoReset);
    // Rows the core removes may take the current row with them: Qt moves it elsewhere, the
    // core says where it is.
    connect(modello_, &QAbstractItemModel::rowsRemoved, this,
            [this] { SeguiRigaCorrente(griglia_.Row()); });
    connect(modello_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (rigaDaMostrare_ > 0)
            MostraRiga(rigaDaMostrare_);
    });

    ApplicaColonne();
}

void VistaGriglia::Esegui(const std::function<void()>& chiamata) {
    if (esegui_)
        esegui_(chiamata);
    else
        chiamata();
}

void VistaGriglia::RigaDellUtente(int riga) {
    Esegui([this, riga] {
        if (click_)
            click_(riga);
    });
    // The core moves its row, and the view with it. A choice it did not take (a call dropped
    // while another command runs) must not stay framed: the view shows the core's row again,
    // unless the core is refilling the grid, whose redraw will show it.
    if (griglia_.Redraw())
        SeguiRigaCorrente(griglia_.Row());
}

void VistaGriglia::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    // Any button on another row chooses it, as the left one does on the current row too.
    const QModelIndex cella = indexAt(event->position().toPoint());
    if (cella.isValid() && (event->button() == Qt::LeftButton || cella.row() + 1 != griglia_.Row()))
        RigaDellUtente(cella.row() + 1);
}

void VistaGriglia::mouseMoveEvent(QMouseEvent* event) {
    // No drag selection: every row passed over would be a new choice for the core.
    if (event->buttons() != Qt::NoButton)
        return;
    QTableView::mouseMoveEvent(event);
    // The core hears of every cell the pointer reaches, and a tooltip already up follows the
    // pointer from cell to cell; outside the cells it stays as it was.
    const QModelIndex cella = indexAt(event->position().toPoint());
    if (!cella.isValid())
        return;
    const QString testo = cella.data(Qt::ToolTipRole).toString();
    if (!QToolTip::isVisible())
        return;
    if (testo.isEmpty())
        QToolTip::hideText();
    else if (testo != QToolTip::text())
        QToolTip::showText(event->globalPosition().toPoint(), testo, viewport());
}

void VistaGriglia::keyPressEvent(QKeyEvent* event) {
    const int tasto = event->key();
    if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier) {
        // Return or Space chooses the row the keyboard is on, as a click would.
        if (currentIndex().isValid())
            RigaDellUtente(currentIndex().row() + 1);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
    // A key that took the keyboard to another row (arrows, pages, Home and End, typing the
    // start of a text) chooses it; left and right only change the column.
    const QModelIndex attuale = currentIndex();
    if (attuale.isValid() && attuale.row() + 1 != griglia_.Row())
        RigaDellUtente(attuale.row() + 1);
}

void VistaGriglia::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    // Tabbing into the grid puts the keyboard on a row: that row is the chosen one, so what
    // the user sees framed is what the next command acts on. A click chooses its own row.
    const Qt::FocusReason motivo = event->reason();
    if (motivo != Qt::TabFocusReason && motivo != Qt::BacktabFocusReason &&
        motivo != Qt::ShortcutFocusReason)
        return;
    const QModelIndex attuale = currentIndex();
    if (!attuale.isValid()) {
        if (modello_->rowCount() > 0)
            RigaDellUtente(1);
    } else if (attuale.row() + 1 != griglia_.Row()) {
        RigaDellUtente(attuale.row() + 1);
    }
}

QModelIndex VistaGriglia::moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) {
    // Home and End go to the first and last article, not to the first and last column.
    if (azione == MoveHome || azione == MoveEnd)
        modificatori |= Qt::ControlModifier;
    // With no row framed yet Qt would start from the first row whatever the key: End still
    // means the last one.
    if (azione == MoveEnd && !currentIndex().isValid() && modello_->rowCount() > 0)
        return modello_->index(modello_->rowCount() - 1, ColonnaPerRiga());
    return QTableView::moveCursor(azione, modificatori);
}

bool VistaGriglia::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == horizontalHeader()->viewport()) {
        if (evento->type() == QEvent::MouseButtonPress) {
            trascinandoIntestazione_ = true;
        } else if (evento->type() == QEvent::MouseButtonRelease) {
            trascinandoIntestazione_ = false;
            auto pendenti = std::exchange(ridimensionamentiPendenti_, {});
            for (const auto& [col, pixel] : pendenti)
                InoltraRidimensionamento(col, pixel);
        }
    }
    return QTableView::eventFilter(oggetto, evento);
}

void VistaGriglia::InoltraRidimensionamento(int col, int pixel) {
    Esegui([this, col, pixel] { griglia_.RidimensionaUtente(col, pixel * TwipsPerPixel); });
}

void VistaGriglia::ApplicaColonne() {
    QScopedValueRollback mio(applicandoColonne_, true);
    const int n = std::min(griglia_.Cols(), modello_->columnCount());
    for (int c = 0; c < n; ++c) {
        const bool nascosta = griglia_.ColHidden(c);
        if (isColumnHidden(c) != nascosta)
            setColumnHidden(c, nascosta);
        if (nascosta)
            continue;
        const int pixel = std::max(1, griglia_.ColWidth(c) / TwipsPerPixel);
        if (columnWidth(c) != pixel)
            setColumnWidth(c, pixel);
    }
    MostraOrdinamento();
}

int VistaGriglia::ColonnaPerRiga() const {
    const QModelIndex attuale = currentIndex();
    if (attuale.isValid() && !isColumnHidden(attuale.column()))
        return attuale.column();
    for (int v = 0; v < horizontalHeader()->count(); ++v) {
        const int c = horizontalHeader()->logicalIndex(v);
        if (!isColumnHidden(c))
            return c;
    }
    return 0;
}

void VistaGriglia::SeguiRigaCorrente(int riga) {
    QItemSelectionModel* selezione = selectionModel();
    if (riga < 1 || riga - 1 >= modello_->rowCount() || modello_->columnCount() == 0) {
        selezione->clearCurrentIndex();
        selezione->clearSelection();
        return;
    }
    const QModelIndex cella = modello_->index(riga - 1, ColonnaPerRiga());
    selezione->setCurrentIndex(cella,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void VistaGriglia::MostraRiga(int riga) {
    if (riga < 1)
        return;
    if (riga - 1 >= modello_->rowCount() || modello_->columnCount() == 0) {
        rigaDaMostrare_ = riga;
        return;
    }
    rigaDaMostrare_ = 0;
    // With its neighbours, so that the clerk sees where the row sits: the one below first,
    // then the one above, which wins when there is room for the row alone.
    const int col = ColonnaPerRiga();
    if (riga < modello_->rowCount())
        scrollTo(modello_->index(riga, col), EnsureVisible);
    if (riga > 1)
        scrollTo(modello_->index(riga - 2, col), EnsureVisible);
    scrollTo(modello_->index(riga - 1, col), EnsureVisible);
}

void VistaGriglia::DopoReset() {
    ApplicaColonne();
    MostraOrdinamento();
    applicandoColonne_ = false;
    // A refill of the same size keeps the user's place; the core scrolls where it wants.
    if (modello_->rowCount() == righePrimaDelReset_)
        verticalScrollBar()->setValue(scorrimentoPrimaDelReset_);
    SeguiRigaCorrente(griglia_.Row());
    if (rigaDaMostrare_ > 0)
        MostraRiga(rigaDaMostrare_);
}

void VistaGriglia::MostraOrdinamento() {
    QHeaderView* intestazione = horizontalHeader();
    const int ordine = griglia_.OrdineAttuale();
    const int col = ordine == 0 ? -1 : griglia_.ColIndex(griglia_.ChiaveOrdinata());
    const Qt::SortOrder verso =
        ordine == zelvano::Griglia::OrdineDecrescente ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (intestazione->sortIndicatorSection() == col &&
        (col < 0 || intestazione->sortIndicatorOrder() == verso))
        return;
    const QSignalBlocker blocco(intestazione);
    intestazione->setSortIndicator(col, verso);
}

void VistaGriglia::RipristinaOrdineVisivo() {
    QScopedValueRollback mio(riordinandoIntestazione_, true);
    QHeaderView* intestazione = horizontalHeader();
    for (int v = 0; v < intestazione->count(); ++v) {
        const int visiva = intestazione->visualIndex(v);
        if (visiva != v)
            intestazione->moveSection(visiva, v);
    }
}
