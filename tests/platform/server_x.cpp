// SPDX-License-Identifier: GPL-3.0-or-later
#include "server_x.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kAttesaMs = 15000;

[[noreturn]] void eseguiXvfb(int scrittura) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const std::string fd = std::to_string(scrittura);
    // Its complaints (xkbcomp on a layout that does not exist) are expected.
    const int nulla = ::open("/dev/null", O_WRONLY);
    ::dup2(nulla, STDOUT_FILENO);
    ::dup2(nulla, STDERR_FILENO);
    ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp", "-screen",
             "0", "1024x768x24", static_cast<char*>(nullptr));
    ::_exit(127);
}

// Xvfb writes the display number it chose, then a newline, once it listens.
QString leggiDisplay(int lettura) {
    std::string numero;
    pollfd attesa{lettura, POLLIN, 0};
    char c = 0;
    while (::poll(&attesa, 1, kAttesaMs) == 1 && ::read(lettura, &c, 1) == 1 && c != '\n')
        numero.push_back(c);
    return c == '\n' && !numero.empty() ? QStringLiteral(":") + QString::fromStdString(numero)
                                        : QString();
}

} // namespace

ServerX::ServerX() {
    int tubo[2];
    if (::pipe(tubo) != 0)
        return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(tubo[0]);
        eseguiXvfb(tubo[1]);
    }
    ::close(tubo[1]);
    if (pid_ > 0)
        display_ = leggiDisplay(tubo[0]);
    ::close(tubo[0]);
}

ServerX::~ServerX() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}
