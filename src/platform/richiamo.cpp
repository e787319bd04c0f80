#include "platform/richiamo.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace scrivolta::platform {

namespace {

constexpr int kAttesaMs = 1000;
const QByteArray kRichiesta = QByteArrayLiteral("mostra\n");

} // namespace

RichiamoIstanza::RichiamoIstanza(const std::string& indirizzo, std::function<void()> mostra,
                                 QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), mostra_(std::move(mostra)) {
    const QString nome = QString::fromStdString(indirizzo);
    // The caller holds the instance lock: a socket left there is a dead
    // copy's.
    QLocalServer::removeServer(nome);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(nome);
    connect(server_, &QLocalServer::newConnection, this, &RichiamoIstanza::richiesta);
}

bool RichiamoIstanza::inAscolto() const {
    return server_->isListening();
}

void RichiamoIstanza::richiesta() {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            if (s->readAll().startsWith(kRichiesta.trimmed()) && mostra_)
                mostra_();
            s->disconnectFromServer();
        });
    }
}

bool RichiamoIstanza::chiediDiMostrarsi(const std::string& indirizzo) {
    QLocalSocket s;
    s.connectToServer(QString::fromStdString(indirizzo));
    if (!s.waitForConnected(kAttesaMs))
        return false;
    s.write(kRichiesta);
    const bool scritto = s.waitForBytesWritten(kAttesaMs);
    s.disconnectFromServer();
    return scritto;
}

} // namespace scrivolta::platform
