// SPDX-License-Identifier: GPL-3.0-or-later
// bench_avvio PROGRAM [RUNS] [ARGS...]: how long PROGRAM takes from its
// start to its first shown window (a window named "Scrivolta" mapped on
// the X display) and to the first drawing into it (what the learner first
// sees: a window mapped before its fonts are loaded shows nothing yet), the
// processor it used until then, and its resident memory 5 s later. Run it under an X
// server without a window manager, e.g. Xvfb. Prints every run and the
// median of each figure. Each run starts from the `us` layout, as a
// learner's desktop would, so the program's switch to `be` is timed too.
// BENCH_TITOLO names another program's window (default "Scrivolta"); the
// proportional memory (PSS, shared pages split among their users) is
// printed beside the resident one.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

std::string titoloCercato() {
    const char* titolo = std::getenv("BENCH_TITOLO");
    return titolo != nullptr && *titolo != '\0' ? titolo : "Scrivolta";
}

// The window's name as a window manager shows it: the UTF-8 one when it is
// set, as some programs leave the older WM_NAME empty.
std::string nomeFinestra(Display* display, Window finestra) {
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom nomeNet = XInternAtom(display, "_NET_WM_NAME", False);
    Atom tipo = None;
    int formato = 0;
    unsigned long quanti = 0;
    unsigned long restanti = 0;
    unsigned char* dati = nullptr;
    std::string nome;
    if (XGetWindowProperty(display, finestra, nomeNet, 0, 256, False, utf8, &tipo, &formato,
                           &quanti, &restanti, &dati) == Success &&
        dati != nullptr && tipo == utf8 && formato == 8)
        nome.assign(reinterpret_cast<const char*>(dati), quanti);
    if (dati != nullptr)
        XFree(dati);
    char* vecchio = nullptr;
    if (nome.empty() && XFetchName(display, finestra, &vecchio) != 0 && vecchio != nullptr) {
        nome = vecchio;
        XFree(vecchio);
    }
    return nome;
}

bool finestraDelProgramma(Display* display, Window finestra) {
    return nomeFinestra(display, finestra).rfind(titoloCercato(), 0) == 0;
}

// Processor time of the program's threads, in milliseconds: on a loaded
// machine the wall-clock start stretches, this does not. A thread that has
// ended leaves /proc with its time, so every thread's last reading is kept:
// the start's helper threads (the keymap, the fonts) live a few
// milliseconds, and the readings come every millisecond while the window is
// awaited.
class ProcessoreFili {
public:
    void osserva(pid_t pid) {
        std::error_code errore;
        const std::string cartella = "/proc/" + std::to_string(pid) + "/task";
        for (const auto& filo : std::filesystem::directory_iterator(cartella, errore)) {
            std::ifstream stat(filo.path() / "schedstat");
            double valore = 0;
            if (stat >> valore)
                ns_[filo.path().filename().string()] = valore;
        }
    }
    double ms() const {
        double ns = 0;
        for (const auto& [filo, valore] : ns_)
            ns += valore;
        return ns / 1e6;
    }

private:
    std::map<std::string, double> ns_;
};

struct Comparsa {
    std::optional<Orologio::time_point> mappata;
    std::optional<Orologio::time_point> dipinta;
};

// Every new top-level window reports the first drawing into it: created at
// the window's creation, long before it is mapped, the report cannot miss
// the program's first paint.
void osservaDisegni(Display* display, Window finestra) {
    XDamageCreate(display, finestra, XDamageReportNonEmpty);
}

// Waits for the program's window to be mapped, then for the first drawing
// into it (what the learner first sees); either may be missing after 10 s.
Comparsa attendiFinestra(Display* display, int eventoDanno, pid_t pid, ProcessoreFili& processore) {
    Comparsa comparsa;
    std::optional<Window> nostra;
    const auto limite = Orologio::now() + std::chrono::seconds(10);
    const int fd = ConnectionNumber(display);
    while (!comparsa.dipinta && Orologio::now() < limite) {
        while (XPending(display) > 0) {
            XEvent evento;
            XNextEvent(display, &evento);
            if (evento.type == CreateNotify) {
                osservaDisegni(display, evento.xcreatewindow.window);
            } else if (evento.type == MapNotify && !nostra &&
                       finestraDelProgramma(display, evento.xmap.window)) {
                nostra = evento.xmap.window;
                comparsa.mappata = Orologio::now();
            } else if (evento.type == eventoDanno + XDamageNotify) {
                const auto& danno = reinterpret_cast<const XDamageNotifyEvent&>(evento);
                if (nostra && danno.drawable == *nostra && !comparsa.dipinta)
                    comparsa.dipinta = Orologio::now();
            }
        }
        processore.osserva(pid);
        fd_set pronti;
        FD_ZERO(&pronti);
        FD_SET(fd, &pronti);
        timeval attesa{0, 1000};
        select(fd + 1, &pronti, nullptr, nullptr, &attesa);
    }
    return comparsa;
}

// A "Name: value kB" line of a /proc file.
long valoreKiB(const std::string& file, const std::string& nome) {
    std::ifstream stato(file);
    std::string riga;
    while (std::getline(stato, riga)) {
        if (riga.rfind(nome, 0) == 0)
            return std::stol(riga.substr(nome.size()));
    }
    return -1;
}

long memoriaResidenteKiB(pid_t pid) {
    return valoreKiB("/proc/" + std::to_string(pid) + "/status", "VmRSS:");
}

long memoriaProporzionaleKiB(pid_t pid) {
    return valoreKiB("/proc/" + std::to_string(pid) + "/smaps_rollup", "Pss:");
}

// setxkbmap rather than our own XKB code: the benchmark must not share the
// program's way of loading a keymap.
void ripristinaUs() {
    const pid_t pid = fork();
    if (pid == 0) {
        execlp("setxkbmap", "setxkbmap", "-layout", "us", static_cast<char*>(nullptr));
        _exit(127);
    }
    int stato = 0;
    waitpid(pid, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        std::fprintf(stderr, "setxkbmap -layout us failed: the switch to be is not timed\n");
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS] [ARGS...]\n", argv[0]);
        return 2;
    }
    const int prove = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    int eventoDanno = 0;
    int erroreDanno = 0;
    if (!XDamageQueryExtension(display, &eventoDanno, &erroreDanno)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    std::vector<double> tempi;
    std::vector<double> dipinte;
    std::vector<double> memorie;
    std::vector<double> proporzionali;
    for (int i = 0; i < prove; ++i) {
        ripristinaUs();
        XSync(display, True);
        const auto inizio = Orologio::now();
        const pid_t pid = fork();
        if (pid == 0) {
            std::vector<char*> argomenti{argv[1]};
            for (int a = 3; a < argc; ++a)
                argomenti.push_back(argv[a]);
            argomenti.push_back(nullptr);
            execv(argv[1], argomenti.data());
            _exit(127);
        }
        ProcessoreFili fili;
        const Comparsa comparsa = attendiFinestra(display, eventoDanno, pid, fili);
        fili.osserva(pid);
        const double processore = fili.ms();
        std::this_thread::sleep_for(std::chrono::seconds(5));
        const long kib = memoriaResidenteKiB(pid);
        const long pss = memoriaProporzionaleKiB(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        XSync(display, True);
        if (!comparsa.dipinta) {
            std::fprintf(stderr, "run %d: no window %s within 10 s\n", i + 1,
                         comparsa.mappata ? "painted" : "shown");
            return 1;
        }
        const auto ms = [inizio](Orologio::time_point t) {
            return std::chrono::duration<double, std::milli>(t - inizio).count();
        };
        std::printf("run %d: first window after %.1f ms, painted after %.1f ms, %.1f ms of "
                    "processor, %.1f MiB resident, %.1f MiB PSS 5 s later\n",
                    i + 1, ms(*comparsa.mappata), ms(*comparsa.dipinta), processore, kib / 1024.0,
                    pss / 1024.0);
        tempi.push_back(ms(*comparsa.mappata));
        dipinte.push_back(ms(*comparsa.dipinta));
        memorie.push_back(kib / 1024.0);
        proporzionali.push_back(pss / 1024.0);
    }
    std::printf("median: %.1f ms to the first window, %.1f ms to its first paint, %.1f MiB "
                "resident, %.1f MiB PSS\n",
                mediana(tempi), mediana(dipinte), mediana(memorie), mediana(proporzionali));
    XCloseDisplay(display);
    return 0;
}
