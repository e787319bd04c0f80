// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/sfondo.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace scrivolta::ui;

namespace {

constexpr QRgb kSentinella = 0xFFFF00FF;

QImage dipinto(int width, int height, int schema) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kSentinella);
    QPainter p(&image);
    ColoraSfondo(p, image.rect(), schema);
    return image;
}

int grigio(QRgb c) {
    return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
}

} // namespace

class TestSfondo : public QObject {
    Q_OBJECT
private slots:
    void blackSchemeCoversEveryPixel_data() {
        QTest::addColumn<int>("height");
        QTest::newRow("even") << 60;
        QTest::newRow("odd") << 61;
        QTest::newRow("one row") << 1;
    }
    void blackSchemeCoversEveryPixel() {
        QFETCH(int, height);
        const QImage image = dipinto(37, height, 10);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
    }

    void greySchemeIsABandFadingToBlack() {
        const QImage image = dipinto(50, 200, 9);
        QVERIFY(grigio(image.pixel(25, 0)) < 12);
        QVERIFY(grigio(image.pixel(25, 199)) < 12);
        QVERIFY(grigio(image.pixel(25, 99)) > 230);
        QVERIFY(grigio(image.pixel(25, 100)) > 230);
        // Darker step by step away from the middle.
        QVERIFY(grigio(image.pixel(25, 50)) < grigio(image.pixel(25, 90)));
        QVERIFY(grigio(image.pixel(25, 150)) < grigio(image.pixel(25, 110)));
    }

    void cornersTakeTheirSchemeColours() {
        // Scheme 8 has four different corner colours.
        const QImage image = dipinto(255, 510, 8);
        const auto vicino = [](QRgb c, int r, int g, int b) {
            return qAbs(qRed(c) - r) < 8 && qAbs(qGreen(c) - g) < 8 && qAbs(qBlue(c) - b) < 8;
        };
        QVERIFY(vicino(image.pixel(0, 0), 255, 255, 128));
        QVERIFY(vicino(image.pixel(254, 0), 128, 255, 255));
        QVERIFY(vicino(image.pixel(0, 509), 255, 128, 128));
        QVERIFY(vicino(image.pixel(254, 509), 125, 10, 0));
    }

    void unknownSchemesPaintLikeTheFirst_data() {
        QTest::addColumn<int>("schema");
        QTest::newRow("-1") << -1;
        QTest::newRow("11") << 11;
        QTest::newRow("32767") << 32767;
    }
    void unknownSchemesPaintLikeTheFirst() {
        QFETCH(int, schema);
        QCOMPARE(dipinto(40, 30, schema), dipinto(40, 30, 0));
    }

    void titleBarIsWhiteFadingToAFlatGrey() {
        QImage image(30, 21, QImage::Format_RGB32);
        image.fill(kSentinella);
        QPainter p(&image);
        DisegnaBarraTitolo(p, image.rect());
        p.end();
        QVERIFY(grigio(image.pixel(5, 0)) > 250);
        for (int y = 10; y < 21; ++y)
            QCOMPARE(image.pixel(5, y), qRgb(223, 223, 223));
    }

    void paintingStaysInsideTheRectangle() {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(kSentinella);
        QPainter p(&image);
        ColoraSfondo(p, QRect(10, 10, 20, 20), 10);
        DisegnaBarraTitolo(p, QRect(10, 35, 0, 5));
        p.end();
        QCOMPARE(image.pixel(9, 9), kSentinella);
        QCOMPARE(image.pixel(30, 30), kSentinella);
        QCOMPARE(image.pixel(10, 10), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(29, 29), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(10, 37), kSentinella);
    }
};

QTEST_MAIN(TestSfondo)
#include "test_sfondo.moc"
