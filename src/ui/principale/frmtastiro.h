// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"
#include "content/categorie.h"
#include "engine/esercizio.h"
#include "keyboard/layout.h"
#include "keyboard/maiuscole.h"
#include "keyboard/tastiera.h"
#include "settings/lingua.h"
#include "settings/opzioni.h"
#include "settings/percorsi.h"
#include "settings/testi.h"
#include "ui/comune/annunciatore.h"
#include "ui/comune/ctooltip.h"
#include "ui/principale/codatasti.h"
#include "ui/tastiera/stampatastiera.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QRadioButton;
class QUrl;

namespace scrivolta::ui {

class BarraMenu;
class ClsResize;
class DisplayEsercizio;
class PannelloCategorie;
class frmTransparency;
class PannelloStato;
class StrisciaDita;
class WidgetTastiera;

// What the main window takes from the program besides the services.
struct CollegamentiFinestra {
    // Opens the help at a topic, owned by the window; the text tells the
    // learner when the help file is missing.
    std::function<void(QWidget*, ArgomentoGuida, const std::string&)> apriGuida;
    // The help file is there.
    std::function<bool()> guidaPresente;
    // The modal window that asks the learner's name (`Finestra::NomeUtente`).
    std::function<void(QWidget*)> chiediNome;
    // The modal language window, from the information window.
    std::function<void(QWidget*)> scegliLingua;
    // `StampanteDisponibile`: a default printer exists.
    std::function<bool()> stampanteDisponibile;
    // Prints one landscape page, painted by its argument, on the default
    // printer; false when the printer could not take it.
    std::function<bool(const DisegnoPagina&)> stampaPagina;
    // The results window after a level (`Finestra::Risultati`): it writes
    // the learner's choice into `ResultsAnswer`.
    std::function<void(QWidget*)> risultati;
    // The report of a text file (`Finestra::RapportoTestoFile`).
    std::function<void(QWidget*)> rapporto;
    // The game and training window; it reads Caps Lock from the window's
    // keyboard, the one that infers it where the system cannot tell.
    std::function<void(QWidget*, MaiuscoleDedotte&)> gioco;
    // The window system reports and switches Caps Lock; where it cannot (a
    // native Wayland desktop) the window infers it from the keys it gets.
    bool maiuscoleDiSistema = true;
    // The progress window; returns an exercise file to practise on at once,
    // or "".
    std::function<std::string(QWidget*)> progressi;
    // Keeps the record of the learner's work, if anything does.
    OsservatoreEsercizio* osservatore = nullptr;
    // Hands a web page or a mail link to the desktop.
    std::function<bool(const QUrl&)> apriIndirizzo;
};

// `frmTastiro`: the full-screen main window. It lays out the display, the
// keyboard, the gauge and the menu, turns the learner's keys into the
// exercise's events, and draws what the exercise decides.
class FrmTastiro final : public QWidget, private VistaEsercizio, private VistaStampa {
public:
    FrmTastiro(ModTastiro& mod, Servizi& servizi, const Percorsi& percorsi,
               CollegamentiFinestra collegamenti, std::string rigaComando = {},
               QWidget* parent = nullptr);
    ~FrmTastiro() override;
    FrmTastiro(const FrmTastiro&) = delete;
    FrmTastiro& operator=(const FrmTastiro&) = delete;

    // The start-up steps that run once the window is on screen: the title,
    // the learner's name, the greeting.
    void avvia();
    // `StampaTastiera`: asks, then prints the keyboard as it is shown.
    // `mani`: the key overlay was on the keyboard before a window took it
    // away, and comes back with the keyboard afterwards.
    void StampaTastiera(bool mani = false);

    Esercizio& esercizio() { return *esercizio_; }
    const SceltaTesto& scelta() const { return scelta_; }
    const Tastiera& tastiera() const { return tastiera_; }
    const TestiPrincipali& testi() const { return testi_; }
    // What the window last said through the screen reader.
    AnnunciatoreQt& annunci() { return *annunci_; }
    QWidget* campoInput() const;
    // The balloon tips of the category buttons, titled "Esercitazioni e
    // corsi": the category panel attaches its buttons to it.
    cTooltip& balloonCategorie() { return balloonCategorie_; }
    // True once the window has been told to close the program.
    bool chiuso() const { return chiuso_; }
    // F9 between exercises: the learner's progress.
    static constexpr int kTastoProgressi = Qt::Key_F9;
    void mostraProgressi();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // VistaEsercizio.
    void statoCambiato() override;
    void ridisegnaOra() override;
    int larghezzaTesto(std::string_view testo) const override;
    int altezzaTesto(std::string_view testo) const override;
    int larghezzaProgresso() const override;
    const MisuraTesto& misuraFrase() const override;
    void MostraGioco() override;
    void timerOrologio(bool attivo) override;
    void timerLampeggio(bool attivo) override;
    void MostraFinestra(Finestra finestra) override;
    void chiudiProgramma() override;
    void apriGuida() override;
    void mostraInformazioni() override;
    void sfondoCambiato() override;
    void MostraMappaTasti() override;
    void scaricaMappaTasti() override;
    // VistaStampa.
    void mostraMappaTasti(bool visibile) override;
    bool stampaTastiera() override;

    void creaControlli();
    void creaPannello();
    void creaSelettoreModo();
    void creaCategorie();
    void creaStriscia();
    void collegaInput();
    // The options live in `mod_` and `tastiera_`; the options file is read
    // into them and written from them.
    OpzioniInUso opzioniInUso();
    void scalaAlloSchermo();
    void caricaOpzioni();
    void applicaTesti(const FileLingua& lingua);
    void testiModalita();
    void testiCategorie();
    void ControllaTastiera();
    void disponi();
    void MostraTitolo();
    void nascondiMappaTasti();
    void tastoGiu(QKeyEvent* event, bool dallInput);
    void tastoSu(QKeyEvent* event);
    void prendiTasti();
    void caratteri(const QString& testo, bool dallInput);
    void giudica(const std::vector<int>& codici, bool dallInput);
    void Form_Unload();

    ModTastiro& mod_;
    MaiuscoleDedotte maiuscole_;
    // The program's services, with the keyboard that knows Caps Lock.
    Servizi servizi_;
    const Percorsi& percorsi_;
    SceltaTesto scelta_;
    CollegamentiFinestra collegamenti_;
    std::string rigaComando_;
    TestiPrincipali testi_;
    TestiVoce testiVoce_;
    Tastiera tastiera_;
    ControlloLayout layout_;
    AnnunciatoreQt* annunci_ = nullptr;
    std::unique_ptr<Voce> voce_;
    std::unique_ptr<Esercizio> esercizio_;
    std::unique_ptr<ClsResize> ridimensiona_;

    QWidget* notebook_ = nullptr;
    DisplayEsercizio* display_ = nullptr;
    WidgetTastiera* widgetTastiera_ = nullptr;
    PannelloStato* pannelloStato_ = nullptr;
    PannelloCategorie* categorie_ = nullptr;
    BarraMenu* barraMenu_ = nullptr;
    StrisciaDita* striscia_ = nullptr;
    QWidget* selettoreModo_ = nullptr;
    std::array<QRadioButton*, 2> optLevel_{};
    frmTransparency* mappaTasti_ = nullptr;
    cTooltip balloonLivello_;
    cTooltip balloonCategorie_;
    QTimer timerOrologio_;
    QTimer timerLampeggio_;
    CodaTasti coda_;
    int larghezzaBarra_ = 300;
    bool chiuso_ = false;
    bool scaricato_ = false;
};

} // namespace scrivolta::ui
