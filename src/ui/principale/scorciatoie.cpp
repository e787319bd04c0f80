// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/scorciatoie.h"

#include <QAbstractButton>
#include <QShortcut>
#include <array>

namespace scrivolta::ui {

namespace {

// The digit row of the Belgian layout without Shift: & é " ' ( § è ! ç.
constexpr std::array<Qt::Key, 9> kRigaBelga = {
    Qt::Key_Ampersand, Qt::Key_Eacute, Qt::Key_QuoteDbl, Qt::Key_Apostrophe, Qt::Key_ParenLeft,
    Qt::Key_section,   Qt::Key_Egrave, Qt::Key_Exclam,   Qt::Key_Ccedilla};

} // namespace

QList<QKeySequence> tastiCifra(int cifra, Qt::KeyboardModifier modificatore) {
    const auto indice = static_cast<std::size_t>(cifra - 1);
    return {QKeySequence(modificatore | static_cast<Qt::Key>(Qt::Key_0 + cifra)),
            QKeySequence(modificatore | kRigaBelga[indice])};
}

// The digit goes to the button itself; the Belgian symbol needs a shortcut of its own, since Qt
// matches Alt+1 only when Shift is held on that layout.
void collegaCifra(QAbstractButton* pulsante, int cifra) {
    const auto tasti = tastiCifra(cifra);
    pulsante->setShortcut(tasti.front());
    // Qt gives a radio button's shortcut to no screen reader: the name says it.
    pulsante->setAccessibleName(QStringLiteral("%1 (%2)").arg(
        QString(pulsante->text()).replace(QStringLiteral("&&"), QStringLiteral("&")),
        tasti.front().toString(QKeySequence::NativeText)));
    if (pulsante->findChild<QShortcut*>(QString(), Qt::FindDirectChildrenOnly) != nullptr)
        return;
    auto* simbolo = new QShortcut(tasti.back(), pulsante);
    QObject::connect(simbolo, &QShortcut::activated, pulsante, &QAbstractButton::animateClick);
}

} // namespace scrivolta::ui
