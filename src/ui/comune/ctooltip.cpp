// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/ctooltip.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace scrivolta::ui {

namespace {

constexpr int kMargine = 8;
constexpr int kCoda = 10;
constexpr int kLatoIcona = 16;
constexpr int kRaggio = 6;

QStyle::StandardPixmap pixmapIcona(int icona) {
    switch (icona) {
    case cTooltip::Avviso:
        return QStyle::SP_MessageBoxWarning;
    case cTooltip::Errore:
        return QStyle::SP_MessageBoxCritical;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

// The balloon: a rounded box with a tail pointing up at its control, the
// title in bold beside the icon, the text below.
class Balloon final : public QWidget {
public:
    explicit Balloon(QWidget* owner)
        : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), sfondo_(QColor(255, 255, 225)),
          testo_(Qt::black) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

    QColor sfondo_;
    QColor testo_;
    int larghezzaMassima_ = -1;

    void prepara(const QString& titolo, int icona, const QString& testo) {
        titolo_ = titolo;
        icona_ = icona;
        corpo_ = testo;
        resize(misura());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath forma;
        const QRectF box = QRectF(rect()).adjusted(0.5, kCoda + 0.5, -0.5, -0.5);
        forma.addRoundedRect(box, kRaggio, kRaggio);
        QPainterPath coda;
        coda.moveTo(kMargine + 4, box.top() + 1);
        coda.lineTo(kMargine + 4, 0.5);
        coda.lineTo(kMargine + 4 + kCoda, box.top() + 1);
        forma = forma.united(coda);
        p.setPen(QPen(testo_, 1));
        p.setBrush(sfondo_);
        p.drawPath(forma);
        int x = kMargine;
        const int y = kCoda + kMargine;
        if (icona_ != cTooltip::Nessuna) {
            style()->standardIcon(pixmapIcona(icona_)).paint(&p, x, y, kLatoIcona, kLatoIcona);
            x += kLatoIcona + 4;
        }
        QFont grassetto = font();
        grassetto.setBold(true);
        p.setFont(grassetto);
        p.drawText(QRect(x, y, width() - x, kLatoIcona), Qt::AlignVCenter, titolo_);
        p.setFont(font());
        p.drawText(areaCorpo(), Qt::TextWordWrap, corpo_);
    }

private:
    QRect areaCorpo() const {
        const int alto = kCoda + kMargine + kLatoIcona + 4;
        return {kMargine, alto, width() - 2 * kMargine, height() - alto - kMargine};
    }

    QSize misura() const {
        const int limite = larghezzaMassima_ > 0 ? larghezzaMassima_ : 10000;
        const QFontMetrics fm(font());
        const QRect corpo = fm.boundingRect(QRect(0, 0, limite, 10000), Qt::TextWordWrap, corpo_);
        QFont grassetto = font();
        grassetto.setBold(true);
        const int titolo = QFontMetrics(grassetto).horizontalAdvance(titolo_) + kLatoIcona + 4;
        const int larghezza = std::max(corpo.width(), titolo) + 2 * kMargine;
        return {larghezza, kCoda + kMargine + kLatoIcona + 4 + corpo.height() + kMargine};
    }

    QString titolo_;
    int icona_ = cTooltip::Nessuna;
    QString corpo_;
};

cTooltip::cTooltip(QObject* parent) : QObject(parent) {
    attesa_.setSingleShot(true);
    durata_.setSingleShot(true);
    connect(&attesa_, &QTimer::timeout, this, &cTooltip::mostra);
    connect(&durata_, &QTimer::timeout, this, &cTooltip::nascondi);
}

cTooltip::~cTooltip() {
    while (!strumenti_.empty())
        RemoveTool(strumenti_.front().controllo);
    delete balloon_;
}

bool cTooltip::Create(QWidget* owner) {
    if (balloon_ == nullptr && owner != nullptr)
        balloon_ = new Balloon(owner);
    creato_ = balloon_ != nullptr;
    return creato_;
}

bool cTooltip::esiste() const {
    return creato_ && balloon_ != nullptr;
}

int cTooltip::ToolCount() const {
    return esiste() ? static_cast<int>(strumenti_.size()) : 0;
}

const cTooltip::Strumento* cTooltip::trova(const QWidget* control) const {
    for (const Strumento& s : strumenti_) {
        if (s.controllo == control)
            return &s;
    }
    return nullptr;
}

bool cTooltip::AddTool(QWidget* control, const QString& text) {
    if (!esiste() || control == nullptr || trova(control) != nullptr)
        return false;
    strumenti_.push_back({control, text});
    control->installEventFilter(this);
    control->setAccessibleDescription(text);
    return true;
}

bool cTooltip::RemoveTool(QWidget* control) {
    for (auto it = strumenti_.begin(); it != strumenti_.end(); ++it) {
        if (it->controllo != control)
            continue;
        if (control != nullptr)
            control->removeEventFilter(this);
        if (sotto_ == control)
            nascondi();
        strumenti_.erase(it);
        return true;
    }
    return false;
}

QString cTooltip::ToolText(QWidget* control) const {
    const Strumento* s = trova(control);
    return s != nullptr ? s->testo : QString();
}

void cTooltip::setToolText(QWidget* control, const QString& text) {
    for (Strumento& s : strumenti_) {
        if (s.controllo == control && control != nullptr) {
            s.testo = text;
            control->setAccessibleDescription(text);
        }
    }
}

void cTooltip::setTitle(const QString& title) {
    titolo_ = title.isEmpty() ? QStringLiteral(" ") : title;
}

void cTooltip::setIcon(int icon) {
    icona_ = icon;
    if (titolo_.isEmpty())
        titolo_ = QStringLiteral(" ");
}

QColor cTooltip::BackColor() const {
    return balloon_ != nullptr ? balloon_->sfondo_ : QColor();
}

void cTooltip::setBackColor(const QColor& colour) {
    if (balloon_ != nullptr)
        balloon_->sfondo_ = colour;
}

QColor cTooltip::ForeColor() const {
    return balloon_ != nullptr ? balloon_->testo_ : QColor();
}

void cTooltip::setForeColor(const QColor& colour) {
    if (balloon_ != nullptr)
        balloon_->testo_ = colour;
}

void cTooltip::setDelayTime(int ms) {
    ritardo_ = ms;
}

void cTooltip::setVisibleTime(int ms) {
    visibile_ = ms;
}

int cTooltip::MaxTipWidth() const {
    return balloon_ != nullptr ? balloon_->larghezzaMassima_ : 0;
}

void cTooltip::setMaxTipWidth(int pixel) {
    if (balloon_ != nullptr)
        balloon_->larghezzaMassima_ = pixel > 0 ? pixel : -1;
}

QWidget* cTooltip::balloonVisibile() const {
    return balloon_ != nullptr && balloon_->isVisible() ? balloon_ : nullptr;
}

bool cTooltip::eventFilter(QObject* oggetto, QEvent* evento) {
    auto* controllo = qobject_cast<QWidget*>(oggetto);
    switch (evento->type()) {
    case QEvent::Enter:
        nascondi();
        sotto_ = controllo;
        attesa_.start(ritardo_);
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        if (sotto_ == controllo)
            nascondi();
        break;
    case QEvent::ToolTip:
        // The balloon replaces the plain tooltip.
        return trova(controllo) != nullptr;
    default:
        break;
    }
    return false;
}

void cTooltip::mostra() {
    const Strumento* s = trova(sotto_);
    if (balloon_ == nullptr || s == nullptr || !sotto_->isVisible())
        return;
    balloon_->prepara(titolo_, icona_, s->testo);
    QPoint punto =
        sotto_->mapToGlobal(QPoint(sotto_->width() / 2 - kMargine - 4, sotto_->height()));
    if (const QScreen* schermo = sotto_->screen()) {
        const QRect area = schermo->availableGeometry();
        punto.setX(std::clamp(punto.x(), area.left(), area.right() - balloon_->width()));
    }
    balloon_->move(punto);
    balloon_->show();
    durata_.start(visibile_);
}

void cTooltip::nascondi() {
    attesa_.stop();
    durata_.stop();
    if (balloon_ != nullptr)
        balloon_->hide();
    sotto_ = nullptr;
}

} // namespace scrivolta::ui
