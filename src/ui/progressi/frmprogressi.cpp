// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progressi/frmprogressi.h"

#include "app/cp1252.h"
#include "app/dominio.h"
#include "app/testo.h"
#include "history/csv.h"
#include "settings/fileatomico.h"
#include "ui/comune/conversioni.h"
#include "ui/progressi/graficiprogressi.h"
#include "ui/progressi/mappacalore.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace scrivolta::ui {

namespace {

using storico::TestoProgressi;

QString senzaMnemonico(QString s) {
    return s.remove(QLatin1Char('&'));
}

QTableWidgetItem* cella(const QString& testo, bool numero) {
    auto* c = new QTableWidgetItem(testo);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (numero)
        c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

} // namespace

frmProgressi::frmProgressi(ImpostazioniProgressi impostazioni, const storico::TestiProgressi& testi,
                           MessageBoxes& messaggi, AzioniProgressi azioni, QWidget* parent)
    : QDialog(parent), impostazioni_(std::move(impostazioni)), testi_(testi), messaggi_(messaggi),
      azioni_(std::move(azioni)) {
    // A file that cannot be read shows an empty window; the exercise's own
    // record keeping tells the learner what is wrong with it.
    try {
        storico_ = std::make_unique<storico::Storico>(impostazioni_.fileStorico);
    } catch (const sql::Errore&) {
        storico_.reset();
    }
    setWindowTitle(testo(TestoProgressi::Titolo));
    creaControlli();
    riempiStudenti();
    cboStudente_Click();
}

frmProgressi::~frmProgressi() = default;

QString frmProgressi::testo(TestoProgressi t) const {
    return daCp1252(testi_[t]);
}

void frmProgressi::creaControlli() {
    auto* studente = new QLabel(testo(TestoProgressi::Allievo), this);
    cboStudente_ = new QComboBox(this);
    cboStudente_->setObjectName(QStringLiteral("cboStudente"));
    cboStudente_->setAccessibleName(senzaMnemonico(testo(TestoProgressi::Allievo)));
    studente->setBuddy(cboStudente_);
    auto* riga = new QHBoxLayout;
    riga->addWidget(studente);
    riga->addWidget(cboStudente_, 1);

    auto* schede = new QTabWidget(this);
    schede->setAccessibleName(testo(TestoProgressi::Titolo));
    schede->addTab(creaGrafici(), testo(TestoProgressi::Andamento));
    schede->addTab(creaLezioni(), testo(TestoProgressi::Lezioni));
    schede->addTab(creaTasti(), testo(TestoProgressi::MappaErrori));

    auto* l = new QVBoxLayout(this);
    l->addLayout(riga);
    l->addWidget(schede, 1);
    l->addWidget(creaPulsanti());
    connect(cboStudente_, &QComboBox::currentIndexChanged, this, [this] { cboStudente_Click(); });
    resize(760, 560);
}

QWidget* frmProgressi::creaGrafici() {
    auto* pagina = new QWidget(this);
    auto* l = new QVBoxLayout(pagina);
    if (azioni_.grafici.crea == nullptr || azioni_.grafici.riempi == nullptr)
        return pagina;
    velocita_ = azioni_.grafici.crea(pagina);
    errori_ = azioni_.grafici.crea(pagina);
    velocita_->setObjectName(QStringLiteral("velocita"));
    errori_->setObjectName(QStringLiteral("errori"));
    velocita_->setAccessibleName(testo(TestoProgressi::Velocita));
    errori_->setAccessibleName(testo(TestoProgressi::Errori));
    l->addWidget(velocita_);
    l->addWidget(errori_);
    return pagina;
}

QWidget* frmProgressi::creaLezioni() {
    lezioni_ = new QTableWidget(0, 5, this);
    lezioni_->setObjectName(QStringLiteral("lezioni"));
    lezioni_->setAccessibleName(testo(TestoProgressi::Lezioni));
    lezioni_->setHorizontalHeaderLabels(
        {testo(TestoProgressi::ColonnaCategoria), testo(TestoProgressi::ColonnaFile),
         testo(TestoProgressi::ColonnaFrasi), testo(TestoProgressi::ColonnaMigliore),
         testo(TestoProgressi::ColonnaMedia)});
    lezioni_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lezioni_->verticalHeader()->hide();
    lezioni_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return lezioni_;
}

QWidget* frmProgressi::creaTasti() {
    auto* pagina = new QWidget(this);
    auto* l = new QVBoxLayout(pagina);
    mappa_ = new MappaCalore(pagina);
    mappa_->setObjectName(QStringLiteral("mappa"));
    mappa_->setAccessibleName(testo(TestoProgressi::MappaErrori));
    lblDeboli_ = new QLabel(pagina);
    lblDeboli_->setObjectName(QStringLiteral("lblDeboli"));
    lblDeboli_->setWordWrap(true);
    lblDeboli_->setFocusPolicy(Qt::TabFocus);
    l->addWidget(mappa_, 0, Qt::AlignHCenter);
    l->addWidget(lblDeboli_);
    l->addStretch();
    return pagina;
}

QWidget* frmProgressi::creaPulsanti() {
    auto* barra = new QWidget(this);
    auto* l = new QHBoxLayout(barra);
    cmdEsporta_ = new QPushButton(testo(TestoProgressi::EsportaCsv), barra);
    cmdEsercitati_ = new QPushButton(testo(TestoProgressi::Esercitati), barra);
    cmdChiudi_ = new QPushButton(testo(TestoProgressi::Chiudi), barra);
    cmdEsporta_->setObjectName(QStringLiteral("cmdEsporta"));
    cmdEsercitati_->setObjectName(QStringLiteral("cmdEsercitati"));
    cmdChiudi_->setObjectName(QStringLiteral("cmdChiudi"));
    for (QPushButton* b : {cmdEsporta_, cmdEsercitati_, cmdChiudi_}) {
        b->setAccessibleName(senzaMnemonico(b->text()));
        b->setAutoDefault(false);
    }
    l->addWidget(cmdEsporta_);
    l->addWidget(cmdEsercitati_);
    l->addStretch();
    l->addWidget(cmdChiudi_);
    connect(cmdEsporta_, &QPushButton::clicked, this, [this] { cmdEsporta_Click(); });
    connect(cmdEsercitati_, &QPushButton::clicked, this, [this] { cmdEsercitati_Click(); });
    connect(cmdChiudi_, &QPushButton::clicked, this, &QDialog::reject);
    return barra;
}

void frmProgressi::riempiStudenti() {
    std::vector<std::string> registrati;
    leggi([&] { registrati = storico_->studenti(); });
    const storico::ElencoStudenti elenco =
        storico::elencoStudenti(std::move(registrati), impostazioni_.studente);
    const QSignalBlocker blocco(cboStudente_);
    for (const std::string& n : elenco.nomi)
        cboStudente_->addItem(daCp1252(n), QByteArray::fromStdString(n));
    cboStudente_->setCurrentIndex(
        cboStudente_->findData(QByteArray::fromStdString(elenco.attuale)));
}

std::string frmProgressi::studente() const {
    return cboStudente_->currentData().toByteArray().toStdString();
}

// What the window shows of one learner, read in one go.
struct frmProgressi::Letture {
    std::vector<storico::PuntoAndamento> punti;
    std::vector<storico::Lezione> lezioni;
    std::vector<storico::ConteggioTasto> tasti;
    std::vector<storico::Sostituzione> sostituzioni;
};

// The file may have been damaged, locked or removed since the window
// opened: the learner is told, and the window shows nothing rather than
// half of a learner's history. Once is enough: every later reading of the
// same file fails the same way.
bool frmProgressi::leggi(const std::function<void()>& lettura) {
    if (!storico_)
        return false;
    try {
        lettura();
        return true;
    } catch (const sql::Errore& e) {
        if (!letturaFallita_)
            avvisa(TestoProgressi::LetturaFallita, cp1252::fromUtf8(e.what()));
        letturaFallita_ = true;
        return false;
    }
}

void frmProgressi::cboStudente_Click() {
    const std::string s = studente();
    Letture l;
    leggi([&] {
        l = {storico_->andamento(s), storico_->lezioni(s), storico_->tasti(s),
             storico_->sostituzioni(s)};
    });
    if (velocita_ != nullptr) {
        azioni_.grafici.riempi(velocita_, datiGrafico(l.punti, Misura::Velocita, testi_));
        azioni_.grafici.riempi(errori_, datiGrafico(l.punti, Misura::Errori, testi_));
    }
    mostraLezioni(l.lezioni);
    mostraTasti(l.tasti, l.sostituzioni);
}

QString frmProgressi::decimale(double valore) const {
    QString testo = QString::number(valore, 'f', 1);
    return testo.replace(QLatin1Char('.'), daCp1252(testi_[TestoProgressi::SeparatoreDecimale]));
}

void frmProgressi::mostraLezioni(const std::vector<storico::Lezione>& lezioni) {
    lezioni_->setRowCount(static_cast<int>(lezioni.size()));
    for (int r = 0; r < lezioni_->rowCount(); ++r) {
        const storico::Lezione& l = lezioni[static_cast<std::size_t>(r)];
        lezioni_->setItem(r, 0,
                          cella(daCp1252(testi_.categoria(static_cast<int>(l.categoria))), false));
        lezioni_->setItem(r, 1, cella(QString::fromUtf8(l.file), false));
        lezioni_->setItem(r, 2, cella(QString::number(l.frasi), true));
        lezioni_->setItem(r, 3, cella(QString::number(l.migliore), true));
        lezioni_->setItem(r, 4, cella(decimale(l.media), true));
    }
    // The category's longest name ("Cours de dactylographie") in full.
    lezioni_->resizeColumnToContents(0);
}

void frmProgressi::mostraTasti(const std::vector<storico::ConteggioTasto>& tasti,
                               const std::vector<storico::Sostituzione>& sost) {
    deboli_ = storico::tastiDeboli(tasti, sost);
    mappa_->mostra(storico::tassiPerTasto(tasti));
    lblDeboli_->setText(daCp1252(storico::testoTastiDeboli(deboli_, testi_)));
    lblDeboli_->setAccessibleName(lblDeboli_->text());
    cmdEsercitati_->setEnabled(!deboli_.empty());
}

void frmProgressi::avvisa(TestoProgressi t, const std::string& dettaglio) {
    messaggi_.mostra(testi_[t] + "\r\n" + dettaglio, kNomeProgramma, Icona::Avviso, Pulsanti::Ok);
}

void frmProgressi::cmdEsporta_Click() {
    if (!azioni_.chiediFileCsv || !storico_)
        return;
    const QString proposto = daCp1252(testo::nomeFileSicuro(studente())) + QStringLiteral(".csv");
    const QString scelto = azioni_.chiediFileCsv(this, proposto);
    if (scelto.isEmpty())
        return;
    const std::string percorso = QFile::encodeName(scelto).toStdString();
    std::vector<storico::Riga> righe;
    if (!leggi([&] { righe = storico_->storia(studente()); }))
        return;
    const std::string csv = storico::esportaCsv(studente(), righe, testi_.csv());
    if (!fileatomico::sostituisci(percorso, csv))
        avvisa(TestoProgressi::FileNonScritto, inCp1252(scelto));
}

void frmProgressi::cmdEsercitati_Click() {
    std::vector<unsigned char> caratteri;
    for (const storico::TastoDebole& d : deboli_)
        caratteri.push_back(d.carattere);
    const std::string contenuto = storico::esercizioTastiDeboli(caratteri);
    if (contenuto.empty()) {
        messaggi_.mostra(testi_[TestoProgressi::DatiInsufficienti], kNomeProgramma,
                         Icona::Informazione, Pulsanti::Ok);
        return;
    }
    const std::string percorso = impostazioni_.cartellaUtente + kNomeEsercizio;
    if (!fileatomico::sostituisci(percorso, contenuto, fileatomico::Collegamenti::Sostituisci)) {
        avvisa(TestoProgressi::FileNonScritto, cp1252::fromUtf8(percorso));
        return;
    }
    accept();
    if (azioni_.avviaEsercizio)
        azioni_.avviaEsercizio(percorso);
}

} // namespace scrivolta::ui
