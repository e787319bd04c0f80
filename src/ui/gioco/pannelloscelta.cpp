// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/gradiente.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/gioco/pannelligioco.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QValidator>

namespace scrivolta::ui {

namespace {

constexpr QSize kDimensione(706, 320);
constexpr QRect kGioco(20, 14, 300, 24);
constexpr QRect kAllenamento(20, 84, 300, 24);
constexpr QRect kVelocita(20, 214, 250, 24);
constexpr QRect kTempo(20, 250, 250, 24);
constexpr QRect kDurata(500, 250, 100, 24);
constexpr QRect kStart(293, 282, 120, 30);
constexpr int kXBanda = 6;
constexpr int kLarghezzaBanda = 694;
constexpr int kAltezzaBanda = 25;
const AngoliGradiente kColoriBanda{rgb(227, 245, 243), rgb(157, 196, 228), rgb(227, 245, 243),
                                   rgb(157, 196, 228)};

// Where each choice sits: the three games in a row, the training sets in
// two rows, the custom set with its box below them.
constexpr std::array<QRect, opzioneGioco::Numero> kOpzioni{
    QRect(40, 46, 150, 26),   QRect(220, 46, 150, 26),  QRect(400, 46, 150, 26),
    QRect(40, 114, 220, 26),  QRect(300, 114, 220, 26), QRect(40, 144, 220, 26),
    QRect(300, 144, 220, 26), QRect(40, 176, 180, 26)};
constexpr QRect kPersonalizzato(300, 176, 220, 26);

// The box takes only what a training can use: characters of the code
// page, no blanks, none twice.
class ValidatoreSerie final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int&) const override {
        for (const char32_t c : testo.toUcs4()) {
            if (!cp1252::fromUnicode(c))
                return Invalid;
        }
        return serieAmmessa(inCp1252(testo)) ? Acceptable : Invalid;
    }
};

} // namespace

PannelloScelta::PannelloScelta(QWidget* parent) : QWidget(parent) {
    setFixedSize(kDimensione);
    setObjectName(QStringLiteral("picLevel"));
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kSceltaGioco));
    lblGioco_ = etichetta(kGioco, "lblGioco");
    lblAllenamento_ = etichetta(kAllenamento, "lblAllenamento");
    lblVelocita_ = etichetta(kVelocita, "lblVelocita");
    lblTimeLbl_ = etichetta(kTempo, "lblTimeLbl");
    lblTime_ = etichetta(kDurata, "lblTime");
    for (QLabel* l : {lblGioco_, lblAllenamento_}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    creaOpzioni();
    creaCursori();
    cmdStart_ = new QPushButton(QStringLiteral("Start"), this);
    cmdStart_->setObjectName(QStringLiteral("cmdStart"));
    cmdStart_->setAccessibleName(QStringLiteral("Start"));
    cmdStart_->setGeometry(kStart);
    cmdStart_->setCursor(Qt::PointingHandCursor);
    connect(cmdStart_, &QPushButton::clicked, this, [this] {
        if (gestori_.avvio)
            gestori_.avvio();
    });
}

QLabel* PannelloScelta::etichetta(const QRect& zona, const char* nome) {
    auto* l = new QLabel(this);
    l->setGeometry(zona);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}

void PannelloScelta::creaOpzioni() {
    gruppo_ = new QButtonGroup(this);
    for (int i = 0; i < opzioneGioco::Numero; ++i) {
        auto* o = new QRadioButton(this);
        o->setGeometry(kOpzioni[static_cast<std::size_t>(i)]);
        o->setObjectName(QStringLiteral("optDifficulty%1").arg(i));
        o->setCursor(Qt::PointingHandCursor);
        gruppo_->addButton(o, i);
        opzioni_[static_cast<std::size_t>(i)] = o;
    }
    connect(gruppo_, &QButtonGroup::idClicked, this, [this](int i) {
        if (gestori_.opzione)
            gestori_.opzione(i);
    });
    txtCustom_ = new QLineEdit(this);
    txtCustom_->setObjectName(QStringLiteral("txtCustom"));
    txtCustom_->setGeometry(kPersonalizzato);
    txtCustom_->setMaxLength(static_cast<int>(kLunghezzaSerie));
    txtCustom_->setValidator(new ValidatoreSerie(txtCustom_));
    connect(txtCustom_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (gestori_.personalizzato)
            gestori_.personalizzato(t);
    });
}

QSlider* PannelloScelta::cursore(int y, int valore, const char* nome,
                                 std::function<void(int)> GestoriScelta::*gestore) {
    auto* s = new QSlider(Qt::Horizontal, this);
    s->setObjectName(QString::fromLatin1(nome));
    s->setRange(1, 4);
    s->setValue(valore);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setCursor(Qt::PointingHandCursor);
    s->setGeometry(280, y, 200, 24);
    connect(s, &QSlider::valueChanged, this, [this, gestore](int v) {
        if (gestori_.*gestore)
            (gestori_.*gestore)(v);
    });
    return s;
}

void PannelloScelta::creaCursori() {
    // The speed slider holds the tick length in quarters of 100 ms: the
    // right end, value 1, is the fastest.
    hsSpeed_ = cursore(kVelocita.y(), 4, "hsSpeed", &GestoriScelta::velocita);
    hsSpeed_->setInvertedAppearance(true);
    hsSpeed_->setInvertedControls(true);
    hsTime_ = cursore(kTempo.y(), 1, "hsTime", &GestoriScelta::tempo);
}

void PannelloScelta::impostaGestori(GestoriScelta gestori) {
    gestori_ = std::move(gestori);
}

void PannelloScelta::applicaTesti(const TestiGioco& testi) {
    lblGioco_->setText(daCp1252(testi.gioco));
    lblAllenamento_->setText(daCp1252(testi.allenamento));
    lblVelocita_->setText(daCp1252(testi.velocita));
    lblTimeLbl_->setText(daCp1252(testi.tempo));
    for (std::size_t i = 0; i < testi.difficolta.size(); ++i)
        opzioni_[i]->setText(daCp1252(testi.difficolta[i]));
    for (std::size_t i = 0; i < kSerieFisse.size(); ++i)
        opzioni_[i + opzioneGioco::PrimaSerie]->setText(daCp1252(kSerieFisse[i]));
    opzioni_[opzioneGioco::Personalizzato]->setText(daCp1252(testi.personalizzato));
    txtCustom_->setAccessibleName(daCp1252(testi.personalizzato));
    hsSpeed_->setAccessibleName(daCp1252(testi.velocita));
    hsTime_->setAccessibleName(daCp1252(testi.tempo));
}

void PannelloScelta::mostra(const StatoGioco& stato) {
    setVisible(stato.pannelloScelta);
    opzioni_[static_cast<std::size_t>(stato.difficolta)]->setChecked(true);
    hsSpeed_->setEnabled(stato.cursoriAttivi);
    hsTime_->setEnabled(stato.cursoriAttivi);
    if (txtCustom_->isEnabled() != stato.personalizzatoAttivo) {
        txtCustom_->setEnabled(stato.personalizzatoAttivo);
        QPalette colori = txtCustom_->palette();
        colori.setColor(QPalette::Base,
                        stato.personalizzatoAttivo ? QColor(Qt::white) : QColor(192, 192, 192));
        txtCustom_->setPalette(colori);
    }
    const QString serie = daCp1252(stato.txtCustom);
    if (txtCustom_->text() != serie)
        txtCustom_->setText(serie);
    if (const QString durata = daCp1252(stato.lblTime); lblTime_->text() != durata)
        lblTime_->setText(durata);
    cmdStart_->setEnabled(stato.cmdStart);
    if (bandaAllenamento_ != !eGioco(stato.difficolta)) {
        bandaAllenamento_ = !eGioco(stato.difficolta);
        update();
    }
}

// The selection band marks the chosen activity, game or training.
void PannelloScelta::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(240, 246, 252));
    p.setPen(QColor(157, 196, 228));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QLabel* titolo = bandaAllenamento_ ? lblAllenamento_ : lblGioco_;
    Gradiente(p, QRect(kXBanda, titolo->y() - 2, kLarghezzaBanda, kAltezzaBanda), kColoriBanda,
              true);
}

} // namespace scrivolta::ui
