// Printing the keyboard for real: a private CUPS scheduler with a cups-pdf
// queue as the default printer, started and stopped by this test alone so
// that it meets no other scheduler on the machine.

#include "platform/stampante.h"
#include "support/servizi_finti.h"
#include "ui/frmtastiro.h"
#include "ui/stampatastiera.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace scrivolta;

namespace {

const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");
const QString kLpadmin = QStringLiteral("/usr/sbin/lpadmin");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kCoda = QStringLiteral("ScrivoltaPDF");

bool scrivi(const QString& percorso, const QString& testo) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(testo.toUtf8()) == testo.toUtf8().size();
}

QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programma, argomenti);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAll());
}

// Where cups-pdf puts the pages of the user who prints.
QDir cartellaPdf() {
    const passwd* utente = getpwuid(getuid());
    return QDir(QString::fromLocal8Bit(utente ? utente->pw_dir : "/") + QStringLiteral("/PDF"));
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

    QTemporaryDir radice;
    QProcess cupsd;

    QString presa() const { return radice.filePath(QStringLiteral("cups.sock")); }

    bool configura() {
        const QString r = radice.path();
        for (const char* d : {"spool", "cache", "state", "tmp", "log", "ppd"})
            QDir(r).mkpath(QString::fromLatin1(d));
        // The filters run as an unprivileged user: they must reach the
        // folder and write their temporary files.
        ::chmod(QFile::encodeName(r).constData(), 0755);
        ::chmod(QFile::encodeName(r + QStringLiteral("/tmp")).constData(), 01777);
        return scrivi(r + QStringLiteral("/cupsd.conf"),
                      QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n"
                                     "</Location>\n")
                          .arg(presa())) &&
               scrivi(r + QStringLiteral("/cups-files.conf"),
                      QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                     "StateDir %1/state\nTempDir %1/tmp\n"
                                     "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                     "PageLog %1/log/page_log\nSandboxing Relaxed\n")
                          .arg(r));
    }

private slots:
    void initTestCase() {
        if (geteuid() != 0)
            QSKIP("cups-pdf prints only for a scheduler run by root");
        for (const QString& f : {kCupsd, kLpadmin, kBackend}) {
            if (!QFileInfo::exists(f))
                QSKIP(qPrintable(f + QStringLiteral(" is not installed")));
        }
        QVERIFY(configura());
        cupsd.start(kCupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                             radice.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                             radice.filePath(QStringLiteral("cups-files.conf"))});
        QVERIFY(cupsd.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(presa()), 10000);
        const QString h = presa();
        esegui(kLpadmin,
               {QStringLiteral("-h"), h, QStringLiteral("-p"), kCoda, QStringLiteral("-v"),
                QStringLiteral("cups-pdf:/"), QStringLiteral("-E"), QStringLiteral("-m"),
                QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")});
        esegui(kLpadmin, {QStringLiteral("-h"), h, QStringLiteral("-d"), kCoda});
        // Qt's print support asks the scheduler this variable names.
        qputenv("CUPS_SERVER", h.toLocal8Bit());
    }

    void cleanupTestCase() {
        if (cupsd.state() == QProcess::NotRunning)
            return;
        cupsd.terminate();
        if (!cupsd.waitForFinished(5000))
            cupsd.kill();
        cupsd.waitForFinished(5000);
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
        collegamenti.stampante = [titolo] {
            auto stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
            stampante->setDocName(titolo);
            return stampante;
        };
        ui::FrmTastiro finestra(mod, s.servizi, percorsi, collegamenti);
        finestra.show();
        finestra.StampaTastiera();

        // Other programs may print to the same folder meanwhile: our page is
        // the one whose title is our job's.
        QFileInfo pagina;
        const auto cerca = [&] {
            for (const QFileInfo& f :
                 cartellaPdf().entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
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
