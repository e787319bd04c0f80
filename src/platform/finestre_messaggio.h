// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

namespace scrivolta::platform {

// Message boxes modal over their owner window, with buttons in the
// program's language ("OK", "Sì", "No", "Annulla" in the built-in Italian;
// "Oui", "Non", "Annuler" in French...), as the system's own boxes speak the
// learner's language. The first button is the default; Esc and the close box
// answer No or Annulla (OK in a box with OK alone). Texts are shown as plain
// text, never as markup.
class FinestreMessaggio final : public MessageBoxes {
public:
    explicit FinestreMessaggio(QWidget* proprietario = nullptr);

    // The window the boxes stand over; null centres them on the screen.
    void impostaProprietario(QWidget* proprietario);
    // Where the current language's name comes from ("French", "English"...).
    void impostaLingua(std::function<std::string()> lingua) { lingua_ = std::move(lingua); }

    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override;

private:
    QPointer<QWidget> proprietario_;
    std::function<std::string()> lingua_;
};

// A Windows-1252 text with CR LF line breaks as Qt shows it.
QString testoDaCp1252(const std::string& testo);

} // namespace scrivolta::platform
