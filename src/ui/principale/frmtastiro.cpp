// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/frmtastiro.h"

#include "app/dominio.h"
#include "content/rigacomando.h"
#include "settings/lingua.h"
#include "ui/comune/accessibile.h"
#include "ui/comune/clsresize.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/frmtransparency.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/comune/sfondo.h"
#include "ui/principale/barre.h"
#include "ui/principale/decorazioni.h"
#include "ui/principale/display.h"
#include "ui/principale/pannellocategorie.h"
#include "ui/principale/scorciatoie.h"
#include "ui/tastiera/widgettastiera.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>

namespace scrivolta::ui {

namespace {

constexpr QSize kNotebook(640, 492);
constexpr QRect kDisplay(20, 14, 600, 112);
constexpr QPoint kTastiera(23, 134);
constexpr QPoint kStato(20, 352);
// The greeting takes the display above the categories: their buttons in one
// row across it, the file list below at the left, the modes at the right.
constexpr QRect kSelettore(424, 102, 190, 22);
constexpr QRect kPannelloCategorie(26, 80, 588, 44);
constexpr int kPixelModi = 12;
constexpr QPoint kBarra(10, 440);
constexpr int kLineeGuida = 22;
constexpr int kSopraIlCentro = 20;
// The overlay's hands are placed from the home-row key Q.
constexpr int kTastoQ = 10;
constexpr int kRitardoBalloonMs = 100;
constexpr int kDurataBalloonMs = 15000;
// The balloon texts: the mode title and its two buttons, then the category
// title and its five buttons.
constexpr std::size_t kTitoloLivello = 0;
constexpr std::size_t kTitoloCategorie = 3;
constexpr int kSottoIlPannello = 5;
constexpr int kPausaTitoloMs = 180;
constexpr int kPausaFineTitoloMs = 300;
// The phrase clock and the speed bar move five times a second; the Enter
// key blinks slower.
constexpr int kPassoOrologioMs = 200;
constexpr int kPassoLampeggioMs = 400;

} // namespace

FrmTastiro::FrmTastiro(ModTastiro& mod, Servizi& servizi, const Percorsi& percorsi,
                       CollegamentiFinestra collegamenti, std::string rigaComando, QWidget* parent)
    : QWidget(parent), mod_(mod), maiuscole_(servizi.keyboard, collegamenti.maiuscoleDiSistema,
                                             collegamenti.maiuscoleDiSistema),
      servizi_{servizi.clock, servizi.random,   servizi.waiter,
               servizi.sound, servizi.messages, maiuscole_},
      percorsi_(percorsi), scelta_(percorsi), collegamenti_(std::move(collegamenti)),
      rigaComando_(std::move(rigaComando)), layout_(maiuscole_) {
    setWindowTitle(QString::fromLatin1(kNomeProgramma));
    mod_.ExerciseFile.clear();
    VistaEsercizio& vista = *this;
    esercizio_ = std::make_unique<Esercizio>(mod_, tastiera_, testi_, servizi_, vista, scelta_);
    esercizio_->impostaOsservatore(collegamenti_.osservatore);
    annunci_ = new AnnunciatoreQt(this);
    voce_ = std::make_unique<Voce>(*annunci_, testiVoce_, mod_.voce);
    esercizio_->impostaVoce(voce_.get());
    if (mod_.ResizeOn) {
        tastiera_.spessoreRilievo = 4;
        esercizio_->impostaSeparatore(" / ");
        larghezzaBarra_ = 390;
    }
    esercizio_->impostaLarghezzaBarra(larghezzaBarra_);
    creaControlli();
    if (mod_.ResizeOn)
        scalaAlloSchermo();
    caricaOpzioni();
    applicaTesti(linguaInUso(mod_, percorsi_).value_or(FileLingua()));
    esercizio_->optLevel_Click(mod_.ModeIndex);
    ControllaTastiera();
    tastiera_.RipristinaTastiera();
    tastiera_.PreparaEvidenziaInvio();
    tastiera_.PosizionaMappaDita(mod_.ResizeOn);
    if (servizi_.keyboard.capsLockOn())
        servizi_.keyboard.toggleCapsLock();
    timerOrologio_.setInterval(kPassoOrologioMs);
    timerLampeggio_.setInterval(kPassoLampeggioMs);
    connect(&timerOrologio_, &QTimer::timeout, this, [this] { esercizio_->Timer1_Timer(); });
    connect(&timerLampeggio_, &QTimer::timeout, this, [this] { esercizio_->Timer2_Timer(); });
    statoCambiato();
}

// The category panel, a child widget, outlives the choice it observes.
FrmTastiro::~FrmTastiro() {
    scelta_.impostaOsservatore(nullptr);
}

QWidget* FrmTastiro::campoInput() const {
    return display_->input();
}

void FrmTastiro::creaControlli() {
    creaPannello();
    creaSelettoreModo();
    // Both balloons take their timing before they are made.
    for (cTooltip* b : {&balloonLivello_, &balloonCategorie_}) {
        b->setIcon(cTooltip::Informazione);
        b->setDelayTime(kRitardoBalloonMs);
        b->setVisibleTime(kDurataBalloonMs);
        b->Create(this);
    }
    creaCategorie();
    creaStriscia();
    collegaInput();
}

void FrmTastiro::creaPannello() {
    notebook_ = new Pannello(
        QColor(236, 244, 252), QColor(196, 216, 236),
        [this](QPoint punto) { return coloreSfondoIn(rect(), mod_.coloreSfondo, punto); }, this);
    notebook_->resize(kNotebook);
    notebook_->setObjectName(QStringLiteral("picNotebook"));
    notebook_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kEsercizio));
    display_ = new DisplayEsercizio(notebook_);
    display_->setGeometry(kDisplay);
    display_->setObjectName(QStringLiteral("picDisplay"));
    display_->impostaAltezzaSaluto(kPannelloCategorie.top() - kDisplay.top());
    widgetTastiera_ = new WidgetTastiera(tastiera_, notebook_);
    widgetTastiera_->move(kTastiera);
    widgetTastiera_->setObjectName(QStringLiteral("picKeyword"));
    widgetTastiera_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kTastiera));
    widgetTastiera_->impostaDoppioClickDita([this] {
        if (!esercizio_->carattereAtteso().empty() && !esercizio_->testoFinito())
            esercizio_->rimarcaCarattereAtteso();
        statoCambiato();
    });
    pannelloStato_ = new PannelloStato(notebook_);
    pannelloStato_->setGeometry(QRect(kStato, PannelloStato::dimensioneProgetto()));
    barraMenu_ = new BarraMenu(notebook_);
    barraMenu_->setGeometry(QRect(kBarra, BarraMenu::dimensioneProgetto()));
    barraMenu_->setObjectName(QStringLiteral("lblMenu"));
    barraMenu_->impostaClick([this](VoceMenu voce) { esercizio_->lblMenu_Click(voce); });
    barraMenu_->collegaTasti();
}

void FrmTastiro::creaSelettoreModo() {
    selettoreModo_ = new QWidget(notebook_);
    selettoreModo_->setGeometry(kSelettore);
    selettoreModo_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kModalita));
    // Arial, as the categories beside it: a wider desktop font would cut
    // "Principiante" in its half of the selector.
    QFont modi(QStringLiteral("Arial"));
    modi.setPixelSize(kPixelModi);
    selettoreModo_->setFont(modi);
    for (int i = 0; i < 2; ++i) {
        auto* opzione = new PulsanteScelta(selettoreModo_);
        opzione->setObjectName(QStringLiteral("optLevel%1").arg(i));
        opzione->setFocusPolicy(Qt::NoFocus);
        opzione->setGeometry(i * kSelettore.width() / 2, 0, kSelettore.width() / 2,
                             kSelettore.height());
        connect(opzione, &QRadioButton::clicked, this,
                [this, i] { esercizio_->optLevel_Click(i); });
        optLevel_[static_cast<std::size_t>(i)] = opzione;
    }
}

void FrmTastiro::creaCategorie() {
    categorie_ = new PannelloCategorie(
        scelta_,
        // A category, the game above all, waits its turn like a key: the
        // greeting it may interrupt is itself waiting with events flowing.
        [this](Categoria c) { coda_.esegui([this, c] { esercizio_->optMenu_Click(c); }); },
        notebook_);
    categorie_->setGeometry(kPannelloCategorie);
    categorie_->impostaDopoScelta([this] { prendiTasti(); });
    categorie_->impostaApertura([this] { nascondiMappaTasti(); });
    // The modes sit in the corner the file list leaves free, over the
    // panel's rectangle: they must take their own clicks.
    selettoreModo_->raise();
}

void FrmTastiro::creaStriscia() {
    striscia_ = new StrisciaDita(this);
    striscia_->setObjectName(QStringLiteral("imgMappaTastiEsterna"));
    striscia_->hide();
    striscia_->setCursor(Qt::PointingHandCursor);
    striscia_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kStriscia));
    striscia_->impostaDoppioClick([this] {
        tastiera_.NascondiStrisciaMostraDita();
        statoCambiato();
    });
}

void FrmTastiro::collegaInput() {
    auto* input = display_->input();
    input->impostaGestori({
        [this](QKeyEvent* e) { tastoGiu(e, true); },
        [this](QKeyEvent* e) { tastoSu(e); },
        [this](const QString& testo) { caratteri(testo, true); },
        [this] { esercizio_->txtInput_MouseDown(true); },
    });
    input->setFocus();
}

OpzioniInUso FrmTastiro::opzioniInUso() {
    return {
        mod_.SoundOn,       tastiera_.mappaColori, tastiera_.evidenzia, tastiera_.tastieraSemplice,
        mod_.coloreSfondo,  mod_.ModeIndex,        mod_.voce,           mod_.linguaCorrente,
        mod_.linguaCaricata};
}

// Every control grows from its design place and size; the keyboard, the
// display and the painted panels then draw themselves at the new size, so
// nothing is a stretched picture.
void FrmTastiro::scalaAlloSchermo() {
    ridimensiona_ = std::make_unique<ClsResize>();
    ridimensiona_->impostaSourceForm(this);
    ridimensiona_->SizeFormToScreen();
    tastiera_.impostaScala(true);
    display_->impostaScala(true);
}

void FrmTastiro::caricaOpzioni() {
    CaricaOpzioni(percorsi_, opzioniInUso());
    if (tastiera_.mappaColori)
        tastiera_.ColorTasti();
}

// A language without a usable file (the built-in Italian, a file that is no
// language file) gets the built-in texts rather than empty ones, here and in
// every window that reads `linguaCaricata`.
void FrmTastiro::applicaTesti(const FileLingua& lingua) {
    const bool usaFile = lingua.caricato();
    mod_.linguaCaricata = usaFile;
    if (usaFile)
        ApplicaLingua(testi_, lingua);
    else
        TestiPredefiniti(testi_);
    testiVoce_ = usaFile ? TestiVoce(lingua) : TestiVoce();
    impostaNomiAccessibili(lingua, this);
    CreaBalloon(testi_, usaFile, lingua);
    mod_.MsgPerMinute = testi_.MsgPerMinute;
    mod_.ModeName = testi_.nomeModalita(mod_.ExpertMode);

    widgetTastiera_->impostaTooltip(daCp1252(testi_.tooltipMapDita),
                                    daCp1252(testi_.tooltipTastoMenu));
    striscia_->setToolTip(daCp1252(testi_.tooltipMappaTastiEsterna));
    std::array<QString, BarraMenu::kVoci> menu;
    for (std::size_t i = 0; i < menu.size(); ++i)
        menu[i] = daCp1252(testi_.tooltipMenu[i]);
    barraMenu_->impostaTooltip(menu);
    testiModalita();
    testiCategorie();
    pannelloStato_->impostaTooltip(
        {daCp1252(testi_.tooltipNumBatt[0]), daCp1252(testi_.tooltipNumBatt[1])},
        daCp1252(testi_.tooltipSmile), daCp1252(testi_.tooltipNumFrase),
        {daCp1252(testi_.tooltipMediaLevel[0]), daCp1252(testi_.tooltipMediaLevel[1]),
         daCp1252(testi_.tooltipMediaLevel[2])});
}

void FrmTastiro::testiModalita() {
    balloonLivello_.setTitle(daCp1252(testi_.balloon[kTitoloLivello]));
    for (std::size_t i = 0; i < optLevel_.size(); ++i) {
        optLevel_[i]->setText(daCp1252(testi_.optLevel[i]));
        collegaCifra(optLevel_[i], kCifraPrimaModalita + static_cast<int>(i));
        const QString testo = daCp1252(testi_.balloon[kTitoloLivello + 1 + i]);
        if (!balloonLivello_.AddTool(optLevel_[i], testo))
            balloonLivello_.setToolText(optLevel_[i], testo);
    }
}

void FrmTastiro::testiCategorie() {
    balloonCategorie_.setTitle(daCp1252(testi_.balloon[kTitoloCategorie]));
    std::array<QString, kCategorie> didascalie;
    std::array<QString, kCategorie> suggerimenti;
    for (std::size_t i = 0; i < didascalie.size(); ++i) {
        didascalie[i] = daCp1252(testi_.optMenu[i]);
        suggerimenti[i] = daCp1252(testi_.balloon[kTitoloCategorie + 1 + i]);
    }
    categorie_->impostaTesti(didascalie, suggerimenti);
    // The category buttons show their texts in the balloon rather than as
    // plain tooltips.
    for (std::size_t i = 0; i < suggerimenti.size(); ++i) {
        QRadioButton* pulsante = categorie_->categoria(static_cast<int>(i));
        if (!balloonCategorie_.AddTool(pulsante, suggerimenti[i]))
            balloonCategorie_.setToolText(pulsante, suggerimenti[i]);
    }
}

void FrmTastiro::ControllaTastiera() {
    if (layout_.VerificaLayoutTastiera(std::string(kLayoutBelga), true))
        return;
    const auto& m = testi_.messaggi;
    servizi_.messages.mostra(m[Messaggio::TastieraNonImpostata] + " " + m[Messaggio::Francese] +
                                 "\r\n" + m[Messaggio::PotrebbeNonFunzionare] + "\r\n" +
                                 m[Messaggio::ControllaLinguaNellaGuida],
                             testi_.titoloAvviso, Icona::Errore, Pulsanti::Ok);
    if (collegamenti_.guidaPresente && collegamenti_.guidaPresente() && collegamenti_.apriGuida)
        collegamenti_.apriGuida(this, ArgomentoGuida::LayoutTastiera, testi_.guidaMancante);
}

void FrmTastiro::avvia() {
    esercizio_->abilitaMenu(false);
    const auto riga = ApriDaRigaDiComando(rigaComando_, percorsi_.cartellaEsercizi());
    if (riga.troppoLungo) {
        servizi_.messages.mostra(testi_.messaggi[Messaggio::TestoTroppoLungo], kNomeProgramma,
                                 Icona::Informazione, Pulsanti::Ok);
        chiudiProgramma();
        return;
    }
    mod_.ExerciseFile = riga.ExerciseFile;
    esercizio_->impostaRigaComando(riga.rigaComando, riga.testoDaRigaComando);
    scelta_.AbilitaCategorie();
    MostraTitolo();
    if (chiuso_)
        return;
    MostraFinestra(Finestra::NomeUtente);
    esercizio_->MostraSaluto();
    esercizio_->abilitaMenu(true);
}

// The overlay of the hands slides onto the home row at each greeting; the
// first key, a click or another window takes it away.
void FrmTastiro::MostraMappaTasti() {
    if (chiuso_)
        return;
    if (mappaTasti_ == nullptr)
        mappaTasti_ = new frmTransparency(mod_, servizi_.waiter, this);
    const QRect q = widgetTastiera_->rettangoloTasto(kTastoQ);
    mappaTasti_->Form_Load(frmTransparency::bersaglio(*widgetTastiera_, q.topLeft()));
}

void FrmTastiro::nascondiMappaTasti() {
    if (mod_.KeyMapShown && mappaTasti_ != nullptr)
        mappaTasti_->nascondi();
}

void FrmTastiro::MostraTitolo() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString nome = QString::fromLatin1(kNomeProgramma);
    for (int i = 1; i <= nome.size() && !chiuso_; ++i) {
        display_->mostraTitolo(nome.left(i));
        ridisegnaOra();
        servizi_.waiter.attendi(kPausaTitoloMs);
        if (mod_.SoundOn)
            servizi_.sound.suona(suono::Giusto);
    }
    servizi_.waiter.attendi(kPausaFineTitoloMs);
    QApplication::restoreOverrideCursor();
    servizi_.waiter.processEvents();
}

// The panel sits in the middle of the screen, 20 pixels above its centre;
// the finger-map strip 5 pixels below it.
void FrmTastiro::disponi() {
    notebook_->move((width() - notebook_->width()) / 2,
                    (height() - notebook_->height()) / 2 - kSopraIlCentro);
    striscia_->move((width() - striscia_->width()) / 2,
                    notebook_->y() + notebook_->height() + kSottoIlPannello);
}

void FrmTastiro::resizeEvent(QResizeEvent*) {
    disponi();
}

// The background shows only around the keyboard panel, which covers what
// lies beneath it: the window paints it when it is uncovered or recoloured.
void FrmTastiro::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    ColoraSfondo(p, rect(), mod_.coloreSfondo);
    // White guide lines frame the keyboard area across the whole screen.
    const QRect n = notebook_->geometry();
    p.setPen(Qt::white);
    p.drawLine(n.left() + kLineeGuida, 0, n.left() + kLineeGuida, height());
    p.drawLine(n.right() - kLineeGuida, 0, n.right() - kLineeGuida, height());
    p.drawLine(0, n.top() + kLineeGuida, width(), n.top() + kLineeGuida);
    p.drawLine(0, n.bottom() - kLineeGuida, width(), n.bottom() - kLineeGuida);
}

} // namespace scrivolta::ui
