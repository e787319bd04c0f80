// SPDX-License-Identifier: GPL-3.0-or-later
// The results printed for real: through the desktop's print system to a
// cups-pdf queue of a CUPS scheduler the test starts for itself.

#include "platform/stampa_qt.h"
#include "platform/stampante.h"
#include "support/cups_privato.h"
#include "support/servizi_finti.h"
#include "ui/risultati/frmclassifica.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace scrivolta;
using namespace scrivolta::prova;

namespace {

QStringList stampeDopo(const QDateTime& inizio) {
    QStringList nuove;
    const QFileInfoList file = CupsPrivato::cartellaPdf().entryInfoList(
        {QStringLiteral("Risultati_Scrivolta*.pdf")}, QDir::Files);
    for (const QFileInfo& f : file) {
        if (f.lastModified() >= inizio)
            nuove << f.absoluteFilePath();
    }
    return nuove;
}

QString informazioni(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(10000);
    return QString::fromUtf8(info.readAllStandardOutput());
}

} // namespace

class TestStampaRisultatiCups : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        cups_ = std::make_unique<CupsPrivato>();
        if (!cups_->attivo())
            QSKIP("no scheduler of our own can run here (not root, or cupsd or cups-pdf "
                  "missing): the real print is not tested");
    }

    void cleanupTestCase() {
        cups_.reset();
        for (const QString& f : stampate_)
            QFile::remove(f);
    }

    void onePortraitA4PageArrivesInTheQueue() {
        QVERIFY(platform::StampanteDisponibile());
        ModTastiro mod;
        mod.UserName = "Anna";
        mod.CurrentLevel = 3;
        mod.PhraseSpeed.fill(2.0F);
        mod.TotalCorrect = 300;
        ServiziFinti servizi;
        servizi.messaggi.risposte = {Risposta::Si};
        ui::UsciteReport uscite{platform::StampanteDisponibile,
                                platform::stampantePredefinita,
                                {},
                                [] { return QDir::tempPath().toStdString() + "/"; }};
        ui::frmClassifica finestra(mod, Percorsi::portatile("/nonexistent/"), servizi.servizi,
                                   uscite);
        auto* cmdPrint = finestra.findChild<QPushButton*>("cmdPrint");
        QVERIFY(cmdPrint->isEnabled());
        const QDateTime inizio = QDateTime::currentDateTime().addSecs(-1);
        QTest::mouseClick(cmdPrint, Qt::LeftButton);
        QCOMPARE(servizi.messaggi.mostrati.back().testo,
                 std::string("Stampa inviata alla stampante."));

        QTRY_VERIFY_WITH_TIMEOUT(!stampeDopo(inizio).isEmpty(), 60000);
        stampate_ = stampeDopo(inizio);
        QCOMPARE(stampate_.size(), 1);
        // The queue names the file before it has finished writing it.
        QString testo;
        QTRY_VERIFY_WITH_TIMEOUT((testo = informazioni(stampate_[0])).contains(u"Page size"),
                                 30000);
        QVERIFY2(testo.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))),
                 qPrintable(testo));
        const auto dimensione =
            QRegularExpression(QStringLiteral(R"(Page size: +([0-9.]+) x ([0-9.]+) pts)"))
                .match(testo);
        QVERIFY2(dimensione.hasMatch(), qPrintable(testo));
        QVERIFY(std::abs(dimensione.captured(1).toDouble() - 595) < 2);
        QVERIFY(std::abs(dimensione.captured(2).toDouble() - 842) < 2);
    }

private:
    std::unique_ptr<CupsPrivato> cups_;
    QStringList stampate_;
};

QTEST_MAIN(TestStampaRisultatiCups)
#include "test_stampa_risultati_cups.moc"
