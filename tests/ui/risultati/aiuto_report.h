// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "platform/stampa_qt.h"
#include "settings/percorsi.h"
#include "ui/risultati/uscitereport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

// The desktop as the results and report windows see it in a test: a
// private temporary folder, a PDF file for a printer, the files the viewer
// was asked to open.
namespace scrivolta::prova {

struct DesktopFinto {
    QTemporaryDir temporanea;
    bool stampante = true;
    QString filePrecedente;
    QString fileStampa;
    std::vector<std::string> aperti;

    ui::UsciteReport uscite() {
        fileStampa = temporanea.filePath(QStringLiteral("stampa.pdf"));
        return {[this] { return stampante; },
                [this](ui::UsciteReport::Figure figure) {
                    return platform::stampanteSuPdf(fileStampa, std::move(figure));
                },
                [this](const std::string& percorso) { aperti.push_back(percorso); },
                [this] { return temporanea.path().toStdString() + "/"; }};
    }
};

inline QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString testoPdf(const QString& file) {
    return esegui(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), file, QStringLiteral("-")});
}

// The top left corner, in millimetres, of the first word `parola` on the
// first page.
inline std::optional<QPointF> posizione(const QString& file, const QString& parola) {
    const QString box =
        esegui(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")});
    const QRegularExpression re(
        QStringLiteral(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>%1</word>)re")
            .arg(QRegularExpression::escape(parola)));
    const auto m = re.match(box);
    if (!m.hasMatch())
        return std::nullopt;
    constexpr double kMmPerPunto = 25.4 / 72;
    return QPointF(m.captured(1).toDouble() * kMmPerPunto, m.captured(2).toDouble() * kMmPerPunto);
}

// A program folder holding the shipped language files, for a window to
// read its texts in `lingua` ("" for the built-in ones).
inline Percorsi cartellaConLingua(const QTemporaryDir& cartella, ModTastiro& mod,
                                  const QString& lingua) {
    QDir(cartella.path()).mkpath(QStringLiteral("Lang"));
    for (const char* file : {"French.lng", "English.lng"})
        QFile::copy(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/Lang/") + QString::fromLatin1(file),
                    cartella.filePath(QStringLiteral("Lang/") + QString::fromLatin1(file)));
    mod.linguaCaricata = !lingua.isEmpty();
    mod.linguaCorrente = lingua.toStdString();
    return Percorsi::portatile(cartella.path().toStdString() + "/");
}

// One row per language a window may show: the built-in texts, French and
// English, in a column "lingua".
inline void righePerLingua() {
    QTest::addColumn<QString>("lingua");
    for (const char* lingua : {"", "French", "English"})
        QTest::newRow(lingua) << QString::fromLatin1(lingua);
}

// Every button of `finestra` shows its whole caption, inside the window and
// apart from the others; on failure the test has failed when it returns.
inline void pulsantiInteri(QWidget& finestra, qsizetype quanti) {
    const auto pulsanti = finestra.findChildren<QPushButton*>();
    QCOMPARE(pulsanti.size(), quanti);
    std::vector<QRect> posti;
    for (const QPushButton* b : pulsanti) {
        const QRect posto(b->mapTo(&finestra, QPoint()), b->size());
        QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
        QVERIFY2(finestra.rect().contains(posto), qPrintable(b->text()));
        for (const QRect& altro : posti)
            QVERIFY2(!altro.intersects(posto), qPrintable(b->text()));
        posti.push_back(posto);
    }
}

} // namespace scrivolta::prova
