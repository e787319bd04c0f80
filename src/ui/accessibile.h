#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
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
