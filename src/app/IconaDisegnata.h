#pragma once
// An icon drawn in code on a 32 x 32 grid and painted afresh at every size asked for, so that
// the toolbar stays sharp at any screen scale instead of scaling a few fixed pixmaps.

#include <QIcon>
#include <QIconEngine>

#include <functional>

class IconaDisegnata : public QIconEngine {
  public:
    using Disegno = std::function<void(QPainter&)>;
    static constexpr int Lato = 32; // the drawings' own units

    explicit IconaDisegnata(Disegno disegno) : disegno_(std::move(disegno)) {}
    static QIcon Icona(Disegno disegno) { return QIcon(new IconaDisegnata(std::move(disegno))); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override { return new IconaDisegnata(disegno_); }

  private:
    Disegno disegno_;
};
