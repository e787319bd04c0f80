// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ridimensiona.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace scrivolta::ui {

// `ClsResize`: scales every control of a window laid out for 800 x 600 so
// that it uses a larger screen. The design geometry is recorded once and
// every scaling starts from it, so repeating one changes nothing. The window
// itself keeps its size.
//
// A control marked with the property kImmagine is a picture (it moves but
// keeps its size); a horizontal or vertical QFrame is a line. Widgets that a
// layout or their own parent places are left to them, except for a font of
// their own, which grows with the others.
class ClsResize final {
public:
    static constexpr const char* kImmagine = "scrivoltaImmagine";

    QWidget* SourceForm() const { return sourceForm_; }
    void impostaSourceForm(QWidget* finestra);

    void SizeFormToScreen();
    // The first call only records the design geometry.
    void ResizeControls();

private:
    struct Controllo {
        QPointer<QWidget> controllo;
        ridimensiona::TipoControllo tipo = ridimensiona::TipoControllo::Altro;
        ridimensiona::Geometria progetto;
        bool fontInPixel = false;
        // Placed by a layout: only its own font grows.
        bool soloFont = false;
    };

    void registra();
    static Controllo leggi(QWidget* w);
    static void scrivi(const Controllo& c);

    QPointer<QWidget> sourceForm_;
    bool primaVolta_ = true;
    std::vector<Controllo> controlli_;
};

// The controls ClsResize works on, in a stable order: parents before their
// children, siblings in creation order.
std::vector<QWidget*> controlliDi(QWidget* finestra);

} // namespace scrivolta::ui
