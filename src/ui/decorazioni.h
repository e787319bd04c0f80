#pragma once

#include <QWidget>

#include <functional>

namespace scrivolta::ui {

// A panel painted with a vertical gradient and rounded corners
// (`picNotebook`, `picBottomBar`). Given the colour of what lies around it,
// it paints its corners in that colour and covers everything beneath it, so
// that nothing below is painted again when something on it changes.
class Pannello final : public QWidget {
public:
    Pannello(QColor alto, QColor basso, QWidget* parent = nullptr);
    void impostaColoreEsterno(std::function<QColor(QPoint)> colore);

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
