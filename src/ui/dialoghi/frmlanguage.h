// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"
#include "settings/lingua.h"
#include "settings/percorsi.h"

#include <QDialog>
#include <array>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace scrivolta::ui {

// `frmLanguage`: lists the language files and lets the learner choose one.
// A confirmed change sets `linguaCorrente` only; the caller applies the new
// texts, and the choice is saved with the options when the program closes.
class frmLanguage final : public QDialog {
    Q_OBJECT
public:
    // Shown in the list when there is no language file for the current
    // language: the program's own Italian texts.
    static constexpr const char* kItalianoPredefinito = "Italian [Default]";

    frmLanguage(ModTastiro& stato, const Percorsi& percorsi, MessageBoxes& messaggi,
                QWidget* parent = nullptr);
    frmLanguage(const frmLanguage&) = delete;
    frmLanguage& operator=(const frmLanguage&) = delete;

    // The language chosen in the list (Windows-1252).
    const std::string& linguaScelta() const { return linguaScelta_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void costruisci();
    void disponi();
    void applicaTesti();
    void CaricaListaLingue();
    void selezionata(int indice);
    void cmdInfoAuthor_Click();
    void cmdChiudi_Click();

    ModTastiro& stato_;
    const Percorsi percorsi_;
    MessageBoxes& messaggi_;
    FileLingua lingua_;
    std::array<std::string, 3> testiLingua_;
    std::string linguaScelta_;
    bool caricamentoLista_ = false;

    QLabel* lblMess_ = nullptr;
    QComboBox* cboFileLanguage_ = nullptr;
    QPushButton* cmdChiudi_ = nullptr;
    QToolButton* cmdInfoAuthor_ = nullptr;
};

} // namespace scrivolta::ui
