// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: its tables at each level, the learner's answer, the
// PDF it writes and deletes, and the print on a PDF standing for paper.

#include "support/servizi_finti.h"
#include "ui/comune/aiuto_tastiera.h"
#include "ui/risultati/aiuto_report.h"
#include "ui/risultati/frmclassifica.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>

using namespace scrivolta;
using namespace scrivolta::prova;
using scrivolta::ui::frmClassifica;

namespace {

QStringList testiDi(const QWidget& finestra) {
    QStringList testi;
    for (const QLabel* l : finestra.findChildren<QLabel*>()) {
        if (l->isVisibleTo(&finestra) && !l->text().isEmpty())
            testi << l->text();
    }
    return testi;
}

} // namespace

class TestFrmClassifica : public QObject {
    Q_OBJECT
private slots:
    void init() {
        mod_ = ModTastiro{};
        mod_.UserName = "Anna";
        mod_.ModeName = "Principiante";
        mod_.MsgPerMinute = "al minuto";
        mod_.CurrentLevel = 1;
        mod_.ResultsKind = TipoRisultati::Livello;
        mod_.PhraseSpeed = {0, 2.0F, 2.05F, 2.0F, 2.05F, 2.0F, 1, 1, 1, 1, 1, 3, 3, 3, 3, 3};
        mod_.TotalCorrect = 200;
        mod_.TotalErrors = 3;
        desktop_ = std::make_unique<DesktopFinto>();
        servizi_ = std::make_unique<ServiziFinti>();
    }

    void eachLevelReachedHasItsTableCaptionAndSymbol_data() {
        QTest::addColumn<int>("livello");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }
    void eachLevelReachedHasItsTableCaptionAndSymbol() {
        QFETCH(int, livello);
        mod_.CurrentLevel = livello;
        auto f = apri();
        const QStringList testi = testiDi(*f);
        QVERIFY(testi.contains(QStringLiteral("Frase 2 battute / min = 123")));
        QCOMPARE(testi.count(QStringLiteral("Media: battute / min = 121")), 1);
        QCOMPARE(testi.count(QStringLiteral("Media: battute / min = 60")), livello >= 2 ? 1 : 0);
        QCOMPARE(testi.count(QStringLiteral("Media: battute / min = 180")), livello == 3 ? 1 : 0);
        QCOMPARE(testi.count(QStringLiteral("Punteggio")), 6 * livello);
        for (int k = 0; k < 3; ++k) {
            const auto* caption = f->findChild<QLabel*>(QStringLiteral("lbllivelli%1").arg(k));
            QCOMPARE(caption->isVisibleTo(f.get()), k < livello);
            const auto* simbolo = f->findChild<QLabel*>(QStringLiteral("imgRisultato%1").arg(k));
            QCOMPARE(simbolo->pixmap().isNull(), k >= livello);
        }
        QCOMPARE(f->findChild<QLabel*>("lbllivelli0")->text(),
                 QStringLiteral(" Risultati primo livello - categoria:  Principiante"));
        QCOMPARE(
            f->findChild<QLabel*>("lblShowMess")->text().section(u'\n', 0, 0),
            QStringLiteral("Molto bene! Hai terminato l'esercizio di livello  %1.").arg(livello));
        QCOMPARE(servizi_->suoni.suonati, std::vector<int>{106});
        QVERIFY(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void theAnswersAndClosingOtherwise() {
        auto continua = apri();
        QCOMPARE(mod_.ResultsAnswer, -1);
        QTest::mouseClick(continua->findChild<QPushButton*>("cmdRisp0"), Qt::LeftButton);
        QCOMPARE(mod_.ResultsAnswer, 0);
        QCOMPARE(continua->result(), int(QDialog::Accepted));

        auto termina = apri();
        QTest::mouseClick(termina->findChild<QPushButton*>("cmdRisp1"), Qt::LeftButton);
        QCOMPARE(mod_.ResultsAnswer, 1);

        auto chiusa = apri();
        QTest::keyClick(chiusa.get(), Qt::Key_Escape);
        QVERIFY(!chiusa->isVisible());
        QCOMPARE(mod_.ResultsAnswer, -1);
        auto altra = apri();
        altra->close();
        QCOMPARE(mod_.ResultsAnswer, -1);
    }

    // Tab walks the buttons in their order and Enter presses the one in focus.
    void theKeyboardAloneReachesEveryButton() {
        auto f = apri();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QCOMPARE(QApplication::focusWidget(), f->findChild<QPushButton*>("cmdRisp0"));
        const char* ordine[] = {"cmdRisp1", "cmdPDF", "cmdPrint", "cmdRisp0"};
        for (const char* nome : ordine) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(nome));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(desktop_->aperti.size(), std::size_t{1});
        // What a screen reader reads: the buttons, the rows, the symbols.
        const auto nome = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        QCOMPARE(nome(f->findChild<QPushButton*>("cmdPDF")), QStringLiteral("PDF"));
        QCOMPARE(nome(f->findChild<QPushButton*>("cmdRisp1")), QStringLiteral("Termina"));
        QCOMPARE(nome(f->findChild<QLabel*>("imgRisultato0")), QStringLiteral("Media: 80"));
        QStringList righe;
        for (QLabel* l : f->findChildren<QLabel*>())
            righe << nome(l);
        QVERIFY(righe.contains(QStringLiteral("Frase 2 battute / min = 123")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(mod_.ResultsAnswer, 1);
    }

    // Shift+Tab walks back, Space presses the button in focus, and a screen
    // reader meets no part without a name.
    void spaceAnswersAndEveryPartIsNamed() {
        auto f = apri();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QCOMPARE(giroTab(true), (QStringList{"cmdPrint", "cmdPDF", "cmdRisp1"}));
        const QStringList senzaNome = partiSenzaNome(f.get());
        QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(u',')));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(mod_.ResultsAnswer, 1);
        QVERIFY(!f->isVisible());
    }

    void thePdfOpensInTheViewerAndGoesWithTheWindow() {
        mod_.UserName = "../x";
        auto f = apri();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QTest::mouseClick(f->findChild<QPushButton*>("cmdPDF"), Qt::LeftButton);
        const QString atteso = desktop_->temporanea.filePath(QStringLiteral(".._x.pdf"));
        QCOMPARE(desktop_->aperti, std::vector<std::string>{atteso.toStdString()});
        QVERIFY(QFile::exists(atteso));
        QVERIFY(!f->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        const QString testo = testoPdf(atteso);
        QVERIFY2(testo.contains(QStringLiteral("Risultati ottenuti da: ../x")), qPrintable(testo));
        QVERIFY(testo.contains(QStringLiteral("Livello 3")));
        f->close();
        QVERIFY(!QFile::exists(atteso));
    }

    void withoutAPrinterPrintIsDisabled() {
        desktop_->stampante = false;
        auto f = apri();
        QVERIFY(!f->findChild<QPushButton*>("cmdPrint")->isEnabled());
    }

    void thePrintedPageHoldsTheLevelsReachedInPlace() {
        mod_.CurrentLevel = 2;
        auto f = apri();
        servizi_->messaggi.risposte = {Risposta::Si};
        QTest::mouseClick(f->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(servizi_->messaggi.mostrati.size(), std::size_t{2});
        QCOMPARE(servizi_->messaggi.mostrati[0].testo,
                 std::string("Vuoi eseguire la stampa dei risultati?"));
        QCOMPARE(servizi_->messaggi.mostrati[1].testo,
                 std::string("Stampa inviata alla stampante."));
        const QString testo = testoPdf(desktop_->fileStampa);
        for (const char* atteso :
             {"Risultati ottenuti da: Anna", "Livello 1", "Livello 2", "Categoria Principiante",
              "Frase 5 battute / min = 120", "Risultati complessivi dell'esercizio",
              "Digitazioni al minuto: 91", "Punteggio: 60", "- Totale errori di battitura: 3",
              "- Rapporto errori/battute: 1.5%", "(Ottimo)", "frasi interne"})
            QVERIFY2(testo.contains(QString::fromUtf8(atteso)), atteso);
        QVERIFY(!testo.contains(QStringLiteral("Livello 3")));
        QVERIFY(testo.contains(QStringLiteral("------------------------------------------------")));

        // Positions from the printable area's corner: the header at 15 mm,
        // the mode at 100 mm, level 2 at 106 mm from the top, the totals
        // below 220 mm and the footer at 276 mm.
        const auto titolo = posizione(desktop_->fileStampa, QStringLiteral("Scrivolta"));
        const auto livello = posizione(desktop_->fileStampa, QStringLiteral("Livello"));
        const auto categoria = posizione(desktop_->fileStampa, QStringLiteral("Categoria"));
        const auto totali = posizione(desktop_->fileStampa, QStringLiteral("complessivi"));
        const auto fonte = posizione(desktop_->fileStampa, QStringLiteral("corrente"));
        QVERIFY(titolo && livello && categoria && totali && fonte);
        QVERIFY(std::abs(categoria->x() - livello->x() - 85) < 0.5);
        QVERIFY(std::abs(livello->x() - titolo->x()) < 0.5);
        QVERIFY(std::abs(livello->y() - titolo->y() - 33) < 2);
        QVERIFY(std::abs(totali->y() - titolo->y() - 210) < 3);
        QVERIFY(std::abs(fonte->y() - titolo->y() - 261) < 2);
        const QString info = esegui(QStringLiteral("pdfinfo"), {desktop_->fileStampa});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    }

    void aFailingPrintIsAbandonedAndReported() {
        auto f = apri();
        desktop_->fileStampa = desktop_->temporanea.filePath(QStringLiteral("manca/stampa.pdf"));
        servizi_->messaggi.risposte = {Risposta::Si};
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QTest::mouseClick(f->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(servizi_->messaggi.mostrati.back().testo,
                 std::string("Errore nella procedura di stampa."));
        QCOMPARE(servizi_->messaggi.mostrati.back().icona, Icona::Errore);
        QVERIFY(!QFile::exists(desktop_->fileStampa));

        servizi_->messaggi.risposte = {Risposta::No};
        QTest::mouseClick(f->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(servizi_->messaggi.mostrati.size(), std::size_t{3});
    }

    // The longest captions, French above all, stand whole in their buttons,
    // and the buttons inside the window and apart.
    void theButtonsHoldTheirCaptionsInEveryLanguage_data() { righePerLingua(); }
    void theButtonsHoldTheirCaptionsInEveryLanguage() {
        QFETCH(QString, lingua);
        QTemporaryDir cartella;
        percorsi_ = cartellaConLingua(cartella, mod_, lingua);
        auto f = apri();
        pulsantiInteri(*f, 4);
    }

private:
    std::unique_ptr<frmClassifica> apri() {
        auto uscite = desktop_->uscite();
        return std::make_unique<frmClassifica>(mod_, percorsi_, servizi_->servizi, uscite);
    }

    ModTastiro mod_;
    Percorsi percorsi_ = Percorsi::portatile("/nonexistent/");
    std::unique_ptr<DesktopFinto> desktop_;
    std::unique_ptr<ServiziFinti> servizi_;
};

QTEST_MAIN(TestFrmClassifica)
#include "test_frmclassifica.moc"
