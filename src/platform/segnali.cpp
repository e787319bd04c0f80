// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/segnali.h"

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace scrivolta::platform {

namespace {

constexpr std::array<int, 3> kSegnali = {SIGTERM, SIGINT, SIGHUP};

// The write end of the pipe: all a signal handler may safely touch.
volatile std::sig_atomic_t fdScrittura = -1;

void gestore(int segnale) {
    const char byte = static_cast<char>(segnale);
    [[maybe_unused]] const auto scritti = ::write(fdScrittura, &byte, 1);
}

} // namespace

ChiusuraSuSegnale::ChiusuraSuSegnale(std::function<void()> chiudi, QObject* parent)
    : QObject(parent), chiudi_(std::move(chiudi)) {
    if (::pipe2(tubo_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    fdScrittura = tubo_[1];
    avviso_ = new QSocketNotifier(tubo_[0], QSocketNotifier::Read, this);
    connect(avviso_, &QSocketNotifier::activated, this, &ChiusuraSuSegnale::segnaleArrivato);
    struct sigaction azione {};
    azione.sa_handler = gestore;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    for (const int s : kSegnali)
        ::sigaction(s, &azione, nullptr);
}

ChiusuraSuSegnale::~ChiusuraSuSegnale() {
    for (const int s : kSegnali)
        std::signal(s, SIG_DFL);
    fdScrittura = -1;
    for (const int fd : tubo_) {
        if (fd >= 0)
            ::close(fd);
    }
}

void ChiusuraSuSegnale::segnaleArrivato() {
    char byte = 0;
    while (::read(tubo_[0], &byte, 1) > 0) {
    }
    // A second signal while the program closes changes nothing.
    if (chiudendo_)
        return;
    chiudendo_ = true;
    if (chiudi_)
        chiudi_();
}

} // namespace scrivolta::platform
