#include "app/Icone.h"

#include "app/IconaDisegnata.h"

#include <QDirIterator>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int Lato = IconaDisegnata::Lato;

QIcon Disegna(IconaDisegnata::Disegno disegno) {
    return IconaDisegnata::Icona(std::move(disegno));
}

const QColor Blu(40, 80, 160);
const QColor Verde(30, 140, 60);
const QColor Rosso(200, 40, 40);
const QColor Arancio(230, 130, 20);

void Floppy(QPainter& p) {
    p.setPen(QPen(Blu.darker(150), 1.5));
    p.setBrush(Blu);
    QPainterPath corpo;
    corpo.moveTo(4, 4);
    corpo.lineTo(24, 4);
    corpo.lineTo(28, 8);
    corpo.lineTo(28, 28);
    corpo.lineTo(4, 28);
    corpo.closeSubpath();
    p.drawPath(corpo);
    p.setBrush(QColor(210, 210, 220));
    p.drawRect(QRectF(9, 4, 13, 8));
    p.setBrush(Blu.darker(130));
    p.drawRect(QRectF(17, 5.5, 3, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 16, 16, 10));
    p.setPen(QPen(QColor(150, 150, 170), 1));
    p.drawLine(QPointF(10, 19.5), QPointF(22, 19.5));
    p.drawLine(QPointF(10, 22.5), QPointF(22, 22.5));
}

void Porta(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(5, 3, 15, 26));
    p.setBrush(QColor(240, 200, 80));
    p.drawEllipse(QPointF(16.5, 16), 1.5, 1.5);
    p.setPen(QPen(Rosso, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(15, 16), QPointF(28, 16));
    p.drawLine(QPointF(23, 11), QPointF(28, 16));
    p.drawLine(QPointF(23, 21), QPointF(28, 16));
}

void Anello(QPainter& p, QRectF r, const QColor& c) {
    p.setPen(QPen(c, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

void Catena(QPainter& p) {
    p.save();
    p.translate(16, 16);
    p.rotate(-35);
    Anello(p, QRectF(-13, -5, 15, 10), Verde);
    Anello(p, QRectF(-2, -5, 15, 10), Verde.darker(130));
    p.restore();
}

void CatenaSpezzata(QPainter& p) {
    p.save();
    p.translate(16, 16);
    p.rotate(-35);
    Anello(p, QRectF(-15, -5, 12, 10), Arancio);
    Anello(p, QRectF(3, -5, 12, 10), Arancio.darker(130));
    p.restore();
    p.setPen(QPen(Rosso, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 6), QPointF(11, 2));
    p.drawLine(QPointF(19, 26), QPointF(21, 30));
    p.drawLine(QPointF(8, 14), QPointF(4, 12));
    p.drawLine(QPointF(24, 18), QPointF(28, 20));
}

void Divieto(QPainter& p) {
    p.setPen(QPen(Rosso, 4));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.drawLine(QPointF(7.5, 24.5), QPointF(24.5, 7.5));
}

// Arrow pointing up (su) or down, one or two heads.
void Freccia(QPainter& p, bool su, bool doppia, const QColor& colore) {
    p.save();
    if (!su) {
        p.translate(0, Lato);
        p.scale(1, -1);
    }
    p.setPen(QPen(colore.darker(140), 1.2));
    p.setBrush(colore);
    auto punta = [&](double y) {
        QPainterPath t;
        t.moveTo(16, y);
        t.lineTo(27, y + 11);
        t.lineTo(5, y + 11);
        t.closeSubpath();
        p.drawPath(t);
    };
    if (doppia) {
        punta(3);
        punta(12);
        p.drawRect(QRectF(12, 23, 8, 6));
    } else {
        punta(4);
        p.drawRect(QRectF(11, 15, 10, 13));
    }
    p.restore();
}

} // namespace

QHash<QString, QIcon> ImageList1() {
    QHash<QString, QIcon> immagini;
    immagini.insert(QStringLiteral("Archivia"), Disegna(Floppy));
    immagini.insert(QStringLiteral("Uscita"), Disegna(Porta));
    immagini.insert(QStringLiteral("Associa"), Disegna(Catena));
    immagini.insert(QStringLiteral("Disassocia"), Disegna(CatenaSpezzata));
    immagini.insert(QStringLiteral("NonAssociabile"), Disegna(Divieto));
    immagini.insert(QStringLiteral("PrecedenteAss"),
                    Disegna([](QPainter& p) { Freccia(p, true, true, Arancio); }));
    immagini.insert(QStringLiteral("ProssimoAss"),
                    Disegna([](QPainter& p) { Freccia(p, false, true, Arancio); }));
    immagini.insert(QStringLiteral("Precedente"),
                    Disegna([](QPainter& p) { Freccia(p, true, false, Blu); }));
    immagini.insert(QStringLiteral("Successivo"),
                    Disegna([](QPainter& p) { Freccia(p, false, false, Blu); }));
    return immagini;
}

QIcon IconaProgramma() {
    // The sizes the build drew from the SVG artwork; the icon picks the nearest.
    QIcon icona;
    QDirIterator immagini(QStringLiteral(":/icona"), {QStringLiteral("zelvano-*.png")});
    while (immagini.hasNext())
        icona.addFile(immagini.next());
    return icona;
}

QPixmap ImmagineInformazioni(QSize dimensione, qreal scala) {
    QPixmap immagine(dimensione * scala);
    immagine.setDevicePixelRatio(scala);
    immagine.fill(QColor(224, 224, 224));
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double w = dimensione.width(), h = dimensione.height();
    // The shapes take the colours of the program icon: its two lists and the pair.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 86, 168, 200));
    p.drawEllipse(QRectF(-w * 0.15, h * 0.35, w * 0.6, h * 0.9));
    p.setBrush(QColor(224, 128, 26, 190));
    p.drawRect(QRectF(w * 0.55, h * 0.05, w * 0.4, h * 0.4));
    p.setBrush(QColor(35, 146, 74, 170));
    QPainterPath triangolo;
    triangolo.moveTo(w * 0.45, h);
    triangolo.lineTo(w, h * 0.5);
    triangolo.lineTo(w, h);
    triangolo.closeSubpath();
    p.drawPath(triangolo);
    const double lato = std::min(w, h) * 0.7;
    const QPixmap icona = IconaProgramma().pixmap(QSizeF(lato, lato).toSize(), scala);
    p.drawPixmap(QRectF(w * 0.08, h * 0.12, lato, lato), icona, QRectF(icona.rect()));
    // The name in the room right of the icon, as large as fits.
    const QRectF areaNome(w * 0.08 + lato + 4, 0, w - lato - w * 0.08 - 8, h);
    QFont carattere = p.font();
    carattere.setBold(true);
    int pixel = std::max(8, int(h * 0.25));
    for (; pixel > 6; --pixel) {
        carattere.setPixelSize(pixel);
        if (QFontMetricsF(carattere).horizontalAdvance(QStringLiteral("Zelvano")) <=
            areaNome.width())
            break;
    }
    p.setFont(carattere);
    p.setPen(QColor(30, 30, 30));
    p.drawText(areaNome, Qt::AlignCenter, QStringLiteral("Zelvano"));
    return immagine;
}
