// SPDX-License-Identifier: GPL-3.0-or-later
// The information window: its texts and version, its links and buttons,
// and the return to it after the language window.

#include "app/versione.h"
#include "support/servizi_finti.h"
#include "ui/comune/aiuto_tastiera.h"
#include "ui/dialoghi/frmabout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <functional>

using namespace scrivolta;

namespace {

// Runs `azione` on the modal window once it is on screen, every time it is.
void quandoAppare(std::function<bool(ui::frmAbout&)> azione) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        auto* f = qobject_cast<ui::frmAbout*>(QApplication::activeModalWidget());
        if (f && f->isVisible() && !azione(*f)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

template <typename T> T* controllo(const QWidget& w, const char* nome) {
    return w.findChild<T*>(QString::fromLatin1(nome));
}

void clicca(const QWidget& w, const char* nome) {
    if (auto* b = controllo<QAbstractButton>(w, nome))
        QTest::mouseClick(b, Qt::LeftButton);
    else
        QFAIL(nome);
}

} // namespace

class TestFrmAbout final : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    ModTastiro mod;
    prova::SuoniFinti suoni;
    bool stampante = false;
    int guide = 0;
    int lingue = 0;
    int stampe = 0;
    int minimizzate = 0;
    bool finestraApertaAllaStampa = true;
    std::vector<QUrl> aperti;
    std::function<void()> sceltaLingua;
    // Distinct addresses, as a packager would set them.
    const Indirizzi kDati{"https://example.org/", "https://example.net/sorgenti",
                          "autore@example.com"};
    Indirizzi indirizzi = kDati;

    Percorsi percorsi() const { return Percorsi::portatile(cartella.path().toStdString() + "/"); }

    ui::CollegamentiInformazioni collegamenti() {
        return {
            [this](QWidget*) { ++guide; },
            [this](QWidget*) {
                ++lingue;
                if (sceltaLingua)
                    sceltaLingua();
            },
            [this] {
                ++stampe;
                finestraApertaAllaStampa = QApplication::activeModalWidget() != nullptr;
            },
            [this] { return stampante; },
            [this](const QUrl& u) {
                aperti.push_back(u);
                return true;
            },
            [this] { ++minimizzate; },
            {},
            indirizzi,
        };
    }

private slots:
    void init() {
        mod = ModTastiro();
        suoni.suonati.clear();
        stampante = false;
        guide = lingue = stampe = minimizzate = 0;
        aperti.clear();
        sceltaLingua = nullptr;
        indirizzi = kDati;
    }

    void showsTheVersionAndTheLanguagesTextsAndPlaysItsSound() {
        QDir(cartella.path()).mkpath(QStringLiteral("Lang"));
        QFile::copy(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/Lang/French.lng"),
                    cartella.filePath(QStringLiteral("Lang/French.lng")));
        mod.linguaCorrente = "French";
        mod.linguaCaricata = true;
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        QCOMPARE(controllo<QLabel>(f, "lblVersione")->text(), QStringLiteral("Versione %1.%2.%3")
                                                                  .arg(versione::kMaggiore)
                                                                  .arg(versione::kMinore)
                                                                  .arg(versione::kRevisione));
        QCOMPARE(controllo<QLabel>(f, "lblTitolo")->text(), QStringLiteral("Scrivolta"));
        QCOMPARE(controllo<QLabel>(f, "lblLayoutKeyb")->text(),
                 QStringLiteral("N.B. Cette version du programme est pr\u00E9vue pour les claviers "
                                "\u00E0 disposition  Belgique-Fran\u00E7ais"));
        QCOMPARE(controllo<QLabel>(f, "lblVideoSetting")->text(),
                 QStringLiteral("R\u00E9solution d'\u00E9cran conseill\u00E9e :\n"
                                "1024 x 768 ou 800 x 600 pixels"));
        QCOMPARE(controllo<QAbstractButton>(f, "cmdChiudi")->text(), QStringLiteral("&Fermer"));
        QCOMPARE(controllo<QAbstractButton>(f, "cmdLingua")->accessibleName(),
                 QStringLiteral("Choisir la langue"));
        QVERIFY(f.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(suoni.suonati, std::vector<int>{105});
    }

    void withSoundsOffNoSoundPlays() {
        mod.SoundOn = false;
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        QVERIFY(suoni.suonati.empty());
        QCOMPARE(controllo<QAbstractButton>(f, "cmdChiudi")->text(), QStringLiteral("&Chiudi"));
    }

    void withoutAPrinterTheKeyboardCannotBePrinted() {
        stampante = false;
        bool abilitati = true;
        quandoAppare([&abilitati](ui::frmAbout& f) {
            abilitati = controllo<QWidget>(f, "lblPrintKey")->isEnabled() ||
                        controllo<QWidget>(f, "imgPrintKey")->isEnabled();
            clicca(f, "lblPrintKey");
            clicca(f, "imgPrintKey");
            QTest::keyClick(&f, Qt::Key_Escape);
            return false;
        });
        ui::MostraInformazioni(mod, percorsi(), suoni, collegamenti(), nullptr);
        QVERIFY(!abilitati);
        QCOMPARE(stampe, 0);
    }

    void printingHappensOnceTheWindowIsGone() {
        stampante = true;
        quandoAppare([](ui::frmAbout& f) {
            clicca(f, "imgPrintKey");
            return false;
        });
        ui::MostraInformazioni(mod, percorsi(), suoni, collegamenti(), nullptr);
        QCOMPARE(stampe, 1);
        QVERIFY(!finestraApertaAllaStampa);
    }

    void theSameLanguageReturnsHereAnotherClosesTheWindow() {
        mod.linguaCorrente = "English";
        int volte = 0;
        sceltaLingua = [this, &volte] {
            if (volte == 2)
                mod.linguaCorrente = "French";
        };
        quandoAppare([&volte](ui::frmAbout& f) {
            ++volte;
            clicca(f, "cmdLingua");
            return volte < 2;
        });
        ui::MostraInformazioni(mod, percorsi(), suoni, collegamenti(), nullptr);
        QCOMPARE(volte, 2);
        QCOMPARE(lingue, 2);
        // Shown again, not opened again: its sound plays once.
        QCOMPARE(suoni.suonati.size(), std::size_t{1});
    }

    void linksGoToTheDesktopAndCloseTheWindow_data() {
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<QString>("indirizzo");
        QTest::addColumn<int>("minimizzate");
        QTest::newRow("home page") << "lblHomePage" << QStringLiteral("https://example.org/") << 0;
        QTest::newRow("hosting site")
            << "imgLogo" << QStringLiteral("https://example.net/sorgenti") << 1;
    }
    void linksGoToTheDesktopAndCloseTheWindow() {
        QFETCH(QString, controllo);
        QFETCH(QString, indirizzo);
        QFETCH(int, minimizzate);
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        f.show();
        clicca(f, controllo.toLatin1().constData());
        QCOMPARE(aperti.size(), std::size_t{1});
        QCOMPARE(aperti.front(), QUrl(indirizzo));
        QCOMPARE(this->minimizzate, minimizzate);
        QVERIFY(!f.isVisible());
    }

    void theMailToTheAuthorNamesTheVersion() {
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        f.show();
        clicca(f, "lblEmail");
        QCOMPARE(aperti.size(), std::size_t{1});
        const QUrl posta = aperti.front();
        QCOMPARE(posta.scheme(), QStringLiteral("mailto"));
        QCOMPARE(posta.path(), QStringLiteral("autore@example.com"));
        QCOMPARE(QUrlQuery(posta).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Scrivolta (IT) - Versione ") +
                     QString::fromStdString(versione::numero()));
        QCOMPARE(minimizzate, 1);
        QVERIFY(!f.isVisible());
    }

    // A build given no address offers no link, and Tab passes them by.
    void withoutAddressesNoLinkIsShown() {
        indirizzi = {};
        stampante = true;
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (const char* nome : {"lblHomePage", "imgLogo", "lblEmail", "lblWebSite"})
            QVERIFY2(!controllo<QWidget>(f, nome)->isVisible(), nome);
        const QStringList ordine{"imgPrintKey", "lblPrintKey", "cmdHelp", "cmdLingua"};
        QCOMPARE(prova::giroTab(), ordine);
    }

    void helpOpensTheGuideAndClosesTheWindow() {
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        f.show();
        clicca(f, "cmdHelp");
        QCOMPARE(guide, 1);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.uscita(), ui::frmAbout::Uscita::Chiusa);
    }

    void everyControlCanBeReachedAndNamedFromTheKeyboard() {
        stampante = true;
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QSet<QString> raggiunti;
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QWidget* w = QApplication::focusWidget()) {
                raggiunti.insert(w->objectName());
                const QString nome = w->accessibleName().isEmpty()
                                         ? static_cast<QAbstractButton*>(w)->text()
                                         : w->accessibleName();
                QVERIFY2(!nome.isEmpty(), qPrintable(w->objectName()));
            }
        }
        for (const char* nome : {"lblHomePage", "imgLogo", "lblEmail", "imgPrintKey", "lblPrintKey",
                                 "cmdHelp", "cmdLingua", "cmdChiudi"})
            QVERIFY2(raggiunti.contains(QString::fromLatin1(nome)), nome);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }

    // Tab goes down the window as it reads and Shift+Tab back up; Space
    // presses the button in focus, Enter the default one; a screen reader
    // finds a name on every part.
    void theKeyboardAloneFollowsTheWindowInItsOrder() {
        stampante = true;
        {
            ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
            f.show();
            QVERIFY(QTest::qWaitForWindowActive(&f));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdChiudi"));
            const QStringList ordine{"lblHomePage", "imgLogo", "lblEmail", "imgPrintKey",
                                     "lblPrintKey", "cmdHelp", "cmdLingua"};
            QCOMPARE(prova::giroTab(), ordine);
            QStringList indietro = ordine;
            std::reverse(indietro.begin(), indietro.end());
            QCOMPARE(prova::giroTab(true), indietro);
            const QStringList senzaNome = prova::partiSenzaNome(&f);
            QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(u',')));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY(!f.isVisible());
            QCOMPARE(f.uscita(), ui::frmAbout::Uscita::Lingua);
        }
        ui::frmAbout f(mod, percorsi(), suoni, collegamenti());
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.uscita(), ui::frmAbout::Uscita::Chiusa);
        QVERIFY(aperti.empty());
        QCOMPARE(guide, 0);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
