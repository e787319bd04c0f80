// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdio>
#include <string>

namespace scrivolta::prova {

// What a command printed, its error output included, and its exit status.
struct Uscita {
    int stato = -1;
    std::string testo;
};

inline Uscita esegui(const std::string& comando) {
    Uscita u;
    FILE* pipe = popen((comando + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return u;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        u.testo.append(buffer.data(), n);
    u.stato = pclose(pipe);
    return u;
}

} // namespace scrivolta::prova
