// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the start-up checks, the services, the main window.

#include "app/installazione.h"
#include "app/modtastiro.h"
#include "app/servizi.h"
#include "app/versione.h"
#include "history/registro.h"
#include "history/registrogioco.h"
#include "history/testiprogressi.h"
#include "platform/avvio.h"
#include "platform/display_x11.h"
#include "platform/finestre_messaggio.h"
#include "platform/guida.h"
#include "platform/richiamo.h"
#include "platform/segnali.h"
#include "platform/servizi_qt.h"
#include "platform/stampa_qt.h"
#include "platform/stampante.h"
#include "platform/suoni.h"
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
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <string_view>

namespace {

using namespace scrivolta;

// The command line as the program knows it: everything after the program's
// name, e.g. "/Lettera.txt".
std::string rigaComando(const QStringList& argomenti) {
    return argomenti.size() > 1 ? argomenti.mid(1).join(QLatin1Char(' ')).toStdString()
                                : std::string();
}

// The printer, the temporary folder and the PDF viewer of the desktop.
ui::UsciteReport usciteDesktop() {
    return {platform::StampanteDisponibile, platform::stampantePredefinita,
            [](const std::string& percorso) {
                QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(percorso)));
            },
            [] { return QDir::tempPath().toStdString() + "/"; }};
}

storico::TestiProgressi testiProgressi(const ModTastiro& mod, const Percorsi& percorsi) {
    return storico::TestiProgressi(fileLinguaCorrente(percorsi, mod.linguaCorrente));
}

// The progress window; the exercise file it asks to practise on, or "".
std::string progressi(QWidget* proprietario, const ModTastiro& mod, MessageBoxes& messaggi,
                      const Percorsi& percorsi) {
    const storico::TestiProgressi testi = testiProgressi(mod, percorsi);
    std::string esercizio;
    ui::AzioniProgressi azioni{[](QWidget* w, const QString& nome) {
                                   return QFileDialog::getSaveFileName(
                                       w, QString(), QDir::home().filePath(nome),
                                       QStringLiteral("CSV (*.csv)"));
                               },
                               [&esercizio](const std::string& file) { esercizio = file; },
                               ui::caricaGrafici(QCoreApplication::applicationDirPath())};
    ui::frmProgressi finestra({percorsi.fileStorico(), percorsi.cartellaUtente(), mod.UserName},
                              testi, messaggi, std::move(azioni), proprietario);
    finestra.exec();
    return esercizio;
}

ui::CollegamentiFinestra collegamenti(ModTastiro& mod, Servizi& servizi, const Percorsi& percorsi,
                                      OsservatoreEsercizio& osservatore,
                                      OsservatoreGioco& partite) {
    MessageBoxes& messaggi = servizi.messages;
    const QString dati = QString::fromStdString(percorsi.cartellaDati());
    return {
        [&mod, &messaggi, dati](QWidget*, ArgomentoGuida argomento,
                                const std::string& guidaMancante) {
            platform::ApriGuida(messaggi, dati, mod.linguaCorrente, argomento, guidaMancante);
        },
        [&mod, dati] { return !platform::percorsoGuida(dati, mod.linguaCorrente).isEmpty(); },
        [&mod, &percorsi](QWidget* proprietario) {
            ui::frmInput finestra(mod, percorsi, proprietario);
            finestra.exec();
        },
        [&mod, &messaggi, &percorsi](QWidget* proprietario) {
            ui::frmLanguage finestra(mod, percorsi, messaggi, proprietario);
            finestra.exec();
        },
        platform::StampanteDisponibile,
        {},
        [&mod, &servizi, &percorsi](QWidget* proprietario) {
            ui::frmClassifica finestra(mod, percorsi, servizi, usciteDesktop(), proprietario);
            finestra.exec();
        },
        [&mod, &servizi, &percorsi](QWidget* proprietario) {
            ui::frmReportFreeTXT finestra(mod, percorsi, servizi, usciteDesktop(), proprietario);
            finestra.exec();
        },
        [&mod, &servizi, &percorsi, &partite](QWidget* proprietario, MaiuscoleDedotte& maiuscole) {
            ui::ApriGioco(proprietario, mod, servizi, maiuscole, percorsi, &partite);
        },
        // Only X11 tells and switches Caps Lock.
        platform::displayX11() != nullptr,
        [&mod, &messaggi, &percorsi](QWidget* proprietario) {
            return progressi(proprietario, mod, messaggi, percorsi);
        },
        &osservatore,
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

} // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that it works without a display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("scrivolta %s\n", versione::numero().c_str());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QString::fromStdString(versione::numero()));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kIdApplicazione));
    // The program's own face for every window, the one its keys are drawn
    // in: one family to load instead of two.
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(13);
    QApplication::setFont(carattere);
    platform::IstanzaUnica istanza;
    const std::string richiamo = platform::IstanzaUnica::baseFileIstanza() + ".sock";
    if (istanza.altraInEsecuzione()) {
        platform::RichiamoIstanza::chiediDiMostrarsi(richiamo);
        return 0;
    }

    platform::FinestreMessaggio messaggi;
    const platform::EsitoSchermo schermo = platform::ControllaSchermo(messaggi);
    if (!schermo.adatto)
        return 0;

    ModTastiro mod;
    messaggi.impostaLingua([&mod] { return mod.linguaCorrente; });
    mod.ResizeOn = schermo.ResizeOn;
    mod.ShadowOn = platform::FinestreTraslucide();

    platform::OrologioSistema orologio;
    platform::CasualeSistema caso;
    platform::AttesaQt attesa;
    platform::SuonatorePulse suoni;
    // After the last question to the X server before the window is built:
    // the server, which answers no one while it compiles the Belgian keymap,
    // does so while the window is built.
    const auto tastiera = platform::creaTastieraSistema();
    Servizi servizi{orologio, caso, attesa, suoni, messaggi, *tastiera};
    const Percorsi percorsi = Percorsi::perEseguibile();
    storico::RegistroStorico registro(percorsi.fileStorico(), percorsi.cartellaCorso(), orologio,
                                      [&](const storico::Problema& problema) {
                                          messaggi.mostra(
                                              testiProgressi(mod, percorsi).messaggio(problema),
                                              "Scrivolta", Icona::Avviso, Pulsanti::Ok);
                                      });
    storico::RegistroGioco registroGioco(registro);

    ui::FrmTastiro finestra(mod, servizi, percorsi,
                            collegamenti(mod, servizi, percorsi, registro, registroGioco),
                            rigaComando(QApplication::arguments()));
    messaggi.impostaProprietario(&finestra);
    const platform::RichiamoIstanza ascolto(richiamo, [&finestra] { mostraDavanti(finestra); });
    // Closing the window saves the options and puts the layout back; the
    // dialogs open over it close with it.
    const platform::ChiusuraSuSegnale segnali([&finestra] {
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
