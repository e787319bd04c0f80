// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialoghi/frmabout.h"

#include "app/dominio.h"
#include "app/indirizzi.h"
#include "app/versione.h"
#include "history/testiprogressi.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/gradiente.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/comune/sfondo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace scrivolta::ui {

namespace {

constexpr int kSuonoApertura = 105;
constexpr int kAltezzaBarra = 44;

// The window's texts: the built-in Italian ones, or a language file's by id.
struct TestoFinestra {
    const char* id;
    const char* italiano;
};
constexpr TestoFinestra kWebSite{
    "0074", "Per scaricare gli aggiornamenti al programma, e molto altro ancora, visita il sito:"};
constexpr TestoFinestra kPrintKey{"0069", "Stampa la tastiera di Scrivolta!"};
constexpr TestoFinestra kChiudi{"0075", "&Chiudi"};
constexpr TestoFinestra kTipChiudi{"0066", "Chiudi la finestra"};
constexpr TestoFinestra kTipGuida{"0067", "Guida in linea"};
constexpr TestoFinestra kTipSito{"0068", "Visita il sito di Scrivolta"};
constexpr TestoFinestra kTipPosta{"0070", "Scrivi all'autore"};
constexpr TestoFinestra kTipLingua{"0115", "Scegli la lingua"};
constexpr const char* kVideoItaliano =
    "Impostazione video raccomandate  1024x768 o  800x600 pixel  ";
constexpr const char* kLayoutItaliano =
    "N.B. Questa versione del programma \xE8 specifica per tastiere con  layout  belga";

QString testo(const FileLingua& lingua, bool usaFile, const TestoFinestra& t) {
    return usaFile ? daCp1252(lingua.TestoLingua(t.id)) : daCp1252(t.italiano);
}

QString daVista(std::string_view testo) {
    return QString::fromLatin1(testo.data(), static_cast<qsizetype>(testo.size()));
}

QLabel* etichetta(QWidget* parent, const QString& nome) {
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setWordWrap(true);
    return l;
}

QToolButton* pulsanteSimbolo(QWidget* parent, const QString& nome, const QString& simbolo) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nome);
    b->setText(simbolo);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(20);
    b->setFont(f);
    b->setMinimumSize(36, 36);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

} // namespace

frmAbout::frmAbout(const ModTastiro& mod, const Percorsi& percorsi, SoundPlayer& suoni,
                   CollegamentiInformazioni collegamenti, QWidget* parent)
    : QDialog(parent), mod_(mod), collegamenti_(std::move(collegamenti)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QString::fromLatin1(kNomeProgramma));
    costruisci();
    const auto lingua = linguaInUso(mod_, percorsi);
    applicaTesti(lingua.value_or(FileLingua()), lingua.has_value());
    const bool stampante =
        collegamenti_.stampanteDisponibile && collegamenti_.stampanteDisponibile();
    lblPrintKey_->setEnabled(stampante);
    imgPrintKey_->setEnabled(stampante);
    if (mod_.SoundOn)
        suoni.suona(kSuonoApertura);
}

QPushButton* frmAbout::creaLink(const QString& nome) {
    auto* link = new QPushButton(this);
    link->setObjectName(nome);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(
        QStringLiteral("QPushButton { color: #1f5f99; text-decoration: underline; border: none;"
                       " text-align: left; padding: 2px; }"
                       "QPushButton:focus { background: rgba(255, 255, 255, 120); }"
                       "QPushButton:disabled { color: #7a8a99; text-decoration: none; }"));
    return link;
}

// `picBar` with the program's name and version.
void frmAbout::creaBarra() {
    picBar_ = new BarraTitolo(this);
    picBar_->setFixedHeight(kAltezzaBarra);
    lblTitolo_ = etichetta(picBar_, QStringLiteral("lblTitolo"));
    lblTitolo_->setText(QString::fromLatin1(kNomeProgramma));
    QFont titolo = lblTitolo_->font();
    titolo.setPixelSize(22);
    titolo.setBold(true);
    lblTitolo_->setFont(titolo);
    lblVersione_ = etichetta(picBar_, QStringLiteral("lblVersione"));
    lblVersione_->setText(QStringLiteral("Versione ") + QString::fromStdString(versione::numero()));
    picBar_->setAccessibleName(lblTitolo_->text());
}

void frmAbout::costruisci() {
    creaBarra();
    lblVideoSetting_ = etichetta(this, QStringLiteral("lblVideoSetting"));
    lblLayoutKeyb_ = etichetta(this, QStringLiteral("lblLayoutKeyb"));
    lblWebSite_ = etichetta(this, QStringLiteral("lblWebSite"));
    const Indirizzi& indirizzi = collegamenti_.indirizzi;
    lblHomePage_ = creaLink(QStringLiteral("lblHomePage"));
    lblHomePage_->setText(daVista(indirizzi.sito));
    lblEmail_ = creaLink(QStringLiteral("lblEmail"));
    lblEmail_->setText(daVista(indirizzi.posta));
    logo_ = pulsanteSimbolo(this, QStringLiteral("imgLogo"), QStringLiteral("\u2328"));
    logo_->setToolTip(daVista(indirizzi.sorgenti));
    logo_->setAccessibleName(daVista(indirizzi.sorgenti));
    // A build without addresses has no link to offer.
    lblHomePage_->setHidden(indirizzi.sito.empty());
    logo_->setHidden(indirizzi.sorgenti.empty());
    lblWebSite_->setHidden(indirizzi.sito.empty() && indirizzi.sorgenti.empty());
    lblEmail_->setHidden(indirizzi.posta.empty());
    lblPrintKey_ = creaLink(QStringLiteral("lblPrintKey"));
    imgPrintKey_ =
        pulsanteSimbolo(this, QStringLiteral("imgPrintKey"), QStringLiteral("\U0001F5A8"));
    cmdHelp_ = pulsanteSimbolo(this, QStringLiteral("cmdHelp"), QStringLiteral("?"));
    cmdLingua_ = pulsanteSimbolo(this, QStringLiteral("cmdLingua"), QStringLiteral("\U0001F310"));
    cmdProgressi_ = new QPushButton(this);
    cmdProgressi_->setObjectName(QStringLiteral("cmdProgressi"));
    cmdProgressi_->setVisible(static_cast<bool>(collegamenti_.progressi));
    cmdChiudi_ = new QPushButton(this);
    cmdChiudi_->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi_->setDefault(true);
    cmdChiudi_->setCursor(Qt::PointingHandCursor);
    disponi();
    ordinaTab();
    collega();
    cmdChiudi_->setFocus();
}

// Tab goes down the window as it reads, left to right on each line.
void frmAbout::ordinaTab() {
    QWidget* const ordine[] = {lblHomePage_, logo_,      lblEmail_,     imgPrintKey_, lblPrintKey_,
                               cmdHelp_,     cmdLingua_, cmdProgressi_, cmdChiudi_};
    for (std::size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void frmAbout::collega() {
    connect(cmdChiudi_, &QPushButton::clicked, this, [this] { esci(Uscita::Chiusa); });
    connect(cmdHelp_, &QToolButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdLingua_, &QToolButton::clicked, this, [this] { esci(Uscita::Lingua); });
    connect(cmdProgressi_, &QPushButton::clicked, this, [this] { esci(Uscita::Progressi); });
    connect(lblPrintKey_, &QPushButton::clicked, this, [this] { esci(Uscita::Stampa); });
    connect(imgPrintKey_, &QToolButton::clicked, this, [this] { esci(Uscita::Stampa); });
    connect(lblHomePage_, &QPushButton::clicked, this,
            [this] { apriCollegamento(QUrl(daVista(collegamenti_.indirizzi.sito)), false); });
    connect(logo_, &QToolButton::clicked, this,
            [this] { apriCollegamento(QUrl(daVista(collegamenti_.indirizzi.sorgenti)), true); });
    connect(lblEmail_, &QPushButton::clicked, this,
            [this] { apriCollegamento(indirizzoPosta(), true); });
}

void frmAbout::disponi() {
    auto* barra = new QHBoxLayout(picBar_);
    barra->setContentsMargins(12, 2, 12, 2);
    barra->addWidget(lblTitolo_);
    barra->addStretch();
    barra->addWidget(lblVersione_);

    auto* sito = new QHBoxLayout;
    sito->addWidget(lblHomePage_);
    sito->addStretch();
    sito->addWidget(logo_);
    auto* stampa = new QHBoxLayout;
    stampa->addWidget(imgPrintKey_);
    stampa->addWidget(lblPrintKey_);
    stampa->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmdHelp_);
    pulsanti->addWidget(cmdLingua_);
    pulsanti->addWidget(cmdProgressi_);
    pulsanti->addStretch();
    auto* freccia = new QLabel(QStringLiteral("\u21B5"), this);
    freccia->setObjectName(QStringLiteral("imgFrecciaReturn"));
    freccia->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kInvio));
    pulsanti->addWidget(freccia);
    pulsanti->addWidget(cmdChiudi_);

    auto* corpo = new QVBoxLayout;
    corpo->setContentsMargins(16, 10, 16, 12);
    corpo->setSpacing(8);
    for (QWidget* w : {static_cast<QWidget*>(lblVideoSetting_),
                       static_cast<QWidget*>(lblLayoutKeyb_), static_cast<QWidget*>(lblWebSite_)})
        corpo->addWidget(w);
    corpo->addLayout(sito);
    corpo->addWidget(lblEmail_);
    corpo->addLayout(stampa);
    corpo->addStretch();
    corpo->addLayout(pulsanti);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picBar_);
    layout->addLayout(corpo);
    setFixedWidth(430);
}

void frmAbout::applicaTesti(const FileLingua& lingua, bool usaFile) {
    const auto progressi = usaFile ? storico::TestiProgressi(lingua) : storico::TestiProgressi();
    cmdProgressi_->setText(daCp1252(progressi[storico::TestoProgressi::Titolo]));
    cmdProgressi_->setAccessibleName(cmdProgressi_->text());
    if (usaFile) {
        lblVideoSetting_->setText(daCp1252(lingua.TestoLingua("0071")) + QLatin1Char('\n') +
                                  daCp1252(lingua.TestoLingua("0072")));
        lblLayoutKeyb_->setText(daCp1252(lingua.TestoLingua("0073") + " " +
                                         " Belgique-Fran\xE7"
                                         "ais"));
    } else {
        lblVideoSetting_->setText(daCp1252(kVideoItaliano));
        lblLayoutKeyb_->setText(daCp1252(kLayoutItaliano));
    }
    lblWebSite_->setText(testo(lingua, usaFile, kWebSite));
    lblPrintKey_->setText(testo(lingua, usaFile, kPrintKey));
    imgPrintKey_->setToolTip(lblPrintKey_->text());
    cmdChiudi_->setText(testo(lingua, usaFile, kChiudi));
    cmdChiudi_->setToolTip(testo(lingua, usaFile, kTipChiudi));
    cmdHelp_->setToolTip(testo(lingua, usaFile, kTipGuida));
    lblHomePage_->setToolTip(testo(lingua, usaFile, kTipSito));
    lblEmail_->setToolTip(testo(lingua, usaFile, kTipPosta));
    cmdLingua_->setToolTip(testo(lingua, usaFile, kTipLingua));
    // Symbol buttons say in words what they do.
    for (QWidget* w : {static_cast<QWidget*>(cmdHelp_), static_cast<QWidget*>(cmdLingua_),
                       static_cast<QWidget*>(imgPrintKey_)})
        w->setAccessibleName(w->toolTip());
}

QUrl frmAbout::indirizzoPosta() const {
    QUrl posta(QStringLiteral("mailto:") + daVista(collegamenti_.indirizzi.posta));
    QUrlQuery oggetto;
    oggetto.addQueryItem(QStringLiteral("subject"), QString::fromLatin1(kNomeProgramma) +
                                                        QStringLiteral(" (IT) - ") +
                                                        lblVersione_->text());
    posta.setQuery(oggetto);
    return posta;
}

int frmAbout::exec() {
    uscita_ = Uscita::Chiusa;
    return QDialog::exec();
}

void frmAbout::esci(Uscita uscita) {
    uscita_ = uscita;
    accept();
}

// A missing browser or mail program shows nothing; the window goes all
// the same, as the learner asked to leave it.
void frmAbout::apriCollegamento(const QUrl& indirizzo, bool minimizza) {
    if (collegamenti_.apriIndirizzo)
        collegamenti_.apriIndirizzo(indirizzo);
    esci(Uscita::Chiusa);
    if (minimizza && collegamenti_.minimizzaPrincipale)
        collegamenti_.minimizzaPrincipale();
}

void frmAbout::cmdHelp_Click() {
    if (collegamenti_.apriGuida)
        collegamenti_.apriGuida(this);
    esci(Uscita::Chiusa);
}

void frmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    constexpr Colore kChiaro = rgb(225, 240, 249);
    constexpr Colore kScuro = rgb(134, 182, 222);
    Gradiente(painter, rect(), {kChiaro, kScuro, kScuro, kChiaro}, true);
}

void MostraInformazioni(const ModTastiro& mod, const Percorsi& percorsi, SoundPlayer& suoni,
                        const CollegamentiInformazioni& collegamenti, QWidget* proprietario) {
    frmAbout finestra(mod, percorsi, suoni, collegamenti, proprietario);
    for (;;) {
        finestra.exec();
        if (finestra.uscita() == frmAbout::Uscita::Stampa) {
            if (collegamenti.stampaTastiera)
                collegamenti.stampaTastiera();
            return;
        }
        if (finestra.uscita() == frmAbout::Uscita::Progressi) {
            collegamenti.progressi();
            return;
        }
        if (finestra.uscita() != frmAbout::Uscita::Lingua)
            return;
        const std::string lingua = mod.linguaCorrente;
        if (collegamenti.scegliLingua)
            collegamenti.scegliLingua(proprietario);
        if (mod.linguaCorrente != lingua)
            return;
    }
}

} // namespace scrivolta::ui
