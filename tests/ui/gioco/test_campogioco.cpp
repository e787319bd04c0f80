// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gioco/campogioco.h"

#include <QImage>
#include <QTest>

using namespace scrivolta;

// The play field as the learner reads it.
class TestCampoGioco : public QObject {
    Q_OBJECT

private:
    static constexpr int kLeft = 40;
    static constexpr int kAltezzaVista = 140;

    // How many pixels of the column's strip at the top of the field differ
    // from the empty field: the ink of the character that shows.
    static int inchiostro(ui::CampoGioco& campo, const QImage& vuoto, StatoGioco& s, int top) {
        s.colonne[0].top = top;
        campo.mostra(s);
        const QImage ora = campo.grab(QRect(kLeft, 0, campo.larghezzaLettera(), kAltezzaVista))
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
        int diversi = 0;
        for (int y = 0; y < ora.height(); ++y) {
            for (int x = 0; x < ora.width(); ++x) {
                const QRgb a = ora.pixel(x, y);
                const QRgb b = vuoto.pixel(x, y);
                if (std::abs(qGray(a) - qGray(b)) > 60)
                    ++diversi;
            }
        }
        return diversi;
    }

private slots:
    // A character coming in from above shows whole or not at all: half a
    // "j" reads as a "J", an "É" without its accent as an "E".
    void aCharacterShowsWholeOrNotAtAll_data() {
        QTest::addColumn<bool>("grande");
        QTest::addColumn<QString>("lettera");
        for (const bool grande : {false, true}) {
            for (const char* l : {"j", "J", "\xC3\x89", "g", "i", "!", "y", "\xC3\x80", "@"}) {
                QTest::addRow("%s %s", grande ? "large" : "small", l)
                    << grande << QString::fromUtf8(l);
            }
        }
    }
    void aCharacterShowsWholeOrNotAtAll() {
        QFETCH(bool, grande);
        QFETCH(QString, lettera);
        StatoGioco s;
        s.campo = campoGioco(grande);
        ui::CampoGioco campo(s.campo);
        campo.show();
        campo.mostra(s);
        const QImage vuoto = campo.grab(QRect(kLeft, 0, campo.larghezzaLettera(), kAltezzaVista))
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        Colonna& c = s.colonne[0];
        c.lettera = static_cast<char>(lettera.toLatin1().at(0));
        c.visibile = true;
        c.left = kLeft;
        const int intera = inchiostro(campo, vuoto, s, 60);
        QVERIFY(intera > 20);
        for (int top = -70; top <= 20; ++top) {
            const int visibile = inchiostro(campo, vuoto, s, top);
            QVERIFY2(
                visibile == 0 || std::abs(visibile - intera) <= intera / 20,
                qPrintable(
                    QStringLiteral("top %1: %2 of %3 pixels").arg(top).arg(visibile).arg(intera)));
        }
    }
};

QTEST_MAIN(TestCampoGioco)
#include "test_campogioco.moc"
