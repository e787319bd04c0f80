// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/annunciatore.h"

#include "ui/comune/conversioni.h"

#include <QAccessible>
#include <algorithm>

namespace scrivolta::ui {

namespace {

// Two notifications closer than this may reach the screen reader as one
// showing of the child, and the first would be lost.
constexpr int kDistanzaMs = 120;

} // namespace

AnnunciatoreQt::AnnunciatoreQt(QWidget* finestra) : QWidget(finestra) {
    setObjectName(QStringLiteral("annunci"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { consegna(); });
    hide();
    rinnovaAccessibile(this);
}

void AnnunciatoreQt::annuncia(std::string testo, TipoAnnuncio tipo) {
    if (!ascolto_())
        return;
    coda_.aggiungi(std::move(testo), tipo);
    if (!timer_.isActive())
        programma();
}

void AnnunciatoreQt::programma() {
    const qint64 trascorsi = dallUltimo_.isValid() ? dallUltimo_.elapsed() : kDistanzaMs;
    timer_.start(static_cast<int>(std::max<qint64>(0, kDistanzaMs - trascorsi)));
}

void AnnunciatoreQt::consegna() {
    const auto testo = coda_.prossimo();
    if (!testo)
        return;
    ultimo_ = daCp1252(*testo);
    hide();
    setAccessibleName(ultimo_);
    show();
    dallUltimo_.restart();
    if (!coda_.vuota())
        programma();
}

} // namespace scrivolta::ui
