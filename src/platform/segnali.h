// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace scrivolta::platform {

// Ends the program in order when the system asks it to: SIGTERM (a desktop
// logout, `kill`), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal
// closed). `chiudi` runs on the user-interface thread, outside the signal
// handler, so it may save the options and put the keyboard layout back.
// One instance at a time.
class ChiusuraSuSegnale final : public QObject {
public:
    explicit ChiusuraSuSegnale(std::function<void()> chiudi, QObject* parent = nullptr);
    ~ChiusuraSuSegnale() override;
    ChiusuraSuSegnale(const ChiusuraSuSegnale&) = delete;
    ChiusuraSuSegnale& operator=(const ChiusuraSuSegnale&) = delete;

private:
    void segnaleArrivato();

    std::function<void()> chiudi_;
    int tubo_[2] = {-1, -1};
    QSocketNotifier* avviso_ = nullptr;
    bool chiudendo_ = false;
};

} // namespace scrivolta::platform
