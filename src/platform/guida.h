// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dominio.h"
#include "app/servizi.h"

#include <QString>
#include <QUrl>
#include <functional>
#include <string>
#include <string_view>

namespace scrivolta::platform {

// The guide's folder in the program's data folder: one sub-folder of HTML
// pages per language ("Guida/fr", "Guida/en") and their shared style sheet.
inline constexpr const char* kCartellaGuida = "Guida";

// The page of a topic in the guide of `linguaCorrente`,
// as a path relative to the data folder ("Guida/fr/keyboard.html").
QString paginaRelativa(std::string_view linguaCorrente, ArgomentoGuida argomento);

// The contents page of the guide the learner gets in `linguaCorrente`:
// its own language's, or the English one when that language has none.
// Empty when no guide is installed.
QString percorsoGuida(const QString& cartellaDati, std::string_view linguaCorrente);

// Where the guide opens for a topic: its page, or the contents when that
// page is missing; empty when no guide is installed.
QUrl indirizzoGuida(const QString& cartellaDati, std::string_view linguaCorrente,
                    ArgomentoGuida argomento);

using ApriIndirizzo = std::function<bool(const QUrl&)>;

// Hands a web page, a mail link or a file to the desktop's program for it;
// false when the desktop has none.
bool apriNelDesktop(const QUrl& indirizzo);

// `ApriGuida`: shows the guide in the desktop's browser at a topic's page.
// Without a guide, an information box titled "Scrivolta" says `guidaMancante` (the language's text,
// Windows-1252), a blank and the page that was looked for. A browser that
// fails to start is ignored, as the learner can go on without help.
void ApriGuida(MessageBoxes& messaggi, const QString& cartellaDati, std::string_view linguaCorrente,
               ArgomentoGuida argomento, const std::string& guidaMancante,
               const ApriIndirizzo& apri = {});

} // namespace scrivolta::platform
