// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialoghi/frmlanguage.h"

#include "app/colore.h"
#include "app/dominio.h"
#include "app/testo.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/gradiente.h"
#include "ui/comune/nomiaccessibili.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace scrivolta::ui {

namespace {

constexpr QSize kDimensione(340, 150);

// The built-in texts of the three messages: confirmation, language, author.
constexpr std::array<const char*, 3> kTestiPredefiniti = {
    "Confermi l'impostazione della lingua selezionata?",
    "Lingua attuale: Italiano [Default]",
    "Autore: [Default]",
};
constexpr std::array<const char*, 3> kIdTesti = {"0201", "0206", "0207"};

// A thin framed panel behind the controls, for the window's look; a screen
// reader reads it by `nome`.
QFrame* cornice(QWidget* parent, const nomeAccessibile::Nome& nome) {
    auto* frame = new QFrame(parent);
    frame->setAccessibleName(nomeAccessibileDi(nome));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

frmLanguage::frmLanguage(ModTastiro& stato, const Percorsi& percorsi, MessageBoxes& messaggi,
                         QWidget* parent)
    : QDialog(parent), stato_(stato), percorsi_(percorsi), messaggi_(messaggi) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    if (stato_.linguaCaricata)
        lingua_ = fileLinguaCorrente(percorsi_, stato_.linguaCorrente);
    costruisci();
    applicaTesti();
    CaricaListaLingue();
    linguaScelta_ = stato_.linguaCorrente;
}

void frmLanguage::costruisci() {
    lblMess_ = new QLabel(this);
    cboFileLanguage_ = new QComboBox(this);
    cmdChiudi_ = new QPushButton(this);
    cmdChiudi_->setDefault(true);
    cmdInfoAuthor_ = new QToolButton(this);
    cmdInfoAuthor_->setText(QStringLiteral("i"));
    QFont corsivo(QStringLiteral("Serif"));
    corsivo.setBold(true);
    corsivo.setItalic(true);
    cmdInfoAuthor_->setFont(corsivo);
    for (QWidget* w : {static_cast<QWidget*>(cmdChiudi_), static_cast<QWidget*>(cmdInfoAuthor_)})
        w->setCursor(Qt::PointingHandCursor);
    lblMess_->setObjectName(QStringLiteral("lblMess"));
    cboFileLanguage_->setObjectName(QStringLiteral("cboFileLanguage"));
    cmdChiudi_->setObjectName(QStringLiteral("cmdChiudi"));
    cmdInfoAuthor_->setObjectName(QStringLiteral("cmdInfoAuthor"));
    // A screen reader names the list by the label above it.
    lblMess_->setBuddy(cboFileLanguage_);
    // Tab follows the window from top to bottom: the list, its author
    // button beside it, then the closing bar.
    setTabOrder(cboFileLanguage_, cmdInfoAuthor_);
    setTabOrder(cmdInfoAuthor_, cmdChiudi_);
    disponi();

    connect(cboFileLanguage_, &QComboBox::currentIndexChanged, this,
            [this](int indice) { selezionata(indice); });
    connect(cmdInfoAuthor_, &QToolButton::clicked, this, [this] { cmdInfoAuthor_Click(); });
    connect(cmdChiudi_, &QPushButton::clicked, this, [this] { cmdChiudi_Click(); });
}

// Two framed panels: the choice above, the closing bar below.
void frmLanguage::disponi() {
    auto* scelta = cornice(this, nomeAccessibile::kLingue);
    auto* interno = new QGridLayout(scelta);
    interno->addWidget(lblMess_, 0, 0, 1, 2);
    interno->addWidget(cboFileLanguage_, 1, 0);
    interno->addWidget(cmdInfoAuthor_, 1, 1);

    auto* barra = cornice(this, nomeAccessibile::kMenu);
    auto* basso = new QHBoxLayout(barra);
    basso->setContentsMargins(6, 4, 6, 4);
    basso->addStretch();
    auto* freccia = new QLabel(QStringLiteral("\u21B5"), barra);
    freccia->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kInvio));
    basso->addWidget(freccia);
    basso->addWidget(cmdChiudi_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scelta);
    layout->addStretch();
    layout->addWidget(barra);
    setFixedSize(kDimensione);
}

void frmLanguage::applicaTesti() {
    if (!stato_.linguaCaricata) {
        setWindowTitle(QStringLiteral("Scelta lingua"));
        lblMess_->setText(QStringLiteral("Seleziona la lingua da usare"));
        cmdChiudi_->setText(QStringLiteral("&Chiudi"));
        cmdInfoAuthor_->setToolTip(QStringLiteral("Informazioni sulla traduzione"));
        cmdInfoAuthor_->setAccessibleName(cmdInfoAuthor_->toolTip());
        for (std::size_t i = 0; i < testiLingua_.size(); ++i)
            testiLingua_[i] = kTestiPredefiniti[i];
        return;
    }
    setWindowTitle(daCp1252(lingua_.TestoLingua("0200")));
    lblMess_->setText(daCp1252(lingua_.TestoLingua("0202")));
    cmdChiudi_->setText(daCp1252(lingua_.TestoLingua("0203")));
    cmdChiudi_->setToolTip(daCp1252(lingua_.TestoLingua("0204")));
    cmdInfoAuthor_->setToolTip(daCp1252(lingua_.TestoLingua("0205")));
    // The button shows only an "i": its tooltip says what it does.
    cmdInfoAuthor_->setAccessibleName(cmdInfoAuthor_->toolTip());
    for (std::size_t i = 0; i < testiLingua_.size(); ++i)
        testiLingua_[i] = lingua_.TestoLingua(kIdTesti[i]);
}

// While the list is being filled, selections are the program's own and
// must not count as the learner's choice.
void frmLanguage::CaricaListaLingue() {
    caricamentoLista_ = true;
    cboFileLanguage_->clear();
    const auto lingue = percorsi_.lingueDisponibili();
    if (lingue.empty()) {
        cboFileLanguage_->addItem(QString::fromLatin1(kItalianoPredefinito));
        return;
    }
    for (const auto& lingua : lingue)
        cboFileLanguage_->addItem(daCp1252(lingua));
    const std::string corrente = testo::maiuscolo(stato_.linguaCorrente);
    const auto trovata = std::find_if(lingue.begin(), lingue.end(), [&](const std::string& l) {
        return testo::maiuscolo(l) == corrente;
    });
    if (trovata != lingue.end()) {
        cboFileLanguage_->setCurrentIndex(static_cast<int>(trovata - lingue.begin()));
    } else {
        // The current language has no file: its texts are the built-in ones.
        cboFileLanguage_->addItem(QString::fromLatin1(kItalianoPredefinito));
        cboFileLanguage_->setCurrentIndex(cboFileLanguage_->count() - 1);
    }
    caricamentoLista_ = false;
}

void frmLanguage::selezionata(int indice) {
    if (caricamentoLista_ || indice < 0)
        return;
    linguaScelta_ = inCp1252(cboFileLanguage_->itemText(indice));
}

void frmLanguage::cmdInfoAuthor_Click() {
    std::string testo;
    if (stato_.linguaCaricata) {
        const std::string autore = lingua_.TestoLingua("InfoAuthor");
        const std::string posta = lingua_.TestoLingua("MailAuthor");
        testo = testiLingua_[1] + " " + stato_.linguaCorrente + "\r\n\r\n" + testiLingua_[2] + " ";
        if (autore.empty())
            testo += "Unknown";
        else
            testo += posta.empty() ? autore : autore + "\r\n" + posta;
    } else {
        testo = testiLingua_[1] + "\r\n\r\n" + testiLingua_[2];
    }
    messaggi_.mostra(testo, kNomeProgramma, Icona::Informazione, Pulsanti::Ok);
}

void frmLanguage::cmdChiudi_Click() {
    if (linguaScelta_ != stato_.linguaCorrente) {
        const std::string domanda = testiLingua_[0] + " ( " + linguaScelta_ + " )";
        if (messaggi_.mostra(domanda, kNomeProgramma, Icona::Domanda, Pulsanti::SiNo) ==
            Risposta::Si)
            stato_.linguaCorrente = linguaScelta_;
    }
    accept();
}

void frmLanguage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    constexpr Colore kChiaro = rgb(225, 240, 249);
    constexpr Colore kScuro = rgb(134, 182, 222);
    Gradiente(painter, rect(), {kChiaro, kChiaro, kScuro, kScuro}, true);
}

} // namespace scrivolta::ui
