// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"
#include "game/gioco.h"
#include "keyboard/maiuscole.h"
#include "settings/percorsi.h"
#include "ui/comune/annunciatore.h"

#include <QDialog>
#include <QTimer>
#include <memory>

namespace scrivolta::ui {

class CampoGioco;
class PannelloRisultati;
class PannelloScelta;

// `FrmPlay`: the full-screen game and training window. It turns keys,
// clicks and its timers into the rules' events and draws their state.
class FrmPlay final : public QDialog, private VistaGioco {
public:
    // `maiuscole` is the program's keyboard with the Caps Lock state it
    // infers from the keys; the window reads it and tells it its keys.
    FrmPlay(const ModTastiro& mod, Servizi& servizi, MaiuscoleDedotte& maiuscole,
            const Percorsi& percorsi, QWidget* parent = nullptr,
            OsservatoreGioco* osservatore = nullptr);
    ~FrmPlay() override;
    FrmPlay(const FrmPlay&) = delete;
    FrmPlay& operator=(const FrmPlay&) = delete;

    Gioco& gioco() { return *gioco_; }
    CampoGioco* campo() const { return campo_; }
    PannelloScelta* scelta() const { return scelta_; }
    PannelloRisultati* risultati() const { return risultati_; }
    const QTimer& timerLetters() const { return timerLetters_; }
    const QTimer& timerScore() const { return timerScore_; }
    const QTimer& timerAttesa() const { return timerAttesa_; }

    // The timers' handlers.
    void timerLetters_Timer();
    void timerScore_Timer();
    void timerAttesa_Timer();

    void reject() override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // VistaGioco.
    void statoCambiato() override;
    void timerLetters(bool attivo, int intervalloMs) override;
    void timerScore(bool attivo) override;
    void attesa(int ms) override;
    void focusPersonalizzato() override;
    void chiudi() override;

    void creaControlli();
    void applicaTesti();
    void disponi();
    void spostaFocus(FaseGioco prima, FaseGioco dopo);
    bool tastoGiu(const QObject* destinatario, const QKeyEvent& evento);
    bool tastoSu(const QKeyEvent& evento);
    bool testoComposto(const QInputMethodEvent& evento);
    void passoDissolvenza();

    const ModTastiro& mod_;
    MaiuscoleDedotte& maiuscole_;
    Servizi servizi_;
    // Says the falling characters to a learner using a screen reader.
    AnnunciatoreQt* annunci_ = nullptr;
    const Percorsi& percorsi_;
    CampoGioco* campo_ = nullptr;
    PannelloScelta* scelta_ = nullptr;
    PannelloRisultati* risultati_ = nullptr;
    std::unique_ptr<Gioco> gioco_;
    QTimer timerLetters_;
    QTimer timerScore_;
    QTimer timerAttesa_;
    QTimer timerDissolvenza_;
    int opacita_ = 0;
    FaseGioco fase_ = FaseGioco::Scelta;
    bool chiusa_ = false;
};

// Opens the game window modally over `proprietario`, full screen;
// `osservatore` hears of every finished run.
void ApriGioco(QWidget* proprietario, const ModTastiro& mod, Servizi& servizi,
               MaiuscoleDedotte& maiuscole, const Percorsi& percorsi,
               OsservatoreGioco* osservatore = nullptr);

} // namespace scrivolta::ui
