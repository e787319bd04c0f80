// SPDX-License-Identifier: GPL-3.0-or-later
// pavimento [TEXT]: the least a typing tutor shows, as a yardstick for
// bench/confronta.sh: a full-screen window with the phrase, a line to type
// it into, a clock that counts the seconds and a rectangle that blinks every
// 400 ms, as the Enter key blinks between phrases. Every widget sits at a
// fixed place so that the script can watch the typed line's pixels.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kBattitoMs = 400;
constexpr int kSecondoMs = 1000;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString testo = argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("le chat dort");

    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Pavimento"));
    auto* frase = new QLabel(testo, &finestra);
    frase->setGeometry(40, 200, 1200, 40);
    auto* riga = new QLineEdit(&finestra);
    riga->setGeometry(40, 260, 1200, 40);
    auto* orologio = new QLabel(QStringLiteral("00:00"), &finestra);
    orologio->setGeometry(1100, 900, 120, 40);
    auto* lampo = new QWidget(&finestra);
    lampo->setGeometry(40, 900, 120, 40);
    lampo->setAutoFillBackground(true);

    QElapsedTimer tempo;
    QTimer secondi;
    QObject::connect(&secondi, &QTimer::timeout, [&] {
        const qint64 s = tempo.isValid() ? tempo.elapsed() / kSecondoMs : 0;
        orologio->setText(QStringLiteral("%1:%2")
                              .arg(s / 60, 2, 10, QLatin1Char('0'))
                              .arg(s % 60, 2, 10, QLatin1Char('0')));
    });
    QObject::connect(riga, &QLineEdit::textEdited, [&] {
        if (!tempo.isValid())
            tempo.start();
        if (riga->text() == testo)
            frase->setText(QStringLiteral("%1 ✓").arg(testo));
    });
    secondi.start(kSecondoMs);

    bool acceso = false;
    QTimer battito;
    QObject::connect(&battito, &QTimer::timeout, [&] {
        acceso = !acceso;
        QPalette colori = lampo->palette();
        colori.setColor(QPalette::Window, acceso ? Qt::green : Qt::darkGreen);
        lampo->setPalette(colori);
    });
    battito.start(kBattitoMs);

    finestra.showFullScreen();
    riga->setFocus();
    return QApplication::exec();
}
