// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gioco/frmplay.h"

#include "app/codicitasto.h"
#include "app/dominio.h"
#include "game/testigioco.h"
#include "settings/lingua.h"
#include "ui/comune/codicitasti.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/sfondo.h"
#include "ui/gioco/campogioco.h"
#include "ui/gioco/pannelligioco.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

namespace scrivolta::ui {

namespace {

constexpr int kLineeGuida = 26;
constexpr int kPassoDissolvenzaMs = 10;
constexpr int kOpacitaIniziale = 250;
constexpr int kOpacitaFinale = 50;
constexpr int kPassoOpacita = 5;

// The desktop's thousands separator in the code page; French uses a narrow
// no-break space, which the code page lacks: a no-break space stands in.
std::string separatoreMigliaia() {
    const QString separatore = QLocale().groupSeparator();
    const std::string codice = inCp1252(separatore);
    return codice == "?" && separatore != QLatin1String("?") ? std::string("\xA0") : codice;
}

// A button reached with Tab answers Space and Enter even during a run: the
// way to restart or close from the keyboard. Other keys stay the game's.
bool pulsanteDaTastiera(const QObject* destinatario, const QKeyEvent& evento) {
    const int tasto = evento.key();
    return qobject_cast<const QAbstractButton*>(destinatario) &&
           (tasto == Qt::Key_Space || tasto == Qt::Key_Return || tasto == Qt::Key_Enter);
}

TestiGioco testiGioco(const ModTastiro& mod, const Percorsi& percorsi) {
    const auto lingua = linguaInUso(mod, percorsi);
    return lingua ? testiGiocoDaLingua(*lingua) : testiGiocoPredefiniti();
}

} // namespace

FrmPlay::FrmPlay(const ModTastiro& mod, Servizi& servizi, MaiuscoleDedotte& maiuscole,
                 const Percorsi& percorsi, QWidget* parent, OsservatoreGioco* osservatore)
    : QDialog(parent), mod_(mod),
      maiuscole_(maiuscole), servizi_{servizi.clock, servizi.random,   servizi.waiter,
                                      servizi.sound, servizi.messages, maiuscole},
      percorsi_(percorsi) {
    setWindowTitle(QString::fromLatin1(kNomeProgramma));
    setObjectName(QStringLiteral("FrmPlay"));
    creaControlli();
    annunci_ = new AnnunciatoreQt(this);
    ImpostazioniGioco impostazioni{percorsi_.fileRecord(), campo_->larghezzaLettera(),
                                   separatoreMigliaia(), osservatore, annunci_};
    VistaGioco& vista = *this;
    gioco_ = std::make_unique<Gioco>(mod_, servizi_, testiGioco(mod_, percorsi_),
                                     std::move(impostazioni), vista);
    applicaTesti();
    timerScore_.setInterval(kTickConteggioMs);
    timerAttesa_.setSingleShot(true);
    timerDissolvenza_.setInterval(kPassoDissolvenzaMs);
    connect(&timerLetters_, &QTimer::timeout, this, &FrmPlay::timerLetters_Timer);
    connect(&timerScore_, &QTimer::timeout, this, &FrmPlay::timerScore_Timer);
    connect(&timerAttesa_, &QTimer::timeout, this, &FrmPlay::timerAttesa_Timer);
    connect(&timerDissolvenza_, &QTimer::timeout, this, &FrmPlay::passoDissolvenza);
    const auto figli = findChildren<QWidget*>();
    for (QWidget* w : figli)
        w->installEventFilter(this);
    installEventFilter(this);
    statoCambiato();
}

FrmPlay::~FrmPlay() = default;

void FrmPlay::creaControlli() {
    campo_ = new CampoGioco(campoGioco(mod_.ResizeOn), this);
    campo_->setObjectName(QStringLiteral("PicPlay"));
    campo_->setFocusPolicy(Qt::ClickFocus);
    scelta_ = new PannelloScelta(campo_);
    scelta_->move((campo_->width() - scelta_->width()) / 2,
                  (campo_->height() - scelta_->height()) / 2);
    scelta_->impostaGestori({
        [this](int i) { gioco_->optDifficulty_Click(i); },
        [this](int v) { gioco_->hsSpeed_Change(v); },
        [this](int v) { gioco_->hsTime_Change(v); },
        [this](const QString& t) { gioco_->txtCustom_Change(inCp1252(t)); },
        [this] { gioco_->cmdStart_Click(); },
    });
    risultati_ = new PannelloRisultati(this);
    risultati_->setFixedWidth(campo_->width());
    risultati_->impostaGestori([this] { gioco_->cmdNuovo_Click(); },
                               [this] { gioco_->cmdExit_Click(); });
    scelta_->avvio()->setDefault(true);
    setTabOrder(scelta_->opzione(opzioneGioco::Facile), scelta_->personalizzato());
    setTabOrder(scelta_->personalizzato(), scelta_->velocita());
    setTabOrder(scelta_->velocita(), scelta_->tempo());
    setTabOrder(scelta_->tempo(), scelta_->avvio());
    setTabOrder(scelta_->avvio(), risultati_->nuovo());
    setTabOrder(risultati_->nuovo(), risultati_->esci());
}

void FrmPlay::applicaTesti() {
    const TestiGioco& testi = gioco_->testi();
    scelta_->applicaTesti(testi);
    risultati_->applicaTesti(testi);
    campo_->setAccessibleName(daCp1252(testi.gioco));
    setAccessibleName(daCp1252(testi.gioco + " / " + testi.allenamento));
}

void FrmPlay::statoCambiato() {
    if (!gioco_)
        return;
    const StatoGioco& s = gioco_->stato();
    campo_->mostra(s);
    scelta_->mostra(s);
    risultati_->mostra(s);
    if (s.messaggioVisibile)
        campo_->setAccessibleDescription(daCp1252(s.messaggio));
    spostaFocus(fase_, s.fase);
    fase_ = s.fase;
}

// A run takes the keys to the field, where the input method composes for
// it; back at the choice they go to the chosen option.
void FrmPlay::spostaFocus(FaseGioco prima, FaseGioco dopo) {
    if (prima == dopo)
        return;
    // The field is a stop for Tab only while there is something to type in
    // it: a learner who tabbed to a button during a run can come back.
    campo_->setFocusPolicy(dopo == FaseGioco::Scelta ? Qt::ClickFocus : Qt::StrongFocus);
    if (prima == FaseGioco::Scelta)
        campo_->setFocus();
    else if (dopo == FaseGioco::Scelta)
        scelta_->opzione(gioco_->stato().difficolta)->setFocus();
}

void FrmPlay::timerLetters(bool attivo, int intervalloMs) {
    if (!attivo) {
        timerLetters_.stop();
        return;
    }
    timerLetters_.setInterval(intervalloMs);
    timerLetters_.start();
}

void FrmPlay::timerScore(bool attivo) {
    if (attivo)
        timerScore_.start();
    else
        timerScore_.stop();
}

void FrmPlay::attesa(int ms) {
    if (ms > 0)
        timerAttesa_.start(ms);
    else
        timerAttesa_.stop();
}

// Later, not now: an option chosen with the arrow keys takes the focus
// itself right after it reports the choice.
void FrmPlay::focusPersonalizzato() {
    QTimer::singleShot(0, scelta_->personalizzato(), [this] {
        if (scelta_->personalizzato()->isEnabled())
            scelta_->personalizzato()->setFocus();
    });
}

void FrmPlay::timerLetters_Timer() {
    gioco_->timerLetters_Timer();
}

void FrmPlay::timerScore_Timer() {
    gioco_->timerScore_Timer();
}

void FrmPlay::timerAttesa_Timer() {
    timerAttesa_.stop();
    gioco_->attesaFinita();
}

// With translucent windows available the window fades out before it goes.
void FrmPlay::chiudi() {
    if (chiusa_)
        return;
    chiusa_ = true;
    if (!mod_.ShadowOn || !isVisible()) {
        done(QDialog::Accepted);
        return;
    }
    opacita_ = kOpacitaIniziale;
    setWindowOpacity(opacita_ / 255.0);
    timerDissolvenza_.start();
}

void FrmPlay::passoDissolvenza() {
    opacita_ -= kPassoOpacita;
    setWindowOpacity(opacita_ / 255.0);
    if (opacita_ > kOpacitaFinale)
        return;
    timerDissolvenza_.stop();
    done(QDialog::Accepted);
}

// Esc and the window manager's close go the way of the close button, which
// is refused while a level's message slides in.
void FrmPlay::reject() {
    if (!chiusa_)
        gioco_->cmdExit_Click();
}

void FrmPlay::closeEvent(QCloseEvent* event) {
    if (chiusa_) {
        event->accept();
        return;
    }
    event->ignore();
    gioco_->cmdExit_Click();
}

// Like the window it comes from, this one sees every key first: during a
// run the keys are the game's and never reach a focused button.
bool FrmPlay::eventFilter(QObject* oggetto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::KeyPress:
        return tastoGiu(oggetto, static_cast<const QKeyEvent&>(*evento));
    case QEvent::KeyRelease:
        return tastoSu(static_cast<const QKeyEvent&>(*evento));
    case QEvent::InputMethod:
        return testoComposto(static_cast<const QInputMethodEvent&>(*evento));
    default:
        return false;
    }
}

bool FrmPlay::tastoGiu(const QObject* destinatario, const QKeyEvent& evento) {
    // A key no control takes travels up through every filtered widget to
    // the window: Caps Lock hears it once, where it starts.
    const QWidget* fuoco = QApplication::focusWidget();
    if (destinatario == (fuoco != nullptr ? fuoco : this))
        osservaMaiuscole(maiuscole_, evento);
    // Esc closes the window when it is released, like the main window's
    // question: released after a close on its press, it would reach the
    // main window and ask to end the program.
    if (evento.key() == Qt::Key_Escape)
        return true;
    if (!gioco_->inCorsa() || evento.key() == Qt::Key_Tab || evento.key() == Qt::Key_Backtab ||
        pulsanteDaTastiera(destinatario, evento))
        return false;
    for (const int codice : codiciCarattere(evento))
        gioco_->Form_KeyPress(codice);
    return true;
}

bool FrmPlay::tastoSu(const QKeyEvent& evento) {
    if (evento.key() == Qt::Key_Escape) {
        if (!evento.isAutoRepeat())
            reject();
        return true;
    }
    if (evento.isAutoRepeat() || codiceVirtuale(evento.key()) != codiceTasto::VkBloccaMaiuscole)
        return false;
    gioco_->Form_KeyUp(codiceTasto::VkBloccaMaiuscole);
    return true;
}

bool FrmPlay::testoComposto(const QInputMethodEvent& evento) {
    if (!gioco_->inCorsa())
        return false;
    for (const int codice : codiciTesto(evento.commitString()))
        gioco_->Form_KeyPress(codice);
    return true;
}

void FrmPlay::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    scelta_->opzione(gioco_->stato().difficolta)->setFocus();
}

void FrmPlay::resizeEvent(QResizeEvent*) {
    disponi();
}

// The field and the results under it sit together in the middle.
void FrmPlay::disponi() {
    const int altezza = campo_->height() + risultati_->height();
    const int x = (width() - campo_->width()) / 2;
    const int y = (height() - altezza) / 2;
    campo_->move(x, y);
    risultati_->move(x, y + campo_->height());
}

void FrmPlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ColoraSfondo(p, rect(), mod_.coloreSfondo);
    // White lines cross the screen a little inside the field's edges.
    const QRect c = campo_->geometry();
    p.setPen(Qt::white);
    p.drawLine(c.left() + kLineeGuida, 0, c.left() + kLineeGuida, height());
    p.drawLine(c.right() - kLineeGuida, 0, c.right() - kLineeGuida, height());
    p.drawLine(0, c.top() + kLineeGuida, width(), c.top() + kLineeGuida);
    p.drawLine(0, c.bottom() - kLineeGuida, width(), c.bottom() - kLineeGuida);
}

void ApriGioco(QWidget* proprietario, const ModTastiro& mod, Servizi& servizi,
               MaiuscoleDedotte& maiuscole, const Percorsi& percorsi,
               OsservatoreGioco* osservatore) {
    FrmPlay finestra(mod, servizi, maiuscole, percorsi, proprietario, osservatore);
    QScreen* schermo = proprietario ? proprietario->screen() : QApplication::primaryScreen();
    // Without a window manager full screen means nothing: the size is set too.
    finestra.setGeometry(schermo->geometry());
    finestra.setWindowState(Qt::WindowFullScreen);
    finestra.exec();
}

} // namespace scrivolta::ui
