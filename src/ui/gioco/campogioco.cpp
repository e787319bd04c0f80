// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gioco/campogioco.h"

#include "ui/comune/conversioni.h"
#include "ui/comune/gradiente.h"

#include <QInputMethodEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace scrivolta::ui {

namespace {

constexpr int kAltezzaBlocco = 6;
constexpr QColor kColoreBlocco(157, 196, 228);
constexpr int kLatoErrore = 64;
constexpr int kLarghezzaPunti = 70;
const AngoliGradiente kSfondoCampo{rgb(16, 40, 84), rgb(28, 56, 104), rgb(6, 14, 38),
                                   rgb(10, 24, 56)};

// The faces are drawn rather than taken from a symbol font, which the
// desktop may lack.
void disegnaFaccia(QPainter& p, const QRect& zona, bool contenta) {
    const int lato = std::min(zona.width(), zona.height()) - 4;
    const QRectF viso(zona.center().x() - lato / 2.0, zona.center().y() - lato / 2.0, lato, lato);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(contenta ? QColor(255, 220, 60) : QColor(150, 190, 255));
    p.drawEllipse(viso);
    p.setBrush(Qt::black);
    const double occhio = lato / 10.0;
    p.drawEllipse(QPointF(viso.left() + lato * 0.33, viso.top() + lato * 0.38), occhio, occhio);
    p.drawEllipse(QPointF(viso.left() + lato * 0.67, viso.top() + lato * 0.38), occhio, occhio);
    p.setBrush(Qt::NoBrush);
    const QRectF bocca(viso.left() + lato * 0.25, viso.top() + lato * (contenta ? 0.4 : 0.62),
                       lato * 0.5, lato * 0.35);
    p.drawArc(bocca, contenta ? 200 * 16 : 20 * 16, 140 * 16);
}

} // namespace

CampoGioco::CampoGioco(const Campo& campo, QWidget* parent) : QWidget(parent) {
    setFixedSize(campo.larghezza, campo.altezza);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fontLettere_ = QFont(QStringLiteral("Courier New"), campo.puntiCarattere, QFont::Bold);
    fontLettere_.setStyleHint(QFont::Monospace);
    fontPunti_ = QFont(QStringLiteral("Arial"), campo.puntiCarattere / 2, QFont::Bold);
    fontMessaggio_ = QFont(QStringLiteral("Arial"), campo.puntiCarattere * 2 / 3, QFont::Bold);
    const QFontMetrics m(fontLettere_);
    larghezzaLettera_ = m.horizontalAdvance(QLatin1Char('W'));
    altezzaLettera_ = m.height();
    preparaSfondo();
}

void CampoGioco::preparaSfondo() {
    sfondo_ = QPixmap(size());
    QPainter p(&sfondo_);
    Gradiente(p, rect(), kSfondoCampo, true);
}

void CampoGioco::mostra(const StatoGioco& stato) {
    for (std::size_t i = 0; i < colonne_.size(); ++i) {
        mostraColonna(colonne_[i], stato.colonne[i]);
        colonne_[i] = stato.colonne[i];
    }
    const QString messaggio = daCp1252(stato.messaggio);
    if (messaggio != messaggio_ || stato.messaggioVisibile != messaggioVisibile_ ||
        stato.topMessaggio != topMessaggio_) {
        update(zonaMessaggio(topMessaggio_));
        update(zonaMessaggio(stato.topMessaggio));
        messaggio_ = messaggio;
        messaggioVisibile_ = stato.messaggioVisibile;
        topMessaggio_ = stato.topMessaggio;
    }
    if (stato.imgErrore != errore_) {
        errore_ = stato.imgErrore;
        update(zonaErrore());
    }
}

void CampoGioco::mostraColonna(const Colonna& prima, const Colonna& dopo) {
    if (prima.visibile != dopo.visibile || prima.top != dopo.top || prima.lettera != dopo.lettera ||
        prima.colore != dopo.colore || prima.left != dopo.left) {
        if (prima.visibile)
            update(zonaLettera(prima));
        if (dopo.visibile)
            update(zonaLettera(dopo));
    }
    aggiornaSegno(prima.sorriso, dopo.sorriso, &CampoGioco::zonaFaccia);
    aggiornaSegno(prima.tristezza, dopo.tristezza, &CampoGioco::zonaFaccia);
    if (prima.valorePunti != dopo.valorePunti || prima.colorePunti != dopo.colorePunti)
        update(zonaPunti(dopo.punti));
    aggiornaSegno(prima.punti, dopo.punti, &CampoGioco::zonaPunti);
}

void CampoGioco::aggiornaSegno(const Segno& prima, const Segno& dopo,
                               QRect (CampoGioco::*zona)(const Segno&) const) {
    if (prima.visibile == dopo.visibile && prima.left == dopo.left && prima.top == dopo.top)
        return;
    if (prima.visibile)
        update((this->*zona)(prima));
    if (dopo.visibile)
        update((this->*zona)(dopo));
}

QRect CampoGioco::zonaLettera(const Colonna& c) const {
    return {c.left, c.top, larghezzaLettera_, altezzaLettera_};
}

QRect CampoGioco::zonaFaccia(const Segno& s) const {
    return {s.left, s.top, larghezzaLettera_, altezzaLettera_};
}

QRect CampoGioco::zonaPunti(const Segno& s) const {
    const int centro = s.left + larghezzaLettera_ / 2;
    return {centro - kLarghezzaPunti / 2, s.top, kLarghezzaPunti, altezzaLettera_};
}

QRect CampoGioco::zonaMessaggio(int top) const {
    return {0, top, width(), QFontMetrics(fontMessaggio_).height()};
}

QRect CampoGioco::zonaErrore() const {
    return {(width() - kLatoErrore) / 2, (height() - kLatoErrore) / 2, kLatoErrore, kLatoErrore};
}

void CampoGioco::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // The places that changed lie apart, all across the field: only they
    // are painted, not the rectangle around them all.
    const QRegion& zona = event->region();
    for (const QRect& r : zona)
        p.drawPixmap(r, sfondo_, r);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Colonna& c : colonne_)
        disegnaColonna(p, c, zona);
    if (messaggioVisibile_ && zona.intersects(zonaMessaggio(topMessaggio_)))
        disegnaMessaggio(p);
    if (errore_ && zona.intersects(zonaErrore()))
        disegnaErrore(p);
    // `picBlocco` covers the characters as they come in from above.
    if (zona.boundingRect().top() < kAltezzaBlocco)
        p.fillRect(0, 0, width(), kAltezzaBlocco, kColoreBlocco);
}

void CampoGioco::disegnaColonna(QPainter& p, const Colonna& c, const QRegion& zona) const {
    if (c.sorriso.visibile && zona.intersects(zonaFaccia(c.sorriso)))
        disegnaFaccia(p, zonaFaccia(c.sorriso), true);
    if (c.tristezza.visibile && zona.intersects(zonaFaccia(c.tristezza)))
        disegnaFaccia(p, zonaFaccia(c.tristezza), false);
    if (c.punti.visibile && zona.intersects(zonaPunti(c.punti))) {
        p.setFont(fontPunti_);
        p.setPen(qColore(c.colorePunti));
        p.drawText(zonaPunti(c.punti), Qt::AlignCenter, QString::number(c.valorePunti));
    }
    if (c.visibile && c.lettera != 0 && intera(c) && zona.intersects(zonaLettera(c)))
        p.drawPixmap(c.left, c.top, immagineLettera(c.lettera, c.colore));
}

// A character coming in from above shows only once the strip at the top no
// longer hides any of it: half a "j" reads as a "J", an "É" without its
// accent as an "E". Above the field it may still be caught, unseen.
bool CampoGioco::intera(const Colonna& c) const {
    auto [voce, nuova] = cimeInchiostro_.try_emplace(c.lettera, 0);
    if (nuova) {
        const QFontMetrics m(fontLettere_);
        const QRect inchiostro = m.boundingRect(daCp1252(std::string_view(&c.lettera, 1)).at(0));
        // The picture centres the line in a box one line high: the baseline
        // lies at the ascent; a pixel more for the smoothing of the edges.
        voce->second = m.ascent() + inchiostro.top() - 1;
    }
    return c.top + voce->second >= kAltezzaBlocco;
}

const QPixmap& CampoGioco::immagineLettera(char lettera, Colore colore) const {
    QPixmap& immagine = lettere_[{lettera, colore}];
    if (!immagine.isNull())
        return immagine;
    const qreal scala = devicePixelRatioF();
    immagine = QPixmap(QSize(larghezzaLettera_, altezzaLettera_) * scala);
    immagine.setDevicePixelRatio(scala);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(fontLettere_);
    p.setPen(qColore(colore));
    p.drawText(QRect(0, 0, larghezzaLettera_, altezzaLettera_), Qt::AlignCenter,
               daCp1252(std::string_view(&lettera, 1)));
    return immagine;
}

void CampoGioco::disegnaMessaggio(QPainter& p) const {
    p.setFont(fontMessaggio_);
    p.setPen(QColor(255, 255, 160));
    p.drawText(zonaMessaggio(topMessaggio_), Qt::AlignCenter, messaggio_);
}

// `imgErrore`: a red disc with a white cross while the fall is paused.
void CampoGioco::disegnaErrore(QPainter& p) const {
    const QRectF z = zonaErrore().adjusted(4, 4, -4, -4);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(z);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    const QRectF x = z.adjusted(16, 16, -16, -16);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

// The window takes composed text (dead keys) before it arrives here; the
// field only accepts it, so that input methods compose for it.
void CampoGioco::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();
}

QVariant CampoGioco::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImHints:
        return static_cast<int>(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    default:
        return QWidget::inputMethodQuery(query);
    }
}

} // namespace scrivolta::ui
