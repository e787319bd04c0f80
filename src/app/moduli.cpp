// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/moduli.h"

#include "app/installazione.h"

#include <dlfcn.h>

namespace scrivolta {

void* ingressoModulo(const std::string& cartellaProgramma, const std::string& nome,
                     const char* simbolo) {
    for (const std::string& cartella : {std::string("."), std::string(kModuliInstallati)}) {
        const std::string file = cartellaProgramma + "/" + cartella + "/" + nome + ".so";
        if (void* modulo = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            if (void* ingresso = dlsym(modulo, simbolo))
                return ingresso;
            dlclose(modulo);
        }
    }
    return nullptr;
}

} // namespace scrivolta
