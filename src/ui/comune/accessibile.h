// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace scrivolta::ui {

// One painted part of a widget as assistive technology sees it: a counter,
// a menu symbol, the clock.
struct ParteAccessibile {
    QString nome{};
    QString valore{};
    QRect rettangolo{}; // in the widget's pixels
    QAccessible::Role ruolo = QAccessible::StaticText;
    bool attiva = true;
    bool visibile = true;
    // For a part that is on or off (a menu toggle); none for the others.
    std::optional<bool> acceso{};
    // A part that does something when clicked does it when pressed through
    // assistive technology too (`Accessibile::premiParte`).
    bool premibile = false;
};

// A widget that paints its own content says through this what a screen
// reader should read: its role, its value, and its painted parts, which
// become its accessible children after its child widgets.
class Accessibile {
public:
    virtual ~Accessibile() = default;
    virtual QAccessible::Role ruoloAccessibile() const { return QAccessible::Client; }
    virtual QString valoreAccessibile() const { return {}; }
    // The same number of parts every time, in the same order.
    virtual std::vector<ParteAccessibile> partiAccessibili() const { return {}; }
    // What a click on part `indice` does; only parts marked `premibile`.
    virtual void premiParte(int /*indice*/) {}
};

// A part painted by a widget, read as the widget's child: it has no children
// and no object of its own, and it stays valid as long as the widget lives.
class FiglioDipinto : public QAccessibleInterface {
public:
    explicit FiglioDipinto(QWidget* widget) : widget_(widget) {}

    bool isValid() const override { return widget_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(widget_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* widget() const { return widget_.data(); }

private:
    QPointer<QWidget> widget_;
};

// The painted children of a widget's interface, registered with Qt the
// first time they are asked for so that their ids stay the same, and
// released with it.
class FigliRegistrati {
public:
    FigliRegistrati() = default;
    FigliRegistrati(const FigliRegistrati&) = delete;
    FigliRegistrati& operator=(const FigliRegistrati&) = delete;
    ~FigliRegistrati();

    // The child at `indice`, made by `crea` the first time.
    QAccessibleInterface* figlio(int indice, const std::function<QAccessibleInterface*()>& crea);
    // The index of `figlio` among those made so far, -1 if it is none of them.
    int indice(const QAccessibleInterface* figlio) const;

private:
    std::vector<QAccessible::Id> id_;
};

// A choice among a few, as the category and mode buttons are. Qt's own
// Toggle action toggles the button without the click the window answers
// to, so the next refresh puts the old choice back; this one's Toggle and
// Press click it.
class PulsanteScelta final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
};

// The accessibility of the painted widgets (the keyboard, the display, the
// gauge, the menu), installed once for the application.
void installaAccessibilita();

// Called at the end of a painted widget's constructor: while accessibility
// is active Qt may have described the widget while it was still a plain
// QWidget, and would keep that description.
void rinnovaAccessibile(QWidget* widget);

// Tells assistive technology that the value of `widget` is now `valore`.
void annunciaValore(QWidget* widget, const QString& valore);

} // namespace scrivolta::ui
