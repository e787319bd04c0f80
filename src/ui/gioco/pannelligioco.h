// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/statogioco.h"
#include "game/testigioco.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace scrivolta::ui {

// What the settings panel's controls report.
struct GestoriScelta {
    std::function<void(int)> opzione;
    std::function<void(int)> velocita;
    std::function<void(int)> tempo;
    std::function<void(const QString&)> personalizzato;
    std::function<void()> avvio;
};

// `picLevel`: the choice of game or training, the custom set, the speed
// and length of a training and the start button.
class PannelloScelta final : public QWidget {
public:
    explicit PannelloScelta(QWidget* parent = nullptr);
    void impostaGestori(GestoriScelta gestori);
    void applicaTesti(const TestiGioco& testi);
    void mostra(const StatoGioco& stato);

    QRadioButton* opzione(int indice) const { return opzioni_[static_cast<std::size_t>(indice)]; }
    QLineEdit* personalizzato() const { return txtCustom_; }
    QSlider* velocita() const { return hsSpeed_; }
    QSlider* tempo() const { return hsTime_; }
    QPushButton* avvio() const { return cmdStart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void creaOpzioni();
    void creaCursori();
    QSlider* cursore(int y, int valore, const char* nome,
                     std::function<void(int)> GestoriScelta::*gestore);
    QLabel* etichetta(const QRect& zona, const char* nome);

    GestoriScelta gestori_;
    QLabel* lblGioco_ = nullptr;
    QLabel* lblAllenamento_ = nullptr;
    QLabel* lblVelocita_ = nullptr;
    QLabel* lblTimeLbl_ = nullptr;
    QLabel* lblTime_ = nullptr;
    std::array<QRadioButton*, opzioneGioco::Numero> opzioni_{};
    QButtonGroup* gruppo_ = nullptr;
    QLineEdit* txtCustom_ = nullptr;
    QSlider* hsSpeed_ = nullptr;
    QSlider* hsTime_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    bool bandaAllenamento_ = false;
};

class Trofeo;
class DiscoTempo;

// `picBottom`: the game's score and record, the training's counters and
// countdown disc, and the restart and close buttons.
class PannelloRisultati final : public QWidget {
public:
    explicit PannelloRisultati(QWidget* parent = nullptr);
    void impostaGestori(std::function<void()> nuovo, std::function<void()> esci);
    void applicaTesti(const TestiGioco& testi);
    void mostra(const StatoGioco& stato);

    QPushButton* nuovo() const { return cmdNuovo_; }
    QPushButton* esci() const { return cmdExit_; }
    QLabel* totale() const { return lblTotal_; }
    QLabel* record() const { return lblWinner_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void creaPannelloGioco();
    void creaPannelloAllenamento();
    QLabel* etichetta(QWidget* genitore, const QRect& zona, const char* nome, QColor colore);

    QWidget* picDisplayPlay_ = nullptr;
    QWidget* picDisplayTraining_ = nullptr;
    QLabel* lblPunti_ = nullptr;
    QLabel* lblTotal_ = nullptr;
    Trofeo* lblImgWinner_ = nullptr;
    QLabel* lblWinner_ = nullptr;
    DiscoTempo* picProgressRound_ = nullptr;
    QLabel* lblDigOK_ = nullptr;
    QLabel* lblDigKO_ = nullptr;
    QLabel* lblTotDigit_ = nullptr;
    QLabel* lblScoreTraining_ = nullptr;
    QPushButton* cmdNuovo_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPixmap fondo_;
};

} // namespace scrivolta::ui
