// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the keyboard from the main window: the question, the keyboard
// given back as it was, and the page itself, read back from a PDF printer.

#include "platform/stampa_qt.h"
#include "support/servizi_finti.h"
#include "ui/principale/frmtastiro.h"
#include "ui/tastiera/stampatastiera.h"
#include "ui/tastiera/widgettastiera.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

// Answers the print question and notes how the keyboard looked meanwhile.
class DomandaRegistrata final : public MessageBoxes {
public:
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override {
        domande.push_back({testo, titolo, icona, pulsanti});
        if (tastiera) {
            invioPremuto = tastiera->stato(indiceTasto::InvioAlto).premuto ||
                           tastiera->stato(indiceTasto::InvioBasso).premuto;
        }
        if (orologio)
            attesaPrima = orologio->t - inizio;
        mappaVisibile = mappa && mappa->isVisible();
        if (durante)
            durante();
        return risposta;
    }
    std::vector<prova::MessaggiFinti::Mostrato> domande;
    Risposta risposta = Risposta::No;
    const Tastiera* tastiera = nullptr;
    const prova::OrologioFinto* orologio = nullptr;
    std::chrono::system_clock::time_point inizio;
    std::chrono::system_clock::duration attesaPrima{};
    bool invioPremuto = true;
    const QWidget* mappa = nullptr;
    bool mappaVisibile = false;
    std::function<void()> durante;
};

struct Istantanea {
    std::vector<StatoTasto> tasti;
    std::array<Cornice, 4> cornici;
    bool errore;
};

Istantanea istantanea(const Tastiera& t) {
    Istantanea i{{}, t.cornici(), t.erroreVisibile()};
    for (int k = 0; k < kNumeroTasti; ++k)
        i.tasti.push_back(t.stato(k));
    return i;
}

bool uguali(const Cornice& a, const Cornice& b) {
    return a.esiste == b.esiste && a.visibile == b.visibile && a.r.left == b.r.left &&
           a.r.top == b.r.top && a.r.width == b.r.width && a.r.height == b.r.height;
}

bool uguali(const StatoTasto& a, const StatoTasto& b) {
    return a.sfondo == b.sfondo && a.testo == b.testo && a.premuto == b.premuto &&
           a.grassetto == b.grassetto && a.didascalia == b.didascalia;
}

QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The bounding box, in page millimetres, of the pixels of a page image that
// `scelto` picks.
template <typename Scelta> QRectF riquadro(const QImage& pagina, double dpi, Scelta scelto) {
    QRect r;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            if (scelto(pagina.pixelColor(x, y)))
                r |= QRect(x, y, 1, 1);
        }
    }
    const double mm = 25.4 / dpi;
    return {r.x() * mm, r.y() * mm, r.width() * mm, r.height() * mm};
}

} // namespace

class TestStampaTastiera final : public QObject {
    Q_OBJECT

    using CollegamentiFinestraStampa = std::function<bool(const ui::DisegnoPagina&)>;

    struct Banco {
        explicit Banco(const QString& cartella, CollegamentiFinestraStampa stampa)
            : percorsi(Percorsi::portatile(cartella.toStdString() + "/")),
              servizi{s.orologio, s.caso, s.orologio, s.suoni, domanda, s.tastiera},
              finestra(mod, servizi, percorsi, collegamenti(std::move(stampa)), {}) {
            finestra.resize(1024, 768);
            finestra.show();
            finestra.avvia();
            // The start-up's waits (the title, the overlay's slide) leave the
            // clock between two seconds; the print's wait counts whole ones.
            s.orologio.t = std::chrono::ceil<std::chrono::seconds>(s.orologio.t);
            domanda.tastiera = &finestra.tastiera();
            domanda.orologio = &s.orologio;
        }
        static ui::CollegamentiFinestra collegamenti(CollegamentiFinestraStampa stampa) {
            ui::CollegamentiFinestra c;
            c.stampaPagina = std::move(stampa);
            return c;
        }
        void stampa() {
            domanda.inizio = s.orologio.t;
            finestra.StampaTastiera();
        }
        ModTastiro mod;
        prova::ServiziFinti s;
        DomandaRegistrata domanda;
        Percorsi percorsi;
        Servizi servizi;
        ui::FrmTastiro finestra;
    };
    QTemporaryDir cartella;
    std::unique_ptr<Banco> banco;
    int stampanti = 0;
    QString pdf;

    bool stampaSuPdf(const ui::DisegnoPagina& disegno) {
        ++stampanti;
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageSize(QPageSize(QPageSize::A4));
        return platform::stampaPagina(p, disegno);
    }
    const Tastiera& tastiera() const { return banco->finestra.tastiera(); }
    // What changed on the keyboard since `prima`, the two Enter keys apart.
    QString cambiatoTranneInvio(const Istantanea& prima) const {
        const Istantanea dopo = istantanea(tastiera());
        for (int k = 0; k < kNumeroTasti; ++k) {
            if (k != indiceTasto::InvioAlto && k != indiceTasto::InvioBasso &&
                !uguali(prima.tasti[k], dopo.tasti[k]))
                return QStringLiteral("key %1").arg(k);
        }
        for (std::size_t c = 0; c < prima.cornici.size(); ++c) {
            if (!uguali(prima.cornici[c], dopo.cornici[c]))
                return QStringLiteral("frame %1").arg(c);
        }
        return {};
    }
    // Each tick of the Enter timer turns the invitation on or off.
    bool invioLampeggia() const {
        Esercizio& e = banco->finestra.esercizio();
        const bool premi = e.stato().premi;
        e.Timer2_Timer();
        return e.stato().premi != premi;
    }
    void digita(char c) {
        banco->s.orologio.avanza(300ms);
        QTest::sendKeyEvent(QTest::Click, banco->finestra.campoInput(), Qt::Key_unknown,
                            QString(QLatin1Char(c)), Qt::NoModifier);
    }

private slots:
    void init() {
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        pdf = cartella.filePath(QStringLiteral("tastiera.pdf"));
        QFile::remove(pdf);
        stampanti = 0;
        banco = std::make_unique<Banco>(
            cartella.path(), [this](const ui::DisegnoPagina& d) { return stampaSuPdf(d); });
    }
    void cleanup() { banco.reset(); }

    void answeringNoPrintsNothingAndTheEnterKeyBlinksAgain() {
        const Istantanea prima = istantanea(tastiera());
        banco->stampa();

        QCOMPARE(banco->domanda.domande.size(), std::size_t{1});
        const auto& d = banco->domanda.domande.front();
        QCOMPARE(d.testo, std::string("Vuoi stampare la tastiera di Scrivolta?\r\n(la tastiera "
                                      "verr\xE0 stampata esattamente come la vedi in questo "
                                      "momento)"));
        QCOMPARE(d.titolo, std::string("Scrivolta"));
        QCOMPARE(d.icona, Icona::Domanda);
        QCOMPARE(d.pulsanti, Pulsanti::SiNo);
        // The learner saw the raised Enter key for a second before the question.
        QVERIFY(!banco->domanda.invioPremuto);
        QVERIFY(banco->domanda.attesaPrima >= 1s - 1ms);
        QCOMPARE(stampanti, 0);
        QVERIFY(!QFile::exists(pdf));

        const QString cambiato = cambiatoTranneInvio(prima);
        QVERIFY2(cambiato.isEmpty(), qPrintable(cambiato));
        QVERIFY(invioLampeggia());
        // and the quarter of a second after the answer has passed too.
        QVERIFY(banco->s.orologio.t - banco->domanda.inizio >= 1250ms);
    }

    void theKeyOverlayStepsAsideWhileTheLearnerDecides() {
        // The greeting has brought the overlay onto the keyboard.
        auto* mappa = banco->finestra.findChild<QWidget*>(QStringLiteral("frmTransparency"));
        QVERIFY(mappa != nullptr && mappa->isVisible());
        QVERIFY(banco->mod.KeyMapShown);
        banco->domanda.mappa = mappa;
        banco->stampa();
        QVERIFY(!banco->domanda.mappaVisibile);
        QVERIFY(mappa->isVisible());
    }

    void anEnterTypedWhileThePrintWaitsStartsThePhraseAfterwards() {
        int fraseDurante = -1;
        banco->domanda.durante = [this, &fraseDurante] {
            banco->s.caso.scegliFrase(11);
            QTest::keyClick(banco->finestra.campoInput(), Qt::Key_Return);
            fraseDurante = banco->finestra.esercizio().numeroFrase();
        };
        const int prima = banco->finestra.esercizio().numeroFrase();
        banco->stampa();
        QCOMPARE(fraseDurante, prima);
        QCOMPARE(banco->finestra.esercizio().numeroFrase(), prima + 1);
        QCOMPARE(banco->finestra.esercizio().testoCorrente(),
                 std::string("ma chambre donne sur le jardin"));
    }

    void aLandscapePageShowsTheKeyboardWithItsFrameTitleAndFooter() {
        banco->s.caso.scegliFrase(11);
        QTest::keyClick(banco->finestra.campoInput(), Qt::Key_Return);
        digita('m');
        digita('a');
        const auto cornici = tastiera().cornici();
        QVERIFY(cornici[0].visibile);
        banco->domanda.risposta = Risposta::Si;
        const Istantanea prima = istantanea(tastiera());
        banco->stampa();

        QCOMPARE(stampanti, 1);
        const QString info = esegui(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("842 x 595")), qPrintable(info));
        const QString testo = esegui(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(testo.contains(QStringLiteral("Clavier belgique - fran\u00E7ais")),
                 qPrintable(testo));
        QVERIFY(testo.contains(QStringLiteral("Scrivolta ")));
        QVERIFY(testo.contains(QStringLiteral("Entr\u00E9e")));
        QVERIFY2(!testo.contains(QChar(0x2328)), "the menu key's symbol is on paper");

        constexpr double kDpi = 60;
        esegui(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, cartella.filePath(QStringLiteral("pagina"))});
        QImage pagina(cartella.filePath(QStringLiteral("pagina.png")));
        QVERIFY(!pagina.isNull());
        // The keyboard fills its box: everything above the title is keyboard.
        const QImage alto = pagina.copy(0, 0, pagina.width(), pagina.height() * 170 / 210);
        const QRectF tastieraMm =
            riquadro(alto, kDpi, [](const QColor& c) { return c.lightness() < 250; });
        const QRectF atteso = ui::paginaTastiera::kTastiera;
        QVERIFY2(std::abs(tastieraMm.left() - atteso.left()) < 1.0 &&
                     std::abs(tastieraMm.top() - atteso.top()) < 1.0 &&
                     std::abs(tastieraMm.width() - atteso.width()) < 1.5 &&
                     std::abs(tastieraMm.height() - atteso.height()) < 1.5,
                 qPrintable(QStringLiteral("keyboard at %1,%2 %3x%4 mm")
                                .arg(tastieraMm.left())
                                .arg(tastieraMm.top())
                                .arg(tastieraMm.width())
                                .arg(tastieraMm.height())));
        // The frame of the next key is printed where that key is.
        const QRectF corniceMm = riquadro(alto, kDpi, [](const QColor& c) {
            return c.red() > 180 && c.green() < 80 && c.blue() > 30 && c.blue() < 110;
        });
        const double sx = atteso.width() / areaTastiera(false).width;
        const double centroAtteso =
            atteso.left() + (cornici[0].r.left + cornici[0].r.width / 2.0) * sx;
        QVERIFY2(corniceMm.isValid(), "no frame on paper");
        QVERIFY2(corniceMm.left() < centroAtteso && corniceMm.right() > centroAtteso,
                 qPrintable(QStringLiteral("frame at %1-%2 mm, key at %3 mm")
                                .arg(corniceMm.left())
                                .arg(corniceMm.right())
                                .arg(centroAtteso)));

        // Afterwards the keyboard is as it was, the Enter key blinking.
        const QString cambiato = cambiatoTranneInvio(prima);
        QVERIFY2(cambiato.isEmpty(), qPrintable(cambiato));
        QVERIFY(invioLampeggia());
    }

    void aPrinterThatFailsLosesNothingAndSaysNothing() {
        pdf = cartella.filePath(QStringLiteral("no/such/folder/tastiera.pdf"));
        banco->domanda.risposta = Risposta::Si;
        const Istantanea prima = istantanea(tastiera());
        banco->stampa();
        QCOMPARE(stampanti, 1);
        QCOMPARE(banco->domanda.domande.size(), std::size_t{1});
        const QString cambiato = cambiatoTranneInvio(prima);
        QVERIFY2(cambiato.isEmpty(), qPrintable(cambiato));
        QVERIFY(invioLampeggia());
    }
};

QTEST_MAIN(TestStampaTastiera)
#include "test_stampatastiera.moc"
