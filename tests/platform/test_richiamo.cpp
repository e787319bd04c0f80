// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/avvio.h"
#include "platform/richiamo.h"

#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <future>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

    // A copy that is stopped never accepts: once its queue is full a second
    // start waited in connect() until it resumed.
    void aStoppedCopyDoesNotHoldTheSecondStart() {
        QTemporaryDir cartella;
        const std::string indirizzo = cartella.filePath(QStringLiteral("s.sock")).toStdString();
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::strcpy(a.sun_path, indirizzo.c_str());
        const int fermo = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(fermo, reinterpret_cast<sockaddr*>(&a), sizeof(a)) == 0);
        QVERIFY(::listen(fermo, 0) == 0);
        std::vector<int> inCoda;
        for (int i = 0; i < 64; ++i) {
            const int c = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            inCoda.push_back(c);
            if (::connect(c, reinterpret_cast<sockaddr*>(&a), sizeof(a)) != 0)
                break;
        }
        auto esito = std::make_shared<std::promise<bool>>();
        auto risposta = esito->get_future();
        std::thread([indirizzo, esito] {
            esito->set_value(RichiamoIstanza::chiediDiMostrarsi(indirizzo));
        }).detach();
        QVERIFY(risposta.wait_for(std::chrono::seconds(4)) == std::future_status::ready);
        QVERIFY(!risposta.get());
        for (const int c : inCoda)
            ::close(c);
        ::close(fermo);
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
