#pragma once

#include "keyboard/tastiera.h"

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

    // Size of the keyboard area in its own pixels.
    static QSize dimensioneBase();

    // Called after a double click on a finger picture.
    void impostaDoppioClickDita(std::function<void()> azione) { doppioClickDita_ = std::move(azione); }
    void impostaTooltip(const QString& dita, const QString& tasto37);
    // `imgPremi`: the blinking invitation to press Enter.
    void mostraPremi(bool visibile);

    void tastoCambiato(int tasto) override;
    void segniCambiati() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect areaTasto(int tasto) const;
    QRect areaPremi() const;
    QRegion areaSegni() const;
    int ditoSotto(const QPoint& punto) const;

    Tastiera& tastiera_;
    QRegion segniDipinti_;
    std::function<void()> doppioClickDita_;
    QString tooltipDita_;
    QString tooltipTasto37_;
    bool premi_ = false;
};

} // namespace scrivolta::ui
