// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "content/frasi.h"
#include "keyboard/mappatasti.h"
#include "support/banco_tastiro.h"
#include "support/servizi_finti.h"
#include "ui/dialoghi/frmlanguage.h"
#include "ui/principale/display.h"
#include "ui/principale/frmtastiro.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

using namespace scrivolta;
using namespace std::chrono_literals;

// The main window with scripted services, typed into with real key events.
class TestFrmTastiro : public QObject {
    Q_OBJECT

private:
    using Banco = prova::BancoTastiro;

    QWidget* input() const { return banco->finestra.campoInput(); }
    Esercizio& esercizio() const { return banco->finestra.esercizio(); }
    const StatoVista& stato() const { return esercizio().stato(); }

    void digita(const std::string& cp1252) { prova::digita(input(), banco->s.orologio, cp1252); }
    void invio() { QTest::keyClick(input(), Qt::Key_Return); }
    void avviaFrase(int n) {
        banco->s.caso.scegliFrase(n);
        invio();
    }
    void portaAllaFrase(int numero, int frase) {
        while (esercizio().numeroFrase() < numero - 1) {
            avviaFrase(esercizio().numeroFrase() + 1);
            digita(esercizio().testoCorrente());
        }
        avviaFrase(frase);
    }
    int suoni(int id) const {
        const auto& v = banco->s.suoni.suonati;
        return static_cast<int>(std::count(v.begin(), v.end(), id));
    }

    QTemporaryDir cartella;
    std::unique_ptr<Banco> banco;

private slots:
    void init() {
        // Each test starts without the language files and options of the last.
        QDir(cartella.filePath(QStringLiteral("Lang"))).removeRecursively();
        QFile::remove(cartella.filePath(QStringLiteral("Scrivolta.ini")));
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        banco = std::make_unique<Banco>(cartella.path());
    }
    void cleanup() { banco.reset(); }

    void startsOnTheGreetingWithTheKeyboardInFingerColours() {
        QCOMPARE(stato().modo, ModoDisplay::Saluto);
        QVERIFY(esercizio().avvioAbilitato());
        QVERIFY(stato().menuAttivo);
        QCOMPARE(banco->finestra.tastiera().stato(0).sfondo, rgb(185, 207, 224));
        QCOMPARE(banco->finestra.windowTitle(), QStringLiteral("Scrivolta"));
    }

    void startsInTheLanguageOfItsOptions() {
        banco.reset();
        QDir(cartella.path()).mkpath(QStringLiteral("Lang"));
        QFile::copy(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/Lang/French.lng"),
                    cartella.filePath(QStringLiteral("Lang/French.lng")));
        std::ofstream(cartella.filePath(QStringLiteral("Scrivolta.ini")).toStdString(),
                      std::ios::binary)
            << "[Language]\r\nCurrentLanguage=French\r\n";
        banco = std::make_unique<Banco>(cartella.path());
        QVERIFY(banco->mod.linguaCaricata);
        QCOMPARE(stato().frase.substr(0, 8), std::string("Bonjour "));
        QVERIFY(stato().frase.find("choisis le niveau") != std::string::npos);
        QCOMPARE(banco->mod.ModeName, std::string("D\xE9"
                                                  "butant"));
    }

    void copiaLingua(const QString& nome) {
        QDir(cartella.path()).mkpath(QStringLiteral("Lang"));
        QFile::copy(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/Lang/French.lng"),
                    cartella.filePath(QStringLiteral("Lang/") + nome));
    }
    void scriviOpzioni(const std::string& testo) {
        std::ofstream(cartella.filePath(QStringLiteral("Scrivolta.ini")).toStdString(),
                      std::ios::binary)
            << testo;
    }

    // The options may name a language in another letter case than its file,
    // as a system that ignores case would have written them.
    void findsItsLanguageFileWhateverTheLetterCase() {
        banco.reset();
        copiaLingua(QStringLiteral("french.LNG"));
        scriviOpzioni("[Language]\r\nCurrentLanguage=French\r\n");
        banco = std::make_unique<Banco>(cartella.path());
        QVERIFY(banco->mod.linguaCaricata);
        QCOMPARE(stato().frase.substr(0, 8), std::string("Bonjour "));
    }

    void aFileThatIsNoLanguageFileLeavesTheBuiltInTexts() {
        banco.reset();
        QDir(cartella.path()).mkpath(QStringLiteral("Lang"));
        std::ofstream(cartella.filePath(QStringLiteral("Lang/French.lng")).toStdString(),
                      std::ios::binary)
            << std::string("\x89PNG\r\n\x1A\n\0\0garbage=1\n", 20);
        scriviOpzioni("[Language]\r\nCurrentLanguage=French\r\n");
        banco = std::make_unique<Banco>(cartella.path());
        QVERIFY(!banco->mod.linguaCaricata);
        QCOMPARE(stato().frase.substr(0, 5), std::string("Ciao "));
        QVERIFY(!banco->finestra.testi().messaggi[Messaggio::ChiudereProgramma].empty());
    }

    // After a switch to the built-in language, the windows that read
    // `linguaCaricata` (the language window among them) use built-in texts.
    void switchingToTheBuiltInLanguageGivesBuiltInTexts() {
        banco.reset();
        copiaLingua(QStringLiteral("French.lng"));
        scriviOpzioni("[Language]\r\nCurrentLanguage=French\r\n");
        ui::CollegamentiFinestra collegamenti;
        collegamenti.scegliLingua = [this](QWidget*) {
            banco->mod.linguaCorrente = "Italian [Default]";
        };
        banco = std::make_unique<Banco>(cartella.path(), std::string(), collegamenti);
        QVERIFY(banco->mod.linguaCaricata);
        // Menu entry 2 opens the information window; its language button
        // leads to the language window.
        QTimer::singleShot(0, [] {
            if (QWidget* informazioni = QApplication::activeModalWidget()) {
                if (auto* b =
                        informazioni->findChild<QAbstractButton*>(QStringLiteral("cmdLingua")))
                    b->click();
            }
        });
        auto* barra = banco->finestra.findChild<QWidget*>(QStringLiteral("lblMenu"));
        QTest::mouseClick(barra, Qt::LeftButton, {}, QPoint(10 + 2 * 42 + 17, barra->height() / 2));
        QVERIFY(!banco->mod.linguaCaricata);
        QCOMPARE(stato().frase.substr(0, 5), std::string("Ciao "));
        ui::frmLanguage lingua(banco->mod, banco->percorsi, banco->s.messaggi);
        QCOMPARE(lingua.windowTitle(), QStringLiteral("Scelta lingua"));
    }

    void startsInTheDesktopsLanguageWithoutOptions() {
        banco.reset();
        QDir(cartella.path()).mkpath(QStringLiteral("Lang"));
        QFile::copy(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/Lang/French.lng"),
                    cartella.filePath(QStringLiteral("Lang/French.lng")));
        const std::array<const char*, 4> variabili = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        std::vector<std::optional<QByteArray>> prima;
        for (const char* v : variabili) {
            prima.push_back(qEnvironmentVariableIsSet(v) ? std::optional(qgetenv(v))
                                                         : std::nullopt);
            qunsetenv(v);
        }
        qputenv("LANG", "fr_BE.UTF-8");
        banco = std::make_unique<Banco>(cartella.path());
        for (std::size_t i = 0; i < variabili.size(); ++i) {
            if (prima[i])
                qputenv(variabili[i], *prima[i]);
            else
                qunsetenv(variabili[i]);
        }
        QCOMPARE(banco->mod.linguaCorrente, std::string("French"));
        QCOMPARE(stato().frase.substr(0, 8), std::string("Bonjour "));
    }

    // The options changed from the menu are those the file keeps: sound
    // and background live in the shared state, the key map in the keyboard.
    void theOptionsInUseAreSavedAtTheEnd() {
        auto* barra = banco->finestra.findChild<QWidget*>(QStringLiteral("lblMenu"));
        const auto voce = [&](VoceMenu v) {
            QTest::mouseClick(barra, Qt::LeftButton, {},
                              QPoint(10 + static_cast<int>(v) * 42 + 17, barra->height() / 2));
        };
        voce(VoceMenu::Suoni);
        voce(VoceMenu::Sfondo);
        voce(VoceMenu::MappaColori);
        banco->finestra.close();
        std::ifstream file(cartella.filePath(QStringLiteral("Scrivolta.ini")).toStdString(),
                           std::ios::binary);
        const std::string testo((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
        QVERIFY(testo.find("Song=0\r\n") != std::string::npos);
        QVERIFY(testo.find("BackColor=1\r\n") != std::string::npos);
        QVERIFY(testo.find("KeyMap=0\r\n") != std::string::npos);
    }

    void theFirstKeyOfAPhraseIsFramed() {
        avviaFrase(11);
        QCOMPARE(esercizio().testoCorrente(), std::string("ma chambre donne sur le jardin"));
        const auto& t = banco->finestra.tastiera();
        QVERIFY(t.stato(19).premuto);
        QVERIFY(t.cornici()[0].visibile);
        QCOMPARE(t.cornici()[0].r.left, rettangoloPixel(19).left);
        QCOMPARE(stato().modo, ModoDisplay::Frase);
    }

    void wrongKeysCountOnlyOnceThePhraseIsTimed() {
        avviaFrase(11);
        digita("zq");
        QCOMPARE(suoni(suono::Errore), 2);
        QCOMPARE(stato().contatori[1], std::string("0/0"));
        QVERIFY(banco->finestra.tastiera().erroreVisibile());
        QVERIFY(stato().input.empty());
        digita("ma");
        QVERIFY(esercizio().cronometroAttivo());
        digita("x");
        QTest::keyClick(input(), Qt::Key_Backspace);
        QCOMPARE(stato().contatori[1], std::string("2/2"));
        QCOMPARE(stato().contatori[0], std::string("2/2"));
        QCOMPARE(stato().input, std::string("ma"));
        QVERIFY(stato().giudizio.has_value());
        QCOMPARE(stato().giudizio->lettera, 'D');
    }

    // Keys typed while a wrong key flashes the input line are judged after
    // it, in order: never inside its handler, where a fast typist used to
    // pile up handlers until the stack gave out.
    void keysTypedDuringAFlashWaitTheirTurn() {
        avviaFrase(11); // "ma chambre donne sur le jardin"
        digita("m");
        auto& orologio = banco->s.orologio;
        std::string inputDuranteLampo;
        orologio.durante = [&] {
            digita("zaz c");
            inputDuranteLampo = stato().input;
        };
        digita("x");
        QCOMPARE(inputDuranteLampo, std::string("m"));
        QCOMPARE(orologio.profonditaMassima, 1);
        QCOMPARE(stato().input, std::string("ma c"));
        QCOMPARE(esercizio().esatteFrase(), 4);
        QCOMPARE(esercizio().errateFrase(), 3);
        QCOMPARE(suoni(suono::Errore), 3);
    }

    // Keys typed while a finished phrase shows its result are not lost:
    // the Enter among them starts the next phrase, and what follows is
    // typed into it.
    void keysTypedDuringTheEndOfAPhraseWaitTheirTurn() {
        avviaFrase(11);
        const std::string frase = esercizio().testoCorrente();
        digita(frase.substr(0, frase.size() - 1));
        const std::string prossima(FraseInterna(12));
        banco->s.orologio.durante = [&] {
            banco->s.caso.scegliFrase(12);
            invio();
            digita(prossima.substr(0, 3));
        };
        digita(frase.substr(frase.size() - 1));
        QCOMPARE(banco->s.orologio.profonditaMassima, 1);
        QCOMPARE(esercizio().numeroFrase(), 2);
        QCOMPARE(esercizio().testoCorrente(), prossima);
        QCOMPARE(stato().input, prossima.substr(0, 3));
        QCOMPARE(esercizio().esatteFrase(), 3);
    }

    void aCaseErrorOfABeginnerIsOnlyHeard() {
        avviaFrase(11);
        digita("m");
        const int errori = suoni(suono::Errore);
        digita("A");
        QCOMPARE(suoni(suono::Errore), errori + 1);
        QVERIFY(!banco->finestra.tastiera().erroreVisibile());
        QCOMPARE(stato().contatori[1], std::string("1/1"));
        QCOMPARE(stato().coloreInput, kColoreInputNormale);
        QCOMPARE(esercizio().carattereAtteso(), std::string("a"));
    }

    void aTwoLinePhraseTakesOneEnter() {
        portaAllaFrase(11, 42); // "Le triangle a 3 côtés, ..." / "tandis que l'hexagone, en a 6."
        const std::string t = esercizio().testoCorrente();
        const auto cr = t.find('\r');
        QVERIFY(cr != std::string::npos);
        digita(t.substr(0, cr));
        QVERIFY(banco->finestra.tastiera().stato(indiceTasto::InvioAlto).premuto);
        QVERIFY(banco->finestra.tastiera().cornici()[3].visibile);
        const int primaRiga = stato().marcatore.width;
        QVERIFY(primaRiga > 0);
        invio();
        QCOMPARE(esercizio().carattereAtteso(), std::string("t"));
        QCOMPARE(stato().marcatore.width, 0);
        QVERIFY(stato().marcatore.top > 0);
        digita(t.substr(cr + 2));
        QVERIFY(esercizio().testoFinito());
        QCOMPARE(esercizio().esatteFrase(), static_cast<int>(t.size()) - 1);
        QCOMPARE(stato().contatori[1].substr(0, 1), std::string("0"));
    }

    void aCharacterWithoutAKeyIsPassedWithMenuEntrySeven() {
        portaAllaFrase(11, 38); // "Le symbole de l’euro est €; ..."
        digita("Le symbole de l");
        QVERIFY(stato().voceSalto);
        QVERIFY(!cercaCarattere(0x92));
        auto* barra = banco->finestra.findChild<QWidget*>(QStringLiteral("lblMenu"));
        QVERIFY(barra);
        QTest::mouseClick(barra, Qt::LeftButton, {}, QPoint(10 + 7 * 42 + 17, barra->height() / 2));
        QVERIFY(!stato().voceSalto);
        QCOMPARE(esercizio().carattereAtteso(), std::string("e"));
        digita("euro est \x80");
        QCOMPARE(esercizio().carattereAtteso(), std::string(";"));
    }

    void aKeyOutsideTheCodePageIsAWrongKey() {
        avviaFrase(11);
        digita("m");
        QTest::sendKeyEvent(QTest::Click, input(), Qt::Key_unknown, QStringLiteral("\U0001F600"),
                            Qt::NoModifier);
        QCOMPARE(stato().contatori[1], std::string("1/1"));
        QCOMPARE(stato().input, std::string("m"));
    }

    void composedTextFromAnInputMethodIsTyped() {
        avviaFrase(2); // "le père de ma copine est mécanicien"
        digita("le p");
        QInputMethodEvent composto;
        composto.setCommitString(QStringLiteral("\u00E8"));
        QCoreApplication::sendEvent(input(), &composto);
        QCOMPARE(stato().input, std::string("le p\xE8"));
    }

    void aTextFileScrollsWithItsInputLine() {
        banco.reset();
        std::string testo;
        for (int i = 0; i < 120; ++i)
            testo += static_cast<char>('a' + i % 26);
        std::ofstream(cartella.filePath(QStringLiteral("Esercizi/Lettera.txt")).toStdString(),
                      std::ios::binary)
            << testo.substr(0, 60) << "\r\n"
            << testo.substr(60);
        banco = std::make_unique<Banco>(cartella.path(), "/Lettera.txt");
        invio();
        QCOMPARE(stato().modo, ModoDisplay::TestoFile);
        const std::string unito = testo.substr(0, 60) + " " + testo.substr(60);
        QCOMPARE(esercizio().testoCorrente(), unito);
        QCOMPARE(banco->finestra.windowTitle(), QStringLiteral("Scrivolta  - File: Lettera.txt"));
        digita(unito.substr(0, 29));
        QCOMPARE(stato().input, unito.substr(0, 29));
        digita("?");
        QCOMPARE(stato().contatori[1], std::string("1"));
        QCOMPARE(stato().input, unito.substr(1, 28) + "?");
        QCOMPARE(stato().frase, unito.substr(1, 100));
        invio();
        QTest::keyClick(input(), Qt::Key_Backspace);
        QCOMPARE(stato().contatori[0], std::string("30"));
        QCOMPARE(esercizio().carattereAtteso(), unito.substr(30, 1));
    }

    // The marker covers the typed part of the shown text: it grows with the
    // keys, then keeps its width while the text scrolls beneath it.
    void theMarkerFollowsTheTypingOfATextFile() {
        banco.reset();
        const std::string testo =
            "le chat dort sur la table pendant que les enfants jouent dans le jardin";
        std::ofstream(cartella.filePath(QStringLiteral("Esercizi/Chat.txt")).toStdString(),
                      std::ios::binary)
            << testo;
        banco = std::make_unique<Banco>(cartella.path(), "/Chat.txt");
        invio();
        const auto* display =
            static_cast<ui::DisplayEsercizio*>(banco->finestra.findChild<QWidget*>("picDisplay"));
        const QFontMetrics& metriche = display->metriche(ModoDisplay::TestoFile);
        const auto larghezza = [&metriche](const std::string& ascii) {
            int l = 0;
            for (const char c : ascii)
                l += metriche.horizontalAdvance(QLatin1Char(c));
            return l;
        };
        QCOMPARE(stato().marcatore.width, 0);
        digita("le chat");
        QCOMPARE(stato().marcatore.left, 0);
        QCOMPARE(stato().marcatore.width, larghezza("le chat"));
        // A wrong key is typed too, and the marker moves on with it.
        digita("x");
        QCOMPARE(stato().marcatore.width, larghezza("le chat "));
        digita(testo.substr(8, 30));
        QCOMPARE(stato().frase.substr(0, 29), testo.substr(9, 29));
        QCOMPARE(stato().marcatore.width, larghezza(testo.substr(9, 29)));
    }

    // The report opens at the end of the text with everything typed, wrong
    // keys included, beyond the input line's last characters.
    void theReportOpensWithAllThatWasTyped() {
        banco.reset();
        const std::string testo = "Ab 1, \xE9t\xE9 #ok";
        std::ofstream(cartella.filePath(QStringLiteral("Esercizi/Breve.txt")).toStdString(),
                      std::ios::binary)
            << testo;
        std::string riportato;
        QString mostrato;
        ui::CollegamentiFinestra collegamenti;
        collegamenti.risultati = [](QWidget*) { QFAIL("no results after a text file"); };
        collegamenti.rapporto = [this, &riportato, &mostrato](QWidget*) {
            riportato = banco->mod.ReportText;
            mostrato = QAccessible::queryAccessibleInterface(input())->text(QAccessible::Value);
        };
        banco = std::make_unique<Banco>(cartella.path(), "/Breve.txt", collegamenti);
        invio();
        digita("Ab 1; \xE9t\xE9 #o");
        digita("k");
        QCOMPARE(riportato, std::string("Ab 1; \xE9t\xE9 #ok"));
        // Behind the report the window shows the text as it ended, its last
        // key in the input line.
        QCOMPARE(mostrato, QStringLiteral("Ab 1; \u00E9t\u00E9 #ok"));
        QCOMPARE(banco->mod.DialogKind, Finestra::RapportoTestoFile);
    }
};

QTEST_MAIN(TestFrmTastiro)
#include "test_frmtastiro.moc"
