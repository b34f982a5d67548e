#include "app/DelegatoDifferenze.h"

#include <QApplication>
#include <QPainter>

void DelegatoDifferenze::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QString segni = index.data(RuoloDiversi).toString();
    if (segni.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The cell as usual but without its text, then the text a character at a time.
    QStyleOptionViewItem opzioni = option;
    initStyleOption(&opzioni, index);
    const QString testo = opzioni.text;
    opzioni.text.clear();
    const QWidget* vista = option.widget;
    QStyle* stile = vista ? vista->style() : QApplication::style();
    stile->drawControl(QStyle::CE_ItemViewItem, &opzioni, painter, vista);

    const QRect area =
        stile->subElementRect(QStyle::SE_ItemViewItemText, &opzioni, vista).adjusted(2, 0, -2, 0);
    const bool scelta = option.state & QStyle::State_Selected;
    const QColor normale =
        opzioni.palette.color(scelta ? QPalette::HighlightedText : QPalette::Text);
    QFont grassetto = opzioni.font;
    grassetto.setBold(true);
    painter->save();
    painter->setClipRect(area);
    int x = area.left();
    for (int k = 0; k < testo.size(); ++k) {
        const bool diverso = k < segni.size() && segni.at(k) == u'1';
        painter->setFont(diverso ? grassetto : opzioni.font);
        const QFontMetrics metriche(painter->font());
        const int larghezza = metriche.horizontalAdvance(testo.at(k));
        const QRect cella(x, area.top(), larghezza, area.height());
        if (diverso) {
            painter->fillRect(cella.adjusted(0, 2, 0, -2), QColor(255, 205, 205));
            painter->setPen(QColor(170, 0, 0));
        } else {
            painter->setPen(normale);
        }
        painter->drawText(cella, Qt::AlignLeft | Qt::AlignVCenter, QString(testo.at(k)));
        x += larghezza;
    }
    painter->restore();
}
