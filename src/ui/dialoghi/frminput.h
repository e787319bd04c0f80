// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "settings/percorsi.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace scrivolta::ui {

// `frmInput`: asks the learner's name at every start and can remember it for
// the next. Closing it, however it is closed, sets `UserName` and stores the
// [AccessName] keys of the options file.
class frmInput final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLunghezzaNome = 30;

    frmInput(ModTastiro& stato, const Percorsi& percorsi, QWidget* parent = nullptr);
    frmInput(const frmInput&) = delete;
    frmInput& operator=(const frmInput&) = delete;

    void done(int risultato) override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void costruisci();
    void applicaTesti();
    void leggiNomeRicordato();
    void attiva();
    void testoCambiato();
    bool rifiutaBlankIniziale(QEvent* evento) const;

    ModTastiro& stato_;
    const Percorsi percorsi_;
    QLabel* lblBenvenuto_ = nullptr;
    QLabel* lblDigitaNome_ = nullptr;
    QLineEdit* txtNomeUtente_ = nullptr;
    QCheckBox* chkRemember_ = nullptr;
    QPushButton* cmdChiudi_ = nullptr;
};

} // namespace scrivolta::ui
