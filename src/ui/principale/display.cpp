// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/display.h"

#include "app/dominio.h"
#include "app/ridimensiona.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/nomiaccessibili.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace scrivolta::ui {

namespace {

// Pixel sizes of 12 and 18 pt, and of 16 and 24 pt on a large screen.
constexpr int kPixelFrase = 16;
constexpr int kPixelTestoFile = 24;
constexpr int kPixelFraseGrande = 21;
constexpr int kPixelTestoFileGrande = 32;
// Courier New 22 pt, 30 pt on a large screen.
constexpr int kPixelTitolo = 29;
constexpr int kPixelTitoloGrande = 40;
// The greeting may shrink to three quarters of the phrase font to keep each
// of its lines whole: a line broken before its last word reads badly.
constexpr int kRiduzioneSalutoMassima = 4;

// Where each letter of `testo` not yet in `inizi` starts; the last entry
// is where the line ends.
void misuraLettere(const QFontMetrics& metriche, const QString& testo, std::vector<int>& inizi) {
    for (auto i = static_cast<qsizetype>(inizi.size()) - 1; i < testo.size(); ++i)
        inizi.push_back(inizi.back() + metriche.horizontalAdvance(testo[i]));
}

// Calls `disegna(i, x)` for each letter of a line measured in `inizi` and
// set from `sinistra` in `banda` whose place meets `zona`, with a margin
// for the strokes that reach over a neighbour.
template <typename Disegna>
void lettereInZona(const std::vector<int>& inizi, int sinistra, QRect banda, const QRegion& zona,
                   Disegna disegna) {
    constexpr int kMargine = 3;
    const QRect limiti = zona.boundingRect();
    const auto fine =
        std::upper_bound(inizi.begin() + 1, inizi.end(), limiti.left() - sinistra - kMargine);
    for (auto i = static_cast<std::size_t>(fine - inizi.begin() - 1); i + 1 < inizi.size(); ++i) {
        const int x = sinistra + inizi[i];
        if (x - kMargine > limiti.right())
            break;
        const QRect posto(x - kMargine, banda.top(), inizi[i + 1] - inizi[i] + 2 * kMargine,
                          banda.height());
        if (zona.intersects(posto))
            disegna(static_cast<qsizetype>(i), x);
    }
}

} // namespace

int larghezzaLettere(const QFontMetrics& metriche, const QString& testo) {
    int larghezza = 0;
    for (const QChar c : testo)
        larghezza += metriche.horizontalAdvance(c);
    return larghezza;
}

CampoInput::CampoInput(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setCursor(Qt::IBeamCursor);
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kInput));
    rinnovaAccessibile(this);
}

void CampoInput::mostra(const QString& testo, QColor sfondo, bool bloccato) {
    if (testo == testo_ && sfondo == sfondo_ && bloccato == bloccato_)
        return;
    const bool nuovoTesto = testo != testo_;
    const bool soloTesto = sfondo == sfondo_ && bloccato == bloccato_;
    const QString prima = std::exchange(testo_, testo);
    const int larghezzaPrima = larghezza();
    misura(prima);
    sfondo_ = sfondo;
    bloccato_ = bloccato;
    if (soloTesto)
        update(zonaCambiata(prima, larghezzaPrima));
    else
        update();
    if (nuovoTesto)
        annunciaValore(this, testo_);
}

// A character typed or taken back changes only the end of the line, while
// the line has not begun to slide.
QRect CampoInput::zonaCambiata(const QString& prima, int larghezzaPrima) const {
    const int corta = std::min(larghezzaPrima, larghezza());
    const int lunga = std::max(larghezzaPrima, larghezza());
    const bool scorre = lunga > width() - 12;
    const bool inCoda = testo_.startsWith(prima) || prima.startsWith(testo_);
    if (scorre || !inCoda)
        return rect();
    return QRect(QPoint(4 + corta - 3, 0), QPoint(4 + lunga + 4, height() - 1));
}

// A letter typed or taken back measures only itself.
void CampoInput::misura(const QString& prima) {
    if (testo_.startsWith(prima))
        inizi_.resize(static_cast<std::size_t>(prima.size()) + 1);
    else if (prima.startsWith(testo_))
        inizi_.resize(static_cast<std::size_t>(testo_.size()) + 1);
    else
        inizi_ = {0};
    misuraLettere(fontMetrics(), testo_, inizi_);
}

void CampoInput::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        inizi_ = {0};
        misuraLettere(fontMetrics(), testo_, inizi_);
    }
    QWidget::changeEvent(event);
}

QRect CampoInput::rettangoloCursore() const {
    return QRect(std::min(4 + larghezza(), width() - 3), 4, 2, height() - 8);
}

void CampoInput::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // The border as four filled lines: a stroked outline costs more than
    // the rest of a keystroke's repaint.
    p.fillRect(rect(), QColor(90, 110, 140));
    p.fillRect(rect().adjusted(1, 1, -1, -1), sfondo_);
    p.setPen(Qt::black);
    p.setFont(font());
    // The end of the line stays in view: older text slides out to the left.
    const int spostamento = std::max(0, larghezza() - (width() - 12));
    dipingiTesto(p, 4 - spostamento, event->region());
    if (hasFocus() && !bloccato_)
        p.fillRect(rettangoloCursore().translated(-spostamento, 0), Qt::black);
}

// Letter by letter as the display draws the phrase, and only the letters
// in the repainted area, with a margin for strokes that reach over.
void CampoInput::dipingiTesto(QPainter& p, int sinistra, const QRegion& zona) {
    lettereInZona(inizi_, sinistra, rect(), zona, [&](qsizetype i, int x) {
        const auto dopo = static_cast<std::size_t>(i) + 1;
        const QRect posto(x, 0, inizi_[dopo] - inizi_[dopo - 1], height());
        lettere_.disegna(p, posto, Qt::AlignVCenter, QString(testo_[i]));
    });
}

void CampoInput::keyPressEvent(QKeyEvent* event) {
    if (gestori_.tastoGiu)
        gestori_.tastoGiu(event);
    event->accept();
}

void CampoInput::keyReleaseEvent(QKeyEvent* event) {
    if (gestori_.tastoSu)
        gestori_.tastoSu(event);
    event->accept();
}

// Dead keys arrive as composed text from the input method.
void CampoInput::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && gestori_.testoComposto)
        gestori_.testoComposto(event->commitString());
    event->accept();
}

QVariant CampoInput::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImCursorRectangle:
        return rettangoloCursore();
    case Qt::ImEnabled:
        return true;
    case Qt::ImHints:
        return static_cast<int>(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void CampoInput::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() == Qt::RightButton && gestori_.pulsanteDestro)
        gestori_.pulsanteDestro();
    event->accept();
}

// Tab is a key like any other in an exercise, never a move to another control.
bool CampoInput::focusNextPrevChild(bool) {
    return false;
}

namespace {

// Without kerning the marker, built from the widths of single characters,
// covers the typed text exactly.
QFont fontDisplay(int pixel) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setKerning(false);
    return f;
}

QFont fontTitolo(int pixel) {
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(pixel);
    f.setBold(true);
    return f;
}

} // namespace

PostiDisplay PostiDisplay::scalati() {
    using ridimensiona::kOrizzontale;
    using ridimensiona::kVerticale;
    const PostiDisplay d;
    return {qRound(d.margine * kOrizzontale), qRound(d.altezzaInput * kVerticale),
            qRound(d.sottoFrase * kVerticale), qRound(d.sottoTestoFile * kVerticale),
            qRound(d.sinistraTestoFile * kOrizzontale)};
}

DisplayEsercizio::DisplayEsercizio(QWidget* parent)
    : QWidget(parent), fontFrase_(fontDisplay(kPixelFrase)),
      fontTestoFile_(fontDisplay(kPixelTestoFile)), fontTitolo_(fontTitolo(kPixelTitolo)),
      metricheFrase_(fontFrase_), metricheTestoFile_(fontTestoFile_), input_(new CampoInput(this)) {
    input_->setFont(font(ModoDisplay::Frase));
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kFrase));
    rinnovaAccessibile(this);
}

void DisplayEsercizio::impostaScala(bool grande) {
    grande_ = grande;
    fontFrase_ = fontDisplay(grande ? kPixelFraseGrande : kPixelFrase);
    fontTestoFile_ = fontDisplay(grande ? kPixelTestoFileGrande : kPixelTestoFile);
    fontTitolo_ = fontTitolo(grande ? kPixelTitoloGrande : kPixelTitolo);
    metricheFrase_ = QFontMetrics(fontFrase_);
    metricheTestoFile_ = QFontMetrics(fontTestoFile_);
    posti_ = grande ? PostiDisplay::scalati() : PostiDisplay();
    input_->setFont(font(modo_));
    disponiInput();
    misuraRighe();
    disponiSaluto();
    update();
}

void DisplayEsercizio::impostaAltezzaSaluto(int progetto) {
    altezzaSaluto_ = progetto;
    disponiSaluto();
}

const QFont& DisplayEsercizio::font(ModoDisplay modo) const {
    return modo == ModoDisplay::TestoFile ? fontTestoFile_ : fontFrase_;
}

const QFontMetrics& DisplayEsercizio::metriche(ModoDisplay modo) const {
    return modo == ModoDisplay::TestoFile ? metricheTestoFile_ : metricheFrase_;
}

void DisplayEsercizio::mostra(const StatoVista& stato) {
    const QString frase = righeDaCp1252(stato.frase);
    const QColor marcatore = qColore(stato.coloreMarcatore);
    if (stato.modo != modo_) {
        modo_ = stato.modo;
        input_->setFont(font(modo_));
        disponiInput();
        misuraRighe();
        disponiSaluto();
        update();
    }
    if (frase != frase_ || marcatore != coloreMarcatore_) {
        if (!frase.isEmpty())
            titolo_.clear();
        if (frase != frase_)
            annunciaValore(this, frase);
        frase_ = frase;
        coloreMarcatore_ = marcatore;
        misuraRighe();
        disponiSaluto();
        // A text file's line runs past the margin to the display's edge.
        const QRect frase = rettangoloFrase();
        update(0, 0, width(), frase.bottom() + 1);
    }
    spostaMarcatore(stato.marcatore);
    input_->mostra(righeDaCp1252(stato.input), qColore(stato.coloreInput), stato.inputBloccato);
}

// The marker grows by a character at every keystroke: only the strip it
// gained or lost is painted again.
void DisplayEsercizio::spostaMarcatore(const Marcatore& marcatore) {
    if (marcatore == marcatore_)
        return;
    const QRegion cambiata =
        QRegion(rettangoloMarcatore(marcatore_)).xored(rettangoloMarcatore(marcatore));
    marcatore_ = marcatore;
    for (const QRect& r : cambiata)
        update(r.adjusted(-1, -1, 1, 1));
}

QRect DisplayEsercizio::rettangoloMarcatore(const Marcatore& m) const {
    const QRect area = rettangoloFrase();
    return QRect(area.left() + m.left, area.top() + m.top, m.width, m.height);
}

// The text takes the display above the input line, or all of it while the
// greeting is shown.
QRect DisplayEsercizio::rettangoloFrase() const {
    const int basso = modo_ == ModoDisplay::Saluto ? height() : input_->y();
    return QRect(posti_.margine, 2, width() - 2 * posti_.margine, basso - 2);
}

QRect DisplayEsercizio::rettangoloSaluto() const {
    const QRect area = rettangoloFrase();
    if (altezzaSaluto_ <= 0)
        return area;
    const int altezza =
        grande_ ? qRound(altezzaSaluto_ * ridimensiona::kVerticale) : altezzaSaluto_;
    return QRect(area.left(), area.top(), area.width(), altezza - area.top());
}

// The largest font, down to three quarters of the phrase font, at which
// every line of the greeting stands whole on one line and all of them fit
// above the controls.
QFont DisplayEsercizio::fontSaluto(const QStringList& righe, QRect area) const {
    const auto staInUnaRiga = [&](const QFontMetrics& m) {
        int altezza = 0;
        for (const QString& riga : righe) {
            if (m.horizontalAdvance(riga) > area.width())
                return false;
            altezza += m.height();
        }
        return altezza <= area.height();
    };
    const int massimo = fontFrase_.pixelSize();
    int pixel = massimo;
    while (pixel > massimo - massimo / kRiduzioneSalutoMassima &&
           !staInUnaRiga(QFontMetrics(fontDisplay(pixel))))
        --pixel;
    return fontDisplay(pixel);
}

// A line still too long at the smallest font is broken at its blanks. Until
// the greeting has a text there is nothing to place, and no font to load
// at a size the window may not keep.
void DisplayEsercizio::disponiSaluto() {
    saluto_ = {};
    if (modo_ != ModoDisplay::Saluto || frase_.isEmpty())
        return;
    const QRect area = rettangoloSaluto();
    const QStringList righe = frase_.split(QLatin1Char('\n'));
    saluto_.font = fontSaluto(righe, area);
    const QFontMetrics m(saluto_.font);
    int alto = area.top();
    for (const QString& riga : righe) {
        const QRect posto = m.boundingRect(QRect(area.left(), alto, area.width(), height()),
                                           Qt::AlignHCenter | Qt::TextWordWrap, riga);
        saluto_.righe.push_back(riga);
        saluto_.posti.push_back(posto);
        alto += std::max(posto.height(), m.height());
    }
}

// Fixed places, room for two phrase lines or one line of a text file:
// nothing needs the fonts before the window is on screen.
void DisplayEsercizio::disponiInput() {
    const PostiDisplay& p = posti_;
    const int alto = modo_ == ModoDisplay::TestoFile ? p.sottoTestoFile : p.sottoFrase;
    const int sinistra = modo_ == ModoDisplay::TestoFile ? p.sinistraTestoFile : p.margine;
    input_->setGeometry(sinistra, alto, width() - sinistra - p.margine, p.altezzaInput);
    input_->setVisible(modo_ != ModoDisplay::Saluto);
}

int DisplayEsercizio::MisuraFrase::larghezzaTesto(std::string_view testo) const {
    return larghezzaLettere(display_.metricheFrase_, daCp1252(testo));
}

int DisplayEsercizio::MisuraFrase::larghezzaRiga() const {
    return display_.width() - 2 * display_.posti_.margine;
}

void DisplayEsercizio::mostraTitolo(const QString& titolo) {
    titolo_ = titolo;
    update();
}

void DisplayEsercizio::resizeEvent(QResizeEvent*) {
    disponiInput();
    disponiSaluto();
}

void DisplayEsercizio::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect area = rettangoloFrase();
    if (!titolo_.isEmpty()) {
        p.setFont(fontTitolo_);
        p.setPen(QColor(20, 40, 90));
        // Centred as the whole name will be, so letters do not shift.
        const int larghezza =
            QFontMetrics(fontTitolo_).horizontalAdvance(QString::fromLatin1(kNomeProgramma));
        p.drawText(
            QRect((width() - larghezza) / 2, 0, larghezza + 4, height() - posti_.altezzaInput),
            Qt::AlignLeft | Qt::AlignVCenter, titolo_);
        return;
    }
    if (modo_ == ModoDisplay::Saluto) {
        p.setFont(saluto_.font);
        p.setPen(QColor(20, 40, 90));
        for (std::size_t i = 0; i < saluto_.righe.size(); ++i)
            p.drawText(saluto_.posti[i], Qt::AlignHCenter | Qt::TextWordWrap, saluto_.righe[i]);
        return;
    }
    p.setFont(font(modo_));
    const QRect segno = rettangoloMarcatore(marcatore_);
    QColor velo = coloreMarcatore_;
    velo.setAlpha(60);
    p.fillRect(segno, velo);
    p.fillRect(segno.left(), segno.bottom() - 1, segno.width(), 2, coloreMarcatore_);
    const QFontMetrics& m = metriche(modo_);
    for (std::size_t i = 0; i < righe_.size(); ++i) {
        const int alto = area.top() + static_cast<int>(i) * m.height();
        dipingiRiga(p, QPoint(area.left(), alto + m.ascent()), righe_[i], event->region());
    }
}

// Where each letter of each line starts, and where the line ends.
void DisplayEsercizio::misuraRighe() {
    const QFontMetrics& m = metriche(modo_);
    righe_.clear();
    for (const QString& testo : frase_.split(QLatin1Char('\n'))) {
        RigaMisurata riga{testo, {0}};
        misuraLettere(m, testo, riga.inizi);
        righe_.push_back(std::move(riga));
    }
}

// Character by character, each at the sum of the widths before it: the
// marker is built from the same widths, so it ends exactly where the typed
// text does, however long the line. A blank that ends a phrase's line gets a
// faint mark, or the learner would not know it is there to type.
// Only the characters in the repainted area are drawn, with a margin for
// the letters whose strokes reach over their neighbours.
void DisplayEsercizio::dipingiRiga(QPainter& p, QPoint base, const RigaMisurata& riga,
                                   const QRegion& zona) const {
    const QFontMetrics& m = metriche(modo_);
    const int alto = base.y() - m.ascent();
    if (!zona.intersects(QRect(0, alto, width(), m.height())))
        return;
    p.setPen(Qt::black);
    lettereInZona(riga.inizi, base.x(), QRect(0, alto, width(), m.height()), zona,
                  [&](qsizetype i, int x) {
                      lettere_.disegna(p, QPoint(x, base.y()), QString(riga.testo[i]));
                  });
    if (modo_ == ModoDisplay::Frase && riga.testo.endsWith(QLatin1Char(' ')))
        dipingiSpazioFinale(p, QPoint(base.x() + riga.inizi.back(), base.y()));
}

// A faint bracket under the blank that ends a line.
void DisplayEsercizio::dipingiSpazioFinale(QPainter& p, QPoint base) const {
    const int x = base.x();
    const int spazio = metriche(modo_).horizontalAdvance(QLatin1Char(' '));
    const int sinistra = x - spazio + 1;
    const int destra = x - 1;
    const int basso = base.y() + 1;
    p.setPen(QColor(150, 150, 150));
    p.drawLine(sinistra, basso, destra, basso);
    p.drawLine(sinistra, basso, sinistra, basso - 3);
    p.drawLine(destra, basso, destra, basso - 3);
}

} // namespace scrivolta::ui
