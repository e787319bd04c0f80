// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/avvio.h"
#include "platform/richiamo.h"

#include <QTemporaryDir>
#include <QTest>

using namespace scrivolta::platform;

class TestRichiamo : public QObject {
    Q_OBJECT
private slots:
    void aSecondStartBringsTheFirstForward() {
        QTemporaryDir cartella;
        const std::string indirizzo = cartella.filePath(QStringLiteral("s.sock")).toStdString();
        QVERIFY(!RichiamoIstanza::chiediDiMostrarsi(indirizzo));
        int richieste = 0;
        {
            const RichiamoIstanza ascolto(indirizzo, [&] { ++richieste; });
            QVERIFY(ascolto.inAscolto());
            QVERIFY(RichiamoIstanza::chiediDiMostrarsi(indirizzo));
            QTRY_COMPARE(richieste, 1);
            QVERIFY(RichiamoIstanza::chiediDiMostrarsi(indirizzo));
            QTRY_COMPARE(richieste, 2);
        }
        // Gone with the copy that listened.
        QVERIFY(!RichiamoIstanza::chiediDiMostrarsi(indirizzo));
    }

    void eachDisplayHasItsOwnCopy() {
        const QByteArray prima = qgetenv("DISPLAY");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", ":1");
        const std::string uno = IstanzaUnica::fileBloccoPredefinito();
        qputenv("DISPLAY", "host/../x:2.0");
        const std::string due = IstanzaUnica::fileBloccoPredefinito();
        qputenv("DISPLAY", prima);
        if (!wayland.isEmpty())
            qputenv("WAYLAND_DISPLAY", wayland);
        QVERIFY(uno != due);
        // A display name never leads the lock into another folder.
        QCOMPARE(due.substr(0, due.rfind('/')), uno.substr(0, uno.rfind('/')));
    }
};

QTEST_MAIN(TestRichiamo)
#include "test_richiamo.moc"
