// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/sqlite.h"

namespace scrivolta::storico {

// The layout of the history file. `PRAGMA user_version` holds the version
// a file is at; each step brings a file from one version to the next inside
// one transaction, so that an interrupted upgrade leaves the old version.
inline constexpr int kVersioneSchema = 2;

// SQLite never returns SQLITE_FORMAT (24): it tells a file of a newer program
// from one that cannot be opened, so that the learner is told the right
// reason.
inline constexpr int kCodiceVersioneNuova = 24;

// Brings the file up to `finoA`. A file from a newer program is left alone:
// throws sql::Errore with kCodiceVersioneNuova rather than write into a
// layout this program does not know.
void migra(sql::Database& db, int finoA = kVersioneSchema);

} // namespace scrivolta::storico
