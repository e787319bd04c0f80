// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/guida.h"

#include "app/argomentiguida.h"
#include "app/dominio.h"
#include "app/file.h"

#include <QDesktopServices>
#include <QDir>

namespace scrivolta::platform {

namespace {

QString relativa(std::string_view lingua, std::string_view pagina) {
    return QStringLiteral("%1/%2/%3")
        .arg(QString::fromLatin1(kCartellaGuida),
             QString::fromLatin1(lingua.data(), static_cast<qsizetype>(lingua.size())),
             QString::fromLatin1(pagina.data(), static_cast<qsizetype>(pagina.size())));
}

bool esiste(const QString& percorso) {
    return FileEsiste(percorso.toStdString());
}

// The language the guide is read in: the learner's, when it is installed.
std::string_view linguaInstallata(const QString& cartellaDati, std::string_view linguaCorrente) {
    const std::string_view lingua = linguaGuida(linguaCorrente);
    const QString indice =
        QDir(cartellaDati).filePath(relativa(lingua, paginaGuida(ArgomentoGuida::Indice)));
    return esiste(indice) ? lingua : linguaGuida({});
}

} // namespace

QString paginaRelativa(std::string_view linguaCorrente, ArgomentoGuida argomento) {
    return relativa(linguaGuida(linguaCorrente), paginaGuida(argomento));
}

QString percorsoGuida(const QString& cartellaDati, std::string_view linguaCorrente) {
    const std::string_view lingua = linguaInstallata(cartellaDati, linguaCorrente);
    const QString indice =
        QDir(cartellaDati).filePath(relativa(lingua, paginaGuida(ArgomentoGuida::Indice)));
    return esiste(indice) ? indice : QString();
}

QUrl indirizzoGuida(const QString& cartellaDati, std::string_view linguaCorrente,
                    ArgomentoGuida argomento) {
    const QString indice = percorsoGuida(cartellaDati, linguaCorrente);
    if (indice.isEmpty())
        return {};
    const std::string_view lingua = linguaInstallata(cartellaDati, linguaCorrente);
    const QString pagina = QDir(cartellaDati).filePath(relativa(lingua, paginaGuida(argomento)));
    return QUrl::fromLocalFile(esiste(pagina) ? pagina : indice);
}

void ApriGuida(MessageBoxes& messaggi, const QString& cartellaDati, std::string_view linguaCorrente,
               ArgomentoGuida argomento, const std::string& guidaMancante,
               const ApriIndirizzo& apri) {
    const QUrl indirizzo = indirizzoGuida(cartellaDati, linguaCorrente, argomento);
    if (indirizzo.isEmpty()) {
        const QString cercata = paginaRelativa(linguaCorrente, ArgomentoGuida::Indice);
        messaggi.mostra(guidaMancante + " " + cercata.toStdString(), kNomeProgramma,
                        Icona::Informazione, Pulsanti::Ok);
        return;
    }
    if (apri)
        apri(indirizzo);
    else
        apriNelDesktop(indirizzo);
}

bool apriNelDesktop(const QUrl& indirizzo) {
    return QDesktopServices::openUrl(indirizzo);
}

} // namespace scrivolta::platform
