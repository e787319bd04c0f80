// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the start-up checks, the services, the main window.

#include "app/dominio.h"
#include "app/installazione.h"
#include "app/modtastiro.h"
#include "app/servizi.h"
#include "app/versione.h"
#include "content/rigacomando.h"
#include "history/registro.h"
#include "history/registrogioco.h"
#include "history/testiprogressi.h"
#include "platform/avvio.h"
#include "platform/caratteri.h"
#include "platform/display_x11.h"
#include "platform/finestre_messaggio.h"
#include "platform/guida.h"
#include "platform/richiamo.h"
#include "platform/segnali.h"
#include "platform/servizi_qt.h"
#include "platform/suoni.h"
#include "platform/supportostampa.h"
#include "platform/tastiera_sistema.h"
#include "settings/lingua.h"
#include "settings/percorsi.h"
#include "ui/dialoghi/frminput.h"
#include "ui/dialoghi/frmlanguage.h"
#include "ui/gioco/frmplay.h"
#include "ui/principale/frmtastiro.h"
#include "ui/progressi/frmprogressi.h"
#include "ui/risultati/frmclassifica.h"
#include "ui/risultati/frmreportfreetxt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace {

using namespace scrivolta;

// The command line as the program knows it: everything after the program's
// name, e.g. "/Lettera.txt".
std::string rigaComando(const QStringList& argomenti) {
    std::vector<std::string> testi;
    for (const QString& a : argomenti)
        testi.push_back(a.toStdString());
    return rigaDaArgomenti(testi);
}

// Exported reports go into a folder of the temporary folder that only this
// user may enter, made at the first export and removed with everything in it
// when the program ends: names in the shared folder can be taken or linked
// elsewhere by anyone.
std::string cartellaPdf() {
    static const QTemporaryDir cartella(QDir::tempPath() + QStringLiteral("/scrivolta-XXXXXX"));
    const QString percorso = cartella.isValid() ? cartella.path() : QDir::tempPath();
    return QFile::encodeName(percorso).toStdString() + "/";
}

// The print support, loaded when first asked for.
const platform::FunzioniStampa& stampa() {
    return platform::supportoStampa(QCoreApplication::applicationDirPath());
}

// The printer, the reports' folder and the PDF viewer of the desktop.
ui::UsciteReport usciteDesktop() {
    return {[] { return stampa().stampanteDisponibile(); },
            [](ui::UsciteReport::Figure figure) {
                return stampa().stampantePredefinita(std::move(figure));
            },
            [](const std::string& percorso) {
                platform::apriNelDesktop(QUrl::fromLocalFile(QString::fromStdString(percorso)));
            },
            cartellaPdf};
}

storico::TestiProgressi testiProgressi(const ModTastiro& mod, const Percorsi& percorsi) {
    return storico::TestiProgressi(fileLinguaCorrente(percorsi, mod.linguaCorrente));
}

// The progress window; the exercise file it asks to practise on, or "".
std::string progressi(QWidget* proprietario, const ModTastiro& mod, MessageBoxes& messaggi,
                      const Percorsi& percorsi) {
    const storico::TestiProgressi testi = testiProgressi(mod, percorsi);
    std::string esercizio;
    ui::AzioniProgressi azioni{
        [](QWidget* w, const QString& nome) {
            const QDir documenti(
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
            return QFileDialog::getSaveFileName(w, QString(), documenti.filePath(nome),
                                                QStringLiteral("CSV (*.csv)"));
        },
        [&esercizio](const std::string& file) { esercizio = file; },
        ui::caricaGrafici(QCoreApplication::applicationDirPath())};
    ui::frmProgressi finestra({percorsi.fileStorico(), percorsi.cartellaUtente(), mod.UserName},
                              testi, messaggi, std::move(azioni), proprietario);
    finestra.exec();
    return esercizio;
}

// Opens the help at a topic, or tells the learner that it is missing.
auto guida(const ModTastiro& mod, MessageBoxes& messaggi, const QString& dati) {
    return [&mod, &messaggi, dati](QWidget*, ArgomentoGuida argomento,
                                   const std::string& guidaMancante) {
        platform::ApriGuida(messaggi, dati, mod.linguaCorrente, argomento, guidaMancante);
    };
}

auto guidaPresente(const ModTastiro& mod, const QString& dati) {
    return [&mod, dati] { return !platform::percorsoGuida(dati, mod.linguaCorrente).isEmpty(); };
}

auto finestraNome(ModTastiro& mod, const Percorsi& percorsi) {
    return [&mod, &percorsi](QWidget* proprietario) {
        ui::frmInput finestra(mod, percorsi, proprietario);
        finestra.exec();
    };
}

auto finestraLingua(ModTastiro& mod, MessageBoxes& messaggi, const Percorsi& percorsi) {
    return [&mod, &messaggi, &percorsi](QWidget* proprietario) {
        ui::frmLanguage finestra(mod, percorsi, messaggi, proprietario);
        finestra.exec();
    };
}

// The results window and the text file's report, which print and export
// through the desktop.
template <typename Finestra>
auto finestraReport(ModTastiro& mod, Servizi& servizi, const Percorsi& percorsi) {
    return [&mod, &servizi, &percorsi](QWidget* proprietario) {
        Finestra finestra(mod, percorsi, servizi, usciteDesktop(), proprietario);
        finestra.exec();
    };
}

auto finestraGioco(ModTastiro& mod, Servizi& servizi, const Percorsi& percorsi,
                   OsservatoreGioco& partite) {
    return
        [&mod, &servizi, &percorsi, &partite](QWidget* proprietario, MaiuscoleDedotte& maiuscole) {
            ui::ApriGioco(proprietario, mod, servizi, maiuscole, percorsi, &partite);
        };
}

auto finestraProgressi(const ModTastiro& mod, MessageBoxes& messaggi, const Percorsi& percorsi) {
    return [&mod, &messaggi, &percorsi](QWidget* proprietario) {
        return progressi(proprietario, mod, messaggi, percorsi);
    };
}

ui::CollegamentiFinestra collegamenti(ModTastiro& mod, Servizi& servizi, const Percorsi& percorsi,
                                      OsservatoreEsercizio& osservatore,
                                      OsservatoreGioco& partite) {
    const QString dati = QString::fromStdString(percorsi.cartellaDati());
    return {
        .apriGuida = guida(mod, servizi.messages, dati),
        .guidaPresente = guidaPresente(mod, dati),
        .chiediNome = finestraNome(mod, percorsi),
        .scegliLingua = finestraLingua(mod, servizi.messages, percorsi),
        .stampanteDisponibile = [] { return stampa().stampanteDisponibile(); },
        .stampaPagina =
            [](const ui::DisegnoPagina& disegno) {
                return stampa().stampaPaginaPredefinita(disegno);
            },
        .risultati = finestraReport<ui::frmClassifica>(mod, servizi, percorsi),
        .rapporto = finestraReport<ui::frmReportFreeTXT>(mod, servizi, percorsi),
        .gioco = finestraGioco(mod, servizi, percorsi, partite),
        // Only X11 tells and switches Caps Lock.
        .maiuscoleDiSistema = platform::displayX11() != nullptr,
        .progressi = finestraProgressi(mod, servizi.messages, percorsi),
        .osservatore = &osservatore,
        .apriIndirizzo = platform::apriNelDesktop,
    };
}

// A window already on screen comes back in front of the others, with the
// dialog it may have open above it.
void mostraDavanti(QWidget& finestra) {
    finestra.setWindowState((finestra.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    finestra.show();
    finestra.raise();
    finestra.activateWindow();
    if (QWidget* modale = QApplication::activeModalWidget()) {
        modale->raise();
        modale->activateWindow();
    }
}

// Answered before Qt starts, so that it works without a display.
bool chiedeVersione(int argc, char* argv[]) {
    return argc == 2 && std::string_view(argv[1]) == "--version";
}

int stampaVersione() {
    std::printf("scrivolta %s\n", versione::numero().c_str());
    return 0;
}

void impostaApplicazione() {
    QApplication::setApplicationVersion(QString::fromStdString(versione::numero()));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kIdApplicazione));
    // The program's own face for every window, the one its keys are drawn
    // in: one family to load instead of two.
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(13);
    QApplication::setFont(carattere);
}

// Where the program cannot switch the layout, it says so once.
void avvisaLayoutWayland() {
    const std::string nota =
        platform::notaLayoutWayland(QGuiApplication::platformName().toStdString());
    if (!nota.empty())
        std::fprintf(stderr, "%s\n", nota.c_str());
}

// The running copy listens for a second one beside its lock.
std::string indirizzoRichiamo() {
    return platform::IstanzaUnica::baseFileIstanza() + ".sock";
}

void preparaModulo(ModTastiro& mod, const platform::EsitoSchermo& schermo,
                   platform::FinestreMessaggio& messaggi) {
    messaggi.impostaLingua([&mod] { return mod.linguaCorrente; });
    mod.ResizeOn = schermo.ResizeOn;
    mod.ShadowOn = platform::FinestreTraslucide();
}

// Where the Belgian keymap compiled at one start waits for the next: a cache,
// compiled again when it is lost or out of date.
std::string fileMappaBelga() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    return QFile::encodeName(cache + QStringLiteral("/scrivolta/belga.xkm")).toStdString();
}

// The Qt services, built in the order the start-up needs them.
struct ServiziProgramma {
    explicit ServiziProgramma(MessageBoxes& messaggi)
        : servizi{orologio, caso, attesa, suoni, messaggi, *tastiera} {}

    platform::OrologioSistema orologio;
    platform::CasualeSistema caso;
    platform::AttesaQt attesa;
    platform::SuonatorePulse suoni;
    // After the last question to the X server before the window is built:
    // the server, which answers no one while it compiles the Belgian keymap,
    // does so while the window is built.
    std::unique_ptr<KeyboardPlatform> tastiera = platform::creaTastieraSistema(fileMappaBelga());
    Servizi servizi;
};

// The learners' history, which the exercise and the game feed.
struct Registri {
    Registri(const ModTastiro& mod, const Percorsi& percorsi, const Clock& orologio,
             MessageBoxes& messaggi)
        : esercizi(percorsi.fileStorico(), percorsi.cartellaCorso(), orologio,
                   [&mod, &percorsi, &messaggi](const storico::Problema& problema) {
                       messaggi.mostra(testiProgressi(mod, percorsi).messaggio(problema),
                                       kNomeProgramma, Icona::Avviso, Pulsanti::Ok);
                   }),
          partite(esercizi) {
        esercizi.recupera();
        // Without the right to write beside the program the history moves to
        // the learner's folder; the one kept beside the program stays there.
        if (auto trasferito =
                storico::storicoTrasferito(percorsi.fileStoricoAccanto(), percorsi.fileStorico()))
            esercizi.annuncia(std::move(*trasferito));
    }

    storico::RegistroStorico esercizi;
    storico::RegistroGioco partite;
};

// The work the history file could not take waits beside it for the next
// start; the learner hears so before the program ends, unless the desktop
// is ending it (a box would hold the logout).
void chiudiStorico(Registri& registri, const ModTastiro& mod, const Percorsi& percorsi,
                   MessageBoxes& messaggi, bool perSegnale) {
    const storico::Chiusura chiusura = registri.esercizi.chiudi();
    if (chiusura.daDire() && !perSegnale)
        messaggi.mostra(testiProgressi(mod, percorsi).messaggio(chiusura), "Scrivolta",
                        Icona::Avviso, Pulsanti::Ok);
}

// Shows the main window full screen and runs the program until it closes.
int esegui(QApplication& app, ui::FrmTastiro& finestra, platform::FinestreMessaggio& messaggi,
           bool& perSegnale) {
    messaggi.impostaProprietario(&finestra);
    const platform::RichiamoIstanza ascolto(indirizzoRichiamo(),
                                            [&finestra] { mostraDavanti(finestra); });
    // Closing the window saves the options and puts the layout back; the
    // dialogs open over it close with it.
    const platform::ChiusuraSuSegnale segnali([&finestra, &perSegnale] {
        perSegnale = true;
        finestra.close();
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    });
    // Without a window manager full screen means nothing: the size is set too.
    finestra.setGeometry(QApplication::primaryScreen()->geometry());
    finestra.showFullScreen();
    QTimer::singleShot(0, &finestra, &ui::FrmTastiro::avvia);
    // Qt only posts its quit when the last window closes, and that request
    // is dropped when the main window closes inside a wait (Esc and Yes while
    // the greeting plays): the program ran on without a window, holding the
    // single-instance lock, so that it could not be started again.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    if (chiedeVersione(argc, argv))
        return stampaVersione();
    const std::jthread caratteri = platform::preparaCaratteri();
    platform::ScegliPiattaforma();
    QApplication app(argc, argv);
    impostaApplicazione();
    avvisaLayoutWayland();
    platform::IstanzaUnica istanza;
    if (istanza.altraInEsecuzione()) {
        platform::RichiamoIstanza::chiediDiMostrarsi(indirizzoRichiamo());
        return 0;
    }
    platform::FinestreMessaggio messaggi;
    const platform::EsitoSchermo schermo = platform::ControllaSchermo(messaggi);
    if (!schermo.adatto)
        return 0;
    ModTastiro mod;
    preparaModulo(mod, schermo, messaggi);
    ServiziProgramma servizi(messaggi);
    const Percorsi percorsi = Percorsi::perEseguibile();
    Registri registri(mod, percorsi, servizi.orologio, messaggi);
    ui::FrmTastiro finestra(
        mod, servizi.servizi, percorsi,
        collegamenti(mod, servizi.servizi, percorsi, registri.esercizi, registri.partite),
        rigaComando(QApplication::arguments()));
    bool perSegnale = false;
    const int esito = esegui(app, finestra, messaggi, perSegnale);
    chiudiStorico(registri, mod, percorsi, messaggi, perSegnale);
    return esito;
}
