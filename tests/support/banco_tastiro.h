#pragma once

#include "support/servizi_finti.h"
#include "ui/frmtastiro.h"

#include <QString>
#include <string>

namespace scrivolta::prova {

// The main window with scripted services over a portable folder, shown at
// 1024×768 and started: at its greeting, or at the text file of `riga`.
struct BancoTastiro {
    explicit BancoTastiro(const QString& cartella, std::string riga = {},
                          ui::CollegamentiFinestra collegamenti = {})
        : percorsi(Percorsi::portatile(cartella.toStdString() + "/")),
          finestra(mod, s.servizi, percorsi, std::move(collegamenti), std::move(riga)) {
        finestra.resize(1024, 768);
        finestra.show();
        finestra.avvia();
    }
    ModTastiro mod;
    ServiziFinti s;
    Percorsi percorsi;
    ui::FrmTastiro finestra;
};

} // namespace scrivolta::prova
