#include "app/IconaDisegnata.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

void IconaDisegnata::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    if (mode == QIcon::Disabled) {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / double(Lato), rect.height() / double(Lato));
    disegno_(*painter);
    painter->restore();
}

QPixmap IconaDisegnata::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    // QIconEngine's own pixmap() paints over whatever memory the new pixmap holds.
    QPixmap immagine(size);
    immagine.fill(Qt::transparent);
    {
        QPainter pittore(&immagine);
        paint(&pittore, immagine.rect(), QIcon::Normal, state);
    }
    if (mode == QIcon::Disabled && QApplication::style()) {
        // Greyed the way the style greys every other icon.
        QStyleOption opzione;
        opzione.palette = QApplication::palette();
        immagine = QApplication::style()->generatedIconPixmap(mode, immagine, &opzione);
    }
    return immagine;
}
