// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/accessibile.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace scrivolta::ui {

namespace {

// A painted text as a screen reader reads it: over AT-SPI it reads the text
// of a label or a field, never the value Qt keeps beside its name.
class TestoLetto : public QAccessibleTextInterface {
public:
    void selection(int, int* inizio, int* fine) const override { *inizio = *fine = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int inizio, int fine) const override {
        return testoLetto().mid(inizio, fine - inizio);
    }
    int characterCount() const override { return static_cast<int>(testoLetto().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int posizione, int* inizio, int* fine) const override {
        *inizio = *fine = posizione;
        return {};
    }

protected:
    virtual QString testoLetto() const = 0;
    // Only texts have one: a button or a panel is read by its name.
    void* comeTesto(QAccessible::InterfaceType tipo, QAccessible::Role ruolo) {
        const bool testo = ruolo == QAccessible::StaticText || ruolo == QAccessible::EditableText;
        return tipo == QAccessible::TextInterface && testo
                   ? static_cast<QAccessibleTextInterface*>(this)
                   : nullptr;
    }
};

class AccessibileParte final : public FiglioDipinto,
                               public TestoLetto,
                               public QAccessibleActionInterface {
public:
    AccessibileParte(QWidget* w, int indice) : FiglioDipinto(w), indice_(indice) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::ActionInterface)
            return parte().premibile ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
        return comeTesto(tipo, role());
    }

    // A toggle is toggled, anything else pressed; both do what a click does.
    QStringList actionNames() const override {
        const ParteAccessibile p = parte();
        if (!p.premibile || !p.attiva)
            return {};
        return {p.acceso.has_value() ? toggleAction() : pressAction()};
    }
    void doAction(const QString& azione) override {
        auto* a = dynamic_cast<Accessibile*>(widget());
        if (a != nullptr && actionNames().contains(azione))
            a->premiParte(indice_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QString text(QAccessible::Text t) const override {
        const ParteAccessibile p = parte();
        if (t == QAccessible::Name)
            return p.nome;
        return t == QAccessible::Value ? p.valore : QString();
    }
    QRect rect() const override {
        const QRect r = parte().rettangolo;
        return widget() ? QRect(widget()->mapToGlobal(r.topLeft()), r.size()) : QRect();
    }
    QAccessible::Role role() const override { return parte().ruolo; }
    QAccessible::State state() const override {
        const ParteAccessibile p = parte();
        QAccessible::State s;
        s.disabled = !p.attiva;
        s.invisible = !p.visibile;
        s.checkable = p.acceso.has_value();
        s.checked = p.acceso.value_or(false);
        return s;
    }

private:
    QString testoLetto() const override { return parte().valore; }
    ParteAccessibile parte() const {
        const auto* a = dynamic_cast<const Accessibile*>(widget());
        if (a == nullptr)
            return {};
        const auto parti = a->partiAccessibili();
        return indice_ < static_cast<int>(parti.size()) ? parti[static_cast<std::size_t>(indice_)]
                                                        : ParteAccessibile{};
    }

    int indice_;
};

class AccessibileDipinto final : public QAccessibleWidget, public TestoLetto {
public:
    AccessibileDipinto(QWidget* w, const Accessibile& a)
        : QAccessibleWidget(w, a.ruoloAccessibile()), accessibile_(a) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        void* testo = comeTesto(tipo, role());
        return testo != nullptr ? testo : QAccessibleWidget::interface_cast(tipo);
    }

    int childCount() const override { return figliWidget() + numeroParti(); }
    QAccessibleInterface* child(int index) const override {
        if (index < figliWidget())
            return QAccessibleWidget::child(index);
        const int parte = index - figliWidget();
        if (parte < 0 || parte >= numeroParti())
            return nullptr;
        return parti_.figlio(parte,
                             [this, parte] { return new AccessibileParte(widget(), parte); });
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        const int parte = parti_.indice(figlio);
        return parte >= 0 ? figliWidget() + parte : QAccessibleWidget::indexOfChild(figlio);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return accessibile_.valoreAccessibile();
        return QAccessibleWidget::text(t);
    }
    QAccessible::Role role() const override { return accessibile_.ruoloAccessibile(); }
    // A field the learner types into is editable, or screen readers call it
    // read-only.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = role() == QAccessible::EditableText;
        return s;
    }

private:
    QString testoLetto() const override { return accessibile_.valoreAccessibile(); }
    int figliWidget() const { return QAccessibleWidget::childCount(); }
    int numeroParti() const { return static_cast<int>(accessibile_.partiAccessibili().size()); }

    const Accessibile& accessibile_;
    mutable FigliRegistrati parti_;
};

class AccessibileScelta final : public QAccessibleWidget {
public:
    explicit AccessibileScelta(PulsanteScelta* p)
        : QAccessibleWidget(p, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        // The caption without its accelerator mark; "&&" is a real "&".
        const QString didascalia = pulsante()->text();
        QString nome;
        for (qsizetype i = 0; i < didascalia.size(); ++i) {
            if (didascalia[i] == QLatin1Char('&') && i + 1 < didascalia.size())
                ++i;
            nome += didascalia[i];
        }
        return nome;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = pulsante()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        if (!pulsante()->isEnabled())
            return {};
        return {toggleAction(), pressAction()};
    }
    void doAction(const QString& azione) override {
        if (actionNames().contains(azione))
            pulsante()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PulsanteScelta* pulsante() const { return static_cast<PulsanteScelta*>(widget()); }
};

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
    if (auto* scelta = dynamic_cast<PulsanteScelta*>(oggetto))
        return new AccessibileScelta(scelta);
    auto* w = qobject_cast<QWidget*>(oggetto);
    if (const auto* a = dynamic_cast<const Accessibile*>(oggetto); a != nullptr && w != nullptr)
        return new AccessibileDipinto(w, *a);
    return nullptr;
}

} // namespace

FigliRegistrati::~FigliRegistrati() {
    for (const QAccessible::Id id : id_) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* FigliRegistrati::figlio(int indice,
                                              const std::function<QAccessibleInterface*()>& crea) {
    if (indice < 0)
        return nullptr;
    if (id_.size() <= static_cast<std::size_t>(indice))
        id_.resize(static_cast<std::size_t>(indice) + 1, 0);
    QAccessible::Id& id = id_[static_cast<std::size_t>(indice)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(crea());
    return QAccessible::accessibleInterface(id);
}

int FigliRegistrati::indice(const QAccessibleInterface* figlio) const {
    for (std::size_t i = 0; i < id_.size(); ++i) {
        if (id_[i] != 0 && QAccessible::accessibleInterface(id_[i]) == figlio)
            return static_cast<int>(i);
    }
    return -1;
}

void installaAccessibilita() {
    [[maybe_unused]] static const bool installata = [] {
        QAccessible::installFactory(fabbrica);
        return true;
    }();
}

void rinnovaAccessibile(QWidget* widget) {
    installaAccessibilita();
    if (QAccessibleInterface* vecchia = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(vecchia));
}

// Qt's AT-SPI bridge drops a value change of an object without a value
// interface, with a warning on every keystroke: such an object's value is
// read when asked for, and speech goes through the announcer.
void annunciaValore(QWidget* widget, const QString& valore) {
    if (!QAccessible::isActive() || widget == nullptr)
        return;
    QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(widget);
    if (interfaccia == nullptr || interfaccia->valueInterface() == nullptr)
        return;
    QAccessibleValueChangeEvent evento(widget, valore);
    QAccessible::updateAccessibility(&evento);
}

} // namespace scrivolta::ui
