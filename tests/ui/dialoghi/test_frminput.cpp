// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inimanager.h"
#include "ui/comune/aiuto_tastiera.h"
#include "ui/dialoghi/frminput.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace scrivolta;
using scrivolta::ui::frmInput;

namespace {

// Types text as key events carrying it, the way a keyboard delivers
// accented letters (QTest::keyClicks cannot send them).
void typeText(QWidget* widget, const QString& testo) {
    for (const QChar c : testo)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void scriviFile(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contenuto);
}

} // namespace

class TestFrmInput : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_.reset(new QTemporaryDir);
        percorsi_ = Percorsi::portatile(dir_->path().toStdString());
        stato_ = ModTastiro{};
    }

    void aLeadingBlankIsRefusedAndTheNameIsUpperCased() {
        auto f = apri();
        typeText(nome(*f), QStringLiteral(" "));
        QCOMPARE(nome(*f)->text(), QString());
        typeText(nome(*f), QStringLiteral("anna maria "));
        QCOMPARE(nome(*f)->text(), QStringLiteral("anna maria "));
        QTest::mouseClick(f->findChild<QPushButton*>("cmdChiudi"), Qt::LeftButton);
        QCOMPARE(stato_.UserName, std::string("ANNA MARIA"));
        QCOMPARE(chiave("Remember"), std::string("0"));
        QCOMPARE(chiave("Name"), std::string(""));
    }

    void aRememberedNameIsOfferedSelectedAndStoredInUpperCase() {
        scriviFile(dir_->filePath("Scrivolta.ini"), "[AccessName]\r\nName=Anna\r\nRemember=1\r\n");
        auto f = apri();
        QCOMPARE(nome(*f)->text(), QStringLiteral("Anna"));
        QCOMPARE(nome(*f)->selectedText(), QStringLiteral("Anna"));
        QVERIFY(ricorda(*f)->isChecked());
        QVERIFY(ricorda(*f)->isEnabled());
        f->close();
        QCOMPARE(stato_.UserName, std::string("ANNA"));
        QCOMPARE(chiave("Name"), std::string("ANNA"));
        QCOMPARE(chiave("Remember"), std::string("1"));
    }

    void typingReplacesTheRememberedName() {
        scriviFile(dir_->filePath("Scrivolta.ini"), "[AccessName]\r\nName=Anna\r\nRemember=1\r\n");
        auto f = apri();
        typeText(nome(*f), QStringLiteral("Luc"));
        QTest::keyClick(nome(*f), Qt::Key_Escape);
        QCOMPARE(stato_.UserName, std::string("LUC"));
        QCOMPARE(chiave("Name"), std::string("LUC"));
    }

    void clearingTheNameDisablesAndUnchecksTheBox() {
        scriviFile(dir_->filePath("Scrivolta.ini"), "[AccessName]\r\nName=Anna\r\nRemember=1\r\n");
        auto f = apri();
        QTest::keyClick(nome(*f), Qt::Key_Backspace);
        QVERIFY(!ricorda(*f)->isChecked());
        QVERIFY(!ricorda(*f)->isEnabled());
        typeText(nome(*f), QStringLiteral("B"));
        QVERIFY(ricorda(*f)->isEnabled());
        QVERIFY(!ricorda(*f)->isChecked());
        QTest::keyClick(nome(*f), Qt::Key_Backspace);
        f->accept();
        QCOMPARE(stato_.UserName, std::string());
        QCOMPARE(chiave("Remember"), std::string("0"));
        QCOMPARE(chiave("Name"), std::string(""));
    }

    void theKeyboardAloneGivesTheNameAndTheChoice() {
        auto f = apri();
        QApplication::setActiveWindow(f.get());
        QCOMPARE(QAccessible::queryAccessibleInterface(nome(*f))->text(QAccessible::Name),
                 QStringLiteral("Scrivi il tuo nome"));
        typeText(nome(*f), QStringLiteral("Zo\u00E9"));
        QTest::keyClick(nome(*f), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ricorda(*f));
        QTest::keyClick(ricorda(*f), Qt::Key_Space);
        QVERIFY(ricorda(*f)->isChecked());
        f->show();
        const QStringList senzaNome = prova::partiSenzaNome(f.get());
        QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(u',')));
        QTest::keyClick(ricorda(*f), Qt::Key_Return);
        QVERIFY(!f->isVisible());
        QCOMPARE(stato_.UserName, std::string("ZO\xC9"));
        QCOMPARE(chiave("Remember"), std::string("1"));
    }

    void aBoxCheckedWithoutANameStartsUnchecked() {
        scriviFile(dir_->filePath("Scrivolta.ini"), "[AccessName]\r\nRemember=1\r\n");
        auto f = apri();
        QVERIFY(!ricorda(*f)->isChecked());
        QVERIFY(!ricorda(*f)->isEnabled());
    }

    void theNameHoldsThirtyCharactersOfTheCodePage() {
        auto f = apri();
        typeText(nome(*f), QString(31, u'x'));
        QCOMPARE(nome(*f)->text().size(), frmInput::kLunghezzaNome);
        nome(*f)->clear();
        typeText(nome(*f), QStringLiteral("\u0142jos\u00e9 \u0153uvre"));
        QCOMPARE(nome(*f)->text(), QStringLiteral("jos\u00e9 \u0153uvre"));
        ricorda(*f)->setChecked(true);
        f->accept();
        QCOMPARE(stato_.UserName, std::string("JOS\xC9 \x8CUVRE"));
        QCOMPARE(chiave("Name"), std::string("JOS\xC9 \x8CUVRE"));
    }

    void textsComeFromTheLanguageFile() {
        QDir(dir_->path()).mkdir("Lang");
        scriviFile(dir_->filePath("Lang/French.lng"), "[Strings]\r\n0012=Bienvenue\r\n0096=\xC9"
                                                      "cris ton nom\r\n0066=Fermer\r\n");
        stato_.linguaCorrente = "French";
        stato_.linguaCaricata = true;
        auto f = apri();
        QCOMPARE(f->findChild<QLabel*>("lblBenvenuto")->text(), QStringLiteral("Bienvenue"));
        QCOMPARE(f->findChild<QLabel*>("lblDigitaNome")->text(),
                 QStringLiteral("\u00c9cris ton nom"));
        QCOMPARE(f->findChild<QPushButton*>("cmdChiudi")->toolTip(), QStringLiteral("Fermer"));
        // An id the file lacks gives no text at all, as in every window.
        QCOMPARE(ricorda(*f)->text(), QString());
    }

private:
    std::unique_ptr<frmInput> apri() {
        auto f = std::make_unique<frmInput>(stato_, percorsi_);
        f->show();
        return f;
    }
    static QLineEdit* nome(frmInput& f) { return f.findChild<QLineEdit*>("txtNomeUtente"); }
    static QCheckBox* ricorda(frmInput& f) { return f.findChild<QCheckBox*>("chkRemember"); }
    std::string chiave(const std::string& nome) const {
        IniManager ini;
        ini.setNome(percorsi_.fileOpzioni());
        ini.setSezione("AccessName");
        return ini.Leggi(nome, "<none>");
    }

    std::unique_ptr<QTemporaryDir> dir_;
    Percorsi percorsi_ = Percorsi::portatile("/nonexistent");
    ModTastiro stato_;
};

QTEST_MAIN(TestFrmInput)
#include "test_frminput.moc"
