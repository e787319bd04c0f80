// SPDX-License-Identifier: GPL-3.0-or-later
// The free-text report window: its figures, its PDF and the file's end.

#include "support/servizi_finti.h"
#include "ui/comune/aiuto_tastiera.h"
#include "ui/risultati/aiuto_report.h"
#include "ui/risultati/frmreportfreetxt.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace scrivolta;
using namespace scrivolta::prova;
using scrivolta::ui::frmReportFreeTXT;

class TestFrmReportFreeTXT : public QObject {
    Q_OBJECT
private slots:
    void init() {
        mod_ = ModTastiro{};
        mod_.TextElapsed = std::chrono::seconds(330);
        mod_.TotalCorrect = 660;
        mod_.TotalErrors = 11;
        mod_.WordCount = 118;
        mod_.ModeName = "Principiante";
        mod_.ExerciseFile = "/dati/Esercizi/Lettera.txt";
        mod_.ReportText = "Ab 1,\xE9#";
        desktop_ = std::make_unique<DesktopFinto>();
        servizi_ = std::make_unique<ServiziFinti>();
    }

    void theFiguresWithoutEvaluationWords() {
        auto f = apri();
        QStringList testi;
        for (const QLabel* l : f->findChildren<QLabel*>())
            testi << l->text();
        const QStringList attesi = {QStringLiteral("Risultati complessivi dell'esercizio"),
                                    QStringLiteral("Tempo totale impiegato: 00:05:30"),
                                    QStringLiteral("Numero  battute: 660"),
                                    QStringLiteral("Battute esatte: 649"),
                                    QStringLiteral("Rapporto battute esatte/totali: 98.3%"),
                                    QStringLiteral("Numero errori: 11"),
                                    QStringLiteral("Rapporto errori/battute: 1.7%"),
                                    QStringLiteral("Battute / min: 120.0"),
                                    QStringLiteral("Parole contenute nel file: 118")};
        QCOMPARE(testi, attesi);
        // Each line starts 12 pixels below the end of the one before.
        const auto* prima = f->findChild<QLabel*>("lblRiga1");
        const auto* seconda = f->findChild<QLabel*>("lblRiga2");
        QCOMPARE(prima->pos(), QPoint(15, 100));
        QCOMPARE(seconda->y(), prima->geometry().bottom() + 1 + 12);
        QCOMPARE(servizi_->suoni.suonati, std::vector<int>{106});
    }

    void thePdfIsWrittenOpenedAndDeletedAtClose() {
        mod_.UserName = "../x";
        auto f = apri();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QCOMPARE(QApplication::focusWidget(), f->findChild<QPushButton*>("cmdChiudi"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString atteso = desktop_->temporanea.filePath(QStringLiteral(".._x.pdf"));
        QCOMPARE(desktop_->aperti, std::vector<std::string>{atteso.toStdString()});
        const QString testo = testoPdf(atteso);
        for (const char* parte :
             {"Risultati ottenuti da: ../x", "Lettera.txt", "00:05:30", "Valutazione: Ottimo",
              "Valutazione: Buono", "Caratteri maiuscoli (ABC): 1", "Caratteri speciali",
              "Valutazione complessiva dell'esercizio: Ottimo"})
            QVERIFY2(testo.contains(QString::fromUtf8(parte)), parte);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!f->isVisible());
        QVERIFY(!QFile::exists(atteso));
    }

    // Space presses the button in focus, Esc closes as Close does, and a
    // screen reader meets no part without a name.
    void spaceEscAndEveryPartIsNamed() {
        auto f = apri();
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QCOMPARE(giroTab(true), QStringList{"cmdCreaPDF"});
        const QStringList senzaNome = partiSenzaNome(f.get());
        QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(u',')));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(desktop_->aperti.size(), std::size_t{1});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        QVERIFY(!QFile::exists(QString::fromStdString(desktop_->aperti.front())));
    }

    // The temporary folder gone: the learner reads why no PDF appears.
    void aFileThatCannotBeCreatedIsReported() {
        auto f = apri();
        desktop_->temporanea.remove();
        QTest::mouseClick(f->findChild<QPushButton*>("cmdCreaPDF"), Qt::LeftButton);
        QVERIFY(desktop_->aperti.empty());
        QCOMPARE(servizi_->messaggi.mostrati.size(), std::size_t{1});
        QCOMPARE(servizi_->messaggi.mostrati[0].testo,
                 std::string("Per creare un nuovo file pdf occorre chiudure quello attualmente "
                             "aperto."));
    }

    // The longest captions, French above all, stand whole in their buttons,
    // and the buttons inside the window.
    void theButtonsHoldTheirCaptionsInEveryLanguage_data() { righePerLingua(); }
    void theButtonsHoldTheirCaptionsInEveryLanguage() {
        QFETCH(QString, lingua);
        QTemporaryDir cartella;
        percorsi_ = cartellaConLingua(cartella, mod_, lingua);
        auto f = apri();
        pulsantiInteri(*f, 2);
    }

private:
    std::unique_ptr<frmReportFreeTXT> apri() {
        return std::make_unique<frmReportFreeTXT>(mod_, percorsi_, servizi_->servizi,
                                                  desktop_->uscite());
    }

    ModTastiro mod_;
    Percorsi percorsi_ = Percorsi::portatile("/nonexistent/");
    std::unique_ptr<DesktopFinto> desktop_;
    std::unique_ptr<ServiziFinti> servizi_;
};

QTEST_MAIN(TestFrmReportFreeTXT)
#include "test_frmreportfreetxt.moc"
