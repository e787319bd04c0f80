// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/avvio.h"
#include "platform/finestre_messaggio.h"
#include "platform/servizi_qt.h"
#include "platform/suoni.h"
#include "platform/tastiera_sistema.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <vector>

using namespace scrivolta;
using namespace scrivolta::platform;

namespace {

// Acts on the next message box once it is on screen.
void quandoAppare(std::function<void(QMessageBox&)> azione) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            azione(*box);
        }
    });
    timer->start();
}

QAbstractButton* pulsante(QMessageBox& box, const QString& testo) {
    for (auto* b : box.buttons())
        if (b->text() == testo)
            return b;
    return nullptr;
}

struct Messaggio {
    std::string testo, titolo;
    Icona icona;
    Pulsanti pulsanti;
};

class MessaggiRegistrati final : public MessageBoxes {
public:
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override {
        mostrati.push_back({testo, titolo, icona, pulsanti});
        return Risposta::Ok;
    }
    std::vector<Messaggio> mostrati;
};

double secondiProcessore() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The whole process's processor time (every thread, user and system).
std::chrono::microseconds processoreDelProcesso() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const auto us = [](const timeval& t) {
        return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
    };
    return us(uso.ru_utime) + us(uso.ru_stime);
}

} // namespace

Q_DECLARE_METATYPE(scrivolta::Pulsanti)
Q_DECLARE_METATYPE(scrivolta::Risposta)

class TestServiziQt : public QObject {
    Q_OBJECT
private:
    static constexpr int kUnTick = 1; // ms
    // A wait of 200 ms lets a timer fire, lasts its time and sleeps meanwhile.
    static void attendeDormendo() {
        AttesaQt attesa;
        bool scattato = false;
        QTimer::singleShot(10, [&] { scattato = true; });
        QElapsedTimer tempo;
        tempo.start();
        const double cpu = secondiProcessore();
        attesa.attendi(200);
        QVERIFY(scattato);
        // Waits count whole milliseconds of the system's tick: one that
        // starts late in a tick may end up to a millisecond short.
        QVERIFY(tempo.elapsed() >= 200 - kUnTick);
        QVERIFY(tempo.elapsed() < 1000);
        QVERIFY(secondiProcessore() - cpu < 0.05);
    }

private slots:
    void boxAnswersWithTheButtonChosen_data() {
        QTest::addColumn<Pulsanti>("pulsanti");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<Risposta>("risposta");
        QTest::newRow("OK") << Pulsanti::Ok << "OK" << Risposta::Ok;
        QTest::newRow("OK, Esc") << Pulsanti::Ok << "Esc" << Risposta::Ok;
        QTest::newRow("Sì") << Pulsanti::SiNo << "Sì" << Risposta::Si;
        QTest::newRow("No") << Pulsanti::SiNo << "No" << Risposta::No;
        QTest::newRow("Sì/No, Esc") << Pulsanti::SiNo << "Esc" << Risposta::No;
        QTest::newRow("Sì/No, close box") << Pulsanti::SiNo << "close" << Risposta::No;
        QTest::newRow("Sì/No, Enter") << Pulsanti::SiNo << "Enter" << Risposta::Si;
        QTest::newRow("Annulla") << Pulsanti::SiNoAnnulla << "Annulla" << Risposta::Annulla;
        QTest::newRow("No of three") << Pulsanti::SiNoAnnulla << "No" << Risposta::No;
        QTest::newRow("Sì/No/Annulla, Esc") << Pulsanti::SiNoAnnulla << "Esc" << Risposta::Annulla;
        QTest::newRow("Sì/No/Annulla, close box")
            << Pulsanti::SiNoAnnulla << "close" << Risposta::Annulla;
    }
    void boxAnswersWithTheButtonChosen() {
        QFETCH(Pulsanti, pulsanti);
        QFETCH(QString, azione);
        QFETCH(Risposta, risposta);
        quandoAppare([azione](QMessageBox& box) {
            if (azione == QLatin1String("Esc"))
                QTest::keyClick(&box, Qt::Key_Escape);
            else if (azione == QLatin1String("Enter"))
                QTest::keyClick(&box, Qt::Key_Return);
            else if (azione == QLatin1String("close"))
                box.close();
            else if (auto* b = pulsante(box, azione))
                b->click();
        });
        FinestreMessaggio messaggi;
        QCOMPARE(
            messaggi.mostra("Vuoi chiudere il programma?", "Scrivolta", Icona::Domanda, pulsanti),
            risposta);
    }

    void boxShowsItsTextsAsPlainUnicode() {
        QString testo, titolo;
        QStringList pulsanti;
        Qt::TextFormat formato = Qt::AutoText;
        QMessageBox::Icon icona = QMessageBox::NoIcon;
        quandoAppare([&](QMessageBox& box) {
            testo = box.text();
            titolo = box.windowTitle();
            formato = box.textFormat();
            icona = box.icon();
            for (auto* b : box.buttons())
                pulsanti << b->text();
            box.close();
        });
        FinestreMessaggio messaggi;
        messaggi.mostra("<b>Ciao</b> Andr\xE9\r\nPrenez \x80 5\r\rfin", "Attenzione!",
                        Icona::Avviso, Pulsanti::SiNoAnnulla);
        QCOMPARE(testo, QString::fromUtf8("<b>Ciao</b> André\nPrenez € 5\n\nfin"));
        QCOMPARE(titolo, QStringLiteral("Attenzione!"));
        QCOMPARE(formato, Qt::PlainText);
        QCOMPARE(icona, QMessageBox::Warning);
        pulsanti.sort();
        QCOMPARE(pulsanti, (QStringList{"Annulla", "No", QString::fromUtf8("Sì")}));
    }

    // The bookmark question is six lines of the program's own, each long:
    // none of them may be broken again inside the box.
    void everyLineOfABoxStaysWhole() {
        const std::string righe[] = {
            "Veux-tu enregistrer le nom de l'exercice que tu viens de terminer ?",
            "Si tu r\xE9ponds Oui, la prochaine fois que tu choisiras de t'exercer avec le cours "
            "de",
            "dactylographie, l'exercice suivant sera s\xE9lectionn\xE9 automatiquement.",
            "Si tu choisis Non, le rep\xE8"
            "re \xE9ventuel de l'exercice pr\xE9"
            "c\xE9"
            "dent sera effac\xE9",
            "et la prochaine fois, tu d\xE9"
            "cideras toi-m\xEAme par o\xF9 commencer.",
            "Si tu choisis Annuler, rien ne sera modifi\xE9."};
        std::string testo;
        for (const std::string& r : righe)
            testo += (testo.empty() ? "" : "\r\n") + r;
        QStringList spezzate;
        int larghezza = 0;
        quandoAppare([&](QMessageBox& box) {
            const auto* etichetta = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            larghezza = etichetta->contentsRect().width();
            for (const QString& riga : box.text().split(QLatin1Char('\n')))
                if (etichetta->fontMetrics().horizontalAdvance(riga) > larghezza)
                    spezzate << riga;
            box.close();
        });
        FinestreMessaggio().mostra(testo, "Scrivolta", Icona::Domanda, Pulsanti::SiNoAnnulla);
        QVERIFY2(larghezza > 0, "the box was not seen");
        QVERIFY2(spezzate.isEmpty(), qPrintable(spezzate.join(QLatin1Char('|'))));
    }

    void buttonsSpeakTheProgramsLanguage() {
        QStringList pulsanti;
        const auto leggi = [&](QMessageBox& box) {
            pulsanti.clear();
            for (auto* b : box.buttons())
                pulsanti << b->text();
            pulsanti.sort();
            box.close();
        };
        std::string lingua = "french";
        FinestreMessaggio messaggi;
        messaggi.impostaLingua([&lingua] { return lingua; });
        quandoAppare(leggi);
        QCOMPARE(messaggi.mostra("?", "Scrivolta", Icona::Domanda, Pulsanti::SiNoAnnulla),
                 Risposta::Annulla);
        QCOMPARE(pulsanti, (QStringList{"Annuler", "Non", "Oui"}));
        lingua = "Klingon";
        quandoAppare(leggi);
        messaggi.mostra("?", "Scrivolta", Icona::Domanda, Pulsanti::SiNo);
        QCOMPARE(pulsanti, (QStringList{"No", QString::fromUtf8("Sì")}));
    }

    void attendiKeepsEventsFlowingWithoutBurningTheProcessor() { attendeDormendo(); }

    // A second of waiting with nothing to do, in the shapes the program
    // waits in: one long wait, the short steps of a flash or a slide, the
    // end-of-phrase wait for the clock's next second. Each step used to spin
    // through its last millisecond.
    void aQuietSecondCostsNoProcessor_data() {
        QTest::addColumn<int>("passi");
        QTest::addColumn<int>("ms");
        QTest::newRow("one wait of 1 s") << 1 << 1000;
        QTest::newRow("100 waits of 10 ms") << 100 << 10;
        QTest::newRow("200 waits of 5 ms") << 200 << 5;
        QTest::newRow("whole seconds") << 0 << 1;
    }
    void aQuietSecondCostsNoProcessor() {
        QFETCH(int, passi);
        QFETCH(int, ms);
        AttesaQt attesa;
        OrologioSistema orologio;
        attesa.attendi(0);
        QElapsedTimer tempo;
        tempo.start();
        const auto prima = processoreDelProcesso();
        if (passi == 0)
            AttendiSecondi(orologio, attesa, ms, true);
        for (int i = 0; i < passi; ++i)
            attesa.attendi(ms);
        const auto speso = processoreDelProcesso() - prima;
        QVERIFY(tempo.elapsed() >= (passi == 0 ? 0 : passi * (ms - kUnTick)));
        // Each wake-up costs some 0.1 ms here; a spinning step cost 0.6 ms.
        const auto bilancio = std::chrono::microseconds(5000 + 250 * passi);
        QVERIFY2(speso < bilancio,
                 qPrintable(QStringLiteral("%1 us of processor").arg(speso.count())));
    }

    void attendiOfNothingStillRunsPendingEvents() {
        AttesaQt attesa;
        bool eseguito = false;
        QMetaObject::invokeMethod(
            this, [&] { eseguito = true; }, Qt::QueuedConnection);
        attesa.attendi(0);
        QVERIFY(eseguito);
    }

    void dormiHoldsEventsBack() {
        AttesaQt attesa;
        bool scattato = false;
        QTimer::singleShot(5, [&] { scattato = true; });
        QElapsedTimer tempo;
        tempo.start();
        attesa.dormi(50);
        QVERIFY(tempo.elapsed() >= 50);
        QVERIFY(!scattato);
        QTRY_VERIFY(scattato);
    }

    void clockTicksForward() {
        OrologioSistema orologio;
        const auto prima = orologio.tickMs();
        QTest::qWait(20);
        QVERIFY(orologio.tickMs() >= prima + 20);
        const auto adesso = std::chrono::system_clock::now();
        QVERIFY(std::chrono::abs(orologio.now() - adesso) < std::chrono::seconds(1));
    }

    void randomDrawsStayBelowOne() {
        CasualeSistema casuale(42);
        double somma = 0;
        constexpr int kVolte = 100000;
        for (int i = 0; i < kVolte; ++i) {
            const double x = casuale.next();
            QVERIFY(x >= 0.0 && x < 1.0);
            somma += x;
        }
        QVERIFY(qAbs(somma / kVolte - 0.5) < 0.01);
        CasualeSistema a(7), b(7), c;
        QCOMPARE(a.next(), b.next());
        QVERIFY(CasualeSistema().next() != c.next());
    }

    void screenSizesAreJudged_data() {
        QTest::addColumn<QSize>("schermo");
        QTest::addColumn<bool>("adatto");
        QTest::addColumn<bool>("scalato");
        QTest::newRow("800x600") << QSize(800, 600) << true << false;
        QTest::newRow("799x600") << QSize(799, 600) << false << false;
        QTest::newRow("800x599") << QSize(800, 599) << false << false;
        QTest::newRow("1024x768") << QSize(1024, 768) << true << true;
        QTest::newRow("1000x800") << QSize(1000, 800) << true << false;
        QTest::newRow("1280x750") << QSize(1280, 750) << true << false;
        QTest::newRow("1001x751") << QSize(1001, 751) << true << true;
        QTest::newRow("no screen") << QSize() << false << false;
    }
    void screenSizesAreJudged() {
        QFETCH(QSize, schermo);
        QFETCH(bool, adatto);
        QFETCH(bool, scalato);
        const auto esito = valutaSchermo(schermo);
        QCOMPARE(esito.adatto, adatto);
        QCOMPARE(esito.ResizeOn, scalato);
    }

    void smallScreenTextHasItsSixLines() {
        const auto righe =
            QString::fromLatin1(testoSchermoPiccolo().c_str()).split(QStringLiteral("\r\n"));
        QCOMPARE(righe.size(), 6);
        QCOMPARE(righe[0],
                 QString::fromUtf8("La risoluzione minima per l'utilizzo di questo programma è:"));
        QCOMPARE(righe[3], QString());
        QCOMPARE(righe[5], QStringLiteral("Modify your video settings and try again."));
    }

    void offscreenScreenPassesWithoutABox() {
        MessaggiRegistrati messaggi;
        const auto esito = ControllaSchermo(messaggi);
        QCOMPARE(esito.adatto, true);
        QVERIFY(messaggi.mostrati.empty());
    }

    void offscreenHasNoTranslucencyLayoutsOrCapsLock() {
        QVERIFY(!FinestreTraslucide());
        auto tastiera = creaTastieraSistema({});
        QVERIFY(!tastiera->layoutsAvailable());
        QVERIFY(!tastiera->capsLockOn());
        tastiera->toggleCapsLock();
        QVERIFY(!tastiera->capsLockOn());
        QVERIFY(!tastiera->activateLayout("0000080C"));
    }

    // Wayland's plugin ignores a window's opacity: a shadow there would
    // black the screen out behind the dialog.
    void onlyX11WithACompositorShowsOpacity() {
        QVERIFY(!opacitaVisibile("wayland", true));
        QVERIFY(!opacitaVisibile("wayland-egl", true));
        QVERIFY(!opacitaVisibile("offscreen", true));
        QVERIFY(!opacitaVisibile("xcb", false));
        QVERIFY(opacitaVisibile("xcb", true));
    }

    // XWayland beside a Wayland desktop gives the layout switch and the
    // overlay; a plugin the learner named is theirs to keep.
    void aWaylandSessionWithAnXServerRunsOnX11() {
        struct Caso {
            const char* qpa;
            const char* wayland;
            const char* display;
            const char* atteso;
        };
        for (const Caso& c :
             {Caso{nullptr, "wayland-0", ":0", "xcb"}, Caso{"", "wayland-0", ":0", "xcb"},
              Caso{"wayland", "wayland-0", ":0", ""}, Caso{nullptr, "wayland-0", nullptr, ""},
              Caso{nullptr, "wayland-0", "", ""}, Caso{nullptr, nullptr, ":0", ""}})
            QCOMPARE(piattaformaPreferita(c.qpa, c.wayland, c.display), std::string(c.atteso));
        QVERIFY(!notaLayoutWayland("wayland").empty());
        QVERIFY(!notaLayoutWayland("wayland-egl").empty());
        QVERIFY(notaLayoutWayland("xcb").empty());
        QVERIFY(notaLayoutWayland("offscreen").empty());
    }

    void soundsWithoutAServerReturnAtOnce() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/scrivolta-test");
        SuonatorePulse suoni;
        QCOMPARE(suoni.stato(), SuonatorePulse::Stato::Fermo);
        QElapsedTimer tempo;
        tempo.start();
        for (int id = 95; id <= 115; ++id)
            suoni.suona(id);
        QVERIFY(tempo.elapsed() < 500);
        QTRY_COMPARE(suoni.stato(), SuonatorePulse::Stato::Assente);
        tempo.restart();
        for (int volta = 0; volta < 1000; ++volta)
            suoni.suona(101 + volta % 12);
        QVERIFY(tempo.elapsed() < 100);
        QCOMPARE(suoni.riprodotti(), 0);
    }

    // Last: the quit request stays for the rest of the run. The window that
    // closes on a signal still runs its waits (the title, the overlay
    // sliding away); they must sleep, not spin.
    void attendiAfterAQuitRequestStillSleeps() {
        QCoreApplication::exit(0);
        attendeDormendo();
    }
};

QTEST_MAIN(TestServiziQt)
#include "test_servizi_qt.moc"
