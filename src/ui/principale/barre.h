// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/vista.h"
#include "ui/comune/accessibile.h"
#include "ui/comune/disegnipronti.h"
#include "ui/comune/scaladisegno.h"

#include <QWidget>
#include <array>
#include <functional>

namespace scrivolta::ui {

// Below the keyboard: the keystroke counters, the error-ratio rating, the
// phrase number, the speed gauge with the level averages, and the message
// after each phrase.
class PannelloStato final : public QWidget, public Accessibile {
public:
    explicit PannelloStato(QWidget* parent = nullptr);
    // The size it is laid out for; any other size scales its drawing.
    static QSize dimensioneProgetto() { return {600, 82}; }
    // Full length of the speed gauge and of a text file's progress bar.
    static int larghezzaIndicatore();
    void mostra(const StatoVista& stato, int larghezzaBarra);
    // Tooltips of the counters, the rating, the phrase number and the averages.
    void impostaTooltip(std::array<QString, 2> contatori, QString giudizio, QString numeroFrase,
                        std::array<QString, 3> medie);

    // Counters, rating, phrase number, averages and the message, each named
    // by its tooltip.
    std::vector<ParteAccessibile> partiAccessibili() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect zonaIndicatore(const StatoVista& stato, int larghezzaBarra) const;
    void dipingiContatori(QPainter& p, const QRegion& zona) const;
    void dipingiContatore(QPainter& p, const QRect& area, const QString& segno,
                          const std::string& numero) const;
    void dipingiGiudizio(QPainter& p) const;
    void dipingiNumeroFrase(QPainter& p) const;
    void dipingiIndicatore(QPainter& p) const;
    void dipingiProgresso(QPainter& p) const;
    void dipingiMedie(QPainter& p) const;
    void dipingiMessaggio(QPainter& p) const;

    ScalaDisegno scala_{dimensioneProgetto()};
    StatoVista stato_;
    int larghezzaBarra_ = 300;
    QFont fontContatori_;
    QFont fontSegni_;
    QFont fontNumero_;
    QFont fontMedie_;
    QFont fontMessaggio_;
    QFont fontMani_;
    QFont fontStelle_;
    // The counters change at every key: laid out letter by letter, once.
    mutable TestiStatici testi_;
    std::array<QString, 2> tooltipContatori_;
    QString tooltipGiudizio_;
    QString tooltipNumeroFrase_;
    std::array<QString, 3> tooltipMedie_;
};

// The bottom bar: the eight menu symbols with their hover frame, the
// on/off frames of sound, key map and highlight, and the clock.
class BarraMenu final : public QWidget, public Accessibile {
public:
    static constexpr int kVoci = kVociMenu;

    explicit BarraMenu(QWidget* parent = nullptr);
    static QSize dimensioneProgetto() { return {620, 44}; }
    void impostaClick(std::function<void(VoceMenu)> click) { click_ = std::move(click); }
    void impostaTooltip(const std::array<QString, kVoci>& tooltip) { tooltip_ = tooltip; }
    // Ctrl with the digit row chooses the entries, for a learner without a
    // mouse; the keys of its window, wherever the focus is in it.
    void collegaTasti();
    // `attive`: the on/off frames of sound, key map and highlight.
    void mostra(const StatoVista& stato, const std::array<bool, 3>& attive);

    // The eight entries named by their tooltips, then the clock.
    std::vector<ParteAccessibile> partiAccessibili() const override;
    void premiParte(int indice) override { scegli(indice); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect rettangoloVoce(int indice) const;
    QRect rettangoloOrologio() const;
    int voceSotto(const QPoint& punto) const;
    bool abilitata(int indice) const;
    void scegli(int voce);
    void dipingiFondo(QPainter& p, const QRegion& zona);
    void dipingiVoce(QPainter& p, int i) const;
    void dipingiCornice(QPainter& p) const;

    ScalaDisegno scala_{dimensioneProgetto()};
    ImmaginiPronte pronte_;
    TestiStatici testi_;
    std::function<void(VoceMenu)> click_;
    QFont fontSimboli_;
    QFont fontOrologio_;
    std::array<QString, kVoci> tooltip_;
    StatoVista stato_;
    std::array<bool, 3> attive_{};
    int sopra_ = -1;
    bool premuto_ = false;
};

} // namespace scrivolta::ui
