// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>
#include <QSize>
#include <QTransform>

namespace scrivolta::ui {

// A painted widget drawn in the coordinates of its design size and shown at
// whatever size its window gives it: painting, repainted areas and mouse
// positions pass through this scale. The drawing stays sharp because it is
// painted at the shown size, never stretched as a picture.
class ScalaDisegno {
public:
    explicit ScalaDisegno(QSize progetto) : progetto_(progetto) {}

    QSize progetto() const { return progetto_; }
    QRect rettangoloProgetto() const { return {QPoint(0, 0), progetto_}; }
    void adatta(QSize attuale) {
        t_ = QTransform::fromScale(double(attuale.width()) / progetto_.width(),
                                   double(attuale.height()) / progetto_.height());
    }
    const QTransform& trasformazione() const { return t_; }
    QRect suSchermo(const QRect& r) const { return t_.mapRect(r).adjusted(-1, -1, 1, 1); }
    QRegion suSchermo(const QRegion& r) const {
        QRegion out;
        for (const QRect& parte : r)
            out += suSchermo(parte);
        return out;
    }
    QPoint inProgetto(QPoint punto) const { return t_.inverted().map(punto); }
    // Widened by a pixel, as the screen's pixels fall between the design's.
    QRegion inProgetto(const QRegion& r) const {
        QRegion out;
        for (const QRect& parte : r)
            out += t_.inverted().mapRect(parte).adjusted(-1, -1, 1, 1);
        return out;
    }

private:
    QSize progetto_;
    QTransform t_;
};

} // namespace scrivolta::ui
