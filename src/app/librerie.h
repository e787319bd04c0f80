// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dlfcn.h>

namespace scrivolta {

// Fills `funzione` with the function `nome` of a library opened with dlopen;
// false when the library lacks it. Libraries the first screen does not need
// (the sound server's, SQLite) are loaded this way when first used.
template <typename Funzione> bool risolvi(void* libreria, const char* nome, Funzione& funzione) {
    funzione = reinterpret_cast<Funzione>(dlsym(libreria, nome));
    return funzione != nullptr;
}

} // namespace scrivolta
