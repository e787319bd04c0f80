// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/richiamo.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace scrivolta::platform {

namespace {

constexpr int kAttesaMs = 1000;
// How long a second start waits for the running copy before ending anyway.
constexpr auto kAttesaRisposta = std::chrono::seconds(2);
constexpr int kPausaTentativiMs = 50;
constexpr char kRichiesta[] = "mostra\n";

// A Unix socket address for `percorso`; false when the path is too long for
// one.
bool indirizzo(const std::string& percorso, sockaddr_un& out) {
    out = {};
    out.sun_family = AF_UNIX;
    if (percorso.size() >= sizeof(out.sun_path))
        return false;
    std::memcpy(out.sun_path, percorso.c_str(), percorso.size() + 1);
    return true;
}

int millisecondiFino(std::chrono::steady_clock::time_point scadenza) {
    const auto resto = std::chrono::duration_cast<std::chrono::milliseconds>(
        scadenza - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::int64_t>(resto.count(), 0));
}

// Waits for `evento` on `fd` until `scadenza`.
bool pronto(int fd, short evento, std::chrono::steady_clock::time_point scadenza) {
    for (;;) {
        pollfd p{fd, evento, 0};
        const int n = ::poll(&p, 1, millisecondiFino(scadenza));
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0 && (p.revents & evento) != 0;
    }
}

// A full queue refuses a non-blocking connect at once (EAGAIN) rather than
// queueing it: the attempt is repeated until the deadline.
bool collega(int fd, const sockaddr_un& a, std::chrono::steady_clock::time_point scadenza) {
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof(a)) == 0)
            return true;
        if (errno == EINPROGRESS) {
            int errore = 0;
            socklen_t lunghezza = sizeof(errore);
            return pronto(fd, POLLOUT, scadenza) &&
                   ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &errore, &lunghezza) == 0 && errore == 0;
        }
        if (errno != EAGAIN && errno != EINTR)
            return false;
        if (millisecondiFino(scadenza) == 0)
            return false;
        ::poll(nullptr, 0, kPausaTentativiMs);
    }
}

} // namespace

// A plain socket with a notifier: the request is one line, and Qt's network
// library would cost the program more memory than the rest of its start.
RichiamoIstanza::RichiamoIstanza(const std::string& percorso, std::function<void()> mostra,
                                 QObject* parent)
    : QObject(parent), mostra_(std::move(mostra)) {
    sockaddr_un a{};
    if (!indirizzo(percorso, a))
        return;
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0)
        return;
    // The caller holds the instance lock: a socket left there is a dead
    // copy's.
    ::unlink(percorso.c_str());
    const mode_t prima = ::umask(0077);
    const bool pronto =
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof(a)) == 0 && ::listen(fd_, 4) == 0;
    ::umask(prima);
    if (!pronto) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    percorso_ = percorso;
    auto* avviso = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(avviso, &QSocketNotifier::activated, this, &RichiamoIstanza::richiesta);
}

RichiamoIstanza::~RichiamoIstanza() {
    if (fd_ < 0)
        return;
    ::close(fd_);
    ::unlink(percorso_.c_str());
}

bool RichiamoIstanza::inAscolto() const {
    return fd_ >= 0;
}

// Whatever a caller sends, a connection is a request to come forward; the
// line is read only so that the caller's write never blocks.
void RichiamoIstanza::richiesta() {
    for (;;) {
        const int c = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (c < 0)
            return;
        char buffer[sizeof(kRichiesta)];
        pollfd p{c, POLLIN, 0};
        if (::poll(&p, 1, kAttesaMs) > 0 && ::read(c, buffer, sizeof(buffer)) > 0 && mostra_)
            mostra_();
        ::close(c);
    }
}

// The running copy may be stopped or hung: its queue of connections then
// fills, and a blocking connect() would hold this start until it resumed.
// The socket stays non-blocking and every step has the same deadline.
bool RichiamoIstanza::chiediDiMostrarsi(const std::string& percorso) {
    sockaddr_un a{};
    if (!indirizzo(percorso, a))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const auto scadenza = std::chrono::steady_clock::now() + kAttesaRisposta;
    const bool ok = collega(fd, a, scadenza) && pronto(fd, POLLOUT, scadenza) &&
                    ::write(fd, kRichiesta, sizeof(kRichiesta) - 1) > 0;
    ::close(fd);
    return ok;
}

} // namespace scrivolta::platform
