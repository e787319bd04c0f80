// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "app/testo.h"
#include "keyboard/mappatasti.h"
#include "settings/lingua.h"
#include "support/banco_tastiro.h"
#include "support/servizi_finti.h"
#include "ui/comune/aiuto_tastiera.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/principale/frmtastiro.h"
#include "ui/tastiera/accessibiletastiera.h"

#include <QAccessible>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

std::string maiuscolo(const std::string& s) {
    return scrivolta::testo::maiuscolo(s);
}

} // namespace

// The main window read the way a screen reader reads it, through Qt's
// accessibility tree, while a learner types.
class TestAccessibilita : public QObject {
    Q_OBJECT

private:
    using Banco = prova::BancoTastiro;

    // The first interface below `radice` with that name, depth first.
    static QAccessibleInterface* trova(QAccessibleInterface* radice, const QString& nome) {
        if (radice == nullptr)
            return nullptr;
        if (radice->text(QAccessible::Name) == nome)
            return radice;
        for (int i = 0; i < radice->childCount(); ++i) {
            if (QAccessibleInterface* t = trova(radice->child(i), nome))
                return t;
        }
        return nullptr;
    }
    QAccessibleInterface* area(const char* nome) const {
        return trova(QAccessible::queryAccessibleInterface(&banco->finestra),
                     QString::fromUtf8(nome));
    }
    void digita(const std::string& cp1252) {
        for (const char c : cp1252) {
            banco->s.orologio.avanza(300ms);
            QTest::sendKeyEvent(QTest::Click, banco->finestra.campoInput(), Qt::Key_unknown,
                                QString::fromStdString(cp1252::toUtf8(std::string(1, c))),
                                Qt::NoModifier);
        }
    }
    // What a screen reader reads of a painted text: AT-SPI passes on only
    // the text interface, which must read as Qt's value.
    static QString letto(QAccessibleInterface* i) {
        QAccessibleTextInterface* t = i->textInterface();
        if (t == nullptr)
            return QStringLiteral("<no text>");
        const QString letto = t->text(0, t->characterCount());
        return letto == i->text(QAccessible::Value) ? letto : QStringLiteral("<not the value>");
    }
    QString testo(const std::string& cp1252) const {
        return QString::fromStdString(cp1252::toUtf8(cp1252));
    }

    QTemporaryDir cartella;
    std::unique_ptr<Banco> banco;

private slots:
    void init() {
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        banco = std::make_unique<Banco>(cartella.path());
        banco->s.caso.scegliFrase(3);
        QTest::keyClick(banco->finestra.campoInput(), Qt::Key_Return);
    }
    void cleanup() { banco.reset(); }

    void thePhraseAndWhatIsTypedAreRead() {
        const Esercizio& e = banco->finestra.esercizio();
        QAccessibleInterface* frase = area("Frase da scrivere");
        QVERIFY(frase != nullptr);
        QCOMPARE(letto(frase), testo(e.stato().frase));
        digita(e.testoCorrente().substr(0, 3));
        QAccessibleInterface* input = area("Testo scritto");
        QVERIFY(input != nullptr);
        QCOMPARE(input->role(), QAccessible::EditableText);
        QCOMPARE(letto(input), testo(e.testoCorrente().substr(0, 3)));
    }

    void theCountersAreReadAfterTyping() {
        const Esercizio& e = banco->finestra.esercizio();
        digita(e.testoCorrente().substr(0, 2));
        digita("\x01");
        const auto& testi = banco->finestra.testi();
        QAccessibleInterface* esatte = area(testi.tooltipNumBatt[0].c_str());
        QAccessibleInterface* errate = area(testi.tooltipNumBatt[1].c_str());
        QVERIFY(esatte != nullptr && errate != nullptr);
        QCOMPARE(letto(esatte), testo(e.stato().contatori[0]));
        QVERIFY(letto(esatte).startsWith(QLatin1Char('2')));
        QCOMPARE(letto(errate), testo(e.stato().contatori[1]));
    }

    void menuEntriesAreNamedByTheirTooltipsAndKeys() {
        const auto& testi = banco->finestra.testi();
        QAccessibleInterface* menu = area("Comandi");
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->childCount(), 9);
        for (int i = 0; i < 7; ++i) {
            QAccessibleInterface* voce = menu->child(i);
            QVERIFY(voce != nullptr);
            // The tooltip, then the entry's key.
            QCOMPARE(voce->text(QAccessible::Name),
                     QStringLiteral("%1 (Ctrl+%2)")
                         .arg(testo(testi.tooltipMenu[static_cast<std::size_t>(i)]))
                         .arg(i + 1));
        }
        // Sound, key map and highlight say whether they are on; the
        // information entry is off while a phrase is typed.
        QVERIFY(menu->child(3)->state().checkable);
        QCOMPARE(bool(menu->child(3)->state().checked), banco->mod.SoundOn);
        QVERIFY(menu->child(2)->state().disabled);
        QVERIFY(menu->child(7)->state().invisible);
        QCOMPARE(menu->child(7)->text(QAccessible::Name),
                 QStringLiteral("Salta il carattere (Ctrl+8)"));
        QCOMPARE(letto(menu->child(8)), QStringLiteral("00:00"));
        // A button is read by its name alone.
        QVERIFY(menu->child(0)->textInterface() == nullptr);
    }

    // A learner without a mouse works the menu through its accessible
    // actions: a toggle is toggled as a click would, and it stays so.
    void menuEntriesActThroughTheirActions() {
        QAccessibleInterface* menu = area("Comandi");
        QVERIFY(menu != nullptr);
        for (const int voce : {3, 4, 5}) {
            QAccessibleInterface* parte = menu->child(voce);
            QAccessibleActionInterface* azioni = parte->actionInterface();
            QVERIFY2(azioni != nullptr, qPrintable(parte->text(QAccessible::Name)));
            QCOMPARE(azioni->actionNames(),
                     QStringList{QAccessibleActionInterface::toggleAction()});
            const bool prima = parte->state().checked;
            azioni->doAction(QAccessibleActionInterface::toggleAction());
            banco->finestra.esercizio().Timer2_Timer();
            QCOMPARE(bool(parte->state().checked), !prima);
        }
        QVERIFY(!banco->mod.SoundOn);
        // Unavailable while a phrase is typed: no action to offer.
        QVERIFY(menu->child(2)->actionInterface()->actionNames().isEmpty());
        QCOMPARE(menu->child(0)->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        // The clock is no control.
        QVERIFY(menu->child(8)->actionInterface() == nullptr);
    }

    // Qt's own Toggle would check the button without the click the window
    // answers to, and the next refresh would put the old choice back.
    void choiceButtonsAreSelectedByTheirToggleAndStaySelected() {
        QFile testo(cartella.filePath(QStringLiteral("Esercizi/prova.txt")));
        QVERIFY(testo.open(QIODevice::WriteOnly));
        testo.write("una prova\r\n");
        testo.close();
        banco = std::make_unique<Banco>(cartella.path());
        auto* esperto = banco->finestra.findChild<QRadioButton*>(QStringLiteral("optLevel1"));
        auto* principiante = banco->finestra.findChild<QRadioButton*>(QStringLiteral("optLevel0"));
        QVERIFY(esperto != nullptr && principiante != nullptr);
        for (auto [pulsante, modo] : {std::pair{esperto, 1}, std::pair{principiante, 0}}) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(pulsante);
            QCOMPARE(i->role(), QAccessible::RadioButton);
            QVERIFY(!i->text(QAccessible::Name).isEmpty());
            i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            banco->finestra.esercizio().Timer2_Timer();
            QCOMPARE(banco->mod.ModeIndex, modo);
            QVERIFY(pulsante->isChecked());
            QVERIFY(i->state().checked);
        }
        auto* fileDiTesto = banco->finestra.findChild<QRadioButton*>(QStringLiteral("optMenu3"));
        QVERIFY(fileDiTesto != nullptr && fileDiTesto->isEnabled());
        QAccessible::queryAccessibleInterface(fileDiTesto)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(banco->finestra.scelta().categoria(), Categoria::FileDiTesto);
        banco->finestra.esercizio().Timer2_Timer();
        QVERIFY(fileDiTesto->isChecked());
    }

    // A field the learner types into is not announced "read only".
    void theInputLineIsEditable() {
        QAccessibleInterface* input = area("Testo scritto");
        QVERIFY(input != nullptr);
        QVERIFY(input->state().editable);
        QVERIFY(!input->state().readOnly);
    }

    // What the screen reader hears through the notification child: the
    // phrase with its first key when it starts, then a wrong key.
    void theNotificationSaysThePhraseThenAWrongKey() {
        ui::AnnunciatoreQt& annunci = banco->finestra.annunci();
        QAccessibleInterface* notifica = QAccessible::queryAccessibleInterface(
            banco->finestra.findChild<QWidget*>(QStringLiteral("annunci")));
        QVERIFY(notifica != nullptr);
        QCOMPARE(notifica->role(), QAccessible::Notification);
        // Only while assistive technology listens is anything queued.
        QVERIFY(annunci.ultimo().isEmpty());
        annunci.impostaAscolto([] { return true; });
        QTest::keyClick(banco->finestra.campoInput(), Qt::Key_F4);
        const Esercizio& e = banco->finestra.esercizio();
        QTRY_COMPARE(annunci.ultimo(),
                     testo(e.stato().frase + ". " + maiuscolo(e.carattereAtteso())));
        QCOMPARE(notifica->text(QAccessible::Name), annunci.ultimo());
        const char sbagliato = e.carattereAtteso() == "q" ? 'w' : 'q';
        digita(std::string(1, sbagliato));
        QTRY_VERIFY2(annunci.ultimo().startsWith(
                         QStringLiteral("errore: %1, atteso: ").arg(QChar(sbagliato).toUpper())),
                     qPrintable(annunci.ultimo()));
    }

    // A French session does not hear Italian names, and a window built
    // before a change of language follows it.
    void areasAreNamedInTheLanguageInUse() {
        QWidget finestra;
        auto* frase = new QWidget(&finestra);
        frase->setAccessibleName(ui::nomeAccessibileDi(ui::nomeAccessibile::kFrase));
        auto* proprio = new QWidget(&finestra);
        proprio->setAccessibleName(QStringLiteral("Anna"));
        for (const char* lingua : {"French", "English"}) {
            const FileLingua file(std::string(SCRIVOLTA_SOURCE_DATA) + "/Lang/" + lingua + ".lng");
            for (const auto id : ui::idNomiAccessibili())
                QVERIFY2(!file.TestoLingua(id).empty(), lingua);
            ui::impostaNomiAccessibili(file, &finestra);
            QCOMPARE(frase->accessibleName(),
                     testo(file.TestoLingua(ui::nomeAccessibile::kFrase.id)));
            QCOMPARE(proprio->accessibleName(), QStringLiteral("Anna"));
        }
        ui::impostaNomiAccessibili(FileLingua(), &finestra);
        QCOMPARE(frase->accessibleName(), QStringLiteral("Frase da scrivere"));
    }

    // Nothing is read as an anonymous "filler": the panel that holds the
    // exercise reads as a pane, by name.
    void everyPartIsNamed() {
        const QStringList senzaNome = prova::partiSenzaNome(&banco->finestra);
        QVERIFY2(senzaNome.isEmpty(), qPrintable(senzaNome.join(u',')));
        QAccessibleInterface* pannello = QAccessible::queryAccessibleInterface(
            banco->finestra.findChild<QWidget*>("picNotebook"));
        QCOMPARE(pannello->role(), QAccessible::Pane);
    }

    // AT-SPI passes on a new description, not a new value: the keyboard's
    // description names the wrong key, then the next one, and the key with
    // the error mark says so.
    void aWrongKeyIsDescribed() {
        const std::string atteso = banco->finestra.esercizio().carattereAtteso();
        const char sbagliato = atteso == "q" ? 'w' : 'q';
        digita(std::string(1, sbagliato));
        QAccessibleInterface* tastiera = area("Tastiera");
        QVERIFY(tastiera != nullptr);
        const auto voce = cercaCarattere(static_cast<unsigned char>(sbagliato));
        QVERIFY(voce.has_value());
        const int tasto = mappaTasti[static_cast<std::size_t>(*voce)].tasto;
        const QString descrizione = tastiera->text(QAccessible::Description);
        QVERIFY2(descrizione.startsWith(
                     QStringLiteral("Tasto sbagliato: %1. ").arg(ui::nomeAccessibileTasto(tasto))),
                 qPrintable(descrizione));
        QVERIFY(descrizione.endsWith(tastiera->text(QAccessible::Value)));
        QCOMPARE(tastiera->child(tasto)->text(QAccessible::Description),
                 QStringLiteral("Tasto sbagliato"));
        QCOMPARE(tastiera->child(tasto == 0 ? 1 : 0)->text(QAccessible::Description), QString());
    }

    void theKeyboardNamesItsKeysAndTheNextOne() {
        QAccessibleInterface* tastiera = area("Tastiera");
        QVERIFY(tastiera != nullptr);
        QCOMPARE(tastiera->childCount(), kNumeroTasti);
        QCOMPARE(tastiera->child(0)->text(QAccessible::Name), QStringLiteral("A"));
        QCOMPARE(tastiera->child(62)->text(QAccessible::Name), QStringLiteral("Entr\u00E9e"));
        const auto atteso =
            static_cast<unsigned char>(banco->finestra.esercizio().carattereAtteso().at(0));
        const auto voce = cercaCarattere(atteso);
        QVERIFY(voce.has_value());
        const int tasto = mappaTasti[static_cast<std::size_t>(*voce)].tasto;
        QAccessibleInterface* prossimo = tastiera->child(tasto);
        QVERIFY(prossimo->state().selected);
        QVERIFY(prossimo->state().pressed);
        QVERIFY(tastiera->text(QAccessible::Value).endsWith(ui::nomeAccessibileTasto(tasto)));
        int incorniciati = 0;
        for (int i = 0; i < kNumeroTasti; ++i)
            incorniciati += tastiera->child(i)->state().selected ? 1 : 0;
        QVERIFY(incorniciati >= 1 && incorniciati <= 3);
        // The key under the pointer is found by its place on screen.
        const QPoint centro = prossimo->rect().center();
        QCOMPARE(tastiera->childAt(centro.x(), centro.y()), prossimo);
    }
};

QTEST_MAIN(TestAccessibilita)
#include "test_accessibilita.moc"
