// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/aiuto_tastiera.h"
#include "ui/dialoghi/frmlanguage.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace scrivolta;
using scrivolta::ui::frmLanguage;

namespace {

// Answers with a fixed button and keeps every question asked.
class Risposte final : public MessageBoxes {
public:
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona,
                    Pulsanti pulsanti) override {
        testi.push_back(testo);
        titoli.push_back(titolo);
        ultimiPulsanti = pulsanti;
        return risposta;
    }
    Risposta risposta = Risposta::Si;
    std::vector<std::string> testi;
    std::vector<std::string> titoli;
    Pulsanti ultimiPulsanti = Pulsanti::Ok;
};

void scriviFile(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contenuto);
}

QStringList voci(frmLanguage& f) {
    auto* lista = f.findChild<QComboBox*>("cboFileLanguage");
    QStringList out;
    for (int i = 0; i < lista->count(); ++i)
        out << lista->itemText(i);
    return out;
}

} // namespace

class TestFrmLanguage : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_.reset(new QTemporaryDir);
        percorsi_ = Percorsi::portatile(dir_->path().toStdString());
        stato_ = ModTastiro{};
        stato_.linguaCorrente = "Italian";
        risposte_ = Risposte{};
    }

    void withoutLanguageFilesOnlyTheBuiltInLanguageIsListed() {
        frmLanguage f(stato_, percorsi_, risposte_);
        QCOMPARE(voci(f), QStringList{"Italian [Default]"});
        QCOMPARE(lista(f)->currentIndex(), 0);
        QCOMPARE(f.windowTitle(), QStringLiteral("Scelta lingua"));
        chiudi(f);
        QVERIFY(risposte_.testi.empty());
        QCOMPARE(stato_.linguaCorrente, std::string("Italian"));
    }

    void theBuiltInLanguageIsAddedAndSelectedWhenItHasNoFile() {
        aggiungiLingue();
        frmLanguage f(stato_, percorsi_, risposte_);
        QCOMPARE(voci(f), (QStringList{"English", "German", "Italian [Default]"}));
        QCOMPARE(lista(f)->currentText(), QStringLiteral("Italian [Default]"));
        QCOMPARE(f.linguaScelta(), std::string("Italian"));
    }

    void theCurrentLanguageIsSelectedWhateverItsLetterCase() {
        aggiungiLingue();
        stato_.linguaCorrente = "german";
        frmLanguage f(stato_, percorsi_, risposte_);
        QCOMPARE(voci(f), (QStringList{"English", "German"}));
        QCOMPARE(lista(f)->currentText(), QStringLiteral("German"));
    }

    void onlyAChangedLanguageIsConfirmed() {
        aggiungiLingue();
        stato_.linguaCorrente = "English";
        stato_.linguaCaricata = true;
        {
            frmLanguage f(stato_, percorsi_, risposte_);
            lista(f)->setCurrentIndex(1);
            lista(f)->setCurrentIndex(0);
            chiudi(f);
            QVERIFY(risposte_.testi.empty());
        }
        {
            risposte_.risposta = Risposta::No;
            frmLanguage f(stato_, percorsi_, risposte_);
            lista(f)->setCurrentIndex(1);
            chiudi(f);
            QCOMPARE(risposte_.testi.size(), std::size_t(1));
            QCOMPARE(risposte_.testi[0], std::string("Do you confirm? ( German )"));
            QCOMPARE(risposte_.ultimiPulsanti, Pulsanti::SiNo);
            QCOMPARE(stato_.linguaCorrente, std::string("English"));
        }
        risposte_.risposta = Risposta::Si;
        frmLanguage f(stato_, percorsi_, risposte_);
        lista(f)->setCurrentIndex(1);
        chiudi(f);
        QCOMPARE(stato_.linguaCorrente, std::string("German"));
        QCOMPARE(risposte_.titoli.back(), std::string("Scrivolta"));
    }

    void theTranslationInformationNamesItsAuthor() {
        {
            frmLanguage f(stato_, percorsi_, risposte_);
            QTest::mouseClick(f.findChild<QToolButton*>("cmdInfoAuthor"), Qt::LeftButton);
            QCOMPARE(risposte_.testi.back(),
                     std::string("Lingua attuale: Italiano [Default]\r\n\r\nAutore: [Default]"));
        }
        aggiungiLingue();
        stato_.linguaCorrente = "English";
        stato_.linguaCaricata = true;
        {
            frmLanguage f(stato_, percorsi_, risposte_);
            QCOMPARE(f.windowTitle(), QStringLiteral("Language"));
            QTest::mouseClick(f.findChild<QToolButton*>("cmdInfoAuthor"), Qt::LeftButton);
            QCOMPARE(
                risposte_.testi.back(),
                std::string("Current language: English\r\n\r\nAuthor: Anne\r\nanne@example.org"));
        }
        stato_.linguaCorrente = "German";
        frmLanguage f(stato_, percorsi_, risposte_);
        QTest::mouseClick(f.findChild<QToolButton*>("cmdInfoAuthor"), Qt::LeftButton);
        QCOMPARE(risposte_.testi.back(),
                 std::string("Aktuelle Sprache: German\r\n\r\nAutor: Unknown"));
    }

    void theKeyboardAloneChoosesALanguage() {
        aggiungiLingue();
        frmLanguage f(stato_, percorsi_, risposte_);
        f.show();
        QApplication::setActiveWindow(&f);
        QCOMPARE(QApplication::focusWidget(), lista(f));
        // The list reads as labelled by the text above it.
        const auto etichette =
            QAccessible::queryAccessibleInterface(lista(f))->relations(QAccessible::Label);
        QCOMPARE(etichette.size(), 1);
        QCOMPARE(etichette.front().first->text(QAccessible::Name),
                 QStringLiteral("Seleziona la lingua da usare"));
        QTest::keyClick(lista(f), Qt::Key_Up);
        QCOMPARE(f.linguaScelta(), std::string("German"));
        QTest::keyClick(lista(f), Qt::Key_Tab);
        auto* info = f.findChild<QToolButton*>("cmdInfoAuthor");
        QCOMPARE(QApplication::focusWidget(), info);
        QVERIFY(!info->accessibleName().isEmpty());
        QTest::keyClick(info, Qt::Key_Space);
        QCOMPARE(risposte_.testi.size(), std::size_t{1});
        const QStringList senzaNome = scrivolta::prova::partiSenzaNome(&f);
        QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(u',')));
        // Enter anywhere closes through the default button, which asks.
        QTest::keyClick(info, Qt::Key_Return);
        QCOMPARE(risposte_.testi.size(), std::size_t{2});
        QCOMPARE(stato_.linguaCorrente, std::string("German"));
        QVERIFY(!f.isVisible());
    }

    void escLeavesTheLanguageAsItWas() {
        aggiungiLingue();
        frmLanguage f(stato_, percorsi_, risposte_);
        f.show();
        QApplication::setActiveWindow(&f);
        QTest::keyClick(lista(f), Qt::Key_Up);
        QTest::keyClick(lista(f), Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(risposte_.testi.empty());
        QCOMPARE(stato_.linguaCorrente, std::string("Italian"));
    }

private:
    void aggiungiLingue() {
        QDir(dir_->path()).mkdir("Lang");
        scriviFile(
            dir_->filePath("Lang/English.lng"),
            "[Strings]\r\n0200=Language\r\n0201=Do you confirm?\r\n0206=Current language:\r\n"
            "0207=Author:\r\nInfoAuthor=Anne\r\nMailAuthor=anne@example.org\r\n");
        scriviFile(dir_->filePath("Lang/German.lng"),
                   "[Strings]\r\n0206=Aktuelle Sprache:\r\n0207=Autor:\r\n");
    }
    static QComboBox* lista(frmLanguage& f) { return f.findChild<QComboBox*>("cboFileLanguage"); }
    static void chiudi(frmLanguage& f) {
        QTest::mouseClick(f.findChild<QPushButton*>("cmdChiudi"), Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> dir_;
    Percorsi percorsi_ = Percorsi::portatile("/nonexistent");
    ModTastiro stato_;
    Risposte risposte_;
};

QTEST_MAIN(TestFrmLanguage)
#include "test_frmlanguage.moc"
