// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/vista.h"
#include "ui/comune/accessibile.h"
#include "ui/comune/disegnipronti.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

class QPainter;
#include <functional>
#include <vector>

namespace scrivolta::ui {

// A line's width as the display draws it: letter by letter, each at the
// sum of the advances before it. Faster than shaping the line, and the
// marker built from it ends exactly where the drawn text does.
int larghezzaLettere(const QFontMetrics& metriche, const QString& testo);

// `txtInput`: the learner's line. It shows what the exercise says was
// typed, with the caret always at the end; every key, composed character and
// mouse press goes to the window, which asks the exercise.

class CampoInput final : public QWidget, public Accessibile {
public:
    struct Gestori {
        std::function<void(QKeyEvent*)> tastoGiu;
        std::function<void(QKeyEvent*)> tastoSu;
        std::function<void(const QString&)> testoComposto;
        std::function<void()> pulsanteDestro;
    };

    explicit CampoInput(QWidget* parent = nullptr);
    void impostaGestori(Gestori gestori) { gestori_ = std::move(gestori); }
    void mostra(const QString& testo, QColor sfondo, bool bloccato);

    QAccessible::Role ruoloAccessibile() const override { return QAccessible::EditableText; }
    QString valoreAccessibile() const override { return testo_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;

private:
    QRect rettangoloCursore() const;
    int larghezza() const { return inizi_.back(); }
    QRect zonaCambiata(const QString& prima, int larghezzaPrima) const;
    void misura(const QString& prima);
    void dipingiTesto(QPainter& p, int sinistra, const QRegion& zona);

    Gestori gestori_;
    QString testo_;
    // Where each typed letter starts, then where the text ends.
    std::vector<int> inizi_{0};
    TestiStatici lettere_;
    QColor sfondo_;
    bool bloccato_ = true;
};

// Where the display puts its input line, in pixels: the design's, or the
// design's scaled to a large screen.
struct PostiDisplay {
    int margine = 8;
    int altezzaInput = 30;
    int sottoFrase = 54;
    int sottoTestoFile = 44;
    int sinistraTestoFile = 67;
    // The same places grown by the window's proportional scaling.
    static PostiDisplay scalati();
};

// `picDisplay` with `lblFraseCorr` and the marker `shpIndex` over the typed
// part of the text.
class DisplayEsercizio final : public QWidget, public Accessibile {
public:
    explicit DisplayEsercizio(QWidget* parent = nullptr);

    void mostra(const StatoVista& stato);
    // The fonts and places of a large screen (`dimTestoFrase` 16 and
    // `dimTestoFile` 24 pt, the title at 30 pt), or of the design.
    void impostaScala(bool grande);
    // The greeting's lines stay in the top `progetto` design pixels of the
    // display: the controls of the greeting lie below.
    void impostaAltezzaSaluto(int progetto);
    // Where the greeting's lines are drawn, in the display's pixels.
    const std::vector<QRect>& righeSaluto() const { return saluto_.posti; }
    // The product name spelled out at start-up, before the greeting.
    void mostraTitolo(const QString& titolo);
    // The font of the display for a layout: larger for text files.
    const QFont& font(ModoDisplay modo) const;
    const QFontMetrics& metriche(ModoDisplay modo) const;
    // The phrase font on the phrase line, for fitting phrases to it.
    const MisuraTesto& misuraFrase() const { return misuraFrase_; }
    CampoInput* input() const { return input_; }

    // The text to type, or the title while it is spelled out.
    QAccessible::Role ruoloAccessibile() const override { return QAccessible::StaticText; }
    QString valoreAccessibile() const override { return titolo_.isEmpty() ? frase_ : titolo_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class MisuraFrase final : public MisuraTesto {
    public:
        explicit MisuraFrase(const DisplayEsercizio& display) : display_(display) {}
        int larghezzaTesto(std::string_view testo) const override;
        int larghezzaRiga() const override;

    private:
        const DisplayEsercizio& display_;
    };

    QRect rettangoloFrase() const;
    QRect rettangoloSaluto() const;
    QFont fontSaluto(const QStringList& righe, QRect area) const;
    void disponiSaluto();
    void disponiInput();
    void spostaMarcatore(const Marcatore& marcatore);
    QRect rettangoloMarcatore(const Marcatore& m) const;
    struct RigaMisurata {
        QString testo;
        // Where each letter starts, then where the line ends.
        std::vector<int> inizi;
    };
    void misuraRighe();
    void dipingiRiga(QPainter& p, QPoint base, const RigaMisurata& riga, const QRegion& zona) const;
    void dipingiSpazioFinale(QPainter& p, QPoint base) const;

    PostiDisplay posti_;
    bool grande_ = false;
    int altezzaSaluto_ = 0;
    // The greeting's font and its lines with their places.
    struct Saluto {
        QFont font;
        std::vector<QString> righe;
        std::vector<QRect> posti;
    };
    Saluto saluto_;
    QFont fontFrase_;
    QFont fontTestoFile_;
    QFont fontTitolo_;
    QFontMetrics metricheFrase_;
    QFontMetrics metricheTestoFile_;
    CampoInput* input_;
    MisuraFrase misuraFrase_{*this};
    ModoDisplay modo_ = ModoDisplay::Saluto;
    QString frase_;
    std::vector<RigaMisurata> righe_;
    // Painting draws, it does not change what is shown.
    mutable TestiStatici lettere_;
    Marcatore marcatore_;
    QColor coloreMarcatore_;
    QString titolo_;
};

} // namespace scrivolta::ui
