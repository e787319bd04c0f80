// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tastiera/widgettastiera.h"

#include "ui/comune/accessibile.h"
#include "ui/tastiera/accessibiletastiera.h"
#include "ui/tastiera/disegnotastiera.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace scrivolta::ui {

namespace {
constexpr int kTastoBloccaMaiuscole = 55;
} // namespace

WidgetTastiera::WidgetTastiera(Tastiera& tastiera, QWidget* parent)
    : QWidget(parent), tastiera_(tastiera), fontScalato_(tastiera.scalata()) {
    creaFont();
    resize(dimensioneBase());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The hand over the finger pictures tells that they answer a double click.
    setMouseTracking(true);
    tastiera_.impostaOsservatore(this);
    segniCambiati();
    installaAccessibilitaTastiera();
    rinnovaAccessibile(this);
}

WidgetTastiera::~WidgetTastiera() {
    tastiera_.impostaOsservatore(nullptr);
}

void WidgetTastiera::creaFont() {
    font_ = creaFontTastiera(fontScalato_);
    font_.pronti = &pronti_;
}

QSize WidgetTastiera::dimensioneBase() const {
    const Rettangolo area = areaTastiera(tastiera_.scalata());
    return {area.width, area.height};
}

QRect WidgetTastiera::rettangoloTasto(int tasto) const {
    const Rettangolo r = tastiera_.rettangolo(tasto);
    return {r.left, r.top, r.width, r.height};
}

QRect WidgetTastiera::rettangoloSegno(const Cornice& cornice) const {
    return rettangoloCornice(cornice);
}

int WidgetTastiera::tastoErrato() const {
    if (!tastiera_.erroreVisibile())
        return -1;
    const QPoint centro = rettangoloImmagine(tastiera_.posizioneErrore()).center();
    for (int i = 0; i < kNumeroTasti; ++i) {
        if (rettangoloTasto(i).contains(centro))
            return i;
    }
    return -1;
}

QColor WidgetTastiera::coloreFondo() const {
    return tastiera_.tastieraSemplice ? QColor(Qt::white) : palette().color(QPalette::Window);
}

void WidgetTastiera::impostaTooltip(const QString& dita, const QString& tastoMenu) {
    tooltipDita_ = dita;
    tooltipTastoMenu_ = tastoMenu;
}

void WidgetTastiera::mostraPremi(bool visibile) {
    if (visibile == premi_)
        return;
    premi_ = visibile;
    update(areaPremi());
}

void WidgetTastiera::mostraAvvisoMaiuscole(bool visibile) {
    if (visibile == avvisoMaiuscole_)
        return;
    avvisoMaiuscole_ = visibile;
    update(areaTasto(kTastoBloccaMaiuscole));
}

QRect WidgetTastiera::areaPremi() const {
    return areaTasto(indiceTasto::InvioAlto)
        .united(areaTasto(indiceTasto::InvioBasso))
        .adjusted(-3, -3, 3, 3);
}

QRect WidgetTastiera::areaTasto(int tasto) const {
    return rettangoloDisegno(tastiera_, tasto);
}

void WidgetTastiera::tastoCambiato(int tasto) {
    sottoPremi_ = QImage();
    update(areaTasto(tasto));
    if (tasto == indiceTasto::InvioAlto || tasto == indiceTasto::InvioBasso)
        update(areaTasto(tasto == indiceTasto::InvioAlto ? indiceTasto::InvioBasso
                                                         : indiceTasto::InvioAlto));
}

// Frames and the mark come and go at every keystroke: only the places they
// left and the places they now take are painted again. A frame takes only
// a ring around its key.
QRegion WidgetTastiera::areaSegniMobili() const {
    QRegion area;
    for (const Cornice& c : tastiera_.cornici()) {
        if (c.esiste && c.visibile)
            area += anelloCornice(c);
    }
    if (tastiera_.erroreVisibile())
        area += rettangoloImmagine(tastiera_.posizioneErrore());
    return area;
}

QRegion WidgetTastiera::areaSegniFissi() const {
    QRegion area;
    if (tastiera_.ditaVisibili()) {
        for (const Punto& d : tastiera_.posizioniDita())
            area += rettangoloImmagine(d);
    }
    for (const LineaRilievo& l : lineeRilievo(tastiera_.scalata()))
        area += QRect(l.x1, l.y, l.x2 - l.x1, 1);
    return area;
}

void WidgetTastiera::segniCambiati() {
    sottoPremi_ = QImage();
    if (tastiera_.scalata() != fontScalato_) {
        fontScalato_ = tastiera_.scalata();
        creaFont();
        resize(dimensioneBase());
        update();
    }
    const QRegion mobili = areaSegniMobili();
    update(mobiliDipinti_ + mobili);
    mobiliDipinti_ = mobili;
    const bool fissiCambiati = tastiera_.ditaVisibili() != ditaDipinte_ ||
                               tastiera_.coloriRilievo() != rilieviDipinti_ ||
                               tastiera_.posizioniDita() != posizioniDipinte_;
    if (!fissiCambiati)
        return;
    const QRegion fissi = areaSegniFissi();
    update(fissiDipinti_ + fissi);
    fissiDipinti_ = fissi;
    ditaDipinte_ = tastiera_.ditaVisibili();
    rilieviDipinti_ = tastiera_.coloriRilievo();
    posizioniDipinte_ = tastiera_.posizioniDita();
}

void WidgetTastiera::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // The Enter mark's blink, or a change under it, from the kept picture.
    if (areaPremi().contains(event->region().boundingRect())) {
        dipingiSottoPremi(p, event->region());
        dipingiAvvisi(p);
        return;
    }
    // The region, not its bounding rectangle: the two Shift keys are at the
    // ends of the keyboard and are redrawn at almost every keystroke. One
    // rectangle at a time: the painter clips to a rectangle at a fraction of
    // the cost of clipping to a ragged region.
    for (const QRect& r : event->region()) {
        p.setClipRect(r);
        dipingiTastiera(p, tastiera_, font_, QRegion(r), coloreFondo());
        dipingiAvvisi(p);
    }
}

void WidgetTastiera::dipingiSottoPremi(QPainter& p, const QRegion& zona) {
    const QRect area = areaPremi();
    const qreal rapporto = p.device()->devicePixelRatioF();
    if (sottoPremi_.isNull() || sottoPremi_.devicePixelRatio() != rapporto) {
        sottoPremi_ = QImage(area.size() * rapporto, QImage::Format_RGB32);
        sottoPremi_.setDevicePixelRatio(rapporto);
        QPainter pittore(&sottoPremi_);
        pittore.translate(-area.topLeft());
        dipingiTastiera(pittore, tastiera_, font_, QRegion(area), coloreFondo());
    }
    p.setClipRegion(zona);
    p.drawImage(area.topLeft(), sottoPremi_);
}

void WidgetTastiera::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        sottoPremi_ = QImage();
    QWidget::changeEvent(event);
}

void WidgetTastiera::dipingiAvvisi(QPainter& p) {
    if (!premi_ && !avvisoMaiuscole_)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (premi_) {
        pronti_.immagini.disegna(p, areaPremi(), immagine::kPremi, [](QPainter& q, const QRect& r) {
            q.setPen(QPen(QColor(255, 170, 0), 3));
            q.setBrush(QColor(255, 220, 0, 70));
            q.drawRoundedRect(r.adjusted(2, 2, -2, -2), 6, 6);
        });
    }
    if (avvisoMaiuscole_) {
        const QRectF x = QRectF(areaTasto(kTastoBloccaMaiuscole)).adjusted(16, 8, -16, -8);
        p.setPen(QPen(QColor(220, 0, 0), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    }
    p.restore();
}

int WidgetTastiera::ditoSotto(const QPoint& punto) const {
    if (!tastiera_.ditaVisibili())
        return -1;
    for (int i = 0; i < 10; ++i) {
        if (rettangoloImmagine(tastiera_.posizioniDita()[static_cast<std::size_t>(i)])
                .contains(punto))
            return i;
    }
    return -1;
}

void WidgetTastiera::mouseDoubleClickEvent(QMouseEvent* event) {
    if (ditoSotto(event->position().toPoint()) >= 0) {
        tastiera_.NascondiDitaMostraStriscia();
        if (doppioClickDita_)
            doppioClickDita_();
        return;
    }
    // The menu key switches between the flat and the relief drawing.
    if (tastoMenuAttivo_ && areaTasto(indiceTasto::Menu).contains(event->position().toPoint())) {
        tastiera_.tastieraSemplice = !tastiera_.tastieraSemplice;
        sottoPremi_ = QImage();
        update();
    }
}

void WidgetTastiera::mouseMoveEvent(QMouseEvent* event) {
    const Qt::CursorShape forma =
        ditoSotto(event->position().toPoint()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (cursor().shape() != forma)
        setCursor(forma);
}

bool WidgetTastiera::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPoint punto = static_cast<QHelpEvent*>(event)->pos();
    const QRect menu = rettangoloTasto(indiceTasto::Menu);
    if (ditoSotto(punto) >= 0)
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tooltipDita_, this);
    else if (menu.contains(punto))
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tooltipTastoMenu_, this);
    else
        QToolTip::hideText();
    return true;
}

} // namespace scrivolta::ui
