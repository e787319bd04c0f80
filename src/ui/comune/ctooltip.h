// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

class QWidget;

namespace scrivolta::ui {

class Balloon;

// `cTooltip`: balloon tips for the controls of one window. Every control
// has its own text; all share the title, its icon, the colours and the
// timing. A tip shows once the pointer has rested `DelayTime` ms on its
// control and stays `VisibleTime` ms. The text is also the control's
// accessible description, so that a screen reader reads it.
class cTooltip final : public QObject {
public:
    enum Icona { Nessuna = 0, Informazione = 1, Avviso = 2, Errore = 3 };

    explicit cTooltip(QObject* parent = nullptr);
    ~cTooltip() override;
    cTooltip(const cTooltip&) = delete;
    cTooltip& operator=(const cTooltip&) = delete;

    // Makes the balloon window for `owner`, once; true when it exists.
    bool Create(QWidget* owner);
    // False before Create, for no control, or for a control that has a tip.
    bool AddTool(QWidget* control, const QString& text);
    bool RemoveTool(QWidget* control);
    QString ToolText(QWidget* control) const;
    void setToolText(QWidget* control, const QString& text);
    int ToolCount() const;

    QString Title() const { return titolo_; }
    // An empty title is kept as one blank.
    void setTitle(const QString& title);
    int Icon() const { return icona_; }
    void setIcon(int icon);
    QColor BackColor() const;
    void setBackColor(const QColor& colour);
    QColor ForeColor() const;
    void setForeColor(const QColor& colour);
    int DelayTime() const { return ritardo_; }
    void setDelayTime(int ms);
    int VisibleTime() const { return visibile_; }
    void setVisibleTime(int ms);
    // Widest tip before its text wraps; 0 or less means no limit.
    int MaxTipWidth() const;
    void setMaxTipWidth(int pixel);

    // The balloon on screen, for its control; null when none shows.
    QWidget* balloonVisibile() const;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    struct Strumento {
        QPointer<QWidget> controllo;
        QString testo;
    };
    // Made, and not gone with its owner since.
    bool esiste() const;
    const Strumento* trova(const QWidget* control) const;
    void mostra();
    void nascondi();

    bool creato_ = false;
    QString titolo_ = QStringLiteral(" ");
    int icona_ = Nessuna;
    int ritardo_ = 500;
    int visibile_ = 20000;
    std::vector<Strumento> strumenti_;
    QPointer<Balloon> balloon_;
    QPointer<QWidget> sotto_;
    QTimer attesa_;
    QTimer durata_;
};

} // namespace scrivolta::ui
