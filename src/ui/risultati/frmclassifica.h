// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"
#include "reports/classifica.h"
#include "settings/percorsi.h"
#include "ui/risultati/uscitereport.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <array>

class QLabel;
class QPushButton;

namespace scrivolta::ui {

// `frmClassifica`: the results after a level, with the learner's choice to
// go on or to stop, the print and the PDF of the results. It shows what
// `Classifica` computed when the window loaded; the PDF it wrote goes when
// it closes.
class frmClassifica final : public QDialog {
    Q_OBJECT
public:
    frmClassifica(ModTastiro& mod, const Percorsi& percorsi, Servizi& servizi, UsciteReport uscite,
                  QWidget* parent = nullptr);
    frmClassifica(const frmClassifica&) = delete;
    frmClassifica& operator=(const frmClassifica&) = delete;

    // `LarghezzaNumero`: the width of a score in the tables' font, in
    // whole millimetres (halves to even).
    int LarghezzaNumero(int valore) const;

    void done(int risultato) override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void costruisci();
    void creaPulsanti();
    void MostraLivelli();
    void MostraTabellaLivello(int k, double altoMm);
    void riga(double xMm, double yMm, const std::string& testo);
    double altezzaRiga() const;
    void numeroADestra(double yMm, int valore);
    QPoint punto(double xMm, double yMm) const;
    void cmdPrint_Click();
    void cmdPDF_Click();

    Servizi& servizi_;
    UsciteReport uscite_;
    Classifica classifica_;
    PdfEsportato pdf_;
    QFont fontTabelle_;
    QImage banner_;
    std::array<QLabel*, 3> lbllivelli_{};
    std::array<QLabel*, 3> imgRisultato_{};
    std::array<QPushButton*, 2> cmdRisp_{};
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdPDF_ = nullptr;
    QLabel* lblShowMess_ = nullptr;
};

} // namespace scrivolta::ui
