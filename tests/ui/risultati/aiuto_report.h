// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/stampa_qt.h"
#include "ui/risultati/uscitereport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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

} // namespace scrivolta::prova
