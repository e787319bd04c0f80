// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "reports/documentopdf.h"

#include <functional>
#include <optional>
#include <string>

namespace scrivolta {

// The file a report is exported to: the learner's name with ".pdf" in the
// temporary folder (`cartella` ends with a separator). Characters a file
// name cannot hold, "/" first, become "_", so that no name leads out of
// the folder; the name is Windows-1252 and the path UTF-8.
std::string percorsoPdf(const std::string& cartella, const std::string& nomeUtente);

// Writes one A4 page in centimetres to `percorso` and hands back the path
// of the finished file. When the file cannot be created the learner reads
// `erroreFile` and nothing is written. `pagina` draws between the fonts
// and the end of the page; a drawing call that fails is skipped and the
// rest of the page still drawn.
std::optional<std::string> scriviPdf(DocumentoPdf& documento, std::string percorso,
                                     const std::string& erroreFile, MessageBoxes& messaggi,
                                     const std::function<void(DocumentoPdf&)>& pagina);

// Removes an exported file when its window closes; a file already gone or
// held by another program is left as it is.
void eliminaPdf(const std::string& percorso);

} // namespace scrivolta
