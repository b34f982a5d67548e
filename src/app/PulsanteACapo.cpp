#include "app/PulsanteACapo.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int Margine = 5;
}

QSize PulsanteACapo::sizeHint() const {
    const int larghezza = std::max(width(), 80);
    const QRect testo = fontMetrics().boundingRect(QRect(0, 0, larghezza - 2 * Margine, 1000),
                                                   Qt::AlignCenter | Qt::TextWordWrap, text());
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
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}
