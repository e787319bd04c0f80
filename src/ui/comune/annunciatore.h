// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/codaannunci.h"
#include "app/servizi.h"
#include "ui/comune/accessibile.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace scrivolta::ui {

// Speaks through the screen reader. Orca speaks neither Qt's alerts nor a
// changed value or description of an object without the focus, but it does
// speak a notification that appears: this one-pixel child is hidden and
// shown again with the text as its name. Announcements are delivered from
// the event loop, apart, never from the keystroke that made them; while no
// assistive technology listens nothing is queued at all.
class AnnunciatoreQt final : public QWidget, public Accessibile, public Annunciatore {
public:
    explicit AnnunciatoreQt(QWidget* finestra);

    void annuncia(std::string testo, TipoAnnuncio tipo) override;
    QAccessible::Role ruoloAccessibile() const override { return QAccessible::Notification; }

    // What was said last, for whoever checks it.
    const QString& ultimo() const { return ultimo_; }
    // Whether anyone listens; by default, whether assistive technology is
    // active.
    void impostaAscolto(std::function<bool()> ascolto) { ascolto_ = std::move(ascolto); }

private:
    void consegna();
    void programma();

    CodaAnnunci coda_;
    QTimer timer_;
    QElapsedTimer dallUltimo_;
    QString ultimo_;
    std::function<bool()> ascolto_ = [] { return QAccessible::isActive(); };
};

} // namespace scrivolta::ui
