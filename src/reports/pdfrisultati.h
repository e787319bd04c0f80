// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "reports/classifica.h"
#include "reports/documentopdf.h"

#include <optional>
#include <string>

namespace scrivolta {

// `CreaPDF`: the results as a one-page A4 PDF in the temporary folder
// `cartella`, named after the learner; always three level blocks, the
// levels not reached with zeros. `data` is today's date and time in the
// desktop's words. Gives the path of the file written, or nothing when it
// could not be created (the learner has been told).
std::optional<std::string> CreaPDF(DocumentoPdf& documento, Classifica& classifica,
                                   const std::string& cartella, const std::string& data,
                                   MessageBoxes& messaggi);

} // namespace scrivolta
