// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the keyboard for real: a private CUPS scheduler with a cups-pdf
// queue as the default printer, started and stopped by this test alone so
// that it meets no other scheduler on the machine.

#include "platform/stampa_qt.h"
#include "platform/stampante.h"
#include "platform/supportostampa.h"
#include "support/cups_privato.h"
#include "support/servizi_finti.h"
#include "ui/principale/frmtastiro.h"
#include "ui/tastiera/stampatastiera.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace scrivolta;

namespace {

QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programma, argomenti);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAll());
}

constexpr double kDpi = 40;

// The size, in millimetres, of what is drawn on a page image.
QSizeF areaDisegnata(const QImage& pagina) {
    QRect r;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            if (pagina.pixelColor(x, y).lightness() < 245)
                r |= QRect(x, y, 1, 1);
        }
    }
    return QSizeF(r.width(), r.height()) * (25.4 / kDpi);
}

} // namespace

class TestStampaCups final : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::CupsPrivato> cups;

private slots:
    void initTestCase() {
        cups = std::make_unique<prova::CupsPrivato>();
        if (!cups->attivo())
            QSKIP("no scheduler of our own can run here (not root, or cupsd or cups-pdf "
                  "missing): the real print is not tested");
    }

    void cleanupTestCase() { cups.reset(); }

    // The program reaches the print support through its module, loaded from
    // beside it.
    void theModuleFindsTheDefaultPrinter() {
        QVERIFY(platform::supportoStampa(QCoreApplication::applicationDirPath())
                    .stampanteDisponibile());
    }

    void oneLandscapePageReachesThePrinter() {
        QVERIFY(platform::StampanteDisponibile());
        QTemporaryDir cartella;
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        const QDateTime inizio = QDateTime::currentDateTime().addSecs(-1);

        ModTastiro mod;
        prova::ServiziFinti s;
        s.messaggi.risposte.push_back(Risposta::Si);
        const Percorsi percorsi = Percorsi::portatile(cartella.path().toStdString() + "/");
        ui::CollegamentiFinestra collegamenti;
        collegamenti.stampanteDisponibile = platform::StampanteDisponibile;
        // The default printer, with a title of this run's own.
        const QString titolo =
            QStringLiteral("Scrivolta-%1").arg(QCoreApplication::applicationPid());
        collegamenti.stampaPagina = [titolo](const ui::DisegnoPagina& disegno) {
            QPrinter stampante(QPrinter::HighResolution);
            stampante.setDocName(titolo);
            return platform::stampaPagina(stampante, disegno);
        };
        ui::FrmTastiro finestra(mod, s.servizi, percorsi, collegamenti);
        finestra.show();
        finestra.StampaTastiera();

        // Other programs may print to the same folder meanwhile: our page is
        // the one whose title is our job's.
        QFileInfo pagina;
        const auto cerca = [&] {
            for (const QFileInfo& f : prova::CupsPrivato::cartellaPdf().entryInfoList(
                     {QStringLiteral("*.pdf")}, QDir::Files)) {
                if (f.lastModified() >= inizio &&
                    esegui(QStringLiteral("pdfinfo"), {f.absoluteFilePath()}).contains(titolo)) {
                    pagina = f;
                    return true;
                }
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(cerca(), 60000);
        const QString info = esegui(QStringLiteral("pdfinfo"), {pagina.absoluteFilePath()});
        QTemporaryDir immagini;
        const QString png = immagini.filePath(QStringLiteral("pagina"));
        esegui(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pagina.absoluteFilePath(), png});
        QFile::remove(pagina.absoluteFilePath());
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        // The queue turns the page to the paper in its tray: a landscape
        // page arrives with its keyboard and title running from top to
        // bottom, as long as the keyboard's box, where a portrait page would
        // cut the keyboard at the paper's width.
        const QImage immagine(png + QStringLiteral(".png"));
        QVERIFY(!immagine.isNull());
        const QSizeF disegno = areaDisegnata(immagine);
        QVERIFY2(
            disegno.height() > 1.3 * disegno.width(),
            qPrintable(QStringLiteral("%1 x %2 mm").arg(disegno.width()).arg(disegno.height())));
        QVERIFY2(disegno.height() > ui::paginaTastiera::kTastiera.width() - 2 &&
                     disegno.height() < ui::paginaTastiera::kTastiera.right() + 5,
                 qPrintable(QStringLiteral("%1 mm long").arg(disegno.height())));
    }
};

QTEST_MAIN(TestStampaCups)
#include "test_stampa_cups.moc"
