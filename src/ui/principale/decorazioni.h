// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/comune/accessibile.h"

#include <QWidget>
#include <functional>

namespace scrivolta::ui {

// `picNotebook`: a panel painted with a vertical gradient and rounded
// corners. It paints its corners in the colour of what lies around it
// (`coloreEsterno`, for a point of the window) and so covers everything
// beneath it: nothing below is painted again when something on it changes.
class Pannello final : public QWidget, public Accessibile {
public:
    Pannello(QColor alto, QColor basso, std::function<QColor(QPoint)> coloreEsterno,
             QWidget* parent = nullptr);

    // A container of the window's areas, not an anonymous filler.
    QAccessible::Role ruoloAccessibile() const override { return QAccessible::Pane; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void dipingiAngoli(QPainter& p, const QRegion& zona) const;

    QColor alto_;
    QColor basso_;
    std::function<QColor(QPoint)> coloreEsterno_;
};

// `imgMappaTastiEsterna`: the strip below the keyboard that shows which
// finger goes with which colour; a double click puts the finger pictures
// back on the keyboard.
class StrisciaDita final : public QWidget {
public:
    explicit StrisciaDita(QWidget* parent = nullptr);
    static QSize dimensione() { return {622, 47}; }
    void impostaDoppioClick(std::function<void()> azione) { doppioClick_ = std::move(azione); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void()> doppioClick_;
};

} // namespace scrivolta::ui
