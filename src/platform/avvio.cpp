// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/avvio.h"

#include "app/dominio.h"
#include "platform/display_x11.h"

#include <QGuiApplication>
#include <QScreen>
#include <X11/Xlib.h>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace scrivolta::platform {

namespace {

constexpr int kLarghezzaScalata = 1000;
constexpr int kAltezzaScalata = 750;

bool compositoreX11(Display* dpy) {
    const std::string nome = "_NET_WM_CM_S" + std::to_string(DefaultScreen(dpy));
    const Atom selezione = XInternAtom(dpy, nome.c_str(), False);
    return XGetSelectionOwner(dpy, selezione) != None;
}

} // namespace

IstanzaUnica::IstanzaUnica(const std::string& fileBlocco) {
    // O_NOFOLLOW: in a shared /tmp another user's symbolic link must not
    // point the lock at a file of theirs.
    fd_ = ::open(fileBlocco.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        altra_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

IstanzaUnica::~IstanzaUnica() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::string nomeDisplay() {
    for (const char* variabile : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* valore = std::getenv(variabile);
        if (valore != nullptr && *valore != '\0')
            return valore;
    }
    return {};
}

std::string IstanzaUnica::fileBloccoPredefinito() {
    return baseFileIstanza() + ".lock";
}

std::string IstanzaUnica::baseFileIstanza() {
    // One copy per user and per display: the same learner may run the
    // program on two desktops at once. A display name may hold a path.
    std::string display = nomeDisplay();
    for (char& c : display) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '.' && c != '-')
            c = '_';
    }
    const std::string nome = "scrivolta" + (display.empty() ? std::string() : "-" + display);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0')
        return std::string(runtime) + "/" + nome;
    return "/tmp/" + nome + "-" + std::to_string(::getuid());
}

EsitoSchermo valutaSchermo(QSize pixel) {
    EsitoSchermo esito;
    esito.adatto = pixel.width() >= kLarghezzaMinima && pixel.height() >= kAltezzaMinima;
    esito.ResizeOn = pixel.width() > kLarghezzaScalata && pixel.height() > kAltezzaScalata;
    return esito;
}

std::string testoSchermoPiccolo() {
    return "La risoluzione minima per l'utilizzo di questo programma \xE8:\r\n"
           "800 x 600 pixel.\r\n"
           "Modificare la risoluzione video e, quindi, riprovare.\r\n"
           "\r\n"
           "Best visual results if used with 800x600 pixel monitor.\r\n"
           "Modify your video settings and try again.";
}

EsitoSchermo ControllaSchermo(MessageBoxes& messaggi) {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const EsitoSchermo esito = valutaSchermo(schermo != nullptr ? schermo->size() : QSize());
    if (!esito.adatto)
        messaggi.mostra(testoSchermoPiccolo(), kNomeProgramma, Icona::Errore, Pulsanti::Ok);
    return esito;
}

bool opacitaVisibile(std::string_view piattaforma, bool compositore) {
    return piattaforma == "xcb" && compositore;
}

bool FinestreTraslucide() {
    Display* dpy = displayX11();
    return opacitaVisibile(QGuiApplication::platformName().toStdString(),
                           dpy != nullptr && compositoreX11(dpy));
}

namespace {

bool dato(const char* valore) {
    return valore != nullptr && *valore != '\0';
}

} // namespace

std::string piattaformaPreferita(const char* qpa, const char* wayland, const char* display) {
    if (dato(qpa) || !dato(wayland) || !dato(display))
        return {};
    return "xcb";
}

void ScegliPiattaforma() {
    const std::string scelta = piattaformaPreferita(
        std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    if (!scelta.empty())
        ::setenv("QT_QPA_PLATFORM", scelta.c_str(), 1);
}

std::string notaLayoutWayland(std::string_view piattaforma) {
    if (!piattaforma.starts_with("wayland"))
        return {};
    return "scrivolta: Wayland: the program cannot switch the keyboard layout; "
           "choose Belgian (AZERTY) in the desktop's keyboard settings.";
}

} // namespace scrivolta::platform
