// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tastiera/accessibiletastiera.h"

#include "ui/comune/accessibile.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/tastiera/disegnotastiera.h"
#include "ui/tastiera/widgettastiera.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <array>

namespace scrivolta::ui {

namespace {

// The captions as printed, the character a key types without Shift first;
// the keys that print a symbol or nothing get their French name, the
// language printed on the keyboard.
// clang-format off
const std::array<const char*, kNumeroTasti> kNomi = {
    "A", "Z", "E \u20AC", "R", "T", "Y", "U", "I", "O", "P",
    "Q", "S", "D", "F", "G", "H", "J", "K", "L", "M",
    "< > \\", "W", "X", "C", "V", "B", "N", ", ?", "; .", ": /",
    "Maj gauche", "Alt", "\u00E0 0 }", "\u00E7 9 {", "! 8", "Espace", "Maj droite", "Menu",
    "Alt Gr", "Windows droite", "\u00F9 %", "\u00B5 \u00A3", "^ \u00A8 [", "$ * ]",
    "Ctrl gauche", "\u00E8 7", "\u00A7 6 ^", "Ctrl droite", "Entr\u00E9e", "( 5", ") \u00B0",
    "- _", "\u00B2 \u00B3", "= + ~", "Tab", "Verr Maj", "Windows gauche", "' 4", "\" 3 #",
    "Retour arri\u00E8re", "& 1 |", "\u00E9 2 @", "Entr\u00E9e",
};
// clang-format on

bool contieneCentro(const QRect& tasto, const QRect& segno) {
    return tasto.contains(segno.center());
}

class AccessibileTasto;

class AccessibileTastiera final : public QAccessibleWidget {
public:
    explicit AccessibileTastiera(WidgetTastiera* w) : QAccessibleWidget(w, QAccessible::Grouping) {}

    int childCount() const override { return kNumeroTasti; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* figlio) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    WidgetTastiera* tastiera() const { return static_cast<WidgetTastiera*>(widget()); }

private:
    mutable FigliRegistrati tasti_;
};

class AccessibileTasto final : public FiglioDipinto {
public:
    AccessibileTasto(WidgetTastiera* w, int tasto) : FiglioDipinto(w), tasto_(tasto) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return nomeAccessibileTasto(tasto_);
        const bool errato = tastiera() != nullptr && tastiera()->tastoErrato() == tasto_;
        return t == QAccessible::Description && errato
                   ? nomeAccessibileDi(nomeAccessibile::kTastoSbagliato)
                   : QString();
    }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;

private:
    WidgetTastiera* tastiera() const { return static_cast<WidgetTastiera*>(widget()); }

    int tasto_;
};

QAccessibleInterface* AccessibileTastiera::child(int index) const {
    if (index < 0 || index >= kNumeroTasti)
        return nullptr;
    return tasti_.figlio(index, [this, index] { return new AccessibileTasto(tastiera(), index); });
}

int AccessibileTastiera::indexOfChild(const QAccessibleInterface* figlio) const {
    return tasti_.indice(figlio);
}

QAccessibleInterface* AccessibileTastiera::childAt(int x, int y) const {
    const QPoint punto = tastiera()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < kNumeroTasti; ++i) {
        if (tastiera()->rettangoloTasto(i).contains(punto))
            return child(i);
    }
    return nullptr;
}

// The description says the same as the value, with the wrong key first while
// it is marked. Both are read when a screen reader asks; no change is sent at
// a keystroke: Qt 6.4's bridge sends a new description as an object
// reference that no reader can speak, and Orca ignores it away from the
// focus, while it cost a D-Bus signal per key. Speech goes through the
// announcer.
QString AccessibileTastiera::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return annuncioTastiera(*tastiera());
    if (t != QAccessible::Description)
        return QAccessibleWidget::text(t);
    const int errato = tastiera()->tastoErrato();
    if (errato < 0)
        return annuncioTastiera(*tastiera());
    return QStringLiteral("%1: %2. %3")
        .arg(nomeAccessibileDi(nomeAccessibile::kTastoSbagliato), nomeAccessibileTasto(errato),
             annuncioTastiera(*tastiera()));
}

QRect AccessibileTasto::rect() const {
    if (tastiera() == nullptr)
        return {};
    const QRect r = tastiera()->rettangoloTasto(tasto_);
    return QRect(tastiera()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State AccessibileTasto::state() const {
    QAccessible::State s;
    const WidgetTastiera* w = tastiera();
    if (w == nullptr) {
        s.invalid = true;
        return s;
    }
    const Tastiera& t = w->modello();
    const QRect tasto = w->rettangoloTasto(tasto_);
    s.pressed = t.stato(tasto_).premuto;
    for (const Cornice& c : t.cornici()) {
        if (c.esiste && c.visibile && contieneCentro(tasto, w->rettangoloSegno(c)))
            s.selected = true;
    }
    s.selectable = true;
    return s;
}

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
    if (auto* tastiera = dynamic_cast<WidgetTastiera*>(oggetto))
        return new AccessibileTastiera(tastiera);
    return nullptr;
}

} // namespace

void installaAccessibilitaTastiera() {
    [[maybe_unused]] static const bool installata = [] {
        QAccessible::installFactory(fabbrica);
        return true;
    }();
}

QString nomeAccessibileTasto(int tasto) {
    if (tasto < 0 || tasto >= kNumeroTasti)
        return {};
    return QString::fromUtf8(kNomi[static_cast<std::size_t>(tasto)]);
}

QString annuncioTastiera(const WidgetTastiera& tastiera) {
    const Tastiera& t = tastiera.modello();
    QStringList nomi;
    const int principale = t.tastoCorrente();
    for (int i = 0; i < kNumeroTasti; ++i) {
        if (i != principale && t.stato(i).premuto)
            nomi << nomeAccessibileTasto(i);
    }
    if (t.stato(principale).premuto)
        nomi << nomeAccessibileTasto(principale);
    return nomi.join(QStringLiteral(" + "));
}

} // namespace scrivolta::ui
