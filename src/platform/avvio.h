// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <QSize>
#include <string>
#include <string_view>

namespace scrivolta::platform {

// Keeps a second copy of the program from starting: an exclusive lock on a
// file in the user's runtime folder, held while the object lives. The system
// drops the lock when the process ends, however it ends, so a crash never
// leaves the program unable to start.
class IstanzaUnica final {
public:
    explicit IstanzaUnica(const std::string& fileBlocco = fileBloccoPredefinito());
    ~IstanzaUnica();
    IstanzaUnica(const IstanzaUnica&) = delete;
    IstanzaUnica& operator=(const IstanzaUnica&) = delete;

    // True when another process holds the lock. A lock that cannot be set
    // up at all (no runtime folder, no permission) lets the program start.
    bool altraInEsecuzione() const { return altra_; }

    // "scrivolta-<display>.lock" in $XDG_RUNTIME_DIR, or a per-user file
    // in /tmp.
    static std::string fileBloccoPredefinito();
    // The lock's path without its extension; the running copy listens for
    // a second one beside it.
    static std::string baseFileIstanza();

private:
    int fd_ = -1;
    bool altra_ = false;
};

// The display the program shows on ("" when none is named).
std::string nomeDisplay();

struct EsitoSchermo {
    bool adatto = false;
    // Large enough for the scaled-up window.
    bool ResizeOn = false;
};

inline constexpr int kLarghezzaMinima = 800;
inline constexpr int kAltezzaMinima = 600;

EsitoSchermo valutaSchermo(QSize pixel);

// The text of the box that refuses a screen below 800 x 600, Windows-1252.
std::string testoSchermoPiccolo();

// The primary screen judged as above; a screen too small gets the error box
// titled "Scrivolta" first, and the program should then end.
EsitoSchermo ControllaSchermo(MessageBoxes& messaggi);

// `ShadowOn`: the window system shows a window's opacity. Only X11 does,
// and only with a compositing manager running: Wayland's platform plugin
// ignores the opacity and leaves the window opaque (a shadow would black
// the screen out), as offscreen and the other plugins do.
bool FinestreTraslucide();
// The same judgement for the platform plugin named `piattaforma`.
bool opacitaVisibile(std::string_view piattaforma, bool compositore);

// The platform plugin to ask Qt for, from the environment: "xcb" in a
// Wayland session that also offers an X server (XWayland), since the Belgian
// layout's switch and the shaped hands overlay need X11; "" (Qt's own
// choice) when the learner named one in QT_QPA_PLATFORM or there is no X
// server. Each argument is the variable's value, null when unset.
std::string piattaformaPreferita(const char* qpa, const char* wayland, const char* display);
// Sets QT_QPA_PLATFORM from the above; before the QApplication exists.
void ScegliPiattaforma();
// On native Wayland the program can neither read nor switch the layout:
// the one line that tells the learner to set it in the desktop's settings,
// "" on any other platform.
std::string notaLayoutWayland(std::string_view piattaforma);

} // namespace scrivolta::platform
