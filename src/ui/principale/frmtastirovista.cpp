// SPDX-License-Identifier: GPL-3.0-or-later
// What the exercise asks of the main window: to show its state, to time,
// to open the other windows, to print the keyboard, to end the program.
#include "app/dominio.h"
#include "app/indirizzi.h"
#include "app/versione.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/frmshadow.h"
#include "ui/comune/frmtransparency.h"
#include "ui/dialoghi/frmabout.h"
#include "ui/principale/barre.h"
#include "ui/principale/decorazioni.h"
#include "ui/principale/display.h"
#include "ui/principale/frmtastiro.h"
#include "ui/principale/pannellocategorie.h"
#include "ui/tastiera/stampatastiera.h"
#include "ui/tastiera/widgettastiera.h"

#include <QRadioButton>

namespace scrivolta::ui {

void FrmTastiro::statoCambiato() {
    const StatoVista& s = esercizio_->stato();
    if (s.modo != ModoDisplay::Saluto)
        nascondiMappaTasti();
    display_->mostra(s);
    if (focusWidget() == display_->input() && !display_->input()->isVisible())
        prendiTasti();
    pannelloStato_->mostra(s, larghezzaBarra_);
    barraMenu_->mostra(s, {mod_.SoundOn, tastiera_.mappaColori, tastiera_.evidenzia});
    widgetTastiera_->mostraPremi(s.premi);
    widgetTastiera_->mostraAvvisoMaiuscole(s.avvisoMaiuscole);
    widgetTastiera_->abilitaTastoMenu(s.tastoMenu);
    selettoreModo_->setVisible(s.selettori);
    categorie_->setVisible(s.menuCategorie);
    categorie_->abilitaGioco(s.giocoAttivo);
    striscia_->setVisible(tastiera_.strisciaVisibile());
    optLevel_[static_cast<std::size_t>(mod_.ModeIndex)]->setChecked(true);
    const QString titolo = daCp1252(s.titolo);
    if (windowTitle() != titolo)
        setWindowTitle(titolo);
}

// Paints what changed at once, without letting input in meanwhile.
void FrmTastiro::ridisegnaOra() {
    statoCambiato();
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    if (QWidget* w = window(); w != this)
        QCoreApplication::sendPostedEvents(w, QEvent::UpdateRequest);
}

int FrmTastiro::larghezzaTesto(std::string_view testo) const {
    return larghezzaLettere(display_->metriche(esercizio_->stato().modo), daCp1252(testo));
}

int FrmTastiro::altezzaTesto(std::string_view) const {
    return display_->metriche(esercizio_->stato().modo).height();
}

int FrmTastiro::larghezzaProgresso() const {
    return PannelloStato::larghezzaIndicatore();
}

const MisuraTesto& FrmTastiro::misuraFrase() const {
    return display_->misuraFrase();
}

void FrmTastiro::timerOrologio(bool attivo) {
    if (attivo)
        timerOrologio_.start();
    else
        timerOrologio_.stop();
}

void FrmTastiro::timerLampeggio(bool attivo) {
    if (attivo)
        timerLampeggio_.start();
    else
        timerLampeggio_.stop();
}

void FrmTastiro::MostraFinestra(Finestra finestra) {
    mod_.DialogKind = finestra;
    if (chiuso_)
        return;
    const auto& apri = finestra == Finestra::NomeUtente          ? collegamenti_.chiediNome
                       : finestra == Finestra::Risultati         ? collegamenti_.risultati
                       : finestra == Finestra::RapportoTestoFile ? collegamenti_.rapporto
                                                                 : std::function<void(QWidget*)>();
    if (finestra == Finestra::Risultati) {
        mod_.ResultsAnswer = rispostaIniziale(static_cast<bool>(apri));
    }
    if (!apri)
        return;
    // Behind the dialog the window shows where the exercise stands, the key
    // that ended a text included.
    statoCambiato();
    if (!mod_.ShadowOn) {
        apri(this);
        return;
    }
    // The dialog is owned by the shadow, which dims the screen behind it.
    frmShadow ombra(servizi_.waiter, this);
    ombra.Form_Load(apri);
    servizi_.waiter.processEvents();
}

void FrmTastiro::MostraGioco() {
    if (collegamenti_.gioco) {
        collegamenti_.gioco(this, maiuscole_);
        return;
    }
    servizi_.messages.mostra(testi_.messaggi[Messaggio::GiocoNonDisponibile], kNomeProgramma,
                             Icona::Informazione, Pulsanti::Ok);
}

void FrmTastiro::chiudiProgramma() {
    if (chiuso_)
        return;
    chiuso_ = true;
    close();
}

void FrmTastiro::apriGuida() {
    if (collegamenti_.apriGuida)
        collegamenti_.apriGuida(this, ArgomentoGuida::Indice, testi_.guidaMancante);
}

void FrmTastiro::mostraInformazioni() {
    const bool mani = mod_.KeyMapShown;
    const CollegamentiInformazioni informazioni{
        [this](QWidget* proprietario) {
            if (collegamenti_.apriGuida)
                collegamenti_.apriGuida(proprietario, ArgomentoGuida::Indice, testi_.guidaMancante);
        },
        collegamenti_.scegliLingua,
        [this, mani] { StampaTastiera(mani); },
        collegamenti_.stampanteDisponibile,
        collegamenti_.apriIndirizzo,
        [this] { window()->showMinimized(); },
        collegamenti_.progressi ? std::function<void()>([this] { mostraProgressi(); }) : nullptr,
    };
    // The hands stay above every window: they would cover the dialog. The
    // keyboard's printing, asked for there, gives them back.
    nascondiMappaTasti();
    const std::string lingua = mod_.linguaCorrente;
    MostraInformazioni(mod_, percorsi_, servizi_.sound, informazioni, this);
    if (mod_.linguaCorrente == lingua)
        return;
    applicaTesti(fileLinguaCorrente(percorsi_, mod_.linguaCorrente));
    prendiTasti();
    esercizio_->tornaAlSaluto();
}

// Printing waits with events flowing, as a key handler does: keys typed
// meanwhile wait their turn, so that an Enter cannot start a phrase on a
// keyboard that is being printed.
void FrmTastiro::StampaTastiera(bool mani) {
    coda_.esegui([this, mani] {
        if (mani && mappaTasti_ != nullptr)
            mappaTasti_->daRiportare();
        esercizio_->StampaTastiera(*this);
    });
}

// The key overlay is a window of its own; it is looked up by name, and
// there is nothing to hide while it does not exist.
void FrmTastiro::mostraMappaTasti(bool visibile) {
    if (auto* mappa = findChild<QWidget*>(QStringLiteral("frmTransparency")))
        mappa->setVisible(visibile);
}

void FrmTastiro::scaricaMappaTasti() {
    if (mappaTasti_ != nullptr)
        mappaTasti_->Form_Unload();
}

bool FrmTastiro::stampaTastiera() {
    if (!collegamenti_.stampaPagina)
        return false;
    QString piede = QString::fromLatin1(kNomeProgramma) + QLatin1Char(' ') +
                    QString::fromStdString(versione::numero());
    if (!kIndirizzi.sito.empty())
        piede += QStringLiteral(" - ") +
                 QString::fromLatin1(kIndirizzi.sito.data(),
                                     static_cast<qsizetype>(kIndirizzi.sito.size()));
    return collegamenti_.stampaPagina([&](QPainter& p, double pixelPerMm, double margineMm) {
        disegnaTastieraStampata(p, pixelPerMm, margineMm, tastiera_, widgetTastiera_->coloreFondo(),
                                piede);
    });
}

void FrmTastiro::sfondoCambiato() {
    update();
    notebook_->update();
}

void FrmTastiro::mostraProgressi() {
    // Only between exercises, like the information window: never while the
    // program starts, and a phrase being typed is never interrupted.
    const StatoVista& s = esercizio_->stato();
    if (!collegamenti_.progressi || !s.menuAttivo || !s.menuInformazioni)
        return;
    const std::string file = collegamenti_.progressi(this);
    prendiTasti();
    if (!file.empty())
        esercizio_->avviaFile(file);
}

} // namespace scrivolta::ui
