// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"
#include "reports/rapporto.h"
#include "settings/percorsi.h"
#include "ui/risultati/uscitereport.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

namespace scrivolta::ui {

// `frmReportFreeTXT`: the totals of a free text exercise, and its PDF
// report with the evaluation, which goes when the window closes.
class frmReportFreeTXT final : public QDialog {
    Q_OBJECT
public:
    frmReportFreeTXT(const ModTastiro& mod, const Percorsi& percorsi, Servizi& servizi,
                     UsciteReport uscite, QWidget* parent = nullptr);
    frmReportFreeTXT(const frmReportFreeTXT&) = delete;
    frmReportFreeTXT& operator=(const frmReportFreeTXT&) = delete;

    const Rapporto& rapporto() const { return rapporto_; }

    void done(int risultato) override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void MostraRapporto();
    void creaPulsanti();
    void cmdCreaPDF_Click();

    Servizi& servizi_;
    UsciteReport uscite_;
    Rapporto rapporto_;
    PdfEsportato pdf_;
    QImage banner_;
    QFont fontTitolo_;
    QPushButton* cmdChiudi_ = nullptr;
    QPushButton* cmdCreaPDF_ = nullptr;
};

} // namespace scrivolta::ui
