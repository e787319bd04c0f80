// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/codicitasti.h"

#include "app/cp1252.h"
#include "engine/esercizio.h"
#include "keyboard/maiuscole.h"

#include <QKeyEvent>

namespace scrivolta::ui {

int codiceVirtuale(int tastoQt) {
    switch (tastoQt) {
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Pause:
        return codiceTasto::VkPausa;
    case Qt::Key_CapsLock:
        return codiceTasto::VkBloccaMaiuscole;
    case Qt::Key_Escape:
        return codiceTasto::VkEsc;
    case Qt::Key_F1:
        return codiceTasto::VkF1;
    case Qt::Key_F4:
        return codiceTasto::VkF4;
    default:
        return 0;
    }
}

std::vector<int> codiciTesto(const QString& testo) {
    std::vector<int> codici;
    for (const char32_t c : testo.toUcs4()) {
        const auto codice = cp1252::fromUnicode(c);
        codici.push_back(codice ? static_cast<int>(*codice) : codiceTasto::SenzaCodice);
    }
    return codici;
}

// Alt types nothing, as in a text box of the desktop: Alt with a key is a
// command, and Alt Gr, which types the Belgian layout's third characters, is
// another key.
std::vector<int> codiciCarattere(const QKeyEvent& event) {
    if (event.modifiers().testFlag(Qt::AltModifier))
        return {};
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {codiceTasto::Invio};
    case Qt::Key_Backspace:
        return {codiceTasto::Backspace};
    case Qt::Key_Escape:
        return {codiceTasto::Esc};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {9};
    default:
        return codiciTesto(event.text());
    }
}

void osservaMaiuscole(MaiuscoleDedotte& maiuscole, const QKeyEvent& event) {
    if (event.key() == Qt::Key_CapsLock) {
        if (!event.isAutoRepeat())
            maiuscole.tastoBloccaMaiuscole();
        return;
    }
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    for (const int codice : codiciCarattere(event)) {
        if (codice > 0 && codice < 256)
            maiuscole.carattere(static_cast<unsigned char>(codice), shift);
    }
}

} // namespace scrivolta::ui
