// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// The independent PDF readers the tests check the reports with, and a
// private folder that stands for the desktop's temporary folder.
namespace scrivolta::prova {

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

inline Uscita qpdfCheck(const std::string& pdf) {
    return esegui("qpdf --check '" + pdf + "'");
}

// The page's text as poppler lays it out, in UTF-8.
inline std::string testoPdf(const std::string& pdf) {
    return esegui("pdftotext -layout '" + pdf + "' -").testo;
}

class CartellaProva {
public:
    CartellaProva() {
        std::string modello =
            (std::filesystem::temp_directory_path() / "scrivolta-reports-XXXXXX").string();
        percorso_ = mkdtemp(modello.data());
    }
    ~CartellaProva() {
        std::error_code ignorato;
        std::filesystem::remove_all(percorso_, ignorato);
    }
    CartellaProva(const CartellaProva&) = delete;
    CartellaProva& operator=(const CartellaProva&) = delete;
    // With the separator at the end, as the reports append the file name.
    std::string cartella() const { return percorso_.string() + "/"; }
    const std::filesystem::path& percorso() const { return percorso_; }

private:
    std::filesystem::path percorso_;
};

} // namespace scrivolta::prova
