// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/tasti.h"
#include "platform/stampa_qt.h"
#include "support/servizi_finti.h"
#include "ui/principale/frmtastiro.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <memory>
#include <optional>

using namespace scrivolta;

namespace {

// A system keyboard that has the learner's own layout and can switch.
class TastieraConLayout final : public KeyboardPlatform {
public:
    bool layoutsAvailable() const override { return true; }
    std::string activeLayout() const override { return attivo; }
    bool activateLayout(const std::string& nome) override {
        attivo = nome;
        return true;
    }
    bool capsLockOn() const override { return false; }
    void toggleCapsLock() override {}
    std::string attivo = "00000409";
};

} // namespace

// The main window as a whole: its menu, its shut-down, its size on a large
// screen, Caps Lock where the system cannot report it.
class TestFinestraPrincipale : public QObject {
    Q_OBJECT

private:
    struct Banco {
        Banco(const QString& cartella, bool grande, ui::CollegamentiFinestra collegamenti)
            : percorsi(Percorsi::portatile(cartella.toStdString() + "/")),
              servizi{s.orologio, s.caso, s.orologio, s.suoni, s.messaggi, tastiera} {
            mod.ResizeOn = grande;
            finestra =
                std::make_unique<ui::FrmTastiro>(mod, servizi, percorsi, std::move(collegamenti));
            finestra->resize(grande ? QSize(1920, 1080) : QSize(800, 600));
            finestra->show();
            // Shortcuts answer only in the active window, as on a desktop.
            QApplication::setActiveWindow(finestra.get());
        }
        ModTastiro mod;
        prova::ServiziFinti s;
        TastieraConLayout tastiera;
        Percorsi percorsi;
        Servizi servizi;
        std::unique_ptr<ui::FrmTastiro> finestra;
    };

    std::unique_ptr<Banco> crea(bool grande = false, ui::CollegamentiFinestra c = {}) {
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        return std::make_unique<Banco>(cartella.path(), grande, std::move(c));
    }
    static QWidget* figlio(const Banco& b, const char* nome) {
        return b.finestra->findChild<QWidget*>(QString::fromLatin1(nome));
    }
    // A click on menu entry `voce` where the bar shows it, at any scale.
    static void clicMenu(const Banco& b, VoceMenu voce) {
        QWidget* barra = figlio(b, "lblMenu");
        const double sx = barra->width() / 620.0;
        const double sy = barra->height() / 44.0;
        const int x = static_cast<int>((10 + static_cast<int>(voce) * 42 + 17) * sx);
        QTest::mouseClick(barra, Qt::LeftButton, {}, QPoint(x, static_cast<int>(22 * sy)));
    }

    // Alt with a key of the Belgian digit row, as the layout types it.
    static void alt(QWidget* w, Qt::Key tasto, const QString& simbolo) {
        QTest::sendKeyEvent(QTest::Click, w, tasto, simbolo, Qt::AltModifier);
    }
    static void alt(QWidget* w, Qt::Key tasto) { QTest::keyClick(w, tasto, Qt::AltModifier); }
    void dueEsercizi() {
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        for (const char* nome : {"Esercizi/Primo.ftd", "Esercizi/Secondo.ftd"})
            std::ofstream(cartella.filePath(QString::fromLatin1(nome)).toStdString(),
                          std::ios::binary)
                << "[1Livello]\r\n1=a\r\n";
    }

    QTemporaryDir cartella;

private slots:
    void cleanup() { QDir(cartella.path() + QStringLiteral("/Esercizi")).removeRecursively(); }

    void altWithTheDigitRowPicksCategoriesAndModes() {
        dueEsercizi();
        auto b = crea();
        b->finestra->avvia();
        QWidget* input = b->finestra->campoInput();
        // The third key of the row types '"' on the Belgian layout.
        alt(input, Qt::Key_QuoteDbl);
        QTRY_COMPARE(b->finestra->scelta().categoria(), Categoria::Esercizi);
        alt(input, Qt::Key_1);
        QTRY_COMPARE(b->finestra->scelta().categoria(), Categoria::FrasiInterne);
        alt(input, Qt::Key_7);
        QTRY_VERIFY(b->mod.ExpertMode);
        alt(input, Qt::Key_section, QStringLiteral("\u00A7"));
        QTRY_VERIFY(!b->mod.ExpertMode);
        QVERIFY(b->s.messaggi.mostrati.empty());

        // While a phrase is typed the buttons are hidden, and Alt types
        // nothing: no error sound, nothing in the line.
        QTest::keyClick(input, Qt::Key_Return);
        b->s.suoni.suonati.clear();
        alt(input, Qt::Key_QuoteDbl);
        QTest::qWait(150);
        QCOMPARE(b->finestra->scelta().categoria(), Categoria::FrasiInterne);
        QVERIFY(b->s.suoni.suonati.empty());
        QVERIFY(b->finestra->esercizio().stato().input.empty());
    }

    void altLDropsTheListDownAndEscGoesBackToTheLine() {
        dueEsercizi();
        auto b = crea();
        b->finestra->avvia();
        QWidget* input = b->finestra->campoInput();
        auto* lista = b->finestra->findChild<QComboBox*>(QStringLiteral("cboListFile"));
        // The overlay of the hands and the drop-down take the activation; a
        // desktop gives it back to the main window once they have gone.
        QApplication::setActiveWindow(b->finestra.get());
        // The built-in phrases have no list to open.
        alt(input, Qt::Key_L);
        QVERIFY(!lista->view()->isVisible());
        alt(input, Qt::Key_QuoteDbl);
        QTRY_COMPARE(b->finestra->scelta().categoria(), Categoria::Esercizi);
        QCOMPARE(b->finestra->scelta().selezionata(), 0);

        alt(input, Qt::Key_L);
        QTRY_VERIFY(lista->view()->isVisible());
        QCOMPARE(b->finestra->focusWidget(), lista);
        QTest::keyClick(lista->view(), Qt::Key_Down);
        QTest::keyClick(lista->view(), Qt::Key_Return);
        QCOMPARE(b->finestra->scelta().selezionata(), 1);
        // The greeting hides the input line: the window takes the keys.
        QVERIFY(!input->isVisible());
        QTRY_COMPARE(b->finestra->focusWidget(), b->finestra.get());

        // Esc closes the list; its release, which reaches the list, leaves it
        // rather than asking whether to end the program.
        QApplication::setActiveWindow(b->finestra.get());
        alt(input, Qt::Key_L);
        QTRY_VERIFY(lista->view()->isVisible());
        QTest::keyPress(lista->view(), Qt::Key_Escape);
        QTRY_VERIFY(!lista->view()->isVisible());
        QTest::keyRelease(lista, Qt::Key_Escape);
        QCOMPARE(b->finestra->focusWidget(), b->finestra.get());
        QCOMPARE(b->finestra->scelta().selezionata(), 1);
        QVERIFY(b->s.messaggi.mostrati.empty());
        QVERIFY(!b->finestra->chiuso());
        // Enter there starts the chosen exercise, and the line has the keys.
        QTest::keyClick(b->finestra.get(), Qt::Key_Return);
        QCOMPARE(b->finestra->esercizio().testoCorrente(), std::string("aaaa"));
        QCOMPARE(b->finestra->focusWidget(), input);
    }

    // At the greeting the window takes the keys and starts the exercise on
    // Enter; when it comes back to the front, the file list does not take
    // them, where the arrows would change the file behind the learner's back.
    void theGreetingKeepsTheKeysFromTheList() {
        dueEsercizi();
        auto b = crea();
        b->finestra->avvia();
        alt(b->finestra->campoInput(), Qt::Key_QuoteDbl);
        QTRY_COMPARE(b->finestra->scelta().categoria(), Categoria::Esercizi);
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(b->finestra.get());
        QCOMPARE(QApplication::focusWidget(), b->finestra.get());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(b->finestra->scelta().selezionata(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(b->finestra->esercizio().testoCorrente(), std::string("aaaa"));
        QCOMPARE(QApplication::focusWidget(), b->finestra->campoInput());
    }

    void aScreenReaderReadsTheKeysOfTheButtonsAndTheList() {
        dueEsercizi();
        auto b = crea();
        b->finestra->avvia();
        const auto scorciatoia = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        const auto pulsante = [&b](const QString& nome) {
            return b->finestra->findChild<QRadioButton*>(nome);
        };
        QCOMPARE(scorciatoia(pulsante(QStringLiteral("optMenu0"))),
                 QStringLiteral("Frasi interne (Alt+1)"));
        QCOMPARE(scorciatoia(pulsante(QStringLiteral("optMenu4"))),
                 QStringLiteral("Gioco & Allenamento (Alt+5)"));
        QCOMPARE(scorciatoia(pulsante(QStringLiteral("optLevel1"))),
                 QStringLiteral("Esperto (Alt+7)"));
        auto* lista = b->finestra->findChild<QComboBox*>(QStringLiteral("cboListFile"));
        QCOMPARE(lista->accessibleDescription(), QStringLiteral("Alt+L"));
        QVERIFY(!lista->accessibleName().startsWith(QStringLiteral("cbo")));
    }

    void theMenuWaitsForTheGreeting() {
        bool menuDuranteIlNome = true;
        int sfondoDuranteIlNome = -1;
        Banco* banco = nullptr;
        ui::CollegamentiFinestra c;
        c.chiediNome = [&](QWidget*) {
            menuDuranteIlNome = banco->finestra->esercizio().stato().menuAttivo;
            const int prima = banco->mod.coloreSfondo;
            clicMenu(*banco, VoceMenu::Sfondo);
            sfondoDuranteIlNome = banco->mod.coloreSfondo - prima;
        };
        auto b = crea(false, c);
        banco = b.get();
        b->finestra->avvia();
        QVERIFY(!menuDuranteIlNome);
        QCOMPARE(sfondoDuranteIlNome, 0);
        QVERIFY(b->finestra->esercizio().stato().menuAttivo);
    }

    // The name spells itself out letter by letter, each with its click,
    // before the learner is asked for a name.
    void theTitleSpellsItselfOutBeforeTheNameIsAsked() {
        Banco* banco = nullptr;
        std::vector<int> suoni;
        std::chrono::system_clock::time_point chiesto;
        ui::CollegamentiFinestra c;
        c.chiediNome = [&](QWidget*) {
            suoni = banco->s.suoni.suonati;
            chiesto = banco->s.orologio.t;
        };
        auto b = crea(false, c);
        banco = b.get();
        const auto inizio = b->s.orologio.t;
        b->finestra->avvia();
        QCOMPARE(suoni, std::vector<int>(9, 107));
        // 180 ms after each letter, 300 after the last.
        const auto attesa = std::chrono::duration_cast<std::chrono::milliseconds>(chiesto - inizio);
        QCOMPARE(static_cast<int>(attesa.count()), 9 * 180 + 300);
    }

    // Four white lines cross the screen 22 pixels inside the panel's edges.
    void theGuideLinesAreWhite() {
        auto b = crea();
        b->finestra->avvia();
        const QRect n = figlio(*b, "picNotebook")->geometry();
        const QImage schermo = b->finestra->grab().toImage();
        for (const QPoint& punto :
             {QPoint(n.left() + 22, n.top() / 2), QPoint(n.right() - 22, n.top() / 2),
              QPoint(n.left() / 2, n.top() + 22), QPoint(n.left() / 2, n.bottom() - 22)})
            QCOMPARE(QColor(schermo.pixel(punto)), QColor(Qt::white));
        // Beside a line, the background of the scheme.
        QVERIFY(QColor(schermo.pixel(n.left() + 24, n.top() / 2)) != QColor(Qt::white));
    }

    // What answers a double click shows the hand: the finger pictures on
    // the keyboard while a phrase is typed, and the strip that takes their
    // place.
    void theClickablePicturesShowTheHand() {
        auto b = crea();
        b->finestra->avvia();
        QTest::keyClick(b->finestra->campoInput(), Qt::Key_Return);
        QWidget* tastiera = figlio(*b, "picKeyword");
        const Tastiera& t = b->finestra->tastiera();
        QVERIFY(t.ditaVisibili());
        const Rettangolo q = t.rettangolo(10);
        const Rettangolo spazio = t.rettangolo(indiceTasto::Spazio);
        // Over a finger of the left hand, then over a key of the top row.
        QPoint dito;
        for (int y = q.top; y < q.top + q.height && dito.isNull(); ++y) {
            QTest::mouseMove(tastiera, QPoint(q.left + q.width / 2, y));
            if (tastiera->cursor().shape() == Qt::PointingHandCursor)
                dito = QPoint(q.left + q.width / 2, y);
        }
        QVERIFY(!dito.isNull());
        QTest::mouseMove(tastiera, QPoint(spazio.left + 2, t.rettangolo(0).top + 2));
        QCOMPARE(tastiera->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseDClick(tastiera, Qt::LeftButton, {}, dito);
        QWidget* striscia = figlio(*b, "imgMappaTastiEsterna");
        QVERIFY(striscia != nullptr && striscia->isVisible());
        QCOMPARE(striscia->cursor().shape(), Qt::PointingHandCursor);
    }

    void elevenBackgroundsComeRoundAgain() {
        auto b = crea();
        b->finestra->avvia();
        const int primo = b->mod.coloreSfondo;
        clicMenu(*b, VoceMenu::Sfondo);
        QVERIFY(b->mod.coloreSfondo != primo);
        for (int i = 1; i < 11; ++i)
            clicMenu(*b, VoceMenu::Sfondo);
        QCOMPARE(b->mod.coloreSfondo, primo);
    }

    void closingFromTheMenuSavesAndGivesTheLayoutBack() {
        auto b = crea();
        QCOMPARE(b->tastiera.attivo, std::string("0000080C"));
        b->finestra->avvia();
        clicMenu(*b, VoceMenu::Sfondo);
        const int sfondo = b->mod.coloreSfondo;
        clicMenu(*b, VoceMenu::Esci);
        QVERIFY(b->finestra->chiuso());
        QCOMPARE(b->tastiera.attivo, std::string("00000409"));
        QFile ini(cartella.filePath(QStringLiteral("Scrivolta.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("BackColor=" + QByteArray::number(sfondo)));
    }

    // On a 1920 x 1080 screen every control has grown from its design, the
    // panel is centred 20 pixels above the middle and every key with its
    // outline fits the keyboard without touching another.
    void theScaledWindowKeepsEveryKeyInPlace() {
        auto b = crea(true);
        b->finestra->avvia();
        QWidget* notebook = figlio(*b, "picNotebook");
        QWidget* display = figlio(*b, "picDisplay");
        QWidget* tastiera = figlio(*b, "picKeyword");
        QCOMPARE(notebook->size(), QSize(902, 645));
        QCOMPARE(display->geometry(), QRect(28, 18, 846, 147));
        QCOMPARE(notebook->x(), 1920 - notebook->x() - notebook->width());
        QCOMPARE(notebook->y(), (1080 - 645) / 2 - 20);
        QVERIFY(notebook->rect().contains(tastiera->geometry()));
        const Tastiera& t = b->finestra->tastiera();
        QVERIFY(t.scalata());
        QCOMPARE(t.spessoreRilievo, 4);
        const int anelli = t.spessoreRilievo + 1;
        for (int i = 0; i < kNumeroTasti; ++i) {
            const Rettangolo r = t.rettangolo(i);
            const QRect a =
                QRect(r.left, r.top, r.width, r.height).adjusted(-anelli, -anelli, anelli, anelli);
            QVERIFY2(tastiera->rect().contains(a), qPrintable(QString::number(i)));
            for (int j = i + 1; j < kNumeroTasti; ++j) {
                if (i == indiceTasto::InvioBasso && j == indiceTasto::InvioAlto)
                    continue;
                const Rettangolo s = t.rettangolo(j);
                const QRect c = QRect(s.left, s.top, s.width, s.height)
                                    .adjusted(-anelli, -anelli, anelli, anelli);
                QVERIFY2(!a.intersects(c), qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
            }
        }
        // Moving the window about never scales twice.
        b->finestra->resize(1900, 1000);
        b->finestra->resize(1920, 1080);
        QCOMPARE(display->geometry(), QRect(28, 18, 846, 147));
    }

    void anUnscaledWindowFitsTheSmallestScreen() {
        auto b = crea();
        b->finestra->avvia();
        QWidget* notebook = figlio(*b, "picNotebook");
        QVERIFY(QRect(0, 0, 800, 600).contains(notebook->geometry()));
        QVERIFY(!b->finestra->tastiera().scalata());
        // The mode buttons carry balloon tips rather than plain tooltips.
        QRadioButton* principiante = nullptr;
        for (auto* r : b->finestra->findChildren<QRadioButton*>()) {
            if (r->text() == QString::fromLatin1(b->finestra->testi().optLevel[0].c_str()))
                principiante = r;
        }
        QVERIFY(principiante != nullptr);
        QVERIFY(principiante->toolTip().isEmpty());
        QCOMPARE(principiante->accessibleDescription(),
                 QString::fromLatin1(b->finestra->testi().balloon[1].c_str()));
    }

    void theHandsWaitOnTheHomeRowUntilAKeyIsReleased() {
        auto b = crea();
        b->finestra->avvia();
        QVERIFY(b->mod.KeyMapShown);
        auto* mappa = b->finestra->findChild<QWidget*>(QStringLiteral("frmTransparency"));
        QVERIFY(mappa != nullptr && mappa->isVisible());
        // Its left edge lies 10 pixels right of the key Q, its top at most one
        // step of the slide below the key's.
        QWidget* tastiera = figlio(*b, "picKeyword");
        const QPoint q = tastiera->mapToGlobal(QPoint(b->finestra->tastiera().rettangolo(10).left,
                                                      b->finestra->tastiera().rettangolo(10).top));
        QCOMPARE(mappa->x(), q.x() + 10);
        QVERIFY(mappa->y() >= q.y() && mappa->y() < q.y() + 20);
        QTest::keyClick(b->finestra->campoInput(), Qt::Key_Return);
        QVERIFY(!b->mod.KeyMapShown);
        QVERIFY(!mappa->isVisible());
        // Without translucent windows they go at once, without fading.
        QCOMPARE(mappa->windowOpacity(), 1.0);
    }

    // Where windows can be translucent the hands fade out as the phrase
    // starts: the Enter that starts it is still down.
    void theHandsFadeOutWhenAPhraseStarts() {
        auto b = crea();
        b->mod.ShadowOn = true;
        b->finestra->avvia();
        auto* mappa = b->finestra->findChild<QWidget*>(QStringLiteral("frmTransparency"));
        QVERIFY(mappa->isVisible());
        QTest::keyPress(b->finestra->campoInput(), Qt::Key_Return);
        QCOMPARE(b->finestra->esercizio().stato().modo, ModoDisplay::Frase);
        QVERIFY(!b->mod.KeyMapShown);
        QVERIFY(!mappa->isVisible());
        QVERIFY(mappa->windowOpacity() < 0.25);
        QTest::keyRelease(b->finestra->campoInput(), Qt::Key_Return);
    }

    // Every greeting brings the hands back, not only the first: here the
    // one after starting again.
    void theHandsComeBackAtEveryGreeting() {
        auto b = crea();
        b->finestra->avvia();
        auto* mappa = b->finestra->findChild<QWidget*>(QStringLiteral("frmTransparency"));
        QTest::keyClick(b->finestra->campoInput(), Qt::Key_Return);
        QVERIFY(!mappa->isVisible());
        b->s.messaggi.risposte.push_back(Risposta::Si);
        clicMenu(*b, VoceMenu::Ricomincia);
        QCOMPARE(b->finestra->esercizio().stato().modo, ModoDisplay::Saluto);
        QVERIFY(b->mod.KeyMapShown);
        QVERIFY(mappa->isVisible());
    }

    // Enter while the hands are sliding in starts the phrase: they go, and
    // the finger pictures stay on the keyboard for it.
    void enterWhileTheHandsSlideInStartsThePhrase() {
        auto b = crea();
        bool premuto = false;
        std::function<void()> durante = [&] {
            auto* mappa = b->finestra->findChild<QWidget*>(QStringLiteral("frmTransparency"));
            if (mappa != nullptr && mappa->isVisible() && !premuto) {
                premuto = true;
                QTest::keyClick(b->finestra.get(), Qt::Key_Return);
                return;
            }
            b->s.orologio.durante = durante;
        };
        b->s.orologio.durante = durante;
        b->finestra->avvia();
        QVERIFY(premuto);
        QCOMPARE(b->finestra->esercizio().stato().modo, ModoDisplay::Frase);
        QVERIFY(!b->mod.KeyMapShown);
        QVERIFY(b->finestra->tastiera().ditaVisibili());
        QVERIFY(b->finestra->esercizio().stato().menuAttivo);
    }

    // The game's category answers once the greeting has settled, at the
    // program's start as after every exercise.
    void theGameWaitsForTheFirstGreetingToSettle() {
        int partite = 0;
        ui::CollegamentiFinestra c;
        c.gioco = [&partite](QWidget*, MaiuscoleDedotte&) { ++partite; };
        dueEsercizi();
        auto b = crea(false, c);
        auto* gioco = b->finestra->findChild<QRadioButton*>(QStringLiteral("optMenu4"));
        bool provato = false;
        std::function<void()> durante = [&] {
            if (!provato && gioco->isVisible()) {
                provato = true;
                QTest::mouseClick(gioco, Qt::LeftButton, {}, QPoint(6, gioco->height() / 2));
            }
            b->s.orologio.durante = durante;
        };
        b->s.orologio.durante = durante;
        b->finestra->avvia();
        b->s.orologio.durante = nullptr;
        QVERIFY(provato);
        QCOMPARE(partite, 0);
        QTest::mouseClick(gioco, Qt::LeftButton, {}, QPoint(6, gioco->height() / 2));
        QTRY_COMPARE(partite, 1);
    }

    // The information window opens over a screen without the hands, which
    // stay on top of every window.
    void theInformationWindowOpensWithoutTheHands() {
        auto b = crea();
        b->finestra->avvia();
        auto* mappa = b->finestra->findChild<QWidget*>(QStringLiteral("frmTransparency"));
        QVERIFY(mappa->isVisible());
        std::optional<bool> maniSopra;
        QTimer::singleShot(0, [&] {
            if (QWidget* informazioni = QApplication::activeModalWidget()) {
                maniSopra = mappa->isVisible();
                informazioni->close();
            }
        });
        clicMenu(*b, VoceMenu::Informazioni);
        QVERIFY(maniSopra.has_value());
        QVERIFY(!*maniSopra);
    }

    // Printing the keyboard from the information window gives the hands back
    // with the keyboard, whatever the answer.
    void theHandsComeBackAfterPrintingFromTheInformationWindow() {
        QTemporaryDir carta;
        for (const Risposta risposta : {Risposta::No, Risposta::Si}) {
            ui::CollegamentiFinestra c;
            c.stampanteDisponibile = [] { return true; };
            c.stampaPagina = [&carta](const ui::DisegnoPagina& disegno) {
                QPrinter p;
                p.setOutputFormat(QPrinter::PdfFormat);
                p.setOutputFileName(carta.filePath(QStringLiteral("tastiera.pdf")));
                return platform::stampaPagina(p, disegno);
            };
            auto b = crea(false, c);
            b->finestra->avvia();
            auto* mappa = b->finestra->findChild<QWidget*>(QStringLiteral("frmTransparency"));
            QVERIFY(mappa->isVisible());
            b->s.messaggi.risposte = {risposta};
            QTimer::singleShot(0, [] {
                if (QWidget* informazioni = QApplication::activeModalWidget())
                    QTest::mouseClick(
                        informazioni->findChild<QAbstractButton*>(QStringLiteral("lblPrintKey")),
                        Qt::LeftButton);
            });
            clicMenu(*b, VoceMenu::Informazioni);
            QTRY_COMPARE(b->s.messaggi.mostrati.size(), std::size_t{1});
            QTRY_VERIFY(mappa->isVisible());
            QVERIFY(b->mod.KeyMapShown);
        }
    }

    // The game reads the state the main window inferred: one state, handed
    // on, not a second one starting from nothing.
    void theGameSharesTheInferredCapsLock() {
        ui::CollegamentiFinestra c;
        c.maiuscoleDiSistema = false;
        std::optional<bool> nelGioco;
        c.gioco = [&nelGioco](QWidget*, MaiuscoleDedotte& m) { nelGioco = m.capsLockOn(); };
        dueEsercizi();
        auto b = crea(false, c);
        b->finestra->avvia();
        QWidget* input = b->finestra->campoInput();
        QTest::sendKeyEvent(QTest::Click, input, Qt::Key_A, QStringLiteral("A"), Qt::NoModifier);
        alt(input, Qt::Key_ParenLeft, QStringLiteral("("));
        QTRY_VERIFY(nelGioco.has_value());
        QVERIFY(*nelGioco);
    }

    void capsLockInferredFromKeysBringsTheWarning() {
        ui::CollegamentiFinestra c;
        c.maiuscoleDiSistema = false;
        auto b = crea(false, c);
        b->finestra->avvia();
        QWidget* input = b->finestra->campoInput();
        const auto& mostrati = b->s.messaggi.mostrati;
        // Capitals without Shift tell that Caps Lock is on, yet only the
        // learner's own Caps Lock key raises the box.
        QTest::sendKeyEvent(QTest::Click, input, Qt::Key_A, QStringLiteral("A"), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, input, Qt::Key_B, QStringLiteral("B"), Qt::NoModifier);
        QVERIFY(mostrati.empty());
        // This press switches it off.
        QTest::keyClick(input, Qt::Key_CapsLock);
        QVERIFY(mostrati.empty());

        QTest::keyClick(input, Qt::Key_CapsLock);
        QCOMPARE(mostrati.size(), std::size_t{1});
        // The program cannot switch it off here: the box asks the learner to,
        // rather than saying it was done.
        const auto& m = b->finestra->testi().messaggi;
        QCOMPARE(mostrati.back().testo, m[Messaggio::BloccaMaiuscoleVietato] + "\r\n" +
                                            m[Messaggio::BloccaMaiuscoleDaSpegnere]);
        QVERIFY(!m[Messaggio::BloccaMaiuscoleDaSpegnere].empty());
        // It is still on: the learner's next press puts it off, silently.
        QTest::keyClick(input, Qt::Key_CapsLock);
        QCOMPARE(mostrati.size(), std::size_t{1});
        // A small letter typed without Shift says it is off: no box either.
        QTest::sendKeyEvent(QTest::Click, input, Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(mostrati.size(), std::size_t{1});
    }
};

QTEST_MAIN(TestFinestraPrincipale)
#include "test_finestra_principale.moc"
