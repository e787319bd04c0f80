// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/indirizzi.h"
#include "app/modtastiro.h"
#include "app/servizi.h"
#include "settings/lingua.h"
#include "settings/percorsi.h"

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

namespace scrivolta::ui {

// Where the information window leads, given by the program.
struct CollegamentiInformazioni {
    // The guide at its contents, owned by the window.
    std::function<void(QWidget*)> apriGuida;
    // The modal language window.
    std::function<void(QWidget*)> scegliLingua;
    // The main window's keyboard printing.
    std::function<void()> stampaTastiera;
    // `StampanteDisponibile`: a default printer exists.
    std::function<bool()> stampanteDisponibile;
    // Hands a web page or a mail link to the desktop.
    std::function<bool(const QUrl&)> apriIndirizzo;
    // Puts the main window away while the learner reads a page or a mail.
    std::function<void()> minimizzaPrincipale;
    // The progress window, once this one is gone; no button without it.
    std::function<void()> progressi;
    // The addresses the links lead to; an empty one has no link.
    Indirizzi indirizzi = kIndirizzi;
};

// `frmAbout`: the program's name and version, a few words on the screen and
// the keyboard it is made for, links to its site and its author, and the way
// to the guide, the language window and the keyboard printing.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    // How the window was left, for what must happen once it is gone.
    enum class Uscita { Chiusa, Lingua, Stampa, Progressi };

    frmAbout(const ModTastiro& mod, const Percorsi& percorsi, SoundPlayer& suoni,
             CollegamentiInformazioni collegamenti, QWidget* parent = nullptr);
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Shows the window modally; it may be shown again after the language
    // window.
    int exec() override;
    Uscita uscita() const { return uscita_; }
    // The mail link: to the author, its subject naming the version.
    QUrl indirizzoPosta() const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void costruisci();
    void creaBarra();
    void disponi();
    void ordinaTab();
    void collega();
    void applicaTesti(const FileLingua& lingua, bool usaFile);
    QPushButton* creaLink(const QString& nome);
    void esci(Uscita uscita);
    void apriCollegamento(const QUrl& indirizzo, bool minimizza);
    void cmdHelp_Click();

    const ModTastiro& mod_;
    CollegamentiInformazioni collegamenti_;
    Uscita uscita_ = Uscita::Chiusa;

    QWidget* picBar_ = nullptr;
    QLabel* lblTitolo_ = nullptr;
    QLabel* lblVersione_ = nullptr;
    QLabel* lblVideoSetting_ = nullptr;
    QLabel* lblLayoutKeyb_ = nullptr;
    QLabel* lblWebSite_ = nullptr;
    QPushButton* lblHomePage_ = nullptr;
    QPushButton* lblEmail_ = nullptr;
    QToolButton* logo_ = nullptr;
    QPushButton* lblPrintKey_ = nullptr;
    QToolButton* imgPrintKey_ = nullptr;
    QToolButton* cmdHelp_ = nullptr;
    QToolButton* cmdLingua_ = nullptr;
    QPushButton* cmdChiudi_ = nullptr;
    QPushButton* cmdProgressi_ = nullptr;
};

// Menu entry 2: the information window and what the learner chose there.
// After the language window the information window comes back unless the
// language changed; the keyboard is printed once the window is gone.
void MostraInformazioni(const ModTastiro& mod, const Percorsi& percorsi, SoundPlayer& suoni,
                        const CollegamentiInformazioni& collegamenti, QWidget* proprietario);

} // namespace scrivolta::ui
