#include "platform/guida.h"

#include "app/file.h"

#include <QDesktopServices>
#include <QDir>

namespace scrivolta::platform {

QString percorsoGuida(const QString& cartellaDati) {
    return QDir(cartellaDati).filePath(QString::fromLatin1(kFileGuida));
}

QUrl indirizzoGuida(const QString& fileGuida, int argomento) {
    QUrl indirizzo = QUrl::fromLocalFile(fileGuida);
    if (argomento > 0)
        indirizzo.setFragment(QString::number(argomento));
    return indirizzo;
}

void ApriGuida(MessageBoxes& messaggi, const QString& cartellaDati, int argomento,
               const std::string& guidaMancante, const ApriIndirizzo& apri) {
    const QString file = percorsoGuida(cartellaDati);
    if (!FileEsiste(file.toStdString())) {
        messaggi.mostra(guidaMancante + " " + kFileGuida, "Scrivolta", Icona::Informazione,
                        Pulsanti::Ok);
        return;
    }
    const QUrl indirizzo = indirizzoGuida(file, argomento);
    if (apri)
        apri(indirizzo);
    else
        QDesktopServices::openUrl(indirizzo);
}

} // namespace scrivolta::platform
