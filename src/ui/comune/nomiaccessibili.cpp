// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/nomiaccessibili.h"

#include "settings/lingua.h"
#include "ui/comune/conversioni.h"

#include <QWidget>
#include <array>
#include <map>

namespace scrivolta::ui {

namespace {

using namespace nomeAccessibile;

constexpr std::array kNomi = {
    &kEsercizio,     &kFrase,     &kInput,     &kTastiera,         &kTastoSbagliato, &kOrologio,
    &kMessaggio,     &kMenu,      &kSalta,     &kRisultati,        &kModalita,       &kStriscia,
    &kPosizioneMani, &kListaFile, &kCategorie, &kSimboloCategoria, &kInvio,          &kLingue,
    &kSceltaGioco,   &kRecord,    &kEsatte,    &kErrate,           &kTotale,
};

// The names of the language in use, by id; Italian until a language is set.
std::map<std::string_view, QString>& inUso() {
    static std::map<std::string_view, QString> nomi = [] {
        std::map<std::string_view, QString> italiani;
        for (const Nome* n : kNomi)
            italiani[n->id] = QString::fromUtf8(n->italiano);
        return italiani;
    }();
    return nomi;
}

} // namespace

QString nomeAccessibileDi(const Nome& nome) {
    const auto& nomi = inUso();
    const auto trovato = nomi.find(nome.id);
    return trovato != nomi.end() ? trovato->second : QString::fromUtf8(nome.italiano);
}

void impostaNomiAccessibili(const FileLingua& lingua, QWidget* finestra) {
    auto& nomi = inUso();
    const auto prima = nomi;
    for (const Nome* n : kNomi) {
        const std::string testo = lingua.TestoLingua(n->id);
        nomi[n->id] = testo.empty() ? QString::fromUtf8(n->italiano) : daCp1252(testo);
    }
    if (finestra == nullptr)
        return;
    QList<QWidget*> aree = finestra->findChildren<QWidget*>();
    aree.prepend(finestra);
    for (QWidget* area : aree) {
        const QString nome = area->accessibleName();
        if (nome.isEmpty())
            continue;
        for (const auto& [id, vecchio] : prima) {
            if (nome == vecchio) {
                area->setAccessibleName(nomi[id]);
                break;
            }
        }
    }
}

std::vector<std::string_view> idNomiAccessibili() {
    std::vector<std::string_view> ids;
    for (const Nome* n : kNomi)
        ids.push_back(n->id);
    return ids;
}

} // namespace scrivolta::ui
