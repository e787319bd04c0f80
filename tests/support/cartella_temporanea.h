// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace scrivolta::prova {

// A fresh folder for one test, removed with everything in it afterwards.
class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::string modello =
            (std::filesystem::temp_directory_path() / "scrivolta-XXXXXX").string();
        percorso_ = ::mkdtemp(modello.data());
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(percorso_, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    std::string percorso() const { return percorso_.string(); }
    // With the separator at the end, as the reports append a file name.
    std::string cartella() const { return percorso_.string() + "/"; }
    std::string file(const std::string& nome) const { return (percorso_ / nome).string(); }

private:
    std::filesystem::path percorso_;
};

inline void scrivi(const std::string& percorso, const std::string& contenuto) {
    std::filesystem::create_directories(std::filesystem::path(percorso).parent_path());
    std::ofstream(percorso, std::ios::binary) << contenuto;
}

inline std::string leggi(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace scrivolta::prova
