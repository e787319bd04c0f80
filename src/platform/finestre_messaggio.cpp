// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/finestre_messaggio.h"

#include "app/cp1252.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

namespace scrivolta::platform {

namespace {

// Qt never makes a message box wider than the screen up to 1024 pixels, or
// than the screen less 480 and at most 1000 pixels beyond: a text wider than
// that, less the icon and the margins, would be cut rather than wrapped.
constexpr int kSchermoPiccolo = 1024;
constexpr int kMarginiSchermoGrande = 480;
constexpr int kMassimoSchermoGrande = 1000;
constexpr int kIconaEMargini = 150;

int larghezzaMassimaTesto(int schermo) {
    const int box = schermo <= kSchermoPiccolo
                        ? schermo
                        : std::min(schermo - kMarginiSchermoGrande, kMassimoSchermoGrande);
    return box - kIconaEMargini;
}

struct Voce {
    QMessageBox::ButtonRole ruolo;
    Risposta risposta;
};

constexpr Voce kOk[] = {{QMessageBox::AcceptRole, Risposta::Ok}};
constexpr Voce kSiNo[] = {{QMessageBox::YesRole, Risposta::Si},
                          {QMessageBox::NoRole, Risposta::No}};
constexpr Voce kSiNoAnnulla[] = {{QMessageBox::YesRole, Risposta::Si},
                                 {QMessageBox::NoRole, Risposta::No},
                                 {QMessageBox::RejectRole, Risposta::Annulla}};

// Button captions in the order of the answers: OK, yes, no, cancel.
static_assert(static_cast<int>(Risposta::Ok) == 0 && static_cast<int>(Risposta::Annulla) == 3);
struct Didascalie {
    const char* lingua;
    std::array<const char*, 4> testi;
};

constexpr std::array<Didascalie, 5> kDidascalie = {{
    {"Italian", {"OK", "Sì", "No", "Annulla"}},
    {"French", {"OK", "Oui", "Non", "Annuler"}},
    {"English", {"OK", "Yes", "No", "Cancel"}},
    {"German", {"OK", "Ja", "Nein", "Abbrechen"}},
    {"Spanish", {"Aceptar", "Sí", "No", "Cancelar"}},
}};

// The built-in Italian for a language without its own captions.
const Didascalie& didascalieDi(const std::string& lingua) {
    const QString nome = QString::fromStdString(lingua);
    for (const Didascalie& d : kDidascalie) {
        if (nome.compare(QLatin1String(d.lingua), Qt::CaseInsensitive) == 0)
            return d;
    }
    return kDidascalie.front();
}

std::span<const Voce> vociDi(Pulsanti pulsanti) {
    switch (pulsanti) {
    case Pulsanti::SiNo:
        return kSiNo;
    case Pulsanti::SiNoAnnulla:
        return kSiNoAnnulla;
    case Pulsanti::Ok:
        break;
    }
    return kOk;
}

QMessageBox::Icon iconaQt(Icona icona) {
    switch (icona) {
    case Icona::Domanda:
        return QMessageBox::Question;
    case Icona::Informazione:
        return QMessageBox::Information;
    case Icona::Avviso:
        return QMessageBox::Warning;
    case Icona::Errore:
        return QMessageBox::Critical;
    case Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

// Qt wraps a box's text at about 500 pixels, breaking the program's own
// lines again ("avec le / cours de / dactylographie"). The text is made as
// wide as its longest line, so that each line stays whole; only a line
// wider than Qt lets a box grow still wraps.
void righeIntere(QMessageBox& box) {
    auto* etichetta = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (etichetta == nullptr)
        return;
    const QFontMetrics metriche(etichetta->font());
    int larghezza = 0;
    for (const QString& riga : box.text().split(QLatin1Char('\n')))
        larghezza = std::max(larghezza, metriche.horizontalAdvance(riga));
    const QScreen* schermo = box.screen();
    if (schermo != nullptr)
        larghezza =
            std::min(larghezza, larghezzaMassimaTesto(schermo->availableGeometry().width()));
    etichetta->setMinimumWidth(larghezza + 2 * etichetta->margin());
}

} // namespace

QString testoDaCp1252(const std::string& testo) {
    QString out = QString::fromStdString(cp1252::toUtf8(testo));
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

FinestreMessaggio::FinestreMessaggio(QWidget* proprietario) : proprietario_(proprietario) {}

void FinestreMessaggio::impostaProprietario(QWidget* proprietario) {
    proprietario_ = proprietario;
}

Risposta FinestreMessaggio::mostra(const std::string& testo, const std::string& titolo, Icona icona,
                                   Pulsanti pulsanti) {
    QMessageBox box(iconaQt(icona), testoDaCp1252(titolo), testoDaCp1252(testo),
                    QMessageBox::NoButton, proprietario_.data());
    box.setTextFormat(Qt::PlainText);
    righeIntere(box);
    const auto voci = vociDi(pulsanti);
    const Didascalie& didascalie = didascalieDi(lingua_ ? lingua_() : std::string());
    std::vector<std::pair<QPushButton*, Risposta>> creati;
    for (const Voce& v : voci) {
        const auto testo = didascalie.testi[static_cast<std::size_t>(v.risposta)];
        creati.emplace_back(box.addButton(QString::fromUtf8(testo), v.ruolo), v.risposta);
    }
    box.setDefaultButton(creati.front().first);
    // The last button is the one that declines: No, Annulla, or OK alone.
    box.setEscapeButton(creati.back().first);
    box.exec();
    for (const auto& [pulsante, risposta] : creati)
        if (pulsante == box.clickedButton())
            return risposta;
    return creati.back().second;
}

} // namespace scrivolta::platform
