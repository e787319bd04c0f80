// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "settings/percorsi.h"
#include "settings/testi.h"

#include <string>
#include <string_view>

namespace scrivolta {

// `LeggiSegnalibro`: the last finished course exercise of the learner, ""
// when there is none or the learner has no name.
std::string LeggiSegnalibro(const Percorsi& percorsi, const std::string& userName);

enum class EsitoSegnalibro { Nessuno, Salvato, Cancellato, Invariato, NonScritto };

// `SalvaSegnalibro`, after the learner finished the course exercise
// `exerciseFile`. The last exercise of the list closes the course: the
// bookmark goes without a question. Otherwise the learner chooses with
// messages 17-22 (Yes keeps the exercise's name, No forgets the bookmark,
// Cancel changes nothing). Without a user name nothing happens.
EsitoSegnalibro SalvaSegnalibro(const Percorsi& percorsi, MessageBoxes& messaggi,
                                const TestiPrincipali& testi, const std::string& userName,
                                const std::string& exerciseFile, bool ultimoDellaLista);

// `NomeSenzaEstensione`: `testo::NomeFile` up to its first "."; "" for a path
// without "/" or "\".
std::string NomeSenzaEstensione(std::string_view percorso);

} // namespace scrivolta
