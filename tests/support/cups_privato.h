// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A CUPS scheduler of the test's own, started by `cups_privato.sh` in a
// temporary folder with a cups-pdf queue as its default printer, so that a
// real print meets no other scheduler on the machine. Qt's print support
// reaches it through CUPS_SERVER; it is stopped by its PID.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace scrivolta::prova {

class CupsPrivato {
public:
    CupsPrivato() {
        // cups-pdf prints only for a scheduler run by root.
        if (geteuid() != 0)
            return;
        QProcess avvio;
        avvio.start(QStringLiteral("sh"), {QStringLiteral(CUPS_PRIVATO), cartella_.path()});
        avvio.waitForFinished(20000);
        const qint64 pid = avvio.readAllStandardOutput().trimmed().toLongLong();
        if (avvio.exitCode() != 0 || pid <= 0)
            return;
        pid_ = pid;
        qputenv("CUPS_SERVER", cartella_.filePath(QStringLiteral("cups.sock")).toLocal8Bit());
    }
    ~CupsPrivato() {
        if (pid_ <= 0)
            return;
        qunsetenv("CUPS_SERVER");
        ::kill(static_cast<pid_t>(pid_), SIGTERM);
        for (int i = 0; i < 50 && ::kill(static_cast<pid_t>(pid_), 0) == 0; ++i)
            QTest::qWait(100);
    }
    CupsPrivato(const CupsPrivato&) = delete;
    CupsPrivato& operator=(const CupsPrivato&) = delete;

    // False where no scheduler could be started: not root, cupsd or
    // cups-pdf missing, or the scheduler did not come up.
    bool attivo() const { return pid_ > 0; }

    // Where cups-pdf puts the pages: the printing user's own ~/PDF.
    static QDir cartellaPdf() {
        const passwd* utente = getpwuid(getuid());
        return QDir(QString::fromLocal8Bit(utente ? utente->pw_dir : "/") + QStringLiteral("/PDF"));
    }

private:
    QTemporaryDir cartella_;
    qint64 pid_ = 0;
};

} // namespace scrivolta::prova
