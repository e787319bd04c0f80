// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "history/storico.h"
#include "history/tastideboli.h"
#include "history/testiprogressi.h"
#include "ui/progressi/graficiprogressi.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace scrivolta::ui {

class MappaCalore;

// Where the progress window reaches beyond itself.
struct AzioniProgressi {
    // Asks where to save an export, proposing a file name; "" when the
    // learner gives up.
    std::function<QString(QWidget*, const QString&)> chiediFileCsv;
    // Starts practice on an exercise file at once, as one named on the
    // command line.
    std::function<void(const std::string&)> avviaEsercizio;
    // Draws the charts; without them the window shows the rest.
    FunzioniGrafico grafici;
};

// What the window needs to know of the program.
struct ImpostazioniProgressi {
    std::string fileStorico;
    // The learner's own writable folder, for the weak-keys exercise.
    std::string cartellaUtente;
    // Windows-1252, "" for the learner who gave no name.
    std::string studente;
};

// `frmProgressi`: a learner's progress over time: speed and errors per day
// in each category and mode, best and average per lesson, the keyboard as a
// map of error rates with the weakest keys named, the export of the whole
// history and an exercise on the weakest keys.
class frmProgressi final : public QDialog {
public:
    static constexpr const char* kNomeEsercizio = "TastiDeboli.ftd";

    frmProgressi(ImpostazioniProgressi impostazioni, const storico::TestiProgressi& testi,
                 MessageBoxes& messaggi, AzioniProgressi azioni, QWidget* parent = nullptr);
    ~frmProgressi() override;
    frmProgressi(const frmProgressi&) = delete;
    frmProgressi& operator=(const frmProgressi&) = delete;

    // The learner shown (Windows-1252, as the history keeps the name).
    std::string studente() const;
    const std::vector<storico::TastoDebole>& deboli() const { return deboli_; }

private:
    void creaControlli();
    QWidget* creaGrafici();
    QWidget* creaLezioni();
    QWidget* creaTasti();
    QWidget* creaPulsanti();
    void riempiStudenti();
    void cboStudente_Click();
    struct Letture;
    bool leggi(const std::function<void()>& lettura);
    void mostraLezioni(const std::vector<storico::Lezione>& lezioni);
    void mostraTasti(const std::vector<storico::ConteggioTasto>& tasti,
                     const std::vector<storico::Sostituzione>& sost);
    QString decimale(double valore) const;
    void cmdEsporta_Click();
    void cmdEsercitati_Click();
    QString testo(storico::TestoProgressi t) const;
    void avvisa(storico::TestoProgressi t, const std::string& dettaglio);

    ImpostazioniProgressi impostazioni_;
    const storico::TestiProgressi& testi_;
    MessageBoxes& messaggi_;
    AzioniProgressi azioni_;
    std::unique_ptr<storico::Storico> storico_;
    std::vector<storico::TastoDebole> deboli_;
    bool letturaFallita_ = false;

    QComboBox* cboStudente_ = nullptr;
    QWidget* velocita_ = nullptr;
    QWidget* errori_ = nullptr;
    QTableWidget* lezioni_ = nullptr;
    MappaCalore* mappa_ = nullptr;
    QLabel* lblDeboli_ = nullptr;
    QPushButton* cmdEsporta_ = nullptr;
    QPushButton* cmdEsercitati_ = nullptr;
    QPushButton* cmdChiudi_ = nullptr;
};

} // namespace scrivolta::ui
