// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/pannellocategorie.h"

#include "ui/comune/accessibile.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/principale/scorciatoie.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace scrivolta::ui {

namespace {

// The symbols of the categories, in place of the Wingdings letters "&",
// "7", "1" and "4": an open book, a keyboard, an open folder, a page.
const std::array<QString, kCategorie> kSimboli = {
    QStringLiteral("\U0001F4D6"), QStringLiteral("\u2328"), QStringLiteral("\U0001F4C2"),
    QStringLiteral("\U0001F5CE"), QString()};

// Captions of 9 pt: the 7.5 pt of old were too small to read on a screen
// of 800 x 600.
constexpr int kPixelDidascalie = 12;
constexpr int kPixelSimbolo = 18;
constexpr int kSpazioRighe = 2;
constexpr int kSpazioPulsanti = 6;
// The list takes three fifths of its row, the modes the rest.
constexpr int kQuotaLista = 3;
constexpr int kQuotaModi = 2;

// The disabled list of the built-in phrases is greyed like the original's.
constexpr QColor kSfondoListaSpenta(223, 223, 223);

// The list is reached from the keyboard by Alt+L, which drops it down: the
// arrows then move in it and Enter chooses.
constexpr QKeyCombination kTastoLista(Qt::AltModifier, Qt::Key_L);

} // namespace

class PannelloCategorie::ListaFile final : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> apertura;

    void showPopup() override {
        if (apertura)
            apertura();
        QComboBox::showPopup();
    }
};

PannelloCategorie::PannelloCategorie(SceltaTesto& scelta,
                                     std::function<void(Categoria)> categoriaScelta,
                                     QWidget* parent)
    : QWidget(parent), scelta_(scelta), categoriaScelta_(std::move(categoriaScelta)) {
    setObjectName(QStringLiteral("picMenu"));
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kCategorie));
    // Arial, as the display: the room the captions take must not depend on
    // the desktop's font.
    QFont didascalie(QStringLiteral("Arial"));
    didascalie.setPixelSize(kPixelDidascalie);
    setFont(didascalie);
    auto* righe = new QVBoxLayout(this);
    righe->setContentsMargins(0, 0, 0, 0);
    righe->setSpacing(kSpazioRighe);
    righe->addLayout(creaPulsanti());
    righe->addLayout(creaLista());
    scelta_.impostaOsservatore(this);
    sceltaCambiata();
}

// The five buttons in one row, each as wide as its caption: the panel's
// whole width holds the longest captions of every language.
QHBoxLayout* PannelloCategorie::creaPulsanti() {
    auto* riga = new QHBoxLayout;
    riga->setSpacing(kSpazioPulsanti);
    for (int i = 0; i < kCategorie; ++i) {
        auto* pulsante = new PulsanteScelta(this);
        pulsante->setObjectName(QStringLiteral("optMenu%1").arg(i));
        pulsante->setFocusPolicy(Qt::NoFocus);
        connect(pulsante, &QRadioButton::clicked, this, [this, i] {
            if (!aggiornando_ && categoriaScelta_)
                categoriaScelta_(static_cast<Categoria>(i));
        });
        riga->addWidget(pulsante);
        optMenu_[static_cast<std::size_t>(i)] = pulsante;
    }
    // The game's caption is set half a point larger than the others.
    QFont grande = font();
    grande.setPixelSize(kPixelDidascalie + 1);
    optMenu_.back()->setFont(grande);
    riga->addStretch();
    return riga;
}

// The symbol of the chosen category and the file list; the right of the row
// is left to the modes.
QHBoxLayout* PannelloCategorie::creaLista() {
    auto* riga = new QHBoxLayout;
    lblIconaEsercizio_ = new QLabel(this);
    lblIconaEsercizio_->setAlignment(Qt::AlignCenter);
    lblIconaEsercizio_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kSimboloCategoria));
    QFont simbolo = lblIconaEsercizio_->font();
    simbolo.setPixelSize(kPixelSimbolo);
    lblIconaEsercizio_->setFont(simbolo);
    riga->addWidget(lblIconaEsercizio_);
    cboListFile_ = new ListaFile(this);
    cboListFile_->setObjectName(QStringLiteral("cboListFile"));
    cboListFile_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kListaFile));
    cboListFile_->view()->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kListaFile));
    cboListFile_->setAccessibleDescription(
        QKeySequence(kTastoLista).toString(QKeySequence::NativeText));
    // A long file name must not widen the list over the modes.
    cboListFile_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboListFile_->setMinimumContentsLength(1);
    // Shown and enabled only when the list is.
    auto* tastoLista = new QShortcut(QKeySequence(kTastoLista), cboListFile_);
    connect(tastoLista, &QShortcut::activated, this, &PannelloCategorie::apriLista);
    connect(cboListFile_, &QComboBox::activated, this, [this](int indice) {
        scelta_.cboListFile_Click(indice);
        // After the drop-down has closed, which gives the focus back to the
        // list.
        if (dopoScelta_)
            QTimer::singleShot(0, this, [this] { dopoScelta_(); });
    });
    riga->addWidget(cboListFile_, kQuotaLista);
    riga->addStretch(kQuotaModi);
    return riga;
}

QComboBox* PannelloCategorie::lista() const {
    return cboListFile_;
}

void PannelloCategorie::impostaApertura(std::function<void()> apertura) {
    cboListFile_->apertura = std::move(apertura);
}

void PannelloCategorie::apriLista() {
    cboListFile_->setFocus(Qt::ShortcutFocusReason);
    cboListFile_->showPopup();
}

QRadioButton* PannelloCategorie::categoria(int indice) const {
    return optMenu_[static_cast<std::size_t>(indice)];
}

void PannelloCategorie::impostaTesti(const std::array<QString, kCategorie>& didascalie,
                                     const std::array<QString, kCategorie>& suggerimenti) {
    for (std::size_t i = 0; i < optMenu_.size(); ++i) {
        QString testo = didascalie[i];
        // "&&" shows one "&"; a single "&" would make the next letter a
        // shortcut that a typed phrase could hit: the buttons have Alt with a
        // digit instead.
        testo.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        testo.remove(QLatin1Char('&'));
        testo.replace(QStringLiteral("\x01"), QStringLiteral("&&"));
        optMenu_[i]->setText(testo);
        collegaCifra(optMenu_[i], kCifraPrimaCategoria + static_cast<int>(i));
        optMenu_[i]->setToolTip(suggerimenti[i]);
    }
}

void PannelloCategorie::abilitaGioco(bool attivo) {
    giocoAttivo_ = attivo;
    aggiornaPulsanti();
}

void PannelloCategorie::sceltaCambiata() {
    aggiornando_ = true;
    aggiornaPulsanti();
    aggiornaLista();
    aggiornando_ = false;
}

void PannelloCategorie::aggiornaPulsanti() {
    const int scelta = static_cast<int>(scelta_.categoria());
    for (int i = 0; i < kCategorie; ++i) {
        auto* pulsante = optMenu_[static_cast<std::size_t>(i)];
        const auto c = static_cast<Categoria>(i);
        pulsante->setEnabled(c == Categoria::Gioco ? giocoAttivo_ : scelta_.abilitata(c));
        pulsante->setChecked(i == scelta);
    }
    lblIconaEsercizio_->setText(kSimboli[static_cast<std::size_t>(scelta)]);
}

void PannelloCategorie::aggiornaLista() {
    const QSignalBlocker blocco(cboListFile_);
    cboListFile_->clear();
    for (const auto& voce : scelta_.voci())
        cboListFile_->addItem(daCp1252(voce));
    cboListFile_->setCurrentIndex(scelta_.selezionata());
    cboListFile_->setEnabled(scelta_.listaAttiva());
    QPalette tavolozza = cboListFile_->palette();
    tavolozza.setColor(QPalette::Button, scelta_.listaAttiva() ? palette().color(QPalette::Button)
                                                               : kSfondoListaSpenta);
    cboListFile_->setPalette(tavolozza);
}

} // namespace scrivolta::ui
