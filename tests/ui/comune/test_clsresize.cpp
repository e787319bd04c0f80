// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/clsresize.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

using namespace scrivolta::ui;

namespace {

// The window of the examples: a label, a picture, a line, and a panel with
// a label of its own inside.
struct Finestra {
    QWidget w;
    QLabel* etichetta = new QLabel(QStringLiteral("testo"), &w);
    QWidget* immagine = new QWidget(&w);
    QFrame* linea = new QFrame(&w);
    QWidget* pannello = new QWidget(&w);
    QLabel* interna = new QLabel(pannello);

    Finestra() {
        w.resize(800, 600);
        etichetta->setGeometry(100, 50, 200, 20);
        QFont f = etichetta->font();
        f.setPointSizeF(10);
        etichetta->setFont(f);
        immagine->setProperty(ClsResize::kImmagine, true);
        immagine->setGeometry(100, 50, 32, 32);
        linea->setFrameShape(QFrame::HLine);
        linea->setGeometry(10, 20, 100, 3);
        pannello->setGeometry(200, 300, 400, 200);
        interna->setGeometry(10, 10, 100, 30);
        QFont g = interna->font();
        g.setPixelSize(13);
        interna->setFont(g);
    }
};

} // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void everyControlGrowsFromItsDesign() {
        Finestra f;
        ClsResize r;
        r.impostaSourceForm(&f.w);
        r.SizeFormToScreen();
        QCOMPARE(f.etichetta->geometry(), QRect(141, 66, 282, 26));
        QCOMPARE(f.etichetta->font().pointSizeF(), 10 * std::sqrt(1.41));
        QCOMPARE(f.immagine->geometry(), QRect(145, 70, 32, 32));
        QCOMPARE(f.linea->geometry(), QRect(14, 26, 141, 4));
        // A child moves inside its parent, which moves too.
        QCOMPARE(f.pannello->geometry(), QRect(282, 393, 564, 262));
        QCOMPARE(f.interna->geometry(), QRect(14, 13, 141, 39));
        QCOMPARE(f.interna->font().pixelSize(), 15);
        // The window keeps its own size.
        QCOMPARE(f.w.size(), QSize(800, 600));
    }

    void scalingAgainChangesNothing() {
        Finestra f;
        ClsResize r;
        r.impostaSourceForm(&f.w);
        r.SizeFormToScreen();
        const QRect etichetta = f.etichetta->geometry();
        const QRect interna = f.interna->geometry();
        for (int i = 0; i < 3; ++i) {
            r.SizeFormToScreen();
            r.ResizeControls();
        }
        QCOMPARE(f.etichetta->geometry(), etichetta);
        QCOMPARE(f.interna->geometry(), interna);
        QCOMPARE(f.interna->font().pixelSize(), 15);
    }

    void theFirstResizeOnlyRecords() {
        Finestra f;
        ClsResize r;
        r.impostaSourceForm(&f.w);
        r.ResizeControls();
        QCOMPARE(f.etichetta->geometry(), QRect(100, 50, 200, 20));
        r.ResizeControls();
        QCOMPARE(f.etichetta->geometry(), QRect(141, 66, 282, 26));
    }

    void minimisedOrEmptyWindowsAreLeftAlone() {
        QWidget vuota;
        vuota.resize(300, 200);
        ClsResize r;
        r.impostaSourceForm(&vuota);
        r.SizeFormToScreen();
        QCOMPARE(vuota.size(), QSize(300, 200));

        Finestra f;
        f.w.showMinimized();
        ClsResize m;
        m.impostaSourceForm(&f.w);
        m.SizeFormToScreen();
        if (!f.w.isMinimized())
            QSKIP("this platform does not minimise windows");
        QCOMPARE(f.etichetta->geometry(), QRect(100, 50, 200, 20));
    }

    // A layout places its widgets, but one with a font of its own grows it
    // like the widgets that follow their parent's font.
    void aFontOfItsOwnGrowsInsideALayout() {
        QWidget w;
        w.resize(800, 600);
        auto* pannello = new QWidget(&w);
        pannello->setGeometry(10, 10, 300, 100);
        QFont piccolo = pannello->font();
        piccolo.setPixelSize(10);
        pannello->setFont(piccolo);
        auto* layout = new QVBoxLayout(pannello);
        auto* ereditato = new QLabel(QStringLiteral("segue il pannello"));
        auto* proprio = new QLabel(QStringLiteral("carattere suo"));
        QFont grande = piccolo;
        grande.setPixelSize(11);
        proprio->setFont(grande);
        layout->addWidget(ereditato);
        layout->addWidget(proprio);
        ClsResize r;
        r.impostaSourceForm(&w);
        for (int i = 0; i < 2; ++i) {
            r.SizeFormToScreen();
            QCOMPARE(ereditato->font().pixelSize(), 12);
            QCOMPARE(proprio->font().pixelSize(), 13);
            QCOMPARE(pannello->geometry(), QRect(14, 13, 423, 131));
        }
    }

    void widgetsPlacedByOthersAreNotControls() {
        QWidget w;
        auto* gestito = new QWidget(&w);
        auto* layout = new QVBoxLayout(gestito);
        layout->addWidget(new QLabel(QStringLiteral("in un layout")));
        auto* combo = new QComboBox(&w);
        const auto controlli = controlliDi(&w);
        QCOMPARE(controlli.size(), std::size_t{2});
        QCOMPARE(controlli[0], gestito);
        QCOMPARE(controlli[1], static_cast<QWidget*>(combo));
    }
};

QTEST_MAIN(TestClsResize)
#include "test_clsresize.moc"
