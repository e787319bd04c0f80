// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "keyboard/tastiera.h"
#include "support/banco_tastiro.h"
#include "support/servizi_finti.h"
#include "ui/comune/disegnipronti.h"
#include "ui/principale/barre.h"
#include "ui/principale/frmtastiro.h"
#include "ui/tastiera/disegnotastiera.h"
#include "ui/tastiera/widgettastiera.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

// The largest difference of one colour channel between two pictures of
// one size.
int differenzaMassima(const QImage& a, const QImage& b) {
    int massima = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            massima = std::max({massima, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return massima;
}

// On a screen of `rapporto` pixels per pixel of the drawing.
QImage tastieraDipinta(const Tastiera& tastiera, ui::DisegniPronti* pronti, qreal rapporto) {
    const Rettangolo area = areaTastiera(tastiera.scalata());
    QImage immagine(QSize(area.width, area.height) * rapporto, QImage::Format_RGB32);
    immagine.setDevicePixelRatio(rapporto);
    QPainter p(&immagine);
    ui::FontTastiera font = ui::creaFontTastiera(tastiera.scalata());
    font.pronti = pronti;
    ui::dipingiTastiera(p, tastiera, font, QRegion(0, 0, area.width, area.height), Qt::white);
    return immagine;
}

} // namespace

// The screen repaints only what a keystroke changed, from pictures and
// laid-out texts kept between paints: what it shows must be what a whole
// fresh paint of the window would show.
class TestRidisegno : public QObject {
    Q_OBJECT

private:
    using Banco = prova::BancoTastiro;

    // The places of the window painted while `attiva`, in the window's
    // coordinates.
    struct Ridipinte final : QObject {
        QWidget* finestra = nullptr;
        QRegion zona;
        bool attiva = false;
        bool eventFilter(QObject* o, QEvent* e) override {
            auto* w = qobject_cast<QWidget*>(o);
            if (attiva && e->type() == QEvent::Paint && w != nullptr &&
                (w == finestra || finestra->isAncestorOf(w)))
                zona += static_cast<QPaintEvent*>(e)->region().translated(
                    w->mapTo(finestra, QPoint(0, 0)));
            return false;
        }
    };

    // Each key, then: every pixel that a whole fresh paint shows changed
    // was painted again by the keystroke's own repaint, or the screen
    // would still show the old one. CR is Enter, BS is Backspace.
    void digita(const std::string& cp1252) {
        for (const char c : cp1252) {
            verifica(QString(QChar(c)), [&] {
                prova::digita(banco->finestra.campoInput(), banco->s.orologio, std::string(1, c));
            });
            if (QTest::currentTestFailed())
                return;
        }
    }

    template <typename Azione> void verifica(const QString& che, Azione azione) {
        QWidget& w = *banco->finestra.window();
        const QImage prima = w.grab().toImage();
        ridipinte.finestra = &w;
        ridipinte.zona = {};
        ridipinte.attiva = true;
        azione();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        ridipinte.attiva = false;
        confronta(prima, w.grab().toImage(), che);
    }

    void confronta(const QImage& prima, const QImage& dopo, const QString& che) {
        QCOMPARE(prima.size(), dopo.size());
        for (int y = 0; y < prima.height(); ++y) {
            for (int x = 0; x < prima.width(); ++x) {
                if (prima.pixel(x, y) != dopo.pixel(x, y) &&
                    !ridipinte.zona.contains(QPoint(x, y))) {
                    QFAIL(qPrintable(
                        QStringLiteral("(%1, %2) left stale by %3").arg(x).arg(y).arg(che)));
                }
            }
        }
    }

    // `area` of `w` painted alone looks as in a whole paint of `w`.
    static void confrontaParte(QWidget& w, const QRect& area) {
        const QImage intera = w.grab().toImage().copy(area);
        QImage parte(area.size(), QImage::Format_ARGB32_Premultiplied);
        w.render(&parte, QPoint(), QRegion(area));
        QVERIFY(differenzaMassima(parte, intera) <= 3);
    }

    void confrontaPremi(ui::WidgetTastiera& tastiera) {
        const Tastiera& modello = banco->finestra.tastiera();
        const QRect area = ui::rettangoloDisegno(modello, indiceTasto::InvioAlto)
                               .united(ui::rettangoloDisegno(modello, indiceTasto::InvioBasso))
                               .adjusted(-3, -3, 3, 3)
                               .intersected(tastiera.rect());
        for (const bool acceso : {true, false}) {
            tastiera.mostraPremi(acceso);
            confrontaParte(tastiera, area);
        }
    }

    Ridipinte ridipinte;
    QTemporaryDir cartella;
    std::unique_ptr<Banco> banco;

private slots:
    void initTestCase() { qApp->installEventFilter(&ridipinte); }
    void init() {
        banco = std::make_unique<Banco>(cartella.path());
        QVERIFY(QTest::qWaitForWindowExposed(banco->finestra.window()));
    }
    void cleanup() { banco.reset(); }

    void rightAndWrongKeysLeaveNothingStale() {
        banco->s.caso.scegliFrase(0);
        digita("\r");
        const std::string frase = banco->finestra.esercizio().testoCorrente();
        digita(frase.substr(0, 6));
        digita("\x01"
               "qq");
        digita(frase.substr(6, 10));
        digita(frase.substr(16) + "\r");
        // The clock's second.
        verifica(QStringLiteral("the clock"), [&] {
            banco->s.orologio.avanza(1s);
            QTest::qWait(1100);
        });
    }

    // The blinking mark of the Enter key is painted over a picture of the
    // keys under it: at the greeting, after the keys under it changed and at
    // the end of a phrase it shows what a whole paint shows.
    void theEnterMarkShowsTheKeysUnderIt() {
        auto* tastiera = dynamic_cast<ui::WidgetTastiera*>(
            banco->finestra.findChild<QWidget*>(QStringLiteral("picKeyword")));
        QVERIFY(tastiera != nullptr);
        confrontaPremi(*tastiera);
        // The keys lose their finger colours under the mark.
        banco->finestra.esercizio().lblMenu_Click(VoceMenu::MappaColori);
        confrontaPremi(*tastiera);
        banco->s.caso.scegliFrase(0);
        digita("\r");
        digita(banco->finestra.esercizio().testoCorrente());
        confrontaPremi(*tastiera);
    }

    // A second of the clock repaints its box from a picture of what lies
    // under the time, before and during a phrase, and after the bar was
    // resized: it shows what a whole paint shows.
    void theClockAloneShowsWhatAWholePaintShows() {
        auto* barra = dynamic_cast<ui::BarraMenu*>(
            banco->finestra.findChild<QWidget*>(QStringLiteral("lblMenu")));
        QVERIFY(barra != nullptr);
        const auto orologio = [&] { return barra->partiAccessibili().back().rettangolo; };
        confrontaParte(*barra, orologio());
        banco->s.caso.scegliFrase(0);
        digita("\r");
        banco->s.orologio.avanza(1s);
        QTest::qWait(1100);
        confrontaParte(*barra, orologio());
        barra->resize(barra->size() * 3 / 2);
        confrontaParte(*barra, orologio());
    }

    void aTextFileLeavesNothingStale() {
        banco.reset();
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        std::ofstream(cartella.filePath(QStringLiteral("Esercizi/Ridisegno.txt")).toStdString(),
                      std::ios::binary)
            << "le chat dort sur le tapis et la souris joue dans la cuisine avec une balle rouge "
               "pendant que le chien mange sa soupe";
        banco = std::make_unique<Banco>(cartella.path(), "/Ridisegno.txt");
        QVERIFY(QTest::qWaitForWindowExposed(banco->finestra.window()));
        digita("\r");
        QCOMPARE(banco->finestra.esercizio().stato().modo, ModoDisplay::TestoFile);
        const std::string testo = banco->finestra.esercizio().testoCorrente();
        digita(testo.substr(0, 50) + "x\b" + testo.substr(50, 20));
    }

    // Captions from laid-out texts, outlines as filled lines, frames and
    // finger pictures copied from pictures: the screen's keyboard looks as
    // the keyboard drawn in place, as on paper.
    void theScreensKeyboardIsTheKeyboardDrawnInPlace() {
        for (const bool scalata : {false, true}) {
            Tastiera tastiera;
            tastiera.impostaScala(scalata);
            tastiera.NascondiStrisciaMostraDita();
            QVERIFY(tastiera.MostraTastoSuccessivo('@'));
            ui::DisegniPronti pronti;
            // A dense screen after a plain one: the pictures follow it.
            for (const qreal rapporto : {1.0, 2.0}) {
                const QImage inPosto = tastieraDipinta(tastiera, nullptr, rapporto);
                QVERIFY(differenzaMassima(tastieraDipinta(tastiera, &pronti, rapporto), inPosto) <=
                        3);
                // Drawn again from what was kept.
                QVERIFY(differenzaMassima(tastieraDipinta(tastiera, &pronti, rapporto), inPosto) <=
                        3);
            }
        }
    }
};

QTEST_MAIN(TestRidisegno)
#include "test_ridisegno.moc"
