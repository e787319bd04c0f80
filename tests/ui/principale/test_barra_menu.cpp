// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar as the learner meets it: the hover frame that looks pressed
// while the button is down, the entry that passes a character without a key,
// and the status panel that leaves nothing behind when the exercises start
// again.
#include "app/cp1252.h"
#include "support/servizi_finti.h"
#include "ui/principale/barre.h"
#include "ui/principale/frmtastiro.h"

#include <QAccessible>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace scrivolta;

namespace {

QRgb inversa(QRgb c) {
    return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c));
}

} // namespace

class TestBarraMenu : public QObject {
    Q_OBJECT

private:
    struct Banco {
        explicit Banco(const QString& cartella, bool grande = false)
            : percorsi(Percorsi::portatile(cartella.toStdString() + "/")),
              finestra((mod.ResizeOn = grande, mod), s.servizi, percorsi, {}) {
            finestra.resize(grande ? QSize(1280, 1024) : QSize(800, 600));
            finestra.show();
        }
        ModTastiro mod;
        prova::ServiziFinti s;
        Percorsi percorsi;
        ui::FrmTastiro finestra;
    };

    QWidget* barra() const {
        return banco->finestra.findChild<QWidget*>(QStringLiteral("lblMenu"));
    }
    QWidget* input() const { return banco->finestra.campoInput(); }
    // The centre of menu entry `voce` on the unscaled bar.
    static QPoint centro(VoceMenu voce) { return {10 + static_cast<int>(voce) * 42 + 17, 22}; }
    void digita(const std::string& cp1252) {
        for (const char c : cp1252)
            QTest::sendKeyEvent(QTest::Click, input(), Qt::Key_unknown,
                                QString::fromStdString(cp1252::toUtf8(std::string(1, c))),
                                Qt::NoModifier);
    }
    bool saltaVisibile() const {
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(barra());
        return !menu->child(static_cast<int>(VoceMenu::Salta))->state().invisible;
    }

    QTemporaryDir cartella;
    std::unique_ptr<Banco> banco;

private slots:
    void init() {
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        banco = std::make_unique<Banco>(cartella.path());
        banco->finestra.avvia();
    }
    void cleanup() {
        banco.reset();
        QDir(cartella.path()).removeRecursively();
        QDir().mkpath(cartella.path());
    }

    void theHoverFrameLooksPressedWhileTheButtonIsDown() {
        const QPoint voce = centro(VoceMenu::Suoni);
        // The frame's left edge, over the bar's own background.
        const QPoint bordo(voce.x() - 17 - 3, voce.y());
        const QRgb sotto = barra()->grab().toImage().pixel(bordo);
        QTest::mouseMove(barra(), voce);
        const QRgb riposo = barra()->grab().toImage().pixel(bordo);
        // Not-mask: the inverse of the pen and the screen together.
        const QRgb penna = qRgb(0, 90, 200);
        QCOMPARE(riposo,
                 qRgb(255 - (qRed(penna) & qRed(sotto)), 255 - (qGreen(penna) & qGreen(sotto)),
                      255 - (qBlue(penna) & qBlue(sotto))));
        QTest::mousePress(barra(), Qt::LeftButton, {}, voce);
        QCOMPARE(barra()->grab().toImage().pixel(bordo), inversa(sotto));
        const bool suoni = banco->mod.SoundOn;
        QTest::mouseRelease(barra(), Qt::LeftButton, {}, voce);
        QCOMPARE(banco->mod.SoundOn, !suoni);
        // The click hides the frame until the pointer moves again.
        QCOMPARE(barra()->grab().toImage().pixel(bordo), sotto);
    }

    // Without a mouse: Ctrl with the digit, or with the symbol the Belgian
    // layout types on that key, chooses an entry while it may be chosen.
    void theEntriesAnswerToCtrlWithTheDigitRow() {
        QWidget* finestra = banco->finestra.window();
        finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(finestra));
        const bool suoni = banco->mod.SoundOn;
        QTest::keyClick(input(), Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(banco->mod.SoundOn, !suoni);
        QTest::sendKeyEvent(QTest::Click, input(), Qt::Key_Apostrophe, QStringLiteral("'"),
                            Qt::ControlModifier);
        QCOMPARE(banco->mod.SoundOn, suoni);
        // While a phrase is typed the information entry is off; starting
        // again asks first.
        banco->s.caso.scegliFrase(1);
        QTest::keyClick(input(), Qt::Key_Return);
        digita("L");
        const auto& mostrati = banco->s.messaggi.mostrati;
        const std::size_t prima = mostrati.size();
        QTest::keyClick(input(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(mostrati.size(), prima);
        QTest::keyClick(input(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(mostrati.size(), prima + 1);
        QCOMPARE(mostrati.back().pulsanti, Pulsanti::SiNo);
    }

    void theEntryForACharacterWithoutAKeyLastsUntilTheNextPhrase() {
        // Phrase 38, the eleventh of the cycle: "Le symbole de l’euro ...",
        // whose apostrophe no key types.
        Esercizio& e = banco->finestra.esercizio();
        while (e.numeroFrase() < 10) {
            banco->s.caso.scegliFrase(e.numeroFrase() + 1);
            QTest::keyClick(input(), Qt::Key_Return);
            digita(e.testoCorrente());
        }
        banco->s.caso.scegliFrase(38);
        QTest::keyClick(input(), Qt::Key_Return);
        digita("Le symbole de ");
        QVERIFY(!saltaVisibile());
        digita("l");
        QVERIFY(saltaVisibile());
        // Not passed: the next phrase takes it away.
        banco->s.messaggi.risposte.push_back(Risposta::Si);
        QTest::mouseClick(barra(), Qt::LeftButton, {}, centro(VoceMenu::Ricomincia));
        // The greeting has no character to pass.
        QCOMPARE(e.stato().modo, ModoDisplay::Saluto);
        QVERIFY(!saltaVisibile());
        banco->s.caso.scegliFrase(1);
        QTest::keyClick(input(), Qt::Key_Return);
        QVERIFY(!e.testoCorrente().empty());
        QVERIFY(!saltaVisibile());
    }

    void startingAgainLeavesNoOutlineOfTheRatingOrThePhraseNumber_data() {
        QTest::addColumn<bool>("grande");
        QTest::newRow("800x600") << false;
        QTest::newRow("1280x1024") << true;
    }
    void startingAgainLeavesNoOutlineOfTheRatingOrThePhraseNumber() {
        QFETCH(bool, grande);
        banco.reset();
        banco = std::make_unique<Banco>(cartella.path(), grande);
        banco->finestra.avvia();
        auto* stato = banco->finestra.findChild<ui::PannelloStato*>();
        QTest::keyClick(input(), Qt::Key_Return);
        digita(banco->finestra.esercizio().testoCorrente().substr(0, 2));
        QVERIFY(banco->finestra.esercizio().stato().giudizio.has_value());
        QTest::qWait(20);
        banco->s.messaggi.risposte.push_back(Risposta::Si);
        const double scala = barra()->width() / 620.0;
        QTest::mouseClick(barra(), Qt::LeftButton, {},
                          QPoint(static_cast<int>(centro(VoceMenu::Ricomincia).x() * scala),
                                 barra()->height() / 2));
        QVERIFY(!banco->finestra.esercizio().stato().giudizio.has_value());
        QTest::qWait(20);
        // What is on screen against the window drawn afresh, around both.
        const QRect zona = stato->geometry().translated(stato->parentWidget()->pos());
        const QImage schermo = banco->finestra.screen()
                                   ->grabWindow(banco->finestra.winId())
                                   .toImage()
                                   .copy(zona)
                                   .convertToFormat(QImage::Format_RGB32);
        const QImage nuovo =
            banco->finestra.grab().toImage().copy(zona).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(schermo, nuovo);
    }
};

QTEST_MAIN(TestBarraMenu)
#include "test_barra_menu.moc"
