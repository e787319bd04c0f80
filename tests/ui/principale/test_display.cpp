// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/display.h"

#include <QImage>
#include <QTest>

using namespace scrivolta;
using namespace scrivolta::ui;

namespace {

// The columns where something darker than the display's background is
// painted in the band of the phrase's first line.
std::vector<int> colonneScritte(const QImage& img, int alto, int basso, QRgb colore) {
    std::vector<int> out;
    for (int x = 0; x < img.width(); ++x) {
        for (int y = alto; y < basso; ++y) {
            if (img.pixel(x, y) == colore) {
                out.push_back(x);
                break;
            }
        }
    }
    return out;
}

} // namespace

class TestDisplay : public QObject {
    Q_OBJECT
private slots:
    // The learner sees a blank that ends the line, and the marker ends
    // where the typed text does, also far along a long line.
    void theMarkerAndTheLastBlankAreWhereTheTextIs() {
        DisplayEsercizio d;
        d.resize(600, 112);
        const std::string frase = "Le 3 juin, nous partirons tous ensemble vers la mer du Nord ";
        StatoVista s;
        s.modo = ModoDisplay::Frase;
        s.frase = frase;
        const std::size_t battuti = 10; // "Le 3 juin,"
        for (std::size_t i = 0; i < battuti; ++i)
            s.marcatore.width += d.metriche(s.modo).horizontalAdvance(QChar(frase[i]));
        s.marcatore.height = d.metriche(s.modo).height();
        s.coloreMarcatore = rgb(0, 0, 255);
        d.mostra(s);
        const QImage img = d.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int alto = 2;
        const int basso = 2 + d.metriche(s.modo).height();
        // The grey mark of the final blank reaches past every letter.
        const auto grigio = colonneScritte(img, alto, basso + 2, qRgb(150, 150, 150));
        QVERIFY(!grigio.empty());
        const auto nero = colonneScritte(img, alto, basso, qRgb(0, 0, 0));
        QVERIFY(grigio.back() > nero.back() + 3);
        // The marker's bottom line stops just after the comma: the next
        // letter begins after a blank, right of it.
        const auto blu = colonneScritte(img, alto, basso + 1, qRgb(0, 0, 255));
        QVERIFY(!blu.empty());
        const int fineSegno = blu.back();
        const int virgola = 8 + s.marcatore.width;
        QVERIFY(std::abs(fineSegno - (virgola - 1)) <= 1);
        for (const int x : nero)
            QVERIFY(x <= fineSegno || x > fineSegno + 2);
    }
};

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
