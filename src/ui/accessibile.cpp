#include "ui/accessibile.h"

#include "ui/accessibiletastiera.h"
#include "ui/widgettastiera.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace scrivolta::ui {

namespace {

class AccessibileParte final : public QAccessibleInterface {
public:
    AccessibileParte(QWidget* w, int indice) : widget_(w), indice_(indice) {}

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
    QString text(QAccessible::Text t) const override {
        const ParteAccessibile p = parte();
        if (t == QAccessible::Name)
            return p.nome;
        return t == QAccessible::Value ? p.valore : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect r = parte().rettangolo;
        return widget_ ? QRect(widget_->mapToGlobal(r.topLeft()), r.size()) : QRect();
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
    ParteAccessibile parte() const {
        const auto* a = dynamic_cast<const Accessibile*>(widget_.data());
        if (a == nullptr)
            return {};
        const auto parti = a->partiAccessibili();
        return indice_ < static_cast<int>(parti.size()) ? parti[static_cast<std::size_t>(indice_)]
                                                        : ParteAccessibile{};
    }

    QPointer<QWidget> widget_;
    int indice_;
};

class AccessibileDipinto final : public QAccessibleWidget {
public:
    AccessibileDipinto(QWidget* w, const Accessibile& a)
        : QAccessibleWidget(w, a.ruoloAccessibile()), accessibile_(a) {}
    ~AccessibileDipinto() override {
        for (const QAccessible::Id id : id_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return figliWidget() + numeroParti(); }
    QAccessibleInterface* child(int index) const override {
        if (index < figliWidget())
            return QAccessibleWidget::child(index);
        const int parte = index - figliWidget();
        if (parte < 0 || parte >= numeroParti())
            return nullptr;
        if (id_.size() < static_cast<std::size_t>(numeroParti()))
            id_.resize(static_cast<std::size_t>(numeroParti()), 0);
        QAccessible::Id& id = id_[static_cast<std::size_t>(parte)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new AccessibileParte(widget(), parte));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        for (std::size_t i = 0; i < id_.size(); ++i) {
            if (id_[i] != 0 && QAccessible::accessibleInterface(id_[i]) == figlio)
                return figliWidget() + static_cast<int>(i);
        }
        return QAccessibleWidget::indexOfChild(figlio);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return accessibile_.valoreAccessibile();
        return QAccessibleWidget::text(t);
    }
    QAccessible::Role role() const override { return accessibile_.ruoloAccessibile(); }

private:
    int figliWidget() const { return QAccessibleWidget::childCount(); }
    int numeroParti() const { return static_cast<int>(accessibile_.partiAccessibili().size()); }

    const Accessibile& accessibile_;
    mutable std::vector<QAccessible::Id> id_;
};

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
    if (auto* tastiera = dynamic_cast<WidgetTastiera*>(oggetto))
        return creaAccessibileTastiera(tastiera);
    auto* w = qobject_cast<QWidget*>(oggetto);
    if (const auto* a = dynamic_cast<const Accessibile*>(oggetto); a != nullptr && w != nullptr)
        return new AccessibileDipinto(w, *a);
    return nullptr;
}

} // namespace

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

void annunciaValore(QWidget* widget, const QString& valore) {
    if (!QAccessible::isActive() || widget == nullptr)
        return;
    QAccessibleValueChangeEvent evento(widget, valore);
    QAccessible::updateAccessibility(&evento);
}

} // namespace scrivolta::ui
