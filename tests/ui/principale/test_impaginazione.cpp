// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/servizi_finti.h"
#include "ui/principale/display.h"
#include "ui/principale/frmtastiro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>

using namespace scrivolta;

// The greeting at every screen size the program meets, in each language:
// its lines and its controls each in a place of their own, whole, inside
// the window.
class TestImpaginazione : public QObject {
    Q_OBJECT

private:
    struct Caso {
        QSize schermo;
        const char* lingua;
    };

    QTemporaryDir cartella;

    void preparaCartella(const char* lingua) {
        const QDir d(cartella.path());
        for (const char* sotto : {"Lang", "Esercizi", "CorsoDattilo"})
            d.mkpath(QString::fromLatin1(sotto));
        for (const char* file : {"French.lng", "English.lng"})
            QFile::copy(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/Lang/") + QString::fromLatin1(file),
                        d.filePath(QStringLiteral("Lang/") + QString::fromLatin1(file)));
        // Files in every category, so that the whole panel shows.
        for (const char* nome : {"Esercizi/Primo.ftd", "CorsoDattilo/Lezione.ftd"})
            std::ofstream(d.filePath(QString::fromLatin1(nome)).toStdString(), std::ios::binary)
                << "[1Livello]\r\n1=a\r\n";
        std::ofstream(d.filePath(QStringLiteral("Esercizi/Testo.txt")).toStdString()) << "a b";
        std::ofstream(d.filePath(QStringLiteral("Scrivolta.ini")).toStdString(), std::ios::binary)
            << "[Language]\r\nCurrentLanguage=" << lingua << "\r\n";
    }

    // What the learner sees of the greeting: the visible buttons, labels and
    // lists, in the window's coordinates.
    static std::vector<std::pair<QWidget*, QRect>> controlliVisibili(QWidget& finestra) {
        std::vector<std::pair<QWidget*, QRect>> controlli;
        for (QWidget* w : finestra.findChildren<QWidget*>()) {
            const bool controllo = qobject_cast<QAbstractButton*>(w) != nullptr ||
                                   qobject_cast<QComboBox*>(w) != nullptr ||
                                   qobject_cast<QLabel*>(w) != nullptr;
            if (controllo && w->isVisibleTo(&finestra) && w->window() == &finestra)
                controlli.emplace_back(w, QRect(w->mapTo(&finestra, QPoint()), w->size()));
        }
        return controlli;
    }

private slots:
    void greetingLinesAndControlsLieApartInsideTheWindow_data() {
        QTest::addColumn<QSize>("schermo");
        QTest::addColumn<QString>("lingua");
        for (const QSize s :
             {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            for (const char* lingua : {"Italian [Default]", "French", "English"}) {
                QTest::addRow("%dx%d %s", s.width(), s.height(), lingua)
                    << s << QString::fromLatin1(lingua);
            }
        }
    }
    void greetingLinesAndControlsLieApartInsideTheWindow() {
        QFETCH(QSize, schermo);
        QFETCH(QString, lingua);
        preparaCartella(lingua.toLatin1().constData());
        const Percorsi percorsi = Percorsi::portatile(cartella.path().toStdString() + "/");
        ModTastiro mod;
        prova::ServiziFinti s;
        mod.ResizeOn = schermo.width() > 1000 && schermo.height() > 750;
        // The longest name the name window takes.
        mod.UserName = "MARIE-CHRISTINE VAN DEN BROECK";
        ui::FrmTastiro finestra(mod, s.servizi, percorsi, {});
        finestra.resize(schermo);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        finestra.avvia();
        QCOMPARE(mod.linguaCaricata, lingua != QStringLiteral("Italian [Default]"));

        auto* display = finestra.findChild<ui::DisplayEsercizio*>(QStringLiteral("picDisplay"));
        const QRect finestraIntera = finestra.rect();
        std::vector<QRect> righe;
        for (const QRect& r : display->righeSaluto())
            righe.push_back(r.translated(display->mapTo(&finestra, QPoint())));
        // The name, the mode and Enter, the list: each whole on its line.
        QCOMPARE(righe.size(), std::size_t{3});
        for (std::size_t i = 0; i < righe.size(); ++i) {
            // A broken line would be twice as high as the name's.
            QCOMPARE(righe[i].height(), righe[0].height());
            QVERIFY(finestraIntera.contains(righe[i]));
            QVERIFY(QRect(display->mapTo(&finestra, QPoint()), display->size()).contains(righe[i]));
            if (i > 0)
                QVERIFY(!righe[i].intersects(righe[i - 1]));
        }

        const auto controlli = controlliVisibili(finestra);
        QVERIFY(controlli.size() >= 9);
        for (std::size_t i = 0; i < controlli.size(); ++i) {
            const auto& [w, posto] = controlli[i];
            const QString nome = w->objectName() + QLatin1Char(' ') + w->accessibleName();
            QVERIFY2(finestraIntera.contains(posto), qPrintable(nome));
            // A caption cut or squeezed by its neighbours reads wrong; one
            // under 9 pt hardly reads at all.
            if (auto* pulsante = qobject_cast<QAbstractButton*>(w)) {
                QVERIFY2(pulsante->sizeHint().width() <= posto.width(), qPrintable(nome));
                QVERIFY2(QFontInfo(pulsante->font()).pixelSize() >= 12, qPrintable(nome));
            }
            for (const QRect& riga : righe)
                QVERIFY2(!riga.intersects(posto), qPrintable(nome));
            for (std::size_t j = i + 1; j < controlli.size(); ++j) {
                const bool dentro =
                    controlli[j].first->isAncestorOf(w) || w->isAncestorOf(controlli[j].first);
                QVERIFY2(
                    dentro || !posto.intersects(controlli[j].second),
                    qPrintable(nome + QStringLiteral(" / ") + controlli[j].first->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestImpaginazione)
#include "test_impaginazione.moc"
