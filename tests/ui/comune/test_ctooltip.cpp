// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/ctooltip.h"

#include <QEnterEvent>
#include <QPushButton>
#include <QTest>

using namespace scrivolta::ui;

class TestCTooltip : public QObject {
    Q_OBJECT
private slots:
    void toolsNeedTheWindowAndComeOnce() {
        QWidget finestra;
        auto* pulsante = new QPushButton(&finestra);
        cTooltip tip;
        QVERIFY(!tip.AddTool(pulsante, QStringLiteral("prima")));
        QCOMPARE(tip.ToolCount(), 0);
        QVERIFY(tip.Create(&finestra));
        QVERIFY(tip.Create(&finestra));
        QVERIFY(tip.AddTool(pulsante, QStringLiteral("testo")));
        QVERIFY(!tip.AddTool(pulsante, QStringLiteral("ancora")));
        QVERIFY(!tip.AddTool(nullptr, QStringLiteral("nessuno")));
        QCOMPARE(tip.ToolCount(), 1);
        QCOMPARE(tip.ToolText(pulsante), QStringLiteral("testo"));
        tip.setToolText(pulsante, QStringLiteral("nuovo"));
        QCOMPARE(tip.ToolText(pulsante), QStringLiteral("nuovo"));
        // A screen reader reads the tip with the control.
        QCOMPARE(pulsante->accessibleDescription(), QStringLiteral("nuovo"));
        QVERIFY(tip.RemoveTool(pulsante));
        QVERIFY(!tip.RemoveTool(pulsante));
        QCOMPARE(tip.ToolText(pulsante), QString());
        // A balloon goes with the window that owns it: no tip is added after.
        cTooltip orfano;
        {
            QWidget proprietario;
            QVERIFY(orfano.Create(&proprietario));
        }
        QVERIFY(!orfano.AddTool(pulsante, QStringLiteral("testo")));
        QCOMPARE(orfano.ToolCount(), 0);
    }

    void emptyTitlesAndWidthsHaveTheirMeaning() {
        QWidget finestra;
        cTooltip tip;
        QCOMPARE(tip.Title(), QStringLiteral(" "));
        tip.setTitle(QString());
        QCOMPARE(tip.Title(), QStringLiteral(" "));
        QCOMPARE(tip.MaxTipWidth(), 0);
        tip.Create(&finestra);
        tip.setMaxTipWidth(200);
        QCOMPARE(tip.MaxTipWidth(), 200);
        tip.setMaxTipWidth(0);
        QCOMPARE(tip.MaxTipWidth(), -1);
    }

    void theBalloonWaitsShowsAndGoes() {
        QWidget finestra;
        finestra.resize(300, 200);
        auto* pulsante = new QPushButton(QStringLiteral("Esperto"), &finestra);
        pulsante->setGeometry(10, 10, 100, 30);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        cTooltip tip;
        tip.setDelayTime(30);
        tip.setVisibleTime(150);
        tip.setTitle(QStringLiteral("Livello"));
        tip.setIcon(cTooltip::Informazione);
        tip.Create(&finestra);
        tip.AddTool(pulsante, QStringLiteral("Imposta il programma in modalit\u00E0 esperto"));
        QEnterEvent entra(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QCoreApplication::sendEvent(pulsante, &entra);
        QVERIFY(tip.balloonVisibile() == nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(tip.balloonVisibile() != nullptr, 1000);
        const QWidget* balloon = tip.balloonVisibile();
        QVERIFY(balloon->geometry().top() >= pulsante->mapToGlobal(QPoint(0, 0)).y() + 30);
        QTRY_VERIFY_WITH_TIMEOUT(tip.balloonVisibile() == nullptr, 1000);
        // Leaving the control takes the balloon away before its time.
        QCoreApplication::sendEvent(pulsante, &entra);
        QTRY_VERIFY_WITH_TIMEOUT(tip.balloonVisibile() != nullptr, 1000);
        QEvent esci(QEvent::Leave);
        QCoreApplication::sendEvent(pulsante, &esci);
        QVERIFY(tip.balloonVisibile() == nullptr);
    }
};

QTEST_MAIN(TestCTooltip)
#include "test_ctooltip.moc"
