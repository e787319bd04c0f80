// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stampa_qt.h"

#include "app/cp1252.h"
#include "app/dominio.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>

namespace scrivolta::platform {

namespace {

constexpr double kMmPerPollice = 25.4;

// Positions are millimetres from the top left corner of the printable
// area; text is placed by the top of its line, as the cursor of a printer
// document moves: after a text on the same line, or to the start of the
// next line.
class StampanteQt final : public SuperficieStampa {
public:
    StampanteQt(std::unique_ptr<QPrinter> printer, FigureStampa figure)
        : printer_(std::move(printer)), figure_(std::move(figure)) {
        printer_->setDocName(QStringLiteral("Risultati Scrivolta"));
    }
    ~StampanteQt() override {
        if (painter_.isActive())
            painter_.end();
    }
    StampanteQt(const StampanteQt&) = delete;
    StampanteQt& operator=(const StampanteQt&) = delete;

    void unitaMillimetri() override {}
    void verticale() override { pagina(printer_->setPageOrientation(QPageLayout::Portrait)); }
    void cartaA4() override { pagina(printer_->setPageSize(QPageSize(QPageSize::A4))); }
    void font(const std::string& nome) override { font_.setFamily(QString::fromStdString(nome)); }
    void dimensione(float punti) override { font_.setPointSizeF(punti); }
    void grassetto(bool attivo) override { font_.setBold(attivo); }
    void corsivo(bool attivo) override { font_.setItalic(attivo); }
    void coloreTesto(Colore c) override { colore_ = QColor(rosso(c), verde(c), blu(c)); }
    void x(float mm) override { x_ = mm; }
    void y(float mm) override { y_ = mm; }
    void scrivi(std::string_view testo, bool aCapo) override;
    void immagine(Figura figura, int fascia, float x, float y, float larghezza,
                  float altezza) override;
    void rettangolo(float x1, float y1, float x2, float y2) override;
    void fine() override;
    void annulla() override;

private:
    QPainter& pittore();
    double px(double mm) const { return mm * printer_->resolution() / kMmPerPollice; }
    double mm(double px) const { return px * kMmPerPollice / printer_->resolution(); }
    // The page is set up before the first drawing starts the document.
    void pagina(bool riuscito) const {
        if (!riuscito || painter_.isActive())
            throw std::runtime_error("page set-up refused");
    }

    std::unique_ptr<QPrinter> printer_;
    FigureStampa figure_;
    QPainter painter_;
    QFont font_;
    QColor colore_ = Qt::black;
    double x_ = 0.0;
    double y_ = 0.0;
    bool rifiutato_ = false;
};

// A printer that refused to start the document is not asked again for
// every later step of the same page.
QPainter& StampanteQt::pittore() {
    if (!painter_.isActive() && (rifiutato_ || !painter_.begin(printer_.get()))) {
        rifiutato_ = true;
        throw std::runtime_error("the printer cannot start a document");
    }
    return painter_;
}

void StampanteQt::scrivi(std::string_view testo, bool aCapo) {
    QPainter& p = pittore();
    const QString t = QString::fromStdString(cp1252::toUtf8(testo));
    p.setFont(font_);
    p.setPen(colore_);
    const QFontMetricsF metriche(font_, printer_.get());
    p.drawText(QPointF(px(x_), px(y_) + metriche.ascent()), t);
    if (aCapo) {
        x_ = 0.0;
        y_ += mm(metriche.height());
    } else {
        x_ += mm(metriche.horizontalAdvance(t));
    }
}

void StampanteQt::immagine(Figura figura, int fascia, float x, float y, float larghezza,
                           float altezza) {
    QPainter& p = pittore();
    const QImage img = figure_ ? figure_(figura, fascia) : QImage();
    if (img.isNull())
        throw std::runtime_error("picture missing");
    p.drawImage(QRectF(px(x), px(y), px(larghezza), px(altezza)), img);
}

void StampanteQt::rettangolo(float x1, float y1, float x2, float y2) {
    QPainter& p = pittore();
    p.setPen(QPen(colore_, px(0.2)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2))));
}

void StampanteQt::fine() {
    pittore();
    if (!painter_.end())
        throw std::runtime_error("the document could not be sent");
}

void StampanteQt::annulla() {
    if (!painter_.isActive())
        return;
    printer_->abort();
    painter_.end();
}

} // namespace

std::unique_ptr<SuperficieStampa> stampantePredefinita(FigureStampa figure) {
    auto printer =
        std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    return std::make_unique<StampanteQt>(std::move(printer), std::move(figure));
}

std::unique_ptr<SuperficieStampa> stampanteSuPdf(const QString& file, FigureStampa figure) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return std::make_unique<StampanteQt>(std::move(printer), std::move(figure));
}

bool stampaPagina(QPrinter& stampante, const DisegnoPagina& disegno) {
    stampante.setPageOrientation(QPageLayout::Landscape);
    const double margineMm = stampante.pageRect(QPrinter::Millimeter).left() -
                             stampante.paperRect(QPrinter::Millimeter).left();
    stampante.setFullPage(true);
    if (stampante.docName().isEmpty())
        stampante.setDocName(QString::fromLatin1(kNomeProgramma));
    QPainter p;
    if (!p.begin(&stampante))
        return false;
    disegno(p, stampante.resolution() / kMmPerPollice, margineMm);
    return p.end();
}

bool stampaPaginaPredefinita(const DisegnoPagina& disegno) {
    QPrinter stampante(QPrinter::HighResolution);
    return stampaPagina(stampante, disegno);
}

} // namespace scrivolta::platform
