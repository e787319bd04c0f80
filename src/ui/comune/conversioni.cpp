// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/conversioni.h"

#include "app/cp1252.h"

namespace scrivolta::ui {

QString daCp1252(std::string_view testo) {
    return QString::fromStdString(cp1252::toUtf8(testo));
}

QString righeDaCp1252(std::string_view testo) {
    QString s = daCp1252(testo);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

std::string inCp1252(const QString& testo) {
    return cp1252::fromUtf8(testo.toStdString());
}

} // namespace scrivolta::ui
