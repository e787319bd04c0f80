// SPDX-License-Identifier: GPL-3.0-or-later
// Whole exercises in the main window, typed with real key events: the
// cycle of fifteen phrases with its results, the course and its bookmark,
// exercise files in order or drawn, a text file to its report, the game.
#include "app/cp1252.h"
#include "content/frasi.h"
#include "support/banco_tastiro.h"
#include "support/servizi_finti.h"
#include "ui/principale/frmtastiro.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <set>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

// What the results window would have read when it opened.
struct Risultati {
    TipoRisultati ResultsKind;
    int CurrentLevel;
    std::array<float, 16> PhraseSpeed;
    int TotalCorrect;
    int TotalErrors;
    std::string ExerciseFile;
};

struct Rapporto {
    std::chrono::seconds TextElapsed;
    int TotalCorrect;
    int TotalErrors;
    std::int32_t WordCount;
};

std::string frase(int livello, int numero) {
    return "livello " + std::to_string(livello) + " frase " + std::to_string(numero);
}

// An exercise file whose phrases say where they come from.
void scriviEsercizio(const std::string& percorso, int frasiPerLivello) {
    std::ofstream file(percorso, std::ios::binary);
    for (int l = 1; l <= 3; ++l) {
        file << "[" << l << "Livello]\r\n";
        for (int k = 1; k <= frasiPerLivello; ++k)
            file << k << "=" << frase(l, k) << "\r\n";
    }
}

} // namespace

class TestCiclo : public QObject {
    Q_OBJECT

private:
    struct Banco {
        Banco(const QString& cartella, ui::CollegamentiFinestra collegamenti, std::string riga,
              bool grande)
            : percorsi(Percorsi::portatile(cartella.toStdString() + "/")),
              finestra((mod.ResizeOn = grande, mod), s.servizi, percorsi, std::move(collegamenti),
                       std::move(riga)) {
            finestra.resize(grande ? QSize(1280, 1024) : QSize(1024, 768));
            finestra.show();
        }
        ModTastiro mod;
        prova::ServiziFinti s;
        Percorsi percorsi;
        ui::FrmTastiro finestra;
    };

    void avvia(std::string riga = {}) {
        ui::CollegamentiFinestra c;
        c.risultati = [this](QWidget*) {
            const ModTastiro& m = banco->mod;
            risultati.push_back({m.ResultsKind, m.CurrentLevel, m.PhraseSpeed, m.TotalCorrect,
                                 m.TotalErrors, m.ExerciseFile});
            banco->mod.ResultsAnswer = rispostaRisultati;
        };
        c.rapporto = [this](QWidget*) {
            const ModTastiro& m = banco->mod;
            rapporti.push_back({m.TextElapsed, m.TotalCorrect, m.TotalErrors, m.WordCount});
        };
        banco = std::make_unique<Banco>(cartella.path(), std::move(c), std::move(riga), grande);
        banco->mod.UserName = nome;
        banco->finestra.avvia();
        // The start-up's waits (the title, the overlay's slide) leave the
        // clock between two seconds; the exercise clock counts whole ones.
        banco->s.orologio.t = std::chrono::ceil<std::chrono::seconds>(banco->s.orologio.t);
    }

    QWidget* input() const { return banco->finestra.campoInput(); }
    Esercizio& esercizio() const { return banco->finestra.esercizio(); }
    QWidget* pannello() const {
        return banco->finestra.findChild<QWidget*>(QStringLiteral("picMenu"));
    }
    QComboBox* lista() const {
        return banco->finestra.findChild<QComboBox*>(QStringLiteral("cboListFile"));
    }
    QRadioButton* optMenu(Categoria c) const {
        return banco->finestra.findChild<QRadioButton*>(
            QStringLiteral("optMenu%1").arg(static_cast<int>(c)));
    }
    std::string file(const char* nome) const { return cartella.filePath(nome).toStdString(); }

    void digita(const std::string& cp1252) { prova::digita(input(), banco->s.orologio, cp1252); }
    void invio() { QTest::keyClick(input(), Qt::Key_Return); }
    // Starts the next phrase and types it whole.
    std::string fraseIntera() {
        invio();
        const std::string t = esercizio().testoCorrente();
        digita(t);
        return t;
    }
    void scegliCategoria(Categoria c) { optMenu(c)->click(); }

    QTemporaryDir cartella;
    std::unique_ptr<Banco> banco;
    std::string nome;
    bool grande = false; // a screen above 1000 x 750: the window scales up
    int rispostaRisultati = 0;
    std::vector<Risultati> risultati;
    std::vector<Rapporto> rapporti;

private slots:
    void init() {
        QDir(cartella.path()).mkpath(QStringLiteral("Esercizi"));
        QDir(cartella.path()).mkpath(QStringLiteral("CorsoDattilo"));
        nome.clear();
        grande = false;
        rispostaRisultati = 0;
        risultati.clear();
        rapporti.clear();
    }
    void cleanup() {
        banco.reset();
        QDir(cartella.path()).removeRecursively();
        QDir().mkpath(cartella.path());
    }

    void aWholeCycleOfBuiltInPhrasesHandsEachLevelToTheResults() {
        avvia();
        QVERIFY2(!pannello()->isVisible(), "no files, no categories");
        for (int n = 1; n <= 15; ++n) {
            banco->s.caso.scegliFrase(n);
            const std::string t = fraseIntera();
            const int livello = (n - 1) / 5 + 1;
            QCOMPARE(banco->mod.CurrentLevel, livello);
            QCOMPARE(t, std::string(FraseInterna(15 * (livello - 1) + n)));
            QVERIFY(banco->mod.PhraseSpeed[static_cast<std::size_t>(n)] > 0.0F);
            if (n == 6 || n == 11) {
                QCOMPARE(esercizio().stato().numeroFrase, std::string("1"));
            }
        }
        QCOMPARE(risultati.size(), std::size_t{2});
        QCOMPARE(risultati[0].ResultsKind, TipoRisultati::Livello);
        QCOMPARE(risultati[0].CurrentLevel, 1);
        QCOMPARE(risultati[1].CurrentLevel, 2);
        QVERIFY(risultati[0].PhraseSpeed[6] == 0.0F && risultati[0].PhraseSpeed[5] > 0.0F);
        int tasti = 0;
        for (int n = 1; n <= 10; ++n)
            tasti += static_cast<int>(std::string(FraseInterna(n > 5 ? n + 15 : n)).size());
        QCOMPARE(risultati[1].TotalCorrect, tasti);
        QCOMPARE(risultati[1].TotalErrors, 0);

        banco->s.caso.scegliFrase(3);
        invio();
        QCOMPARE(risultati.size(), std::size_t{3});
        QCOMPARE(risultati[2].ResultsKind, TipoRisultati::Ciclo);
        QCOMPARE(risultati[2].CurrentLevel, 3);
        QVERIFY(risultati[2].PhraseSpeed[15] > 0.0F);
        // "Continua": the built-in phrases start again at once, phrase 1 of
        // a new cycle with nothing left of the old one.
        QCOMPARE(esercizio().numeroFrase(), 1);
        QCOMPARE(esercizio().testoCorrente(), std::string(FraseInterna(3)));
        QCOMPARE(banco->mod.PhraseSpeed, (std::array<float, 16>{}));
        QCOMPARE(banco->mod.TotalCorrect, 0);
        QCOMPARE(esercizio().stato().medie, (std::array<std::string, 3>{}));
    }

    void anyOtherAnswerEndsTheProgram() {
        avvia();
        rispostaRisultati = 1;
        for (int n = 1; n <= 5; ++n) {
            banco->s.caso.scegliFrase(n);
            fraseIntera();
        }
        invio();
        QVERIFY(banco->finestra.chiuso());
    }

    void anExerciseWithFivePhrasesALevelIsTypedInOrder() {
        scriviEsercizio(file("Esercizi/Cinque.ftd"), 5);
        avvia();
        QVERIFY(pannello()->isVisible());
        scegliCategoria(Categoria::Esercizi);
        QCOMPARE(lista()->currentText(), QStringLiteral("Cinque.ftd"));
        for (int n = 1; n <= 15; ++n)
            QCOMPARE(fraseIntera(), frase((n - 1) / 5 + 1, (n - 1) % 5 + 1));
        QVERIFY(banco->finestra.windowTitle().contains(QStringLiteral(" - Cinque.ftd")));
        invio();
        QCOMPARE(risultati.back().ExerciseFile, file("Esercizi/Cinque.ftd"));
        // Back to the list, where the learner chooses what comes next.
        QCOMPARE(esercizio().stato().modo, ModoDisplay::Saluto);
        QVERIFY(pannello()->isVisible());
        QVERIFY(esercizio().avvioAbilitato());
    }

    void anExerciseWithFifteenPhrasesALevelIsDrawnWithoutRepeats() {
        scriviEsercizio(file("Esercizi/Quindici.ftd"), 15);
        avvia();
        scegliCategoria(Categoria::Esercizi);
        std::set<std::string> viste;
        for (int n = 1; n <= 15; ++n) {
            const std::string t = fraseIntera();
            QVERIFY(t.rfind("livello " + std::to_string((n - 1) / 5 + 1) + " ", 0) == 0);
            viste.insert(t);
        }
        QCOMPARE(viste.size(), std::size_t{15});
    }

    void aFinishedLessonAsksForTheBookmarkAndTheNextLessonFollows() {
        for (const char* l : {"CorsoDattilo/LECON01.ftd", "CorsoDattilo/LECON02.ftd"})
            scriviEsercizio(file(l), 5);
        nome = "Anna";
        avvia();
        scegliCategoria(Categoria::Corso);
        QCOMPARE(lista()->currentText(), QStringLiteral("LECON01"));
        for (int n = 1; n <= 15; ++n)
            fraseIntera();
        banco->s.messaggi.risposte = {Risposta::Si};
        invio();
        QCOMPARE(banco->s.messaggi.mostrati.size(), std::size_t{1});
        QVERIFY(banco->s.messaggi.mostrati[0].testo.rfind("Vuoi salvare", 0) == 0);
        QCOMPARE(lista()->currentText(), QStringLiteral("LECON02"));
        QVERIFY(esercizio().avvioAbilitato());
        QCOMPARE(fraseIntera(), frase(1, 1));
        QVERIFY(banco->mod.ExerciseFile.ends_with("LECON02.ftd"));

        // The next start remembers where Anna stopped.
        avvia();
        scegliCategoria(Categoria::Corso);
        QCOMPARE(lista()->currentText(), QStringLiteral("LECON02"));
        for (int n = 1; n <= 15; ++n)
            fraseIntera();
        invio();
        // The course is complete: the bookmark goes without a question.
        QCOMPARE(banco->s.messaggi.mostrati.size(), std::size_t{0});
        QCOMPARE(lista()->currentText(), QStringLiteral("LECON01"));
        avvia();
        scegliCategoria(Categoria::Corso);
        QCOMPARE(lista()->currentText(), QStringLiteral("LECON01"));
    }

    // The shipped course as a French-speaking learner meets it on a large
    // screen, with a bookmark left by the course's former lesson names.
    void theShippedCourseShowsItsLessonNamesAndKeepsTheBookmark() {
        QDir(cartella.path()).mkpath(QStringLiteral("Lang"));
        QFile::copy(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/Lang/French.lng"),
                    cartella.filePath(QStringLiteral("Lang/French.lng")));
        std::ofstream(file("Scrivolta.ini"), std::ios::binary)
            << "[Language]\r\nCurrentLanguage=French\r\n";
        const QDir corso(QStringLiteral(SCRIVOLTA_SOURCE_DATA "/CorsoDattilo"));
        const QStringList lezioni =
            corso.entryList({QStringLiteral("*.ftd")}, QDir::Files, QDir::Name);
        for (const QString& l : lezioni)
            QFile::copy(corso.filePath(l), cartella.filePath(QStringLiteral("CorsoDattilo/") + l));
        std::ofstream(file("CorsoDattilo/Scrivolta.bmk"), std::ios::binary)
            << "[Anna]\r\nBookmark=LECON05\r\n";
        nome = "Anna";
        grande = true;
        avvia();
        QVERIFY(banco->mod.linguaCaricata);
        scegliCategoria(Categoria::Corso);
        QCOMPARE(lista()->count(), static_cast<int>(lezioni.size()));
        const QFontMetrics metriche(lista()->font());
        QStyleOptionComboBox opzioni;
        opzioni.initFrom(lista());
        const int campo = lista()
                              ->style()
                              ->subControlRect(QStyle::CC_ComboBox, &opzioni,
                                               QStyle::SC_ComboBoxEditField, lista())
                              .width();
        for (int i = 0; i < lista()->count(); ++i) {
            QCOMPARE(lista()->itemText(i), QFileInfo(lezioni[i]).completeBaseName());
            QVERIFY2(metriche.horizontalAdvance(lista()->itemText(i)) <= campo,
                     qPrintable(lista()->itemText(i)));
        }
        // A bookmark on a name the course no longer has starts from the top.
        QCOMPARE(lista()->currentText(), QStringLiteral("01 RANGEE DE BASE QSDF JKLM"));
        for (int n = 1; n <= 15; ++n)
            fraseIntera();
        banco->s.messaggi.risposte = {Risposta::Si};
        invio();
        QCOMPARE(banco->s.messaggi.mostrati.size(), std::size_t{1});
        QCOMPARE(lista()->currentText(), QStringLiteral("02 LETTRES G ET H"));

        avvia();
        scegliCategoria(Categoria::Corso);
        QCOMPARE(lista()->currentText(), QStringLiteral("02 LETTRES G ET H"));
    }

    void endingTheProgramAfterALessonStillAsksForTheBookmark() {
        for (const char* l : {"CorsoDattilo/LECON01.ftd", "CorsoDattilo/LECON02.ftd"})
            scriviEsercizio(file(l), 5);
        nome = "Anna";
        avvia();
        scegliCategoria(Categoria::Corso);
        for (int n = 1; n <= 15; ++n)
            fraseIntera();
        rispostaRisultati = 1;
        banco->s.messaggi.risposte = {Risposta::Si};
        invio();
        QCOMPARE(banco->s.messaggi.mostrati.size(), std::size_t{1});
        QVERIFY(banco->finestra.chiuso());
        rispostaRisultati = 0;
        avvia();
        scegliCategoria(Categoria::Corso);
        QCOMPARE(lista()->currentText(), QStringLiteral("LECON02"));
    }

    void aTextFileIsTypedToItsEndAndReported() {
        // A tab is a blank the learner types like any other.
        std::ofstream(file("Esercizi/Breve.txt"), std::ios::binary) << "Le\tchat\r\ndort.\r\n";
        avvia();
        scegliCategoria(Categoria::FileDiTesto);
        QCOMPARE(lista()->currentText(), QStringLiteral("Breve.txt    (1 min)"));
        invio();
        QCOMPARE(esercizio().testoCorrente(), std::string("Le chat dort."));
        banco->s.messaggi.risposte = {Risposta::No};
        digita("Le chxt dort.");
        QCOMPARE(esercizio().stato().input.substr(0, 7), std::string("Le chxt"));
        QCOMPARE(rapporti.size(), std::size_t{1});
        QCOMPARE(rapporti[0].TotalCorrect, 13);
        QCOMPARE(rapporti[0].TotalErrors, 1);
        QCOMPARE(rapporti[0].WordCount, 2);
        QCOMPARE(rapporti[0].TextElapsed, std::chrono::seconds(3));
        QVERIFY2(banco->finestra.chiuso(), "No to starting again ends the program");
    }

    void theGameIsNotAvailableYetAndTheGreetingComesBack() {
        avvia();
        std::ofstream(file("Esercizi/a.ftd")) << "[1Livello]\r\n1=a\r\n";
        avvia();
        scegliCategoria(Categoria::Gioco);
        QCOMPARE(banco->s.messaggi.mostrati.size(), std::size_t{1});
        QVERIFY(banco->s.messaggi.mostrati[0].testo.find("gioco") != std::string::npos);
        QCOMPARE(banco->finestra.scelta().categoria(), Categoria::FrasiInterne);
        QVERIFY(optMenu(Categoria::FrasiInterne)->isChecked());
        QCOMPARE(esercizio().stato().modo, ModoDisplay::Saluto);
        QVERIFY(esercizio().avvioAbilitato());
    }
};

QTEST_MAIN(TestCiclo)
#include "test_ciclo.moc"
