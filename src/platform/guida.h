#pragma once

#include "app/servizi.h"

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

namespace scrivolta::platform {

inline constexpr const char* kFileGuida = "Scrivolta.html";

// The help file in the program's data folder.
QString percorsoGuida(const QString& cartellaDati);

// The help at its contents (topic 0 or less) or at the anchor of a topic,
// as in "Scrivolta.html#1001".
QUrl indirizzoGuida(const QString& fileGuida, int argomento);

using ApriIndirizzo = std::function<bool(const QUrl&)>;

// `ApriGuida`: shows the help in the desktop's browser. Without the help
// file, an information box titled "Scrivolta" says `guidaMancante` (the
// language's text, Windows-1252), a blank and the file name. A browser that
// fails to start is ignored, as the learner can go on without help.
void ApriGuida(MessageBoxes& messaggi, const QString& cartellaDati, int argomento,
               const std::string& guidaMancante, const ApriIndirizzo& apri = {});

} // namespace scrivolta::platform
