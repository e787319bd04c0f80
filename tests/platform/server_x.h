// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <sys/types.h>

// A private Xvfb for the tests that need a real X server. It runs with
// -noreset, since a server that resets when its last client leaves also
// resets the keyboard map, and it dies with the test process however that
// ends.
class ServerX final {
public:
    ServerX();
    ~ServerX();
    ServerX(const ServerX&) = delete;
    ServerX& operator=(const ServerX&) = delete;

    bool avviato() const { return pid_ > 0 && !display_.isEmpty(); }
    // ":N", for DISPLAY.
    const QString& display() const { return display_; }

private:
    pid_t pid_ = -1;
    QString display_;
};
