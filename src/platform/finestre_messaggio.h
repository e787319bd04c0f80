#pragma once

#include "app/servizi.h"

#include <QPointer>
#include <QWidget>

namespace scrivolta::platform {

// Message boxes with the program's Italian buttons ("OK", "Sì", "No",
// "Annulla"), modal over their owner window. The first button is the
// default; Esc and the close box answer No or Annulla (OK in a box with OK
// alone). Texts are shown as plain text, never as markup.
class FinestreMessaggio final : public MessageBoxes {
public:
    explicit FinestreMessaggio(QWidget* proprietario = nullptr);

    // The window the boxes stand over; null centres them on the screen.
    void impostaProprietario(QWidget* proprietario);

    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override;

private:
    QPointer<QWidget> proprietario_;
};

// A Windows-1252 text with CR LF line breaks as Qt shows it.
QString testoDaCp1252(const std::string& testo);

} // namespace scrivolta::platform
