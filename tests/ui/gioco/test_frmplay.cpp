// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "game/regole.h"
#include "keyboard/maiuscole.h"
#include "support/servizi_finti.h"
#include "ui/comune/aiuto_tastiera.h"
#include "ui/comune/conversioni.h"
#include "ui/gioco/campogioco.h"
#include "ui/gioco/frmplay.h"
#include "ui/gioco/pannelligioco.h"

#include <QAccessible>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

using namespace scrivolta;
using namespace std::chrono_literals;

// The game window with scripted services, played with real key events; its
// timers are ticked by hand with the scripted clock.
class TestFrmPlay : public QObject {
    Q_OBJECT

private:
    struct Corse final : OsservatoreGioco {
        void corsaFinita(const FineCorsa& fine) override { finite.push_back(fine); }
        std::vector<FineCorsa> finite;
    };
    struct Banco {
        // `sistema`: the system reports and switches Caps Lock; otherwise the
        // program infers it from the keys, as on a native Wayland desktop.
        explicit Banco(std::string utente = "Anna", const QString& altrove = {},
                       bool sistema = true)
            : maiuscole(s.tastiera, sistema, sistema),
              percorsi(Percorsi::portatile(
                  (altrove.isEmpty() ? cartella.path() : altrove).toStdString() + "/")) {
            mod.UserName = std::move(utente);
            finestra =
                std::make_unique<ui::FrmPlay>(mod, s.servizi, maiuscole, percorsi, nullptr, &corse);
            finestra->resize(1024, 768);
            finestra->show();
        }
        QTemporaryDir cartella;
        ModTastiro mod;
        prova::ServiziFinti s;
        MaiuscoleDedotte maiuscole;
        Percorsi percorsi;
        Corse corse;
        std::unique_ptr<ui::FrmPlay> finestra;
    };
    std::unique_ptr<Banco> banco;

    ui::FrmPlay& f() const { return *banco->finestra; }
    const StatoGioco& stato() const { return f().gioco().stato(); }

    void finisciAttese() {
        while (f().timerAttesa().isActive()) {
            banco->s.orologio.avanza(std::chrono::milliseconds(f().timerAttesa().interval()));
            f().timerAttesa_Timer();
        }
    }
    void tick() {
        banco->s.orologio.avanza(std::chrono::milliseconds(f().timerLetters().interval()));
        f().timerLetters_Timer();
    }
    void digita(QWidget* dove, char cp1252) {
        const auto u = cp1252::toUtf8(std::string(1, cp1252));
        QTest::sendKeyEvent(QTest::Click, dove, Qt::Key_unknown, QString::fromStdString(u),
                            Qt::NoModifier);
    }
    // A click on the round button itself, where an option answers.
    void scegli(int opzione) {
        QRadioButton* o = f().scelta()->opzione(opzione);
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
    }
    bool timerFermi() const {
        return !f().timerLetters().isActive() && !f().timerScore().isActive() &&
               !f().timerAttesa().isActive();
    }

private slots:
    void init() { banco = std::make_unique<Banco>(); }
    void cleanup() { banco.reset(); }

    void aWholeFacileLevelPlayedByTyping() {
        QVERIFY(f().scelta()->isVisible());
        QTest::keyClick(f().scelta()->opzione(opzioneGioco::Facile), Qt::Key_Return);
        QCOMPARE(ui::daCp1252(stato().messaggio), QStringLiteral("Gioco 1/6"));
        QVERIFY(!f().scelta()->isVisible());
        finisciAttese();
        QVERIFY(f().timerLetters().isActive());
        QCOMPARE(f().timerLetters().interval(), 100);
        tick();
        for (const Colonna& c : stato().colonne) {
            if (c.visibile)
                digita(f().campo(), c.lettera);
        }
        QVERIFY(!f().timerLetters().isActive());
        QVERIFY(f().timerScore().isActive());
        QCOMPARE(f().timerScore().interval(), 400);
        int passi = 0;
        while (f().timerScore().isActive()) {
            f().timerScore_Timer();
            ++passi;
        }
        QCOMPARE(passi, 7); // six hits, then the sum
        QVERIFY(f().gioco().punteggio() > 0);
        QCOMPARE(f().gioco().livello(), 2);
        QCOMPARE(f().risultati()->totale()->text(),
                 ui::daCp1252(formatoPunti(f().gioco().punteggio(), inCp1252Separatore())));
        QCOMPARE(ui::daCp1252(stato().messaggio), QStringLiteral("Gioco 2/6"));
        QVERIFY(banco->corse.finite.empty());

        // Leaving once the next level runs reports the game as it stood.
        finisciAttese();
        QTest::keyClick(&f(), Qt::Key_Escape);
        QCOMPARE(banco->corse.finite.size(), std::size_t{1});
        QCOMPARE(banco->corse.finite[0].livello, 2);
        QCOMPARE(banco->corse.finite[0].punti, f().gioco().punteggio());
    }

    void aFocusedButtonTakesOnlySpaceAndEnterDuringARun() {
        QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
        finisciAttese();
        QPushButton* nuovo = f().risultati()->nuovo();
        nuovo->setFocus();
        digita(nuovo, '#');
        QCOMPARE(f().gioco().punteggio(), -25LL);
        QVERIFY(!f().scelta()->isVisible());
        QTest::keyClick(nuovo, Qt::Key_Space);
        QVERIFY(f().scelta()->isVisible());
        QVERIFY(timerFermi());
    }

    void aTrainingRunsToItsTimeLimit() {
        scegli(opzioneGioco::PrimaSerie);
        QVERIFY(f().scelta()->velocita()->isEnabled());
        QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
        finisciAttese();
        QCOMPARE(f().timerLetters().interval(), 100);
        tick();
        const auto rossa =
            std::find_if(stato().colonne.begin(), stato().colonne.end(),
                         [](const Colonna& c) { return c.colore == coloreGioco::Rosso; });
        QVERIFY(rossa != stato().colonne.end());
        digita(f().campo(), rossa->lettera);
        QCOMPARE(f().gioco().esatte(), 1);
        banco->s.orologio.avanza(150s);
        tick();
        QCOMPARE(stato().fase, FaseGioco::Finito);
        QVERIFY(timerFermi());
        QCOMPARE(ui::daCp1252(stato().messaggio), QStringLiteral(" Allenamento terminato"));
        QCOMPARE(f().risultati()->record()->text(), QStringLiteral("ND"));
        QCOMPARE(banco->corse.finite.size(), std::size_t{1});
        QVERIFY(banco->corse.finite[0].allenamento);
        QCOMPARE(banco->corse.finite[0].esatte, 1);
        QCOMPARE(banco->corse.finite[0].precisione,
                 static_cast<int>(f().gioco().punteggio() / f().gioco().esatte()));
        QTest::mouseClick(f().risultati()->nuovo(), Qt::LeftButton);
        QCOMPARE(banco->corse.finite.size(), std::size_t{1});
    }

    void deadKeysComposeInACustomTraining() {
        scegli(opzioneGioco::Personalizzato);
        QLineEdit* box = f().scelta()->personalizzato();
        QVERIFY(box->isEnabled());
        for (const char c : std::string("\xEA\xEB\xEA\xE2\xEE")) // the second ê is refused
            digita(box, c);
        QCOMPARE(box->text(), QStringLiteral("êëâî"));
        QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
        finisciAttese();
        const auto rossa =
            std::find_if(stato().colonne.begin(), stato().colonne.end(),
                         [](const Colonna& c) { return c.colore == coloreGioco::Rosso; });
        QVERIFY(rossa != stato().colonne.end());
        QInputMethodEvent composto;
        composto.setCommitString(ui::daCp1252(std::string(1, rossa->lettera)));
        QApplication::sendEvent(f().campo(), &composto);
        QCOMPARE(f().gioco().esatte(), 1);
        QCOMPARE(f().gioco().errate(), 0);
    }

    void restartAndCloseStopEveryTimer() {
        QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
        finisciAttese();
        digita(f().campo(), '#');
        QVERIFY(f().timerAttesa().isActive());
        QTest::mouseClick(f().risultati()->nuovo(), Qt::LeftButton);
        QVERIFY(timerFermi());
        QVERIFY(f().scelta()->isVisible());
        QVERIFY(!f().risultati()->nuovo()->isEnabled());

        QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
        finisciAttese();
        tick();
        QVERIFY(f().timerLetters().isActive());
        QTest::mouseClick(f().risultati()->esci(), Qt::LeftButton);
        QVERIFY(timerFermi());
        QVERIFY(!f().isVisible());
    }

    void escClosesAndTranslucentWindowsFadeOut() {
        QTest::keyClick(f().scelta()->opzione(opzioneGioco::Facile), Qt::Key_Escape);
        QVERIFY(!f().isVisible());

        // The offscreen platform has no opacity and says so at every step.
        static QtMessageHandler precedente = nullptr;
        precedente = qInstallMessageHandler(
            [](QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
                if (!testo.contains(QLatin1String("window opacity")))
                    precedente(tipo, contesto, testo);
            });
        banco = std::make_unique<Banco>();
        banco->mod.ShadowOn = true;
        QTest::mouseClick(f().risultati()->esci(), Qt::LeftButton);
        QVERIFY(f().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!f().isVisible(), 3000);
        QVERIFY(f().windowOpacity() < 0.25);
        qInstallMessageHandler(precedente);
    }

    void scoresGroupThousandsAsTheDesktopDoes() {
        const struct {
            QLocale lingua;
            QString atteso;
        } casi[] = {{QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("1.250")},
                    {QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("1,250")},
                    {QLocale(QLocale::French, QLocale::France), QStringLiteral("1\u00A0250")}};
        for (const auto& caso : casi) {
            QLocale::setDefault(caso.lingua);
            banco.reset();
            QTemporaryDir cartella;
            QFile record(cartella.filePath(QStringLiteral("ScrivoltaWinner.ini")));
            QVERIFY(record.open(QIODevice::WriteOnly));
            record.write("[Anna]\r\nDifficulty1=1250\r\n");
            record.close();
            banco = std::make_unique<Banco>("Anna", cartella.path());
            QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
            QCOMPARE(f().risultati()->record()->text(), caso.atteso);
        }
        QLocale::setDefault(QLocale::c());
    }

    void capsLockIsSwitchedOffWhenReleased() {
        banco->s.tastiera.maiuscole = true;
        QTest::keyRelease(f().scelta()->opzione(opzioneGioco::Facile), Qt::Key_CapsLock);
        QCOMPARE(banco->s.messaggi.mostrati.size(), std::size_t{1});
        QVERIFY(!banco->s.tastiera.maiuscole);
    }

    // Where the system cannot tell Caps Lock, the game hears it from the
    // keys as the main window does, through the same state: the Caps Lock
    // key, and capitals typed without Shift.
    void capsLockInferredFromKeysBringsTheWarning() {
        banco = std::make_unique<Banco>("Anna", QString(), false);
        QVERIFY(QTest::qWaitForWindowActive(&f()));
        QWidget* scelta = QApplication::focusWidget();
        const auto& mostrati = banco->s.messaggi.mostrati;
        QTest::keyClick(scelta, Qt::Key_CapsLock);
        QCOMPARE(mostrati.size(), std::size_t{1});
        QCOMPARE(mostrati.back().testo, std::string("Il tasto Blocca Maiuscole non deve essere "
                                                    "premuto.\r\nIl programma non pu\xF2 "
                                                    "disattivarlo su questo desktop: premi di "
                                                    "nuovo il tasto."));
        // It cannot be switched off here: it stays on until the learner's
        // own key puts it off, silently.
        QVERIFY(banco->maiuscole.capsLockOn());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_CapsLock);
        QCOMPARE(mostrati.size(), std::size_t{1});
        QVERIFY(!banco->maiuscole.capsLockOn());
        QCOMPARE(banco->s.tastiera.tocchi, 0);
        // During a run, a capital typed without Shift says it is on.
        QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
        finisciAttese();
        QTest::sendKeyEvent(QTest::Click, f().campo(), Qt::Key_A, QStringLiteral("A"),
                            Qt::NoModifier);
        QVERIFY(banco->maiuscole.capsLockOn());
    }

    void withoutANameTheRecordIsHidden() {
        banco = std::make_unique<Banco>("");
        QTest::mouseClick(f().scelta()->avvio(), Qt::LeftButton);
        QVERIFY(!f().risultati()->record()->isVisible());
        QVERIFY(f().risultati()->totale()->isVisible());
    }

    void everyControlHasAnAccessibleName() {
        const auto controlli = f().findChildren<QWidget*>();
        int nominati = 0;
        for (QWidget* w : controlli) {
            if (!w->focusPolicy() && !qobject_cast<QLabel*>(w))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            const auto* etichetta = qobject_cast<QLabel*>(w);
            const bool vuota = etichetta && etichetta->text().isEmpty();
            QVERIFY2(vuota || (a && !a->text(QAccessible::Name).isEmpty()),
                     qPrintable(w->objectName()));
            ++nominati;
        }
        QVERIFY(nominati > 15);
    }

    // The arrows move through the choices and pick them, and move the
    // sliders; Tab visits what can be set; Enter starts from anywhere. A
    // screen reader meets no part without a name.
    void theKeyboardAloneSetsUpARunAndEveryPartIsNamed() {
        QVERIFY(QTest::qWaitForWindowActive(&f()));
        QRadioButton* facile = f().scelta()->opzione(opzioneGioco::Facile);
        QCOMPARE(QApplication::focusWidget(), facile);
        QTest::keyClick(facile, Qt::Key_Right);
        QCOMPARE(stato().difficolta, opzioneGioco::Medio);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(!eGioco(stato().difficolta));
        QCOMPARE(QApplication::focusWidget(), f().scelta()->opzione(stato().difficolta));
        // The field waiting behind the choice is no stop for Tab.
        QCOMPARE(prova::giroTab(), (QStringList{"hsSpeed", "hsTime", "cmdStart", "cmdExit"}));
        const QStringList senzaNome = prova::partiSenzaNome(&f());
        QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(u',')));
        const std::string durata = stato().lblTime;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f().scelta()->tempo());
        QTest::keyClick(f().scelta()->tempo(), Qt::Key_Right);
        QVERIFY(stato().lblTime != durata);
        QTest::keyClick(f().scelta()->tempo(), Qt::Key_Return);
        QVERIFY(!f().scelta()->isVisible());
        QCOMPARE(QApplication::focusWidget(), f().campo());
    }

private:
    static std::string inCp1252Separatore() { return ui::inCp1252(QLocale().groupSeparator()); }
};

QTEST_MAIN(TestFrmPlay)
#include "test_frmplay.moc"
