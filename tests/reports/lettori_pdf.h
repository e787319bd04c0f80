// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/cartella_temporanea.h"
#include "support/esegui.h"

#include <string>

// The independent PDF readers the tests check the reports with.
namespace scrivolta::prova {

inline Uscita qpdfCheck(const std::string& pdf) {
    return esegui("qpdf --check '" + pdf + "'");
}

// The page's text as poppler lays it out, in UTF-8.
inline std::string testoPdf(const std::string& pdf) {
    return esegui("pdftotext -layout '" + pdf + "' -").testo;
}

} // namespace scrivolta::prova
