// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/servizi_finti.h"
#include "ui/comune/frmshadow.h"
#include "ui/comune/frmtransparency.h"

#include <QScreen>
#include <QTest>

using namespace scrivolta;
using namespace scrivolta::ui;

namespace {

// Records each opacity the window takes while the test's clock waits.
class AttesaCheGuarda final : public Waiter {
public:
    explicit AttesaCheGuarda(QWidget*& finestra) : finestra_(finestra) {}
    void attendi(int ms) override {
        attese.push_back(ms);
        if (finestra_ != nullptr) {
            opacita.push_back(qRound(finestra_->windowOpacity() * 255));
            posizioni.push_back(finestra_->y());
        }
    }
    void dormi(int) override {}
    void processEvents() override {}
    std::vector<int> attese;
    std::vector<int> opacita;
    std::vector<int> posizioni;

private:
    QWidget*& finestra_;
};

} // namespace

class TestFinestreDecorative : public QObject {
    Q_OBJECT
private slots:
    void shadowDimsOwnsTheDialogAndFades() {
        QCOMPARE(frmShadow::opacitaDaPercento(50), 128);
        QCOMPARE(frmShadow::opacitaDaPercento(100), 255);
        QWidget* osservata = nullptr;
        AttesaCheGuarda attesa(osservata);
        frmShadow ombra(attesa);
        osservata = &ombra;
        QWidget* proprietario = nullptr;
        int opacitaAlDialogo = 0;
        ombra.Form_Load([&](QWidget* p) {
            proprietario = p;
            opacitaAlDialogo = qRound(ombra.windowOpacity() * 255);
            QVERIFY(ombra.isVisible());
        });
        QCOMPARE(proprietario, static_cast<QWidget*>(&ombra));
        QCOMPARE(opacitaAlDialogo, 128);
        QCOMPARE(attesa.attese.front(), 200);
        // 200 ms of dimming, then 33 steps of 10 ms from 160 down to 0.
        QCOMPARE(attesa.attese.size(), std::size_t{34});
        QCOMPARE(attesa.opacita[1], 160);
        QCOMPARE(attesa.opacita.back(), 0);
        QVERIFY(!ombra.isVisible());
    }

    void overlaySlidesInAndLeavesAtOnceWithoutTranslucency() {
        ModTastiro mod;
        QWidget* osservata = nullptr;
        AttesaCheGuarda attesa(osservata);
        frmTransparency overlay(mod, attesa);
        osservata = &overlay;
        const QRect schermo = QGuiApplication::primaryScreen()->geometry();
        const QPoint bersaglio(100, schermo.height() / 2);
        overlay.Form_Load(bersaglio);
        QVERIFY(mod.KeyMapShown);
        QCOMPARE(overlay.size(), QSize(363, 205));
        // Twenty pixels a step from the bottom of the screen, ending at most
        // one step below the target.
        QCOMPARE(attesa.posizioni.front(), schermo.bottom() + 1);
        QCOMPARE(attesa.posizioni[1] - attesa.posizioni[0], -20);
        QVERIFY(overlay.y() >= bersaglio.y());
        QVERIFY(overlay.y() < bersaglio.y() + 20);
        QCOMPARE(overlay.x(), bersaglio.x());
        const auto passi = attesa.attese.size();
        mod.ShadowOn = false;
        overlay.Form_Unload();
        QVERIFY(!mod.KeyMapShown);
        QVERIFY(!overlay.isVisible());
        QCOMPARE(attesa.attese.size(), passi);
    }

    void overlayFadesWhereWindowsAreTranslucent() {
        ModTastiro mod;
        mod.ResizeOn = true;
        mod.ShadowOn = true;
        QWidget* osservata = nullptr;
        AttesaCheGuarda attesa(osservata);
        frmTransparency overlay(mod, attesa);
        overlay.Form_Load(QPoint(0, 0));
        QCOMPARE(overlay.size(), QSize(519, 293));
        osservata = &overlay;
        attesa.attese.clear();
        overlay.Form_Unload();
        QCOMPARE(attesa.attese.size(), std::size_t{41});
        QCOMPARE(attesa.opacita.front(), 250);
        QCOMPARE(attesa.opacita.back(), 50);
        QVERIFY(!overlay.isVisible());
    }
};

QTEST_MAIN(TestFinestreDecorative)
#include "test_finestre_decorative.moc"
