// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialoghi/frminput.h"

#include "app/colore.h"
#include "app/cp1252.h"
#include "app/dominio.h"
#include "settings/lingua.h"
#include "settings/nomeutente.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/gradiente.h"

#include <QCheckBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace scrivolta::ui {

namespace {

constexpr QSize kDimensione(380, 210);

// The name goes into Windows-1252 files: a letter the code page cannot hold
// would come back as "?", so it cannot be typed in the first place.
class ValidatoreCp1252 final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int&) const override {
        for (const char32_t c : testo.toUcs4()) {
            if (!cp1252::fromUnicode(c))
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

frmInput::frmInput(ModTastiro& stato, const Percorsi& percorsi, QWidget* parent)
    : QDialog(parent), stato_(stato), percorsi_(percorsi) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromLatin1(kNomeProgramma));
    costruisci();
    applicaTesti();
    leggiNomeRicordato();
}

void frmInput::costruisci() {
    lblBenvenuto_ = new QLabel(QStringLiteral("Benvenuti nel tutore di dattilografia"), this);
    QFont grassetto = lblBenvenuto_->font();
    grassetto.setBold(true);
    lblBenvenuto_->setFont(grassetto);
    lblDigitaNome_ = new QLabel(QStringLiteral("Scrivi il tuo nome"), this);
    txtNomeUtente_ = new QLineEdit(this);
    txtNomeUtente_->setMaxLength(kLunghezzaNome);
    txtNomeUtente_->setValidator(new ValidatoreCp1252(txtNomeUtente_));
    txtNomeUtente_->installEventFilter(this);
    chkRemember_ = new QCheckBox(QStringLiteral("Ricorda il tuo nome al prossimo accesso"), this);
    cmdChiudi_ = new QPushButton(QStringLiteral("OK"), this);
    cmdChiudi_->setDefault(true);
    for (QWidget* w : {static_cast<QWidget*>(chkRemember_), static_cast<QWidget*>(cmdChiudi_)})
        w->setCursor(Qt::PointingHandCursor);
    lblBenvenuto_->setObjectName(QStringLiteral("lblBenvenuto"));
    lblDigitaNome_->setObjectName(QStringLiteral("lblDigitaNome"));
    txtNomeUtente_->setObjectName(QStringLiteral("txtNomeUtente"));
    chkRemember_->setObjectName(QStringLiteral("chkRemember"));
    cmdChiudi_->setObjectName(QStringLiteral("cmdChiudi"));
    // A screen reader names the field by the label above it.
    lblDigitaNome_->setBuddy(txtNomeUtente_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblBenvenuto_);
    layout->addSpacing(8);
    layout->addWidget(lblDigitaNome_);
    layout->addWidget(txtNomeUtente_);
    layout->addWidget(chkRemember_);
    layout->addStretch();
    layout->addWidget(cmdChiudi_, 0, Qt::AlignRight);
    setFixedSize(kDimensione);

    connect(txtNomeUtente_, &QLineEdit::textChanged, this, [this] { testoCambiato(); });
    connect(cmdChiudi_, &QPushButton::clicked, this, [this] { accept(); });
}

void frmInput::applicaTesti() {
    if (!stato_.linguaCaricata)
        return;
    const FileLingua lingua = fileLinguaCorrente(percorsi_, stato_.linguaCorrente);
    cmdChiudi_->setToolTip(daCp1252(lingua.TestoLingua("0066")));
    lblBenvenuto_->setText(daCp1252(lingua.TestoLingua("0012")));
    lblDigitaNome_->setText(daCp1252(lingua.TestoLingua("0096")));
    chkRemember_->setText(daCp1252(lingua.TestoLingua("0138")));
}

void frmInput::leggiNomeRicordato() {
    const NomeRicordato ricordato = LeggiNomeRicordato(percorsi_);
    if (!ricordato.Name.empty())
        txtNomeUtente_->setText(daCp1252(ricordato.Name).left(kLunghezzaNome));
    chkRemember_->setChecked(ricordato.Remember);
}

// The remembered name is offered fully selected, so that typing replaces it.
void frmInput::attiva() {
    txtNomeUtente_->selectAll();
    if (txtNomeUtente_->text().isEmpty())
        testoCambiato();
}

void frmInput::testoCambiato() {
    const bool vuoto = txtNomeUtente_->text().isEmpty();
    if (vuoto)
        chkRemember_->setChecked(false);
    chkRemember_->setEnabled(!vuoto);
}

bool frmInput::rifiutaBlankIniziale(QEvent* evento) const {
    if (!txtNomeUtente_->text().isEmpty())
        return false;
    if (evento->type() == QEvent::KeyPress)
        return static_cast<QKeyEvent*>(evento)->text() == QStringLiteral(" ");
    if (evento->type() == QEvent::InputMethod)
        return static_cast<QInputMethodEvent*>(evento)->commitString().startsWith(u' ');
    return false;
}

bool frmInput::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == txtNomeUtente_ && rifiutaBlankIniziale(evento))
        return true;
    return QDialog::eventFilter(oggetto, evento);
}

void frmInput::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    attiva();
}

void frmInput::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    // The field takes the focus only once the window is active: Qt's
    // Wayland plugin crashes painting the cursor of an empty field focused
    // in a window the compositor has not activated (a desktop without a
    // keyboard seat).
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) {
        attiva();
        txtNomeUtente_->setFocus();
    }
}

void frmInput::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    constexpr Colore kChiaro = rgb(225, 240, 249);
    constexpr Colore kScuro = rgb(134, 182, 222);
    Gradiente(painter, rect(), {kChiaro, kScuro, kScuro, kChiaro}, true);
}

void frmInput::done(int risultato) {
    stato_.UserName = NomeUtente(inCp1252(txtNomeUtente_->text()));
    SalvaNomeRicordato(percorsi_, stato_.UserName, chkRemember_->isChecked());
    QDialog::done(risultato);
}

} // namespace scrivolta::ui
