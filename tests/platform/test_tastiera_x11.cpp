// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/avvio.h"
#include "platform/tastiera_sistema.h"
#include "platform/xkb_nomi.h"
#include "server_x.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <memory>

using namespace scrivolta;
using namespace scrivolta::platform;

namespace {

// The key in the place of A on a US keyboard: Q on the Belgian one.
constexpr unsigned kTastoAC01 = 38;

QString eseguiXkb(const QStringList& argomenti) {
    QProcess p;
    p.start(QStringLiteral("setxkbmap"), argomenti);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What setxkbmap says of one setting, as an outside witness of our switches.
QString impostazione(const QString& nome) {
    for (const auto& riga : eseguiXkb({QStringLiteral("-query")}).split(QLatin1Char('\n')))
        if (riga.startsWith(nome + QLatin1Char(':')))
            return riga.mid(nome.size() + 1).trimmed();
    return {};
}

// What the keymap compiler leaves out when it reads a keymap back: each
// key's actions, those the server took from the compatibility map too, its
// explicit components and its virtual modifiers.
QString azioniInUso(const QString& display) {
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (dpy == nullptr)
        return QStringLiteral("(no display)");
    XkbDescPtr m = XkbGetMap(dpy, XkbAllMapComponentsMask, XkbUseCoreKbd);
    QString testo = m == nullptr ? QStringLiteral("(no keymap)") : QString();
    for (int k = m != nullptr ? m->min_key_code : 1; m != nullptr && k <= m->max_key_code; ++k) {
        testo += QStringLiteral("%1 %2 %3:")
                     .arg(k)
                     .arg(m->server->c_explicit[k])
                     .arg(m->server->vmodmap[k]);
        for (int i = 0; XkbKeyHasActions(m, k) && i < XkbKeyNumActions(m, k); ++i) {
            const XkbAction& azione = XkbKeyActionsPtr(m, k)[i];
            testo += QString::fromLatin1(
                QByteArray(reinterpret_cast<const char*>(&azione), sizeof azione).toHex() + ' ');
        }
        testo += QLatin1Char('\n');
    }
    XkbFreeKeyboard(m, 0, True);
    XCloseDisplay(dpy);
    return testo;
}

// The whole keymap in force, as the keymap compiler reads it back, and the
// keys' actions.
QString mappaInUso(const QString& display) {
    QProcess p;
    p.start(QStringLiteral("xkbcomp"), {QStringLiteral("-xkb"), display, QStringLiteral("-")});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()) + azioniInUso(display);
}

// Caps Lock as a separate client of the server sees it.
bool capsLockVistoDaFuori(const QString& display) {
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (dpy == nullptr)
        return false;
    XkbStateRec stato{};
    XkbGetState(dpy, XkbUseCoreKbd, &stato);
    XCloseDisplay(dpy);
    return (stato.locked_mods & LockMask) != 0;
}

} // namespace

class TestTastieraX11 : public QObject {
    Q_OBJECT
public:
    explicit TestTastieraX11(const ServerX& server) : server_(server) {}

private slots:
    void initTestCase() {
        if (!server_.avviato())
            QSKIP("Xvfb is not available");
        if (QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
            QSKIP("setxkbmap is not available");
        tastiera_ = creaTastieraSistema({});
        QVERIFY(tastiera_->layoutsAvailable());
    }

    void init() {
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("us"), QStringLiteral("-option"),
                   QString()});
    }

    void switchesToBelgianAndBackToUs() {
        const std::string precedente = tastiera_->activeLayout();
        QVERIFY(precedente != kLayoutBelga);
        QCOMPARE(leggiDescrizione(precedente)->layout, std::string("us"));

        QVERIFY(tastiera_->activateLayout(kLayoutBelga));
        QCOMPARE(tastiera_->activeLayout(), std::string(kLayoutBelga));
        QCOMPARE(impostazione(QStringLiteral("layout")), QStringLiteral("be"));

        QVERIFY(tastiera_->activateLayout(precedente));
        QCOMPARE(tastiera_->activeLayout(), precedente);
        QCOMPARE(impostazione(QStringLiteral("layout")), QStringLiteral("us"));
    }

    void optionsSurviveTheRoundTrip() {
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("us"), QStringLiteral("-option"),
                   QStringLiteral("ctrl:nocaps")});
        const std::string precedente = tastiera_->activeLayout();
        QVERIFY(tastiera_->activateLayout(kLayoutBelga));
        QCOMPARE(impostazione(QStringLiteral("options")), QStringLiteral("ctrl:nocaps"));
        QVERIFY(tastiera_->activateLayout(precedente));
        QCOMPARE(impostazione(QStringLiteral("layout")), QStringLiteral("us"));
        QCOMPARE(impostazione(QStringLiteral("options")), QStringLiteral("ctrl:nocaps"));
    }

    void aLoadedBelgianGroupIsOnlySelected() {
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("us,be")});
        const std::string precedente = tastiera_->activeLayout();
        QCOMPARE(leggiDescrizione(precedente)->group, 0);

        QVERIFY(tastiera_->activateLayout(kLayoutBelga));
        QCOMPARE(tastiera_->activeLayout(), std::string(kLayoutBelga));
        QCOMPARE(impostazione(QStringLiteral("layout")), QStringLiteral("us,be"));

        QVERIFY(tastiera_->activateLayout(precedente));
        QCOMPARE(tastiera_->activeLayout(), precedente);
    }

    void aBelgianVariantIsReplacedAndGivenBack() {
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("be"), QStringLiteral("-variant"),
                   QStringLiteral("oss")});
        const std::string precedente = tastiera_->activeLayout();
        QVERIFY(precedente != kLayoutBelga);
        QVERIFY(tastiera_->activateLayout(kLayoutBelga));
        QCOMPARE(impostazione(QStringLiteral("variant")), QString());
        QVERIFY(tastiera_->activateLayout(precedente));
        QCOMPARE(impostazione(QStringLiteral("variant")), QStringLiteral("oss"));
    }

    // A keyboard compiles the Belgian keymap as soon as it is made and only
    // writes it at the switch: what is then in force must be exactly what
    // setxkbmap would have loaded, and keys must follow it.
    void aFreshKeyboardSwitchesToTheKeymapSetxkbmapWouldLoad() {
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("be")});
        const QString attesa = mappaInUso(server_.display());
        QVERIFY(attesa.contains(QStringLiteral("xkb_symbols")));
        init();
        const auto tastiera = creaTastieraSistema({});
        QVERIFY(tastiera->activateLayout(kLayoutBelga));
        QCOMPARE(impostazione(QStringLiteral("layout")), QStringLiteral("be"));
        QCOMPARE(mappaInUso(server_.display()), attesa);
        QCOMPARE(caratteriDelTastoAC01(), QStringLiteral("q"));
    }

    // The keymap compiled at one start is kept for the next, which writes it
    // as it is, without a compile: the file stays as it was written and the
    // keymap in force is still exactly setxkbmap's.
    void theKeymapKeptByOneStartServesTheNext() {
        const QString attesa = mappaBelgaDiSetxkbmap();
        const QTemporaryDir cartella;
        const std::string file = QFile::encodeName(cartella.filePath("belga.xkm")).toStdString();
        QVERIFY(creaTastieraSistema(file)->activateLayout(kLayoutBelga));
        QVERIFY(QFileInfo(QString::fromStdString(file)).size() > 0);
        for (int avvio = 0; avvio < 2; ++avvio)
            QVERIFY(unAvvioLaUsaComE(file, attesa));
        QCOMPARE(caratteriDelTastoAC01(), QStringLiteral("q"));
    }

    // A kept keymap that is damaged, cut short, made for other settings or
    // not a file at all is compiled again, and the good one replaces it.
    void aDamagedOrForeignKeptKeymapIsCompiledAgain() {
        const QString attesa = mappaBelgaDiSetxkbmap();
        const QTemporaryDir cartella;
        const QString percorso = cartella.filePath("belga.xkm");
        const std::string file = QFile::encodeName(percorso).toStdString();
        QVERIFY(creaTastieraSistema(file)->activateLayout(kLayoutBelga));
        QFile buona(percorso);
        QVERIFY(buona.open(QIODevice::ReadOnly));
        const QByteArray originale = buona.readAll();
        buona.close();
        QByteArray capovolta = originale;
        capovolta[capovolta.size() - 100] = static_cast<char>(~capovolta[capovolta.size() - 100]);
        QByteArray altraChiave = originale;
        altraChiave.replace("|be|", "|fr|");
        const QList<QByteArray> guaste{originale.left(originale.size() / 2), capovolta, altraChiave,
                                       QByteArray(5000, '\xff'), QByteArray()};
        for (const QByteArray& guasta : guaste) {
            QFile::remove(percorso);
            QFile scritta(percorso);
            QVERIFY(scritta.open(QIODevice::WriteOnly));
            scritta.write(guasta);
            scritta.close();
            init();
            QVERIFY(creaTastieraSistema(file)->activateLayout(kLayoutBelga));
            QCOMPARE(mappaInUso(server_.display()), attesa);
            QFile riscritta(percorso);
            QVERIFY(riscritta.open(QIODevice::ReadOnly));
            QVERIFY(riscritta.readAll() != guasta);
            QCOMPARE(riscritta.size(), originale.size());
            QVERIFY(unAvvioLaUsaComE(file, attesa));
        }
        QFile::remove(percorso);
        QVERIFY(QDir().mkpath(percorso));
        init();
        QVERIFY(creaTastieraSistema(file)->activateLayout(kLayoutBelga));
        QCOMPARE(mappaInUso(server_.display()), attesa);
    }

    // The learner changing layout between the program's start and its
    // switch: the keymap compiled at the start no longer fits.
    void aKeymapCompiledBeforeTheLearnerChangedLayoutIsNotUsed() {
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("be"), QStringLiteral("-option"),
                   QStringLiteral("ctrl:nocaps")});
        const QString attesa = mappaInUso(server_.display());
        init();
        const auto tastiera = creaTastieraSistema({});
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("us"), QStringLiteral("-option"),
                   QStringLiteral("ctrl:nocaps")});
        const std::string precedente = tastiera->activeLayout();
        QVERIFY(tastiera->activateLayout(kLayoutBelga));
        QCOMPARE(mappaInUso(server_.display()), attesa);
        QVERIFY(tastiera->activateLayout(precedente));
        QCOMPARE(impostazione(QStringLiteral("options")), QStringLiteral("ctrl:nocaps"));
    }

    void unknownNamesChangeNothing() {
        const std::string precedente = tastiera_->activeLayout();
        QVERIFY(!tastiera_->activateLayout("00000409"));
        QVERIFY(!tastiera_->activateLayout(""));
        QVERIFY(!tastiera_->activateLayout("evdev|pc105|nessuna_tastiera|||0"));
        QCOMPARE(tastiera_->activeLayout(), precedente);
    }

    void typedKeysFollowTheNewLayout() {
        QCOMPARE(caratteriDelTastoAC01(), QStringLiteral("a"));
        QVERIFY(tastiera_->activateLayout(kLayoutBelga));
        QCOMPARE(caratteriDelTastoAC01(), QStringLiteral("q"));
    }

    void insideAWaylandDesktopLayoutsAreLeftAlone() {
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        const auto tastiera = creaTastieraSistema({});
        qunsetenv("WAYLAND_DISPLAY");
        QVERIFY(!tastiera->layoutsAvailable());
        QVERIFY(!tastiera->activateLayout(kLayoutBelga));
        QCOMPARE(impostazione(QStringLiteral("layout")), QStringLiteral("us"));
    }

    void capsLockTogglesBothWays() {
        QVERIFY(!tastiera_->capsLockOn());
        tastiera_->toggleCapsLock();
        QVERIFY(tastiera_->capsLockOn());
        QVERIFY(capsLockVistoDaFuori(server_.display()));
        tastiera_->toggleCapsLock();
        QVERIFY(!tastiera_->capsLockOn());
        QVERIFY(!capsLockVistoDaFuori(server_.display()));
    }

    void translucencyNeedsACompositor() {
        QVERIFY(!FinestreTraslucide());
        Display* dpy = XOpenDisplay(server_.display().toLatin1().constData());
        const Window finestra =
            XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(dpy, XInternAtom(dpy, "_NET_WM_CM_S0", False), finestra, CurrentTime);
        XSync(dpy, False);
        QVERIFY(FinestreTraslucide());
        XCloseDisplay(dpy);
        QVERIFY(!FinestreTraslucide());
    }

    void cleanupTestCase() {
        if (tastiera_ && tastiera_->capsLockOn())
            tastiera_->toggleCapsLock();
    }

private:
    // A start from the US layout finds the keymap kept in `file`, switches to
    // it without compiling or writing the file again, and leaves `attesa` in
    // force. The file's bytes are not compared: the XKM writer leaves
    // padding it never sets.
    bool unAvvioLaUsaComE(const std::string& file, const QString& attesa) {
        const QString percorso = QString::fromStdString(file);
        const QDateTime scritta = QFileInfo(percorso).lastModified();
        init();
        return creaTastieraSistema(file)->activateLayout(kLayoutBelga) &&
               mappaInUso(server_.display()) == attesa &&
               QFileInfo(percorso).lastModified() == scritta;
    }

    // The whole Belgian keymap as setxkbmap loads it, the switches' witness.
    QString mappaBelgaDiSetxkbmap() {
        eseguiXkb({QStringLiteral("-layout"), QStringLiteral("be")});
        const QString mappa = mappaInUso(server_.display());
        init();
        return mappa;
    }

    // What a press of the key beside Caps Lock types into a window.
    QString caratteriDelTastoAC01() {
        QLineEdit campo;
        campo.show();
        campo.activateWindow();
        campo.setFocus();
        if (!QTest::qWaitForWindowActive(&campo))
            return QStringLiteral("(no active window)");
        Display* dpy = XOpenDisplay(server_.display().toLatin1().constData());
        XTestFakeKeyEvent(dpy, kTastoAC01, True, 0);
        XTestFakeKeyEvent(dpy, kTastoAC01, False, 0);
        XCloseDisplay(dpy);
        if (!QTest::qWaitFor([&campo] { return !campo.text().isEmpty(); }))
            return QStringLiteral("(nothing typed)");
        return campo.text();
    }

    const ServerX& server_;
    std::unique_ptr<KeyboardPlatform> tastiera_;
};

int main(int argc, char** argv) {
    const ServerX server;
    if (server.avviato()) {
        qputenv("DISPLAY", server.display().toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    TestTastieraX11 test(server);
    return QTest::qExec(&test, argc, argv);
}

#include "test_tastiera_x11.moc"
