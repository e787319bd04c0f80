// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dominio.h"

#include <array>
#include <string_view>

namespace scrivolta {

struct PaginaGuida {
    ArgomentoGuida argomento;
    std::string_view file;
};

// Page names are the same in every language of the guide.
inline constexpr std::array<PaginaGuida, 13> kPagineGuida{{
    {ArgomentoGuida::Indice, "index.html"},
    {ArgomentoGuida::LayoutTastiera, "keyboard.html"},
    {ArgomentoGuida::Avvio, "start.html"},
    {ArgomentoGuida::Corso, "course.html"},
    {ArgomentoGuida::EserciziEFileDiTesto, "exercises.html"},
    {ArgomentoGuida::Risultati, "results.html"},
    {ArgomentoGuida::GiocoEAllenamento, "game.html"},
    {ArgomentoGuida::Menu, "menu.html"},
    {ArgomentoGuida::Lingue, "languages.html"},
    {ArgomentoGuida::FileEsercizio, "ftd.html"},
    {ArgomentoGuida::Cartelle, "files.html"},
    {ArgomentoGuida::Informazioni, "about.html"},
    {ArgomentoGuida::LettoreSchermo, "screenreader.html"},
}};

// The page of a topic; the contents for a number the guide does not know.
std::string_view paginaGuida(ArgomentoGuida argomento);

// The guide's folder for the program's language ("fr", "en"). The guide is
// written in French and English; every other language reads the English.
std::string_view linguaGuida(std::string_view linguaCorrente);

} // namespace scrivolta
