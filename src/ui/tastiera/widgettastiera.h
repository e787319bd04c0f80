// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/tastiera.h"
#include "ui/comune/disegnipronti.h"
#include "ui/tastiera/disegnotastiera.h"

#include <QWidget>
#include <array>
#include <functional>

namespace scrivolta::ui {

// `picKeyword`: paints the keyboard model and repaints only what changed.
class WidgetTastiera final : public QWidget, public OsservatoreTastiera {
public:
    explicit WidgetTastiera(Tastiera& tastiera, QWidget* parent = nullptr);
    ~WidgetTastiera() override;
    WidgetTastiera(const WidgetTastiera&) = delete;
    WidgetTastiera& operator=(const WidgetTastiera&) = delete;

    // Size of the keyboard area in its own pixels, at the model's scale.
    QSize dimensioneBase() const;

    const Tastiera& modello() const { return tastiera_; }
    // Where key `tasto` lies, without its outline.
    QRect rettangoloTasto(int tasto) const;
    QRect rettangoloSegno(const Cornice& cornice) const;
    // The key under the error mark, -1 when there is none.
    int tastoErrato() const;

    // Called after a double click on a finger picture.
    void impostaDoppioClickDita(std::function<void()> azione) {
        doppioClickDita_ = std::move(azione);
    }
    void impostaTooltip(const QString& dita, const QString& tastoMenu);
    // What the keys stand on: white for the flat drawing.
    QColor coloreFondo() const;
    // `imgPremi`: the blinking invitation to press Enter.
    void mostraPremi(bool visibile);
    // `imgX` on the Caps Lock key while its warning is open.
    void mostraAvvisoMaiuscole(bool visibile);
    // The menu key answers its double click only between exercises.
    void abilitaTastoMenu(bool attivo) { tastoMenuAttivo_ = attivo; }

    void tastoCambiato(int tasto) override;
    void segniCambiati() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void creaFont();
    QRect areaTasto(int tasto) const;
    QRect areaPremi() const;
    void dipingiAvvisi(QPainter& p);
    void dipingiSottoPremi(QPainter& p, const QRegion& zona);
    // What the marks take on screen: the frames and the error mark, which
    // move at every keystroke; the finger pictures and bumps, which rarely do.
    QRegion areaSegniMobili() const;
    QRegion areaSegniFissi() const;
    int ditoSotto(const QPoint& punto) const;

    Tastiera& tastiera_;
    DisegniPronti pronti_;
    // The keys under the blinking "press Enter" mark, painted once while
    // nothing under it changes: the mark blinks for as long as the greeting
    // waits.
    QImage sottoPremi_;
    FontTastiera font_;
    bool fontScalato_ = false;
    QRegion mobiliDipinti_;
    QRegion fissiDipinti_;
    bool ditaDipinte_ = false;
    std::array<Colore, 4> rilieviDipinti_{};
    std::array<Punto, 10> posizioniDipinte_{};
    std::function<void()> doppioClickDita_;
    QString tooltipDita_;
    QString tooltipTastoMenu_;
    bool premi_ = false;
    bool avvisoMaiuscole_ = false;
    bool tastoMenuAttivo_ = true;
};

} // namespace scrivolta::ui
