// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/installazione.h"
#include "history/storico.h"
#include "keyboard/mappatasti.h"
#include "settings/lingua.h"
#include "support/servizi_finti.h"
#include "ui/dialoghi/frmabout.h"
#include "ui/principale/frmtastiro.h"
#include "ui/progressi/disegnografico.h"
#include "ui/progressi/frmprogressi.h"
#include "ui/progressi/mappacalore.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <cmath>
#include <ctime>
#include <limits>

using namespace scrivolta;
using namespace scrivolta::storico;
using scrivolta::ui::frmProgressi;

namespace {

Ora mezzogiorno(int giorno) {
    std::tm tm{};
    tm.tm_year = 123;
    tm.tm_mon = 10;
    tm.tm_mday = giorno;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

Frase frase(const std::string& studente, int giorno, int modo, double velocita, int errori) {
    Frase f;
    f.studente = studente;
    f.ora = mezzogiorno(giorno);
    f.categoria = storico::Categoria::Corso;
    f.file = "LEZIONE1.ftd";
    f.livello = 1;
    f.modo = modo;
    f.caratteri = 50;
    f.errori = errori;
    f.secondi = 20;
    f.velocita = velocita;
    f.punteggio = static_cast<int>(velocita * 40);
    return f;
}

// Anna: course phrases on three days as a beginner, one in expert mode, a
// text file; keys with known error rates. Bruno: one phrase.
void semina(const std::string& file) {
    Storico s(file);
    Lotto l;
    for (int giorno = 1; giorno <= 3; ++giorno) {
        l.frasi.push_back(frase("Anna", giorno, 0, 1.0 + giorno * 0.5, 5 - giorno));
        l.frasi.push_back(frase("Anna", giorno, 0, 1.0 + giorno * 0.5, 5 - giorno));
    }
    l.frasi.push_back(frase("Anna", 3, 1, 3.0, 0));
    l.testi.push_back({.ora = mezzogiorno(2),
                       .studente = "Anna",
                       .file = "Lettre.txt",
                       .modo = 0,
                       .caratteri = 600,
                       .errori = 30,
                       .secondi = 240,
                       .parole = 100});
    const std::vector<std::tuple<unsigned char, int, int>> tasti = {
        {'a', 90, 10}, {'z', 5, 5},  {0xE9, 6, 4}, {'q', 70, 30},
        {'m', 8, 2},   {'p', 19, 1}, {'k', 20, 0}, {'x', 2, 2}};
    for (const auto& [c, giusti, sbagliati] : tasti)
        l.tasti.push_back({"Anna", c, giusti, sbagliati});
    l.sostituzioni.push_back({"Anna", 'z', 'e', 4});
    l.frasi.push_back(frase("Bruno", 1, 0, 2.0, 1));
    s.registra(l);
}

QLineSeries* serie(QChartView* vista, const QString& nome) {
    for (QAbstractSeries* s : vista->chart()->series()) {
        if (s->name() == nome)
            return qobject_cast<QLineSeries*>(s);
    }
    return nullptr;
}

// Each point of every line of the chart, where the chart draws it: inside
// the plot and painted in the line's colour.
void verificaPuntiDisegnati(QChartView* vista) {
    const QImage immagine = vista->grab().toImage();
    QChart* grafico = vista->chart();
    const QRectF piano = grafico->plotArea().adjusted(-1, -1, 1, 1);
    QVERIFY(!grafico->series().isEmpty());
    for (QAbstractSeries* s : grafico->series()) {
        auto* linea = qobject_cast<QLineSeries*>(s);
        QVERIFY(linea->pointsVisible());
        for (const QPointF& punto : linea->points()) {
            const QPointF dove = grafico->mapToPosition(punto, linea);
            QVERIFY2(piano.contains(dove), qPrintable(linea->name()));
            const QPoint pixel = vista->mapFromScene(grafico->mapToScene(dove));
            const QColor visto = immagine.pixelColor(pixel);
            const QColor atteso = linea->color();
            const int distanza = std::abs(visto.red() - atteso.red()) +
                                 std::abs(visto.green() - atteso.green()) +
                                 std::abs(visto.blue() - atteso.blue());
            QVERIFY2(distanza < 60, qPrintable(linea->name() + QLatin1Char(' ') + visto.name()));
        }
    }
}

int tasto(unsigned char c) {
    return mappaTasti[static_cast<std::size_t>(*cercaCarattere(c))].tasto;
}

} // namespace

class TestFrmProgressi : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_.reset(new QTemporaryDir);
        file_ = dir_->filePath(QStringLiteral("h.sqlite")).toStdString();
        semina(file_);
        esportato_.clear();
        avviato_.clear();
    }

    void theChartsHaALinePerCategoryAndModeAndAPointPerDay() {
        auto f = apri("Anna");
        auto* velocita = f->findChild<QChartView*>(QStringLiteral("velocita"));
        auto* errori = f->findChild<QChartView*>(QStringLiteral("errori"));
        QVERIFY(velocita && errori);
        QCOMPARE(velocita->chart()->series().size(), 3);
        auto* corso = serie(velocita, QStringLiteral("Corso dattilo - Principiante"));
        QVERIFY(corso);
        QCOMPARE(corso->count(), 3);
        QCOMPARE(corso->at(0).y(), 90.0);
        QCOMPARE(corso->at(2).y(), 150.0);
        QVERIFY(corso->at(0).x() < corso->at(1).x());
        QCOMPARE(serie(velocita, QStringLiteral("Corso dattilo - Esperto"))->count(), 1);
        auto* testo = serie(velocita, QStringLiteral("File di testo - Principiante"));
        QVERIFY(testo);
        QCOMPARE(testo->at(0).y(), 150.0);
        auto* erroriCorso = serie(errori, QStringLiteral("Corso dattilo - Principiante"));
        QCOMPARE(erroriCorso->at(0).y(), 8.0);
        QCOMPARE(erroriCorso->at(2).y(), 4.0);
        QCOMPARE(serie(errori, QStringLiteral("File di testo - Principiante"))->at(0).y(), 5.0);
    }

    // Bruno worked one day, Anna three: every day is a point the learner
    // sees, whatever the number of days.
    void everyDayIsAVisiblePointOnOneDayOrOnSeveral() {
        for (const char* allievo : {"Bruno", "Anna"}) {
            auto f = apri(allievo);
            f->resize(900, 700);
            f->show();
            QVERIFY(QTest::qWaitForWindowExposed(f.get()));
            for (const char* nome : {"velocita", "errori"})
                verificaPuntiDisegnati(f->findChild<QChartView*>(QString::fromLatin1(nome)));
            if (QTest::currentTestFailed())
                qWarning() << "learner" << allievo;
        }
    }

    // Whole numbers on the value axis, each once, from a step that divides
    // the axis; a damaged row's absurd error count stays at the chart's edge.
    void theValueAxisStepsInWholeNumbersAndKeepsItsLabelsShort() {
        const double inf = std::numeric_limits<double>::infinity();
        for (const double massimo :
             {0.0, 0.4, 1.0, 1.1, 4.5, 8.0, 98.9, 150.0, 9999.0, 1e15, -5.0, inf}) {
            const ui::ScalaValori s = ui::scalaValori(massimo);
            QVERIFY(s.passo >= 1);
            QCOMPARE(s.alto % s.passo, 0);
            QVERIFY2(s.alto / s.passo >= 1 && s.alto / s.passo <= 6,
                     qPrintable(QString::number(massimo)));
            QVERIFY(s.alto > std::clamp(massimo, 0.0, ui::kMassimoGrafico));
        }
        Storico storico(file_);
        Lotto l;
        l.frasi.push_back(frase("Carlo", 1, 0, 2.0, std::numeric_limits<int>::max()));
        // 1.25 errors per 100 keystrokes: the axis once read "0, 0, 1, 1, 2".
        l.frasi.push_back(frase("Dora", 1, 0, 2.0, 1));
        l.frasi.back().caratteri = 80;
        storico.registra(l);
        for (const std::string allievo : {"Anna", "Carlo", "Dora"}) {
            auto f = apri(allievo);
            auto* grafico = f->findChild<QChartView*>(QStringLiteral("errori"))->chart();
            auto* asse = qobject_cast<QValueAxis*>(grafico->axes(Qt::Vertical).front());
            const double passo = (asse->max() - asse->min()) / (asse->tickCount() - 1);
            QCOMPARE(passo, std::round(passo));
            QVERIFY(asse->max() <= 2 * ui::kMassimoGrafico);
            for (QAbstractSeries* s : grafico->series())
                for (const QPointF& p : qobject_cast<QLineSeries*>(s)->points())
                    QVERIFY(p.y() >= 0 && p.y() < asse->max());
        }
    }

    // The program loads the charts from their module, beside it in a build
    // tree (as these tests are) or in its installed module folder.
    void theChartsComeFromTheirModuleBesideTheProgramOrInstalled() {
        const QString cartella = QCoreApplication::applicationDirPath();
        const auto accanto = ui::caricaGrafici(cartella);
        QVERIFY(accanto.crea != nullptr && accanto.riempi != nullptr);
        auto f = apri("Anna", accanto);
        auto* velocita = f->findChild<QChartView*>(QStringLiteral("velocita"));
        QVERIFY(velocita);
        QCOMPARE(velocita->chart()->series().size(), 3);

        const QTemporaryDir radice;
        const QDir bin(radice.filePath(QStringLiteral("bin")));
        const QString moduli = bin.filePath(QString::fromLatin1(kModuliInstallati));
        QVERIFY(QDir().mkpath(moduli));
        QVERIFY(QFile::copy(cartella + QStringLiteral("/scrivolta-grafici.so"),
                            moduli + QStringLiteral("/scrivolta-grafici.so")));
        QVERIFY(ui::caricaGrafici(bin.path()).crea != nullptr);
    }

    void withoutTheChartsModuleTheRestOfTheWindowWorks() {
        const QTemporaryDir vuota;
        const auto nessuna = ui::caricaGrafici(vuota.path());
        QVERIFY(nessuna.crea == nullptr);
        auto f = apri("Anna", nessuna);
        QVERIFY(!f->findChild<QChartView*>(QStringLiteral("velocita")));
        QCOMPARE(f->findChild<QTableWidget*>(QStringLiteral("lezioni"))->rowCount(), 1);
        QCOMPARE(f->deboli().size(), std::size_t{5});
        auto* cbo = f->findChild<QComboBox*>(QStringLiteral("cboStudente"));
        cbo->setFocus();
        QTest::keyClick(cbo, Qt::Key_Down);
        QCOMPARE(cbo->currentText(), QStringLiteral("Bruno"));
    }

    void theFiveWeakestKeysAreNamedAndColouredWorstFirst() {
        auto f = apri("Anna");
        QCOMPARE(f->deboli().size(), std::size_t{5});
        std::string ordine;
        for (const auto& d : f->deboli())
            ordine += static_cast<char>(d.carattere);
        // z 50 %, é 40 %, q 30 %, m 20 %, a 10 %; x has too few keystrokes.
        QCOMPARE(ordine, std::string("z\xE9qma"));
        const QString testo = f->findChild<QLabel*>(QStringLiteral("lblDeboli"))->text();
        QVERIFY2(
            testo.startsWith(QStringLiteral("Tasti pi\u00F9 deboli: z  50 % (al suo posto: e)")),
            qPrintable(testo));
        QVERIFY(testo.indexOf(QStringLiteral("\u00E9  40 %")) <
                testo.indexOf(QStringLiteral("q  30 %")));
        const auto& mappa = f->findChild<ui::MappaCalore*>(QStringLiteral("mappa"))->tastiera();
        QCOMPARE(mappa.stato(tasto('z')).sfondo, ui::MappaCalore::coloreTasso(0.5));
        QCOMPARE(mappa.stato(tasto('k')).sfondo, ui::MappaCalore::coloreTasso(0.0));
        QCOMPARE(mappa.stato(tasto('b')).sfondo, kGrigioTasti);
        QVERIFY(ui::MappaCalore::coloreTasso(0.5) != ui::MappaCalore::coloreTasso(0.0));
    }

    void lessonsShowTheirBestAndAverage() {
        auto f = apri("Anna");
        auto* t = f->findChild<QTableWidget*>(QStringLiteral("lezioni"));
        QCOMPARE(t->rowCount(), 1);
        QCOMPARE(t->item(0, 1)->text(), QStringLiteral("LEZIONE1.ftd"));
        QCOMPARE(t->item(0, 2)->text(), QStringLiteral("7"));
        QCOMPARE(t->item(0, 3)->text(), QStringLiteral("120"));
    }

    // Anna's course average is 600 / 7; the category's name stays whole in
    // the narrow first column.
    void numbersAndCategoriesFollowTheLearnersLanguage() {
        struct Caso {
            const char* lingua;
            QString media;
        };
        for (const Caso& c :
             {Caso{"", QStringLiteral("85,7")}, Caso{"French", QStringLiteral("85,7")},
              Caso{"English", QStringLiteral("85.7")}}) {
            const TestiProgressi testi =
                *c.lingua ? TestiProgressi(FileLingua(SCRIVOLTA_SOURCE_DATA "/Lang/" +
                                                      std::string(c.lingua) + ".lng"))
                          : TestiProgressi();
            auto f = apri("Anna", ui::graficiQtCharts(), &testi);
            f->show();
            QVERIFY(QTest::qWaitForWindowExposed(f.get()));
            auto* t = f->findChild<QTableWidget*>(QStringLiteral("lezioni"));
            QCOMPARE(t->item(0, 4)->text(), c.media);
            QTableWidgetItem* categoria = t->item(0, 0);
            QVERIFY2(t->columnWidth(0) > t->fontMetrics().horizontalAdvance(categoria->text()),
                     qPrintable(categoria->text()));
        }
    }

    // The file damaged under the open window: the learner is told once, the
    // window shows nothing of it and nothing is exported.
    void aHistoryDamagedAfterOpeningIsToldOnceAndShowsNothing() {
        auto f = apri("Anna");
        QVERIFY(servizi_.messaggi.mostrati.empty());
        for (const QString& nome :
             {QString::fromStdString(file_), QString::fromStdString(file_ + "-wal"),
              QString::fromStdString(file_ + "-shm")}) {
            QFile rovinato(nome);
            if (!rovinato.exists())
                continue;
            const qint64 dimensione = rovinato.size();
            QVERIFY(rovinato.open(QIODevice::ReadWrite));
            QVERIFY(rovinato.write(QByteArray(dimensione, 'x')) == dimensione);
        }
        auto* cbo = f->findChild<QComboBox*>(QStringLiteral("cboStudente"));
        cbo->setFocus();
        QTest::keyClick(cbo, Qt::Key_Down);
        QCOMPARE(servizi_.messaggi.mostrati.size(), std::size_t{1});
        QVERIFY(servizi_.messaggi.mostrati[0].testo.starts_with(
            testi_[TestoProgressi::LetturaFallita]));
        QVERIFY(f->findChild<QChartView*>(QStringLiteral("velocita"))->chart()->series().isEmpty());
        QCOMPARE(f->findChild<QTableWidget*>(QStringLiteral("lezioni"))->rowCount(), 0);
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdEsporta")), Qt::LeftButton);
        QVERIFY(!QFile::exists(esportato_));
        QCOMPARE(servizi_.messaggi.mostrati.size(), std::size_t{1});
    }

    void anotherLearnerCanBeChosenAndAnUnknownOneIsEmpty() {
        auto f = apri("");
        auto* cbo = f->findChild<QComboBox*>(QStringLiteral("cboStudente"));
        QCOMPARE(cbo->currentText(), QStringLiteral("anonymous"));
        QCOMPARE(cbo->count(), 3);
        auto* velocita = f->findChild<QChartView*>(QStringLiteral("velocita"));
        QVERIFY(velocita->chart()->series().isEmpty());
        // No dates of 1970 for a learner without history.
        QVERIFY(!velocita->chart()->axes(Qt::Horizontal).front()->labelsVisible());
        QVERIFY(!f->findChild<QPushButton*>(QStringLiteral("cmdEsercitati"))->isEnabled());
        cbo->setFocus();
        QTest::keyClick(cbo, Qt::Key_Down);
        QCOMPARE(cbo->currentText(), QStringLiteral("Anna"));
        QCOMPARE(velocita->chart()->series().size(), 3);
        QVERIFY(velocita->chart()->axes(Qt::Horizontal).front()->labelsVisible());
        QTest::keyClick(cbo, Qt::Key_Down);
        QCOMPARE(cbo->currentText(), QStringLiteral("Bruno"));
        QCOMPARE(velocita->chart()->series().size(), 1);
    }

    void theExportWritesTheChosenLearnersHistory() {
        auto f = apri("Anna");
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdEsporta")), Qt::LeftButton);
        QFile csv(esportato_);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = csv.readAll().split('\n');
        QCOMPARE(righe.size(), 1 + 8 + 1);
        QVERIFY(righe[0].startsWith("\xEF\xBB\xBF"
                                    "Allievo;Data"));
        QVERIFY(
            righe[1].startsWith("Anna;2023-11-01;12:00:00;Frase;Corso dattilo;LEZIONE1.ftd;1;"));
    }

    void weakKeyPracticeWritesTheFileAndStartsIt() {
        auto f = apri("Anna");
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdEsercitati")),
                          Qt::LeftButton);
        const std::string atteso =
            dir_->filePath(QStringLiteral("utente/TastiDeboli.ftd")).toStdString();
        QCOMPARE(avviato_, atteso);
        QCOMPARE(f->result(), int(QDialog::Accepted));
        QFile ftd(QString::fromStdString(atteso));
        QVERIFY(ftd.open(QIODevice::ReadOnly));
        const QByteArray c = ftd.readAll();
        QVERIFY(c.contains("[1Livello]\r\n1=z"));
        QVERIFY(c.contains("[3Livello]\r\n"));
    }

    // The name box accepts "/" and the quote: the proposed name must stay one
    // plain file name, and the practice file must not write through a link
    // planted in its place.
    void generatedFilesStayWhereTheyBelong() {
        Lotto lotto;
        lotto.frasi.push_back(frase("../../x/E\"SC", 1, 0, 2.0, 1));
        Storico(file_).registra(lotto);
        apri("../../x/E\"SC")->findChild<QPushButton*>(QStringLiteral("cmdEsporta"))->click();
        QCOMPARE(proposto_, QStringLiteral(".._.._x_E_SC.csv"));

        QVERIFY(QDir().mkpath(dir_->filePath(QStringLiteral("utente"))));
        const QString altrove = dir_->filePath(QStringLiteral("altrove.txt"));
        QFile bersaglio(altrove);
        QVERIFY(bersaglio.open(QIODevice::WriteOnly) && bersaglio.write("mio") == 3);
        bersaglio.close();
        const QString ftd = dir_->filePath(QStringLiteral("utente/TastiDeboli.ftd"));
        QVERIFY(QFile::link(altrove, ftd));
        apri("Anna")->findChild<QPushButton*>(QStringLiteral("cmdEsercitati"))->click();
        QVERIFY(bersaglio.open(QIODevice::ReadOnly));
        QCOMPARE(bersaglio.readAll(), QByteArray("mio"));
        QVERIFY(!QFileInfo(ftd).isSymLink());
        QCOMPARE(avviato_, ftd.toStdString());
    }

    void escapeClosesTheWindow() {
        auto f = apri("Anna");
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        for (const char* nome : {"cmdEsporta", "cmdEsercitati", "cmdChiudi", "cboStudente"})
            QVERIFY(!f->findChild<QWidget*>(QString::fromLatin1(nome))->accessibleName().isEmpty());
    }

    // The main window opens the progress window with F9 between exercises,
    // never while it starts nor during a phrase, and practises on the file
    // it asks for.
    void f9OpensTheWindowAtTheGreetingAndStartsTheChosenFile() {
        ModTastiro mod;
        const Percorsi percorsi = Percorsi::portatile(dir_->path().toStdString() + "/");
        int aperture = 0;
        ui::CollegamentiFinestra collegamenti;
        collegamenti.progressi = [&](QWidget*) {
            ++aperture;
            return dir_->filePath(QStringLiteral("TastiDeboli.ftd")).toStdString();
        };
        ui::FrmTastiro finestra(mod, servizi_.servizi, percorsi, collegamenti);
        finestra.show();
        // While the title spells itself out.
        servizi_.orologio.durante = [&finestra] { QTest::keyClick(&finestra, Qt::Key_F9); };
        finestra.avvia();
        QCOMPARE(aperture, 0);
        QTest::keyClick(finestra.campoInput(), Qt::Key_F9);
        QCOMPARE(aperture, 1);
        QCOMPARE(mod.ExerciseFile, dir_->filePath(QStringLiteral("TastiDeboli.ftd")).toStdString());
        QVERIFY(finestra.esercizio().stato().titolo.find("TastiDeboli.ftd") != std::string::npos);
        QVERIFY(!finestra.esercizio().testoCorrente().empty());
        QTest::keyClick(finestra.campoInput(), Qt::Key_F9);
        QCOMPARE(aperture, 1);
        QCOMPARE(finestra.esercizio().posizione(), 1);
    }

    // The information window leads here too, when the program gives it the
    // way.
    void theInformationWindowHasAProgressButton() {
        ModTastiro mod;
        const Percorsi percorsi = Percorsi::portatile(dir_->path().toStdString() + "/");
        ui::CollegamentiInformazioni senza;
        ui::frmAbout senzaPulsante(mod, percorsi, servizi_.suoni, senza);
        QVERIFY(senzaPulsante.findChild<QPushButton*>(QStringLiteral("cmdProgressi"))->isHidden());
        ui::CollegamentiInformazioni con;
        con.progressi = [] {};
        ui::frmAbout finestra(mod, percorsi, servizi_.suoni, con);
        auto* pulsante = finestra.findChild<QPushButton*>(QStringLiteral("cmdProgressi"));
        QVERIFY(!pulsante->isHidden());
        QCOMPARE(pulsante->text(), QStringLiteral("Progressi"));
        QCOMPARE(pulsante->accessibleName(), QStringLiteral("Progressi"));
        QTest::mouseClick(pulsante, Qt::LeftButton);
        QVERIFY(finestra.uscita() == ui::frmAbout::Uscita::Progressi);
    }

private:
    std::unique_ptr<frmProgressi> apri(const std::string& studente,
                                       ui::FunzioniGrafico grafici = ui::graficiQtCharts(),
                                       const TestiProgressi* testi = nullptr) {
        ui::AzioniProgressi azioni{[this](QWidget*, const QString& proposto) {
                                       proposto_ = proposto;
                                       esportato_ = dir_->filePath(proposto);
                                       return esportato_;
                                   },
                                   [this](const std::string& percorso) { avviato_ = percorso; },
                                   grafici};
        ui::ImpostazioniProgressi imp{
            file_, dir_->filePath(QStringLiteral("utente/")).toStdString(), studente};
        return std::make_unique<frmProgressi>(imp, testi != nullptr ? *testi : testi_,
                                              servizi_.messaggi, azioni);
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::string file_;
    TestiProgressi testi_;
    prova::ServiziFinti servizi_;
    QString esportato_;
    QString proposto_;
    std::string avviato_;
};

QTEST_MAIN(TestFrmProgressi)
#include "test_frmprogressi.moc"
