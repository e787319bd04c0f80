// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "reports/documentopdf.h"
#include "reports/stamparisultati.h"

#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QPushButton;
class QWidget;

namespace scrivolta::ui {

// What the results and report windows take from the desktop: the printer,
// the temporary folder and the viewer of PDF files. Tests put a PDF file in
// place of the printer and record what would be opened.
struct UsciteReport {
    std::function<bool()> stampanteDisponibile;
    using Figure = std::function<QImage(Figura, int)>;
    std::function<std::unique_ptr<SuperficieStampa>(Figure)> nuovaStampante;
    // Opens a file (UTF-8 path) with the desktop's viewer, without waiting.
    std::function<void(const std::string&)> apriFile;
    // The desktop's temporary folder, ending with "/".
    std::function<std::string()> cartellaTemporanea;
};

// Today's date in the desktop's long form ("Saturday, 6 March 2027"),
// Windows-1252.
std::string dataLunga(const Clock& orologio);
// Weekday, day, month and year in the desktop's language, then the time in
// its format after `separatore` (closed by `chiusura`).
std::string dataEOra(const Clock& orologio, const char* separatore, const char* chiusura);

// `ImpostaInPrimoPiano` with False: the window stops staying above the
// others (a viewer it opens must come to the front), without being hidden.
void rilasciaPrimoPiano(QWidget* finestra);

// The button strip along the bottom edge, painted by `DisegnaBarraTitolo`.
QWidget* nuovaBarraPulsanti(QWidget* finestra, const QRect& geometria);
// A button of the strip at its design place, widened about its centre where
// its caption needs more room (a language longer than the design's) and kept
// inside the strip; named for the screen reader by its caption, described by
// its tooltip if it has one, pressed by Enter where it has the focus.
QPushButton* pulsanteBarra(QWidget* barra, const std::string& testo, const QRect& dove,
                           const char* nome, const std::string& suggerimento = {});

// The PDF file a results or report window exported: written under the wait
// cursor by a window that no longer stays above the viewer, opened in the
// viewer, and removed when the window closes.
class PdfEsportato {
public:
    // `scrivi` draws the report on the document and gives the file's path,
    // or none when the file could not be written (the learner was told).
    void esporta(QWidget* finestra, Waiter& attesa, const UsciteReport& uscite,
                 const std::function<std::optional<std::string>(DocumentoPdf&)>& scrivi);
    // When the window closes.
    void elimina() const;

private:
    std::string percorso_;
};

} // namespace scrivolta::ui
