// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/risultati/uscitereport.h"

#include "reports/esportapdf.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/comune/sfondo.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

namespace scrivolta::ui {

namespace {

QDateTime adesso(const Clock& orologio) {
    return QDateTime::fromSecsSinceEpoch(wholeSeconds(orologio.now()));
}

// The desktop's time format with its seconds but without a time zone,
// which a printed report has no use for.
QString formatoOra(const QLocale& locale) {
    QString formato = locale.timeFormat(QLocale::LongFormat);
    formato.remove(QLatin1Char('t'));
    return formato.trimmed();
}

void allargaAlTesto(QWidget* pulsante) {
    const int necessaria = pulsante->sizeHint().width();
    QRect posto = pulsante->geometry();
    if (necessaria <= posto.width())
        return;
    const QPoint centro = posto.center();
    posto.setWidth(necessaria);
    posto.moveCenter(centro);
    // The strip may reach past the window's edges; the button stays a
    // little inside them.
    constexpr int kMargine = 6;
    QWidget* barra = pulsante->parentWidget();
    const QRect striscia = (barra->rect() & QRect(barra->mapFrom(pulsante->window(), QPoint()),
                                                  pulsante->window()->size()))
                               .adjusted(kMargine, 0, -kMargine, 0);
    if (posto.right() > striscia.right())
        posto.moveRight(striscia.right());
    if (posto.left() < striscia.left())
        posto.moveLeft(striscia.left());
    pulsante->setGeometry(posto);
}

} // namespace

std::string dataLunga(const Clock& orologio) {
    return inCp1252(QLocale::system().toString(adesso(orologio).date(), QLocale::LongFormat));
}

std::string dataEOra(const Clock& orologio, const char* separatore, const char* chiusura) {
    const QLocale locale = QLocale::system();
    const QDateTime t = adesso(orologio);
    return inCp1252(locale.toString(t.date(), QStringLiteral("dddd, dd MMMM yyyy")) +
                    QLatin1String(separatore) + locale.toString(t.time(), formatoOra(locale)) +
                    QLatin1String(chiusura));
}

void rilasciaPrimoPiano(QWidget* finestra) {
    if (QWindow* w = finestra->windowHandle())
        w->setFlag(Qt::WindowStaysOnTopHint, false);
}

void PdfEsportato::esporta(QWidget* finestra, Waiter& attesa, const UsciteReport& uscite,
                           const std::function<std::optional<std::string>(DocumentoPdf&)>& scrivi) {
    rilasciaPrimoPiano(finestra);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    attesa.processEvents();
    const auto documento = nuovoDocumentoPdf();
    const auto percorso = scrivi(*documento);
    QApplication::restoreOverrideCursor();
    if (!percorso)
        return;
    percorso_ = *percorso;
    if (uscite.apriFile)
        uscite.apriFile(percorso_);
}

void PdfEsportato::elimina() const {
    eliminaPdf(percorso_);
}

QPushButton* pulsanteBarra(QWidget* barra, const std::string& testo, const QRect& dove,
                           const char* nome, const std::string& suggerimento) {
    auto* b = new QPushButton(daCp1252(testo), barra);
    b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    if (!suggerimento.empty()) {
        b->setToolTip(daCp1252(suggerimento));
        b->setAccessibleDescription(b->toolTip());
    }
    b->setGeometry(dove);
    allargaAlTesto(b);
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(true);
    b->setObjectName(QLatin1String(nome));
    return b;
}

QWidget* nuovaBarraPulsanti(QWidget* finestra, const QRect& geometria) {
    auto* barra = new BarraTitolo(finestra);
    barra->setGeometry(geometria);
    barra->setObjectName(QStringLiteral("picBar"));
    barra->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kMenu));
    return barra;
}

} // namespace scrivolta::ui
