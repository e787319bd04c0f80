// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cp1252.h"
#include "support/servizi_finti.h"
#include "ui/principale/frmtastiro.h"

#include <QString>
#include <QTest>
#include <chrono>
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

// Types text into `input` one key event per character, each 300 ms on
// `orologio`: CR is Enter, BS is Backspace, LF is not typed.
inline void digita(QWidget* input, OrologioFinto& orologio, const std::string& cp1252) {
    for (const char c : cp1252) {
        orologio.avanza(std::chrono::milliseconds(300));
        if (c == '\n')
            continue;
        if (c == '\r' || c == '\b') {
            QTest::keyClick(input, c == '\r' ? Qt::Key_Return : Qt::Key_Backspace);
            continue;
        }
        QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown,
                            QString::fromStdString(cp1252::toUtf8(std::string(1, c))),
                            Qt::NoModifier);
    }
}

} // namespace scrivolta::prova
