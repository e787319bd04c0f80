// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/servizi_qt.h"

#include "app/attendi.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace scrivolta::platform {

namespace {

// 53 random bits scaled by 2^-53: every value is below 1, which
// std::generate_canonical does not promise.
constexpr int kBitMantissa = 53;
constexpr double kScala = 1.0 / static_cast<double>(std::uint64_t{1} << kBitMantissa);

} // namespace

std::chrono::system_clock::time_point OrologioSistema::now() const {
    return std::chrono::system_clock::now();
}

std::uint64_t OrologioSistema::tickMs() const {
    const auto trascorso = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(trascorso).count());
}

CasualeSistema::CasualeSistema()
    : CasualeSistema(
          static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
}

CasualeSistema::CasualeSistema(std::uint64_t seme) : generatore_(seme) {}

double CasualeSistema::next() {
    return static_cast<double>(generatore_() >> (64 - kBitMantissa)) * kScala;
}

namespace {

// The 32-bit millisecond tick the wait counts in.
std::uint32_t tick32() {
    const auto trascorso = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(trascorso).count());
}

// Runs the window events until one arrives or `ms` milliseconds pass: the
// processor sleeps meanwhile. True when the time ran out. Not a local event
// loop: once the program has been asked to quit (a signal, the last window
// closed) every new event loop returns at once, and the waits of the closing
// window would spin.
bool giraEventi(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return true;
    }
    bool scaduta = false;
    QTimer sveglia;
    sveglia.setSingleShot(true);
    sveglia.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sveglia, &QTimer::timeout, [&scaduta] { scaduta = true; });
    sveglia.start(ms);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return scaduta;
}

} // namespace

void AttesaQt::attendi(int ms) {
    if (ms <= 0) {
        processEvents();
        return;
    }
    Attendi(ms, tick32, giraEventi);
}

void AttesaQt::dormi(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void AttesaQt::processEvents() {
    QCoreApplication::processEvents();
}

} // namespace scrivolta::platform
