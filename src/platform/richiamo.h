// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <string>

namespace scrivolta::platform {

// A second start of the program ends at once, but first asks the running
// copy to come to the front, so that a learner who clicks the icon again
// sees Scrivolta. The running copy listens on a Unix socket beside its lock,
// which only the same user on the same display reaches.
class RichiamoIstanza final : public QObject {
public:
    // Listens on `indirizzo` and runs `mostra` for every request.
    RichiamoIstanza(const std::string& indirizzo, std::function<void()> mostra,
                    QObject* parent = nullptr);
    ~RichiamoIstanza() override;
    RichiamoIstanza(const RichiamoIstanza&) = delete;
    RichiamoIstanza& operator=(const RichiamoIstanza&) = delete;
    bool inAscolto() const;

    // Asks the copy listening on `indirizzo` to show itself; false when none
    // takes the request within about two seconds (none there, or one that is
    // stopped or hung).
    static bool chiediDiMostrarsi(const std::string& indirizzo);

private:
    void richiesta();

    std::function<void()> mostra_;
    int fd_ = -1;
    std::string percorso_;
};

} // namespace scrivolta::platform
