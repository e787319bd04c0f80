// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

// Crossings between the core's Windows-1252 text and program colours and
// what Qt draws.
namespace scrivolta::ui {

QString daCp1252(std::string_view testo);
// The same, with the CR LF line breaks of the program's texts as "\n".
QString righeDaCp1252(std::string_view testo);
// Characters Windows-1252 lacks become "?".
std::string inCp1252(const QString& testo);

inline QColor qColore(Colore c) {
    return QColor(rosso(c), verde(c), blu(c));
}

} // namespace scrivolta::ui
