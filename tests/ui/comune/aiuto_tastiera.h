// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the keyboard alone and a screen reader find in a window: the order
// Tab visits its controls, and the parts a reader would announce without a
// name.

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace scrivolta::prova {

// The controls Tab (or Shift+Tab) visits from the one in focus, by object
// name, until it comes back to where it started; at most `massimo` steps.
inline QStringList giroTab(bool indietro = false, int massimo = 30) {
    QStringList visitati;
    const QWidget* inizio = QApplication::focusWidget();
    for (int i = 0; i < massimo; ++i) {
        QTest::keyClick(QApplication::focusWidget(), indietro ? Qt::Key_Backtab : Qt::Key_Tab,
                        indietro ? Qt::ShiftModifier : Qt::NoModifier);
        const QWidget* w = QApplication::focusWidget();
        if (w == nullptr || w == inizio)
            break;
        visitati << w->objectName();
    }
    return visitati;
}

namespace dettaglio {

inline void senzaNome(QAccessibleInterface* a, QStringList& out) {
    if (a == nullptr || a->state().invisible)
        return;
    if (a->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* o = a->object();
        out << QStringLiteral("%1 %2").arg(int(a->role())).arg(o ? o->objectName() : QString());
    }
    for (int i = 0; i < a->childCount(); ++i)
        senzaNome(a->child(i), out);
}

} // namespace dettaglio

// The parts of a shown window, itself included, that a screen reader would
// meet without a name: "role objectName" each. A hidden window hides them
// all, and so says it was not shown.
inline QStringList partiSenzaNome(QWidget* finestra) {
    if (!finestra->isVisible())
        return {QStringLiteral("window not shown")};
    QStringList out;
    dettaglio::senzaNome(QAccessible::queryAccessibleInterface(finestra), out);
    return out;
}

} // namespace scrivolta::prova
