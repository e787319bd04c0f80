// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/suoni.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using scrivolta::platform::SuonatorePulse;

// Plays through a private PulseAudio server with a null output, where there
// is one to start: it checks that sounds asked for before the connection
// play, that streams end and are released, and that a server that goes away
// leaves the player silent but working.
class TestSuoniPulse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const QString programma = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (programma.isEmpty())
            QSKIP("pulseaudio is not installed");
        QVERIFY(cartella_.isValid());
        const QString presa = cartella_.filePath(QStringLiteral("native"));
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("HOME"), cartella_.path());
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartella_.path());
        server_.setProcessEnvironment(ambiente);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(
            programma,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disable-shm=yes"),
             QStringLiteral("--log-level=0"), QStringLiteral("--load=module-null-sink"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                 presa});
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(presa), 10000);
        qputenv("PULSE_SERVER", ("unix:" + presa).toLocal8Bit());
    }

    void soundsPlayToTheEnd() {
        SuonatorePulse suoni;
        // Asked for before the server has answered: played once it has.
        suoni.suona(107);
        QTRY_COMPARE(suoni.stato(), SuonatorePulse::Stato::Pronto);
        QTRY_COMPARE(suoni.riprodotti(), 1);
        for (int id = 101; id <= 112; ++id)
            suoni.suona(id);
        QTRY_COMPARE_WITH_TIMEOUT(suoni.riprodotti(), 13, 10000);
    }

    void playingNeverWaitsForTheServer() {
        SuonatorePulse suoni;
        suoni.suona(107);
        QTRY_COMPARE(suoni.stato(), SuonatorePulse::Stato::Pronto);
        QElapsedTimer tempo;
        tempo.start();
        for (int volta = 0; volta < 200; ++volta)
            suoni.suona(101);
        QVERIFY(tempo.elapsed() < 200);
    }

    void closingWhilePlayingIsClean() {
        auto suoni = std::make_unique<SuonatorePulse>();
        suoni->suona(103);
        QTRY_COMPARE(suoni->stato(), SuonatorePulse::Stato::Pronto);
        suoni->suona(106);
        suoni->suona(110);
        suoni.reset();
    }

    void aServerThatGoesAwayLeavesThePlayerSilent() {
        SuonatorePulse suoni;
        suoni.suona(104);
        QTRY_COMPARE(suoni.stato(), SuonatorePulse::Stato::Pronto);
        server_.kill();
        server_.waitForFinished();
        QTRY_COMPARE(suoni.stato(), SuonatorePulse::Stato::Assente);
        suoni.suona(101);
        QCOMPARE(suoni.stato(), SuonatorePulse::Stato::Assente);
    }

    void cleanupTestCase() {
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished();
        }
    }

private:
    QTemporaryDir cartella_;
    QProcess server_;
};

QTEST_MAIN(TestSuoniPulse)
#include "test_suoni_pulse.moc"
