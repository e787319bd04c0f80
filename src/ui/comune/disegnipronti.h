// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <functional>
#include <map>
#include <tuple>

class QPainter;

namespace scrivolta::ui {

// Texts laid out once and drawn many times. Shaping a text costs far more
// than drawing its glyphs, and the same captions and letters are drawn
// again at every keystroke. Only for the screen: paper gets plain drawText.
class TestiStatici {
public:
    // As QPainter::drawText(area, allineamento, testo) would place a single
    // line, in the painter's font.
    void disegna(QPainter& p, const QRect& area, int allineamento, const QString& testo);
    // With its baseline at `linea`, as QPainter::drawText(linea, testo).
    void disegna(QPainter& p, QPoint linea, const QString& testo);
    // As the first form, one letter after another: for a text that changes
    // all the time, like a counter or a clock, whose letters are few.
    void disegnaLettere(QPainter& p, const QRect& area, int allineamento, const QString& testo);

private:
    struct Chiave {
        QFont font;
        QString testo;
        friend bool operator==(const Chiave&, const Chiave&) = default;
        friend size_t qHash(const Chiave& c, size_t seme = 0) {
            return qHashMulti(seme, c.font, c.testo);
        }
    };
    // A bound well above what a keyboard and a phrase's letters need: texts
    // of fonts no longer used do not pile up.
    static constexpr qsizetype kMassimo = 2048;

    struct Preparato {
        QStaticText testo;
        qreal ascesa = 0;
        // The advance and the line's height without the leading: what
        // drawText aligns.
        qreal larghezza = 0;
        qreal altezza = 0;
    };

    const Preparato& preparato(const QFont& font, const QString& testo);
    // Where drawText puts the top left of a line of this size.
    static QPointF angolo(const QRect& area, int allineamento, qreal larghezza, qreal altezza);
    // Draws the line cut at the edge of `area`, as drawText cuts it.
    template <typename Disegno>
    static void entro(QPainter& p, const QRect& area, const QRectF& occupato, Disegno disegno);

    QHash<Chiave, Preparato> testi_;
};

// Smoothed shapes drawn once as pictures, then copied: stroking a rounded
// outline at every keystroke costs more than the rest of a key. Moved by
// whole pixels, a picture matches the shape drawn in place. `tipo` tells
// apart the shapes of one size.
class ImmaginiPronte {
public:
    template <typename Disegno>
    void disegna(QPainter& p, const QRect& area, int tipo, Disegno disegno) {
        QImage& immagine = immagini_[{tipo, area.width(), area.height()}];
        if (immagine.isNull() || immagine.devicePixelRatio() != rapporto(p))
            immagine = prepara(area.size(), rapporto(p),
                               [&](QPainter& q, const QRect& r) { disegno(q, r); });
        disegnaImmagine(p, area.topLeft(), immagine);
    }

private:
    // Pixels of the screen per pixel of the drawing: a picture has as many
    // as the screen, or it would be stretched blurred on a dense one.
    static qreal rapporto(QPainter& p);
    static QImage prepara(QSize dimensione, qreal rapporto,
                          const std::function<void(QPainter&, const QRect&)>& disegno);
    static void disegnaImmagine(QPainter& p, QPoint dove, const QImage& immagine);

    std::map<std::tuple<int, int, int>, QImage> immagini_;
};

// What the screen keeps ready between paints.
struct DisegniPronti {
    TestiStatici testi;
    ImmaginiPronte immagini;
};

} // namespace scrivolta::ui
