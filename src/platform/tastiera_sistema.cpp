// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tastiera_sistema.h"

#include "platform/display_x11.h"
#include "platform/mappa_salvata.h"
#include "platform/xkb_nomi.h"

#include <cstdlib>
#include <future>
#include <malloc.h>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

// Last: Xlib defines macros such as None, Bool and Status.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKBrules.h>

namespace scrivolta::platform {

namespace {

constexpr const char* kCartellaRegole = "/usr/share/X11/xkb/rules/";
constexpr const char* kRegolePredefinite = "evdev";

// The learner's layout while the Belgian one stands in for it. The window
// puts it back when it closes; when the program ends any other way (the X
// connection lost, so that Qt exits on its own) it is put back at exit
// through a connection of its own.
std::string& layoutInSospeso() {
    static std::string nome;
    return nome;
}

void ripristinaAllUscita();

int connessioneXPersa(Display*) {
    ripristinaAllUscita();
    return 0;
}

class TastieraSenzaLayout final : public KeyboardPlatform {
public:
    bool layoutsAvailable() const override { return false; }
    std::string activeLayout() const override { return {}; }
    bool activateLayout(const std::string&) override { return false; }
    bool capsLockOn() const override { return false; }
    void toggleCapsLock() override {}
};

// Takes over a string that libxkbfile allocated with malloc.
std::string prendi(char* testo) {
    std::string out = testo != nullptr ? testo : "";
    std::free(testo);
    return out;
}

// A C string for libxkbfile, which wants null rather than "" for a setting
// that is not given.
char* oNull(std::string& testo) {
    return testo.empty() ? nullptr : testo.data();
}

std::string percorsoRegole(const std::string& rules) {
    if (rules.find('/') != std::string::npos)
        return rules;
    return kCartellaRegole + (rules.empty() ? std::string(kRegolePredefinite) : rules);
}

void liberaComponenti(XkbComponentNamesRec& nomi) {
    for (char* campo :
         {nomi.keymap, nomi.keycodes, nomi.types, nomi.compat, nomi.symbols, nomi.geometry})
        std::free(campo);
}

// The rules' settings of `c`, pointing into it.
XkbRF_VarDefsRec variabili(ConfigurazioneXkb& c) {
    XkbRF_VarDefsRec v{};
    v.model = oNull(c.model);
    v.layout = oNull(c.layout);
    v.variant = oNull(c.variant);
    v.options = oNull(c.options);
    return v;
}

// The server compiles the keymap the rules make of `c`, and installs it
// with `installa`, the way setxkbmap does. Everything but the geometry,
// which only draws the keyboard, must be there.
MappaXkb compilaMappa(Display* dpy, ConfigurazioneXkb c, bool installa) {
    std::string percorso = percorsoRegole(c.rules);
    std::string locale = "C";
    XkbRF_RulesPtr regole = XkbRF_Load(percorso.data(), locale.data(), False, True);
    if (regole == nullptr)
        return nullptr;
    XkbRF_VarDefsRec v = variabili(c);
    XkbComponentNamesRec nomi{};
    MappaXkb mappa;
    if (XkbRF_GetComponents(regole, &v, &nomi) && nomi.symbols != nullptr) {
        constexpr unsigned kServe = XkbGBN_AllComponentsMask & ~XkbGBN_GeometryMask;
        // A keymap compiled for later is wanted whole, to be written back.
        const unsigned voluti = installa ? XkbGBN_AllComponentsMask : kServe;
        mappa.reset(XkbGetKeyboardByName(dpy, XkbUseCoreKbd, &nomi, voluti, kServe,
                                         installa ? True : False));
    }
    liberaComponenti(nomi);
    XkbRF_Free(regole, True);
    return mappa;
}

// The server needs 10-30 ms to compile a keymap (it runs the keymap
// compiler and waits for it), which delayed the first window. The Belgian
// keymap is therefore read from the copy kept by the last start, or else
// compiled, not installed, by a thread of its own while the program builds
// its window (Qt makes Xlib safe for threads); the switch then only writes
// it to the server, which takes about a millisecond. It serves only the
// configuration it was made from: a learner who changed layout meanwhile
// gets a fresh one.
struct MappaPronta {
    ConfigurazioneXkb configurazione;
    MappaXkb mappa;
};

// Every setting that shapes the keymap; the group only selects within it.
std::string impostazioniMappa(const ConfigurazioneXkb& c) {
    return c.rules + '|' + c.model + '|' + c.layout + '|' + c.variant + '|' + c.options;
}

MappaPronta preparaMappa(Display* dpy, const ConfigurazioneXkb& voluta,
                         const std::string& fileSalvata) {
    const std::string chiave =
        chiaveMappa(dpy, impostazioniMappa(voluta), percorsoRegole(voluta.rules));
    if (MappaXkb salvata = leggiMappa(dpy, fileSalvata, chiave))
        return {voluta, std::move(salvata)};
    MappaXkb compilata = compilaMappa(dpy, voluta, false);
    salvaMappa(fileSalvata, chiave, compilata.get());
    return {voluta, std::move(compilata)};
}

class TastieraX11 final : public KeyboardPlatform {
public:
    TastieraX11(Display* display, bool layout, std::string fileMappaBelga)
        : dpy_(display), layout_(layout), fileMappaBelga_(std::move(fileMappaBelga)) {}

    bool layoutsAvailable() const override { return layout_; }
    std::string activeLayout() const override;
    bool activateLayout(const std::string& nome) override;
    bool capsLockOn() const override;
    void toggleCapsLock() override;
    // Starts compiling the Belgian keymap, when the switch will need one.
    void preparaBelga();

private:
    bool attivaLayout(const std::string& nome, const std::optional<ConfigurazioneXkb>& attuale);
    std::optional<ConfigurazioneXkb> leggiConfigurazione() const;
    // The configuration in force; nothing where layouts are left alone.
    std::optional<ConfigurazioneXkb> configurazioneAttiva() const;
    bool bloccaGruppo(int gruppo);
    bool caricaMappa(ConfigurazioneXkb c);
    bool installaMappa(const ConfigurazioneXkb& c);
    bool scriviMappa(MappaXkb pronta);
    MappaXkb mappaPronta(const ConfigurazioneXkb& c);

    Display* dpy_;
    bool layout_;
    std::string fileMappaBelga_;
    std::future<MappaPronta> preparata_;
};

std::optional<ConfigurazioneXkb> TastieraX11::leggiConfigurazione() const {
    char* fileRegole = nullptr;
    XkbRF_VarDefsRec v{};
    if (!XkbRF_GetNamesProp(dpy_, &fileRegole, &v))
        return std::nullopt;
    ConfigurazioneXkb c{prendi(fileRegole), prendi(v.model),   prendi(v.layout),
                        prendi(v.variant),  prendi(v.options), 0};
    XkbStateRec stato{};
    if (XkbGetState(dpy_, XkbUseCoreKbd, &stato) != Success)
        return std::nullopt;
    c.group = stato.group;
    return c;
}

std::optional<ConfigurazioneXkb> TastieraX11::configurazioneAttiva() const {
    return layout_ ? leggiConfigurazione() : std::nullopt;
}

std::string TastieraX11::activeLayout() const {
    const auto c = configurazioneAttiva();
    return c ? nomeLayout(*c) : std::string();
}

bool TastieraX11::activateLayout(const std::string& nome) {
    const auto attuale = configurazioneAttiva();
    const std::string prima = attuale ? nomeLayout(*attuale) : std::string();
    if (!attivaLayout(nome, attuale))
        return false;
    if (nome != kLayoutBelga) {
        layoutInSospeso().clear();
    } else if (layoutInSospeso().empty() && !prima.empty() && prima != kLayoutBelga) {
        layoutInSospeso() = prima;
        [[maybe_unused]] static const bool registrato = std::atexit(ripristinaAllUscita) == 0;
        XSetIOErrorHandler(connessioneXPersa);
    }
    return true;
}

bool TastieraX11::attivaLayout(const std::string& nome,
                               const std::optional<ConfigurazioneXkb>& attuale) {
    if (!layout_)
        return false;
    std::optional<ConfigurazioneXkb> voluta;
    if (nome == kLayoutBelga) {
        if (!attuale)
            return false;
        if (const auto gruppo = gruppoBelga(*attuale))
            return bloccaGruppo(*gruppo);
        voluta = configurazioneBelga(*attuale);
    } else {
        voluta = leggiDescrizione(nome);
        if (!voluta)
            return false;
    }
    // The same keymap with another group active needs only the group: a
    // learner whose layouts include the Belgian one keeps them all.
    auto stessaMappa = voluta;
    if (attuale)
        stessaMappa->group = attuale->group;
    if (stessaMappa != attuale && !caricaMappa(*voluta))
        return false;
    return bloccaGruppo(voluta->group);
}

bool TastieraX11::bloccaGruppo(int gruppo) {
    const bool ok = XkbLockGroup(dpy_, XkbUseCoreKbd, static_cast<unsigned>(gruppo));
    XSync(dpy_, False);
    return ok;
}

// Loads a keymap the way setxkbmap does: the rules turn the names into
// components, the server compiles and installs them, and the names property
// is updated so that other programs (and we) can read the new layout.
bool TastieraX11::caricaMappa(ConfigurazioneXkb c) {
    if (!installaMappa(c))
        return false;
    XkbRF_VarDefsRec v = variabili(c);
    std::string rules = c.rules.empty() ? std::string(kRegolePredefinite) : c.rules;
    // The group's lock that follows waits for the server.
    XkbRF_SetNamesProp(dpy_, rules.data(), &v);
    return true;
}

// A prepared keymap that cannot be written gives way to a fresh compile.
bool TastieraX11::installaMappa(const ConfigurazioneXkb& c) {
    MappaXkb pronta = mappaPronta(c);
    return (pronta && scriviMappa(std::move(pronta))) || compilaMappa(dpy_, c, true) != nullptr;
}

// What XkbWriteToServer writes, the compatibility map first and without
// updating the keys' actions: the key map that follows takes its actions
// from it. The server then announces one change of keymap instead of two,
// and each made Qt read the whole keymap again before the window's first
// paint.
bool TastieraX11::scriviMappa(MappaXkb pronta) {
    XkbDescPtr m = pronta.get();
    bool scritta = XkbSetCompatMap(dpy_, XkbAllCompatMask, m, False);
    scritta = XkbSetMap(dpy_, XkbAllMapComponentsMask, m) && scritta;
    scritta = XkbSetIndicatorMap(dpy_, ~0U, m) && scritta;
    scritta = XkbSetNames(dpy_, XkbAllNamesMask, 0, m->map->num_types, m) && scritta;
    // The keymap and the compile's buffers lived in the memory pool of the
    // thread that asked for it, which the allocator otherwise keeps.
    pronta.reset();
    malloc_trim(0);
    return scritta;
}

// The keymap compiled in advance, if it is the one `c` needs; it serves once.
MappaXkb TastieraX11::mappaPronta(const ConfigurazioneXkb& c) {
    if (!preparata_.valid())
        return nullptr;
    MappaPronta pronta = preparata_.get();
    return pronta.configurazione == c ? std::move(pronta.mappa) : nullptr;
}

void TastieraX11::preparaBelga() {
    const auto attuale = leggiConfigurazione();
    if (!attuale || gruppoBelga(*attuale))
        return;
    try {
        preparata_ = std::async(std::launch::async, preparaMappa, dpy_,
                                configurazioneBelga(*attuale), fileMappaBelga_);
    } catch (const std::system_error&) {
        // No thread to spare: the switch compiles the keymap itself.
    }
}

bool TastieraX11::capsLockOn() const {
    XkbStateRec stato{};
    return XkbGetState(dpy_, XkbUseCoreKbd, &stato) == Success &&
           (stato.locked_mods & LockMask) != 0;
}

// Locking the modifier rather than faking the key press: the key may be
// mapped to something else (Escape, Control), and a synthetic press would
// then reach the windows as that key.
void TastieraX11::toggleCapsLock() {
    const unsigned nuovo = capsLockOn() ? 0 : LockMask;
    XkbLockModifiers(dpy_, XkbUseCoreKbd, LockMask, nuovo);
    XSync(dpy_, False);
}

void ripristinaAllUscita() {
    const std::string nome = std::exchange(layoutInSospeso(), std::string());
    if (nome.empty())
        return;
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr)
        return;
    TastieraX11(dpy, true, {}).activateLayout(nome);
    XCloseDisplay(dpy);
}

bool xkbPresente(Display* dpy) {
    int opcode = 0;
    int evento = 0;
    int errore = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    return XkbQueryExtension(dpy, &opcode, &evento, &errore, &major, &minor);
}

// An X server inside a Wayland desktop takes its keymap from the compositor
// and keeps default names in its property: what it says of the layout is not
// the learner's, and a layout loaded into it would later be "restored" to
// those defaults.
bool sottoWayland(Display* dpy) {
    int opcode = 0;
    int evento = 0;
    int errore = 0;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (wayland != nullptr && *wayland != '\0') ||
           XQueryExtension(dpy, "XWAYLAND", &opcode, &evento, &errore);
}

} // namespace

std::unique_ptr<KeyboardPlatform> creaTastieraSistema(const std::string& fileMappaBelga) {
    Display* dpy = displayX11();
    if (dpy == nullptr || !xkbPresente(dpy))
        return std::make_unique<TastieraSenzaLayout>();
    const bool layout = !sottoWayland(dpy);
    auto tastiera = std::make_unique<TastieraX11>(dpy, layout, fileMappaBelga);
    if (layout)
        tastiera->preparaBelga();
    return tastiera;
}

} // namespace scrivolta::platform
