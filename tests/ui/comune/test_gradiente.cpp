// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/gradiente.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

using namespace scrivolta;
using namespace scrivolta::ui;

class TestGradiente : public QObject {
    Q_OBJECT
private slots:
    void sourceSizeFollowsThePowersOfTwo_data() {
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("side");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("100") << 100 << 127;
        QTest::newRow("127") << 127 << 127;
        QTest::newRow("128") << 128 << 255;
        QTest::newRow("254") << 254 << 255;
        QTest::newRow("300") << 300 << 255;
        QTest::newRow("63") << 63 << 63;
        QTest::newRow("64") << 64 << 127;
    }
    void sourceSizeFollowsThePowersOfTwo() {
        QFETCH(int, extent);
        QFETCH(int, side);
        const AngoliGradiente a{0, 0, 0, 0};
        QCOMPARE(sorgenteGradiente(extent, 10, a).width(), side);
        QCOMPARE(sorgenteGradiente(10, extent, a).height(), side);
    }

    void interpolationRoundsHalvesToEven() {
        // Black at the bottom, red at the top over a 3-row source: 0, 85, 170
        // drawn, 255 never reached.
        const AngoliGradiente a{rgb(255, 0, 0), rgb(255, 0, 0), 0, 0};
        const QImage image = sorgenteGradiente(2, 3, a);
        QCOMPARE(image.size(), QSize(3, 3));
        QCOMPARE(qRed(image.pixel(0, 2)), 0);
        QCOMPARE(qRed(image.pixel(0, 1)), 85);
        QCOMPARE(qRed(image.pixel(0, 0)), 170);
        // Across, the right column stops one step short in the same way.
        const AngoliGradiente b{0, rgb(0, 0, 255), 0, rgb(0, 0, 255)};
        const QImage across = sorgenteGradiente(3, 2, b);
        QCOMPARE(across.size(), QSize(3, 3));
        QCOMPARE(qBlue(across.pixel(0, 1)), 0);
        QCOMPARE(qBlue(across.pixel(1, 1)), 85);
        QCOMPARE(qBlue(across.pixel(2, 1)), 170);
    }

    void equalCornersGiveAUniformRectangle() {
        const auto c = rgb(12, 200, 77);
        QImage target(40, 30, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter p(&target);
        Gradiente(p, QRect(0, 0, 40, 30), {c, c, c, c}, true);
        p.end();
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                QCOMPARE(target.pixel(x, y), qRgb(12, 200, 77));
    }

    // A repaint computes only the source rows under what it repaints: the
    // band it paints must match the whole painting, for a child widget away
    // from its window's corner, stretched up and down, through a clip too.
    void aRepaintedBandMatchesTheWholePainting_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("band");
        QTest::addColumn<bool>("clipped");
        QTest::newRow("stretched") << QSize(420, 512) << QRect(30, 200, 300, 41) << false;
        QTest::newRow("shrunk") << QSize(380, 210) << QRect(0, 97, 380, 13) << false;
        QTest::newRow("bottom edge") << QSize(300, 700) << QRect(10, 690, 200, 10) << false;
        QTest::newRow("clip") << QSize(420, 512) << QRect(5, 5, 100, 30) << true;
    }
    void aRepaintedBandMatchesTheWholePainting() {
        QFETCH(QSize, size);
        QFETCH(QRect, band);
        QFETCH(bool, clipped);
        struct Sfondo : QWidget {
            using QWidget::QWidget;
            QRect clip;
            void paintEvent(QPaintEvent*) override {
                QPainter p(this);
                if (!clip.isNull())
                    p.setClipRect(clip);
                Gradiente(
                    p, rect(),
                    {rgb(24, 112, 54), rgb(11, 89, 101), rgb(255, 255, 255), rgb(230, 210, 35)},
                    true);
            }
        };
        QWidget finestra;
        finestra.resize(size + QSize(80, 60));
        Sfondo figlio(&finestra);
        figlio.setGeometry(QRect(QPoint(37, 23), size));
        if (clipped)
            figlio.clip = band;
        QImage intera(size, QImage::Format_RGB32);
        figlio.render(&intera);
        // Only the band, drawn at the picture's corner.
        QImage parte(size, QImage::Format_RGB32);
        parte.fill(Qt::magenta);
        figlio.render(&parte, QPoint(), clipped ? QRegion(figlio.rect()) : QRegion(band));
        const QPoint origine = clipped ? QPoint() : band.topLeft();
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                QCOMPARE(parte.pixel(QPoint(x, y) - origine), intera.pixel(x, y));
    }

    void colourValuesKeepRedInTheLowByte() {
        const AngoliGradiente a{rgb(1, 2, 3), rgb(1, 2, 3), rgb(1, 2, 3), rgb(1, 2, 3)};
        QCOMPARE(sorgenteGradiente(1, 1, a).pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(rgb(134, 182, 222), 14595718U);
    }
};

QTEST_MAIN(TestGradiente)
#include "test_gradiente.moc"
