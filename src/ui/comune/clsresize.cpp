// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/clsresize.h"

#include <QFrame>
#include <QLayout>

namespace scrivolta::ui {

using ridimensiona::Geometria;
using ridimensiona::TipoControllo;

namespace {

// Children that Qt builds inside its own widgets (the parts of a combo box
// or a scroll area) belong to their parent.
bool parteDiQt(const QWidget* w) {
    return w->isWindow() || w->objectName().startsWith(QLatin1String("qt_"));
}

bool inUnLayout(const QWidget* w) {
    const QWidget* genitore = w->parentWidget();
    return genitore == nullptr || genitore->layout() != nullptr;
}

void aggiungiFigli(QWidget* genitore, std::vector<QWidget*>& out) {
    for (QObject* figlio : genitore->children()) {
        auto* w = qobject_cast<QWidget*>(figlio);
        if (w == nullptr || parteDiQt(w) || inUnLayout(w))
            continue;
        out.push_back(w);
        aggiungiFigli(w, out);
    }
}

// Below a layout the widgets follow it, and their parent's font; one with a
// font of its own would keep its design size while the fonts around it grow.
void aggiungiFontPropri(QWidget* genitore, bool sottoLayout, std::vector<QWidget*>& out) {
    for (QObject* figlio : genitore->children()) {
        auto* w = qobject_cast<QWidget*>(figlio);
        if (w == nullptr || parteDiQt(w))
            continue;
        const bool piazzato = sottoLayout || inUnLayout(w);
        if (piazzato && w->testAttribute(Qt::WA_SetFont))
            out.push_back(w);
        aggiungiFontPropri(w, piazzato, out);
    }
}

bool linea(const QWidget* w) {
    const auto* f = qobject_cast<const QFrame*>(w);
    return f != nullptr && (f->frameShape() == QFrame::HLine || f->frameShape() == QFrame::VLine);
}

TipoControllo tipoDi(const QWidget* w) {
    if (linea(w))
        return TipoControllo::Linea;
    if (w->property(ClsResize::kImmagine).toBool())
        return TipoControllo::Immagine;
    return TipoControllo::Altro;
}

int intero(double valore) {
    return qRound(valore);
}

} // namespace

std::vector<QWidget*> controlliDi(QWidget* finestra) {
    std::vector<QWidget*> out;
    if (finestra != nullptr)
        aggiungiFigli(finestra, out);
    return out;
}

void ClsResize::impostaSourceForm(QWidget* finestra) {
    sourceForm_ = finestra;
    primaVolta_ = true;
    controlli_.clear();
}

void ClsResize::SizeFormToScreen() {
    if (primaVolta_)
        registra();
    ResizeControls();
}

// A line is stored by its end points, as a line control reports them; every
// other control by its place, size and font.
ClsResize::Controllo ClsResize::leggi(QWidget* w) {
    Controllo c;
    c.controllo = w;
    c.tipo = tipoDi(w);
    const QRect g = w->geometry();
    if (c.tipo == TipoControllo::Linea) {
        c.progetto = {double(g.left()), double(g.top()), double(g.left() + g.width()),
                      double(g.top() + g.height()), 0};
        return c;
    }
    c.progetto = {double(g.left()), double(g.top()), double(g.width()), double(g.height()), 0};
    const QFont& f = w->font();
    c.fontInPixel = f.pointSizeF() <= 0;
    c.progetto.punti = c.fontInPixel ? f.pixelSize() : f.pointSizeF();
    return c;
}

void ClsResize::registra() {
    controlli_.clear();
    for (QWidget* w : controlliDi(sourceForm_))
        controlli_.push_back(leggi(w));
    std::vector<QWidget*> soloFont;
    if (sourceForm_ != nullptr)
        aggiungiFontPropri(sourceForm_, false, soloFont);
    for (QWidget* w : soloFont) {
        Controllo c = leggi(w);
        c.tipo = TipoControllo::Altro;
        c.soloFont = true;
        controlli_.push_back(c);
    }
    primaVolta_ = false;
}

void ClsResize::scrivi(const Controllo& c) {
    QWidget* w = c.controllo;
    if (w == nullptr)
        return;
    const Geometria s = ridimensiona::scala(c.tipo, c.progetto);
    if (c.tipo == TipoControllo::Linea) {
        w->setGeometry(QRect(QPoint(intero(s.a), intero(s.b)), QPoint(intero(s.c), intero(s.d)))
                           .adjusted(0, 0, -1, -1)
                           .normalized());
        return;
    }
    if (!c.soloFont)
        w->setGeometry(intero(s.a), intero(s.b), intero(s.c), intero(s.d));
    if (c.progetto.punti <= 0)
        return;
    QFont f = w->font();
    if (c.fontInPixel)
        f.setPixelSize(intero(s.punti));
    else
        f.setPointSizeF(s.punti);
    w->setFont(f);
}

void ClsResize::ResizeControls() {
    if (sourceForm_ == nullptr || sourceForm_->isMinimized() || controlliDi(sourceForm_).empty())
        return;
    if (primaVolta_) {
        registra();
        return;
    }
    const bool aggiornava = sourceForm_->updatesEnabled();
    sourceForm_->setUpdatesEnabled(false);
    for (const Controllo& c : controlli_)
        scrivi(c);
    sourceForm_->setUpdatesEnabled(aggiornava);
}

} // namespace scrivolta::ui
