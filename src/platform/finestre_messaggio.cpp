#include "platform/finestre_messaggio.h"

#include "app/cp1252.h"

#include <QMessageBox>
#include <QPushButton>
#include <span>
#include <utility>
#include <vector>

namespace scrivolta::platform {

namespace {

struct Voce {
    const char* testo;
    QMessageBox::ButtonRole ruolo;
    Risposta risposta;
};

constexpr Voce kOk[] = {{"OK", QMessageBox::AcceptRole, Risposta::Ok}};
constexpr Voce kSiNo[] = {{"Sì", QMessageBox::YesRole, Risposta::Si},
                          {"No", QMessageBox::NoRole, Risposta::No}};
constexpr Voce kSiNoAnnulla[] = {{"Sì", QMessageBox::YesRole, Risposta::Si},
                                 {"No", QMessageBox::NoRole, Risposta::No},
                                 {"Annulla", QMessageBox::RejectRole, Risposta::Annulla}};

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
    const auto voci = vociDi(pulsanti);
    std::vector<std::pair<QPushButton*, Risposta>> creati;
    for (const Voce& v : voci)
        creati.emplace_back(box.addButton(QString::fromUtf8(v.testo), v.ruolo), v.risposta);
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
