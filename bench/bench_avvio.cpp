// SPDX-License-Identifier: GPL-3.0-or-later
// bench_avvio PROGRAM [RUNS] [ARGS...]: how long PROGRAM takes from its
// start to its first shown window (a window named "Scrivolta" mapped on
// the X display), and its resident memory 5 s later. Run it under an X
// server without a window manager, e.g. Xvfb. Prints every run and the
// median of each figure. Each run starts from the `us` layout, as a
// learner's desktop would, so the program's switch to `be` is timed too.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

bool finestraDelProgramma(Display* display, Window finestra) {
    char* nome = nullptr;
    if (XFetchName(display, finestra, &nome) == 0 || nome == nullptr)
        return false;
    const bool trovata = std::strncmp(nome, "Scrivolta", 9) == 0;
    XFree(nome);
    return trovata;
}

// Waits for the program's window to be mapped; false after 10 s.
bool attendiFinestra(Display* display) {
    const auto limite = Orologio::now() + std::chrono::seconds(10);
    const int fd = ConnectionNumber(display);
    while (Orologio::now() < limite) {
        while (XPending(display) > 0) {
            XEvent evento;
            XNextEvent(display, &evento);
            if (evento.type == MapNotify && finestraDelProgramma(display, evento.xmap.window))
                return true;
        }
        fd_set pronti;
        FD_ZERO(&pronti);
        FD_SET(fd, &pronti);
        timeval attesa{0, 1000};
        select(fd + 1, &pronti, nullptr, nullptr, &attesa);
    }
    return false;
}

long memoriaResidenteKiB(pid_t pid) {
    std::ifstream stato("/proc/" + std::to_string(pid) + "/status");
    std::string riga;
    while (std::getline(stato, riga)) {
        if (riga.rfind("VmRSS:", 0) == 0)
            return std::stol(riga.substr(6));
    }
    return -1;
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
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    std::vector<double> tempi;
    std::vector<double> memorie;
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
        const bool vista = attendiFinestra(display);
        const double ms =
            std::chrono::duration<double, std::milli>(Orologio::now() - inizio).count();
        std::this_thread::sleep_for(std::chrono::seconds(5));
        const long kib = memoriaResidenteKiB(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        XSync(display, True);
        if (!vista) {
            std::fprintf(stderr, "run %d: no window within 10 s\n", i + 1);
            return 1;
        }
        std::printf("run %d: first window after %.1f ms, %.1f MiB resident 5 s later\n", i + 1, ms,
                    kib / 1024.0);
        tempi.push_back(ms);
        memorie.push_back(kib / 1024.0);
    }
    std::printf("median: %.1f ms to the first window, %.1f MiB resident\n", mediana(tempi),
                mediana(memorie));
    XCloseDisplay(display);
    return 0;
}
