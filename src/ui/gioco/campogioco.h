// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/statogioco.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <utility>

namespace scrivolta::ui {

// `PicPlay`: the play field with its falling characters, faces, points and
// the sliding message. It keeps what it last drew and repaints only the
// places that changed, so that a tick with 18 characters stays cheap.
class CampoGioco final : public QWidget {
public:
    CampoGioco(const Campo& campo, QWidget* parent = nullptr);

    // Width of one falling character in its font.
    int larghezzaLettera() const { return larghezzaLettera_; }
    void mostra(const StatoGioco& stato);

protected:
    void paintEvent(QPaintEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    void preparaSfondo();
    void mostraColonna(const Colonna& prima, const Colonna& dopo);
    void aggiornaSegno(const Segno& prima, const Segno& dopo,
                       QRect (CampoGioco::*zona)(const Segno&) const);
    QRect zonaLettera(const Colonna& c) const;
    QRect zonaFaccia(const Segno& s) const;
    QRect zonaPunti(const Segno& s) const;
    QRect zonaMessaggio(int top) const;
    QRect zonaErrore() const;
    void disegnaColonna(QPainter& p, const Colonna& c, const QRegion& zona) const;
    void disegnaMessaggio(QPainter& p) const;
    void disegnaErrore(QPainter& p) const;
    const QPixmap& immagineLettera(char lettera, Colore colore) const;
    bool intera(const Colonna& c) const;

    QFont fontLettere_;
    QFont fontPunti_;
    QFont fontMessaggio_;
    int larghezzaLettera_ = 0;
    int altezzaLettera_ = 0;
    QPixmap sfondo_;
    // Each character drawn once per colour: a tick then only copies pictures.
    mutable std::map<std::pair<char, Colore>, QPixmap> lettere_;
    // Where each character's ink begins below the top of its picture.
    mutable std::map<char, int> cimeInchiostro_;
    // What is on screen now.
    std::array<Colonna, kColonne> colonne_{};
    QString messaggio_;
    bool messaggioVisibile_ = false;
    int topMessaggio_ = 0;
    bool errore_ = false;
};

} // namespace scrivolta::ui
