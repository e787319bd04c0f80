#include "ui/display.h"

#include "app/ridimensiona.h"
#include "ui/conversioni.h"
#include "ui/nomiaccessibili.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

} // namespace

CampoInput::CampoInput(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setCursor(Qt::IBeamCursor);
    setAccessibleName(QString::fromUtf8(nomeAccessibile::kInput));
    rinnovaAccessibile(this);
}

void CampoInput::mostra(const QString& testo, QColor sfondo, bool bloccato) {
    if (testo == testo_ && sfondo == sfondo_ && bloccato == bloccato_)
        return;
    const bool nuovoTesto = testo != testo_;
    testo_ = testo;
    sfondo_ = sfondo;
    bloccato_ = bloccato;
    update();
    if (nuovoTesto)
        annunciaValore(this, testo_);
}

QRect CampoInput::rettangoloCursore() const {
    const int x = 4 + fontMetrics().horizontalAdvance(testo_);
    return QRect(std::min(x, width() - 3), 4, 2, height() - 8);
}

void CampoInput::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), sfondo_);
    p.setPen(QColor(90, 110, 140));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(font());
    // The end of the line stays in view: older text slides out to the left.
    const int larghezza = fontMetrics().horizontalAdvance(testo_);
    const int spostamento = std::max(0, larghezza - (width() - 12));
    p.drawText(rect().adjusted(4 - spostamento, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, testo_);
    if (hasFocus() && !bloccato_)
        p.fillRect(rettangoloCursore().translated(-spostamento, 0), Qt::black);
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
    setAccessibleName(QString::fromUtf8(nomeAccessibile::kFrase));
    rinnovaAccessibile(this);
}

void DisplayEsercizio::impostaScala(bool grande) {
    fontFrase_ = fontDisplay(grande ? kPixelFraseGrande : kPixelFrase);
    fontTestoFile_ = fontDisplay(grande ? kPixelTestoFileGrande : kPixelTestoFile);
    fontTitolo_ = fontTitolo(grande ? kPixelTitoloGrande : kPixelTitolo);
    metricheFrase_ = QFontMetrics(fontFrase_);
    metricheTestoFile_ = QFontMetrics(fontTestoFile_);
    posti_ = grande ? PostiDisplay::scalati() : PostiDisplay();
    input_->setFont(font(modo_));
    disponiInput();
    update();
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
        update();
    }
    if (frase != frase_ || !(stato.marcatore == marcatore_) || marcatore != coloreMarcatore_) {
        if (!frase.isEmpty())
            titolo_.clear();
        if (frase != frase_)
            annunciaValore(this, frase);
        frase_ = frase;
        marcatore_ = stato.marcatore;
        coloreMarcatore_ = marcatore;
        update(rettangoloFrase());
    }
    input_->mostra(righeDaCp1252(stato.input), qColore(stato.coloreInput), stato.inputBloccato);
}

// The text takes the display above the input line, or all of it while the
// greeting is shown.
QRect DisplayEsercizio::rettangoloFrase() const {
    const int basso = modo_ == ModoDisplay::Saluto ? height() : input_->y();
    return QRect(posti_.margine, 2, width() - 2 * posti_.margine, basso - 2);
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
    return display_.metricheFrase_.horizontalAdvance(daCp1252(testo));
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
}

void DisplayEsercizio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect area = rettangoloFrase();
    if (!titolo_.isEmpty()) {
        p.setFont(fontTitolo_);
        p.setPen(QColor(20, 40, 90));
        // Centred as the whole name will be, so letters do not shift.
        const int larghezza =
            QFontMetrics(fontTitolo_).horizontalAdvance(QStringLiteral("Scrivolta"));
        p.drawText(
            QRect((width() - larghezza) / 2, 0, larghezza + 4, height() - posti_.altezzaInput),
            Qt::AlignLeft | Qt::AlignVCenter, titolo_);
        return;
    }
    p.setFont(font(modo_));
    if (modo_ == ModoDisplay::Saluto) {
        p.setPen(QColor(20, 40, 90));
        p.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, frase_);
        return;
    }
    const QRect segno(area.left() + marcatore_.left, area.top() + marcatore_.top, marcatore_.width,
                      marcatore_.height);
    QColor velo = coloreMarcatore_;
    velo.setAlpha(60);
    p.fillRect(segno, velo);
    p.fillRect(segno.left(), segno.bottom() - 1, segno.width(), 2, coloreMarcatore_);
    const QFontMetrics& m = metriche(modo_);
    const QStringList righe = frase_.split(QLatin1Char('\n'));
    for (int i = 0; i < righe.size(); ++i)
        dipingiRiga(p, QPoint(area.left(), area.top() + i * m.height() + m.ascent()), righe[i]);
}

// Character by character, each at the sum of the widths before it: the
// marker is built from the same widths, so it ends exactly where the typed
// text does, however long the line. A blank that ends a phrase's line gets a
// faint mark, or the learner would not know it is there to type.
void DisplayEsercizio::dipingiRiga(QPainter& p, QPoint base, const QString& riga) const {
    const QFontMetrics& m = metriche(modo_);
    int x = base.x();
    p.setPen(Qt::black);
    for (const QChar c : riga) {
        p.drawText(QPoint(x, base.y()), QString(c));
        x += m.horizontalAdvance(c);
    }
    if (modo_ != ModoDisplay::Frase || !riga.endsWith(QLatin1Char(' ')))
        return;
    const int spazio = m.horizontalAdvance(QLatin1Char(' '));
    const int sinistra = x - spazio + 1;
    const int destra = x - 1;
    const int basso = base.y() + 1;
    p.setPen(QColor(150, 150, 150));
    p.drawLine(sinistra, basso, destra, basso);
    p.drawLine(sinistra, basso, sinistra, basso - 3);
    p.drawLine(destra, basso, destra, basso - 3);
}

} // namespace scrivolta::ui
