#include "app/PulsanteACapo.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int Margine = 5;
// The caption's mnemonic is underlined, as Qt's own buttons show it.
constexpr int Testo = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
} // namespace

QSize PulsanteACapo::sizeHint() const {
    const int larghezza = std::max(width(), 80);
    const QRect testo =
        fontMetrics().boundingRect(QRect(0, 0, larghezza - 2 * Margine, 1000), Testo, text());
    return QSize(larghezza, testo.height() + 2 * Margine);
}

void PulsanteACapo::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opzioni;
    initStyleOption(&opzioni);
    opzioni.text.clear();
    p.drawControl(QStyle::CE_PushButton, opzioni);
    const QRect area = rect().adjusted(Margine, Margine, -Margine, -Margine);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(area, Testo, text());
    if (hasFocus()) {
        // A frame no style can leave out: Return presses the button that has it, so the
        // clerk must see which one that is before pressing.
        QPen bordo(palette().color(QPalette::Highlight), 2);
        p.setPen(bordo);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}
