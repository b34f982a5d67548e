#pragma once
// Draws a catalogue code with the characters that differ from the customer's code marked,
// so the user sees at a glance why a suggestion is only a candidate. The marks come with
// the cell, one '1' or '0' per character, under RuoloDiversi.

#include <QStyledItemDelegate>

class DelegatoDifferenze : public QStyledItemDelegate {
    Q_OBJECT
  public:
    static constexpr int RuoloDiversi = Qt::UserRole + 1;
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
