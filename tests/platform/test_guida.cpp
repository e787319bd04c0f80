// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide: the program opens it at the right page in the learner's
// language, and the pages it ships are well-formed HTML whose links all
// lead somewhere.

#include "app/argomentiguida.h"
#include "platform/guida.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <vector>

using namespace scrivolta;
using namespace scrivolta::platform;

namespace {

const QString kDati = QStringLiteral(SCRIVOLTA_SOURCE_DATA);
const QStringList kLingue = {QStringLiteral("fr"), QStringLiteral("en")};

class MessaggiRegistrati final : public MessageBoxes {
public:
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override {
        testi.push_back(testo);
        titoli.push_back(titolo);
        icone.push_back(icona);
        pulsantiUsati.push_back(pulsanti);
        return Risposta::Ok;
    }
    std::vector<std::string> testi, titoli;
    std::vector<Icona> icone;
    std::vector<Pulsanti> pulsantiUsati;
};

// The HTML elements the guide may use; anything else is a typo or a tag
// that belongs to another kind of document.
const QSet<QString> kElementi = {"html", "head", "meta",   "title",     "link", "body",   "header",
                                 "main", "nav",  "footer", "h1",        "h2",   "h3",     "p",
                                 "ul",   "ol",   "li",     "a",         "em",   "strong", "code",
                                 "pre",  "kbd",  "table",  "tr",        "th",   "td",     "img",
                                 "br",   "span", "figure", "figcaption"};
const QSet<QString> kVuoti = {"meta", "link", "img", "br"};
const QSet<QString> kTestoInline = {"a", "em", "strong", "code", "kbd", "span"};

struct Collegamento {
    QString destinazione;
    qint64 riga;
};

// One page as the checks need it: what went wrong while reading it, the
// ids it defines and the links it holds.
struct Pagina {
    QString percorso;
    QStringList errori;
    QSet<QString> id;
    std::vector<Collegamento> collegamenti;
    QString lingua;
    QString titolo;
    bool doctype = false;
    bool charset = false;
    int h1 = 0;
};

void leggiElemento(QXmlStreamReader& xml, Pagina& p, const QStringList& aperti) {
    const QString nome = xml.name().toString();
    const auto attributi = xml.attributes();
    const auto errore = [&](const QString& testo) {
        p.errori << QStringLiteral("%1:%2: %3").arg(p.percorso).arg(xml.lineNumber()).arg(testo);
    };
    if (!kElementi.contains(nome))
        errore(QStringLiteral("element <%1> is not used in the guide").arg(nome));
    if (!aperti.isEmpty() && kTestoInline.contains(aperti.last()) && !kTestoInline.contains(nome) &&
        nome != "br" && nome != "img")
        errore(QStringLiteral("block <%1> inside <%2>").arg(nome, aperti.last()));
    if (nome == "html")
        p.lingua = attributi.value("lang").toString();
    if (nome == "meta" && attributi.value("charset").toString().toLower() == "utf-8")
        p.charset = true;
    if (nome == "h1")
        ++p.h1;
    if (nome == "img" && !attributi.hasAttribute("alt"))
        errore(QStringLiteral("picture without alt text"));
    if (attributi.hasAttribute("id")) {
        const QString id = attributi.value("id").toString();
        if (p.id.contains(id))
            errore(QStringLiteral("id \"%1\" twice").arg(id));
        p.id.insert(id);
    }
    for (const char* attributo : {"href", "src"}) {
        if (attributi.hasAttribute(attributo))
            p.collegamenti.push_back({attributi.value(attributo).toString(), xml.lineNumber()});
    }
}

Pagina leggiPagina(const QString& percorso) {
    Pagina p;
    p.percorso = percorso;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        p.errori << percorso + QStringLiteral(": cannot be read");
        return p;
    }
    QXmlStreamReader xml(&file);
    QStringList aperti;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            p.doctype = xml.text().toString().trimmed().compare("<!DOCTYPE html>",
                                                                Qt::CaseInsensitive) == 0;
            break;
        case QXmlStreamReader::StartElement:
            leggiElemento(xml, p, aperti);
            aperti << xml.name().toString();
            break;
        case QXmlStreamReader::EndElement:
            aperti.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (!aperti.isEmpty() && aperti.last() == "title")
                p.titolo += xml.text().toString();
            if (!aperti.isEmpty() && kVuoti.contains(aperti.last()) && !xml.isWhitespace())
                p.errori << percorso + QStringLiteral(": text inside an empty element");
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        p.errori << QStringLiteral("%1:%2: %3")
                        .arg(percorso)
                        .arg(xml.lineNumber())
                        .arg(xml.errorString());
    if (!p.doctype)
        p.errori << percorso + QStringLiteral(": no <!DOCTYPE html>");
    if (!p.charset)
        p.errori << percorso + QStringLiteral(": no <meta charset=\"utf-8\">");
    if (p.titolo.trimmed().isEmpty())
        p.errori << percorso + QStringLiteral(": no title");
    if (p.h1 != 1)
        p.errori << percorso + QStringLiteral(": %1 first-level headings").arg(p.h1);
    return p;
}

// Every page of the shipped guide, by absolute path.
QHash<QString, Pagina> pagineSpedite() {
    QHash<QString, Pagina> pagine;
    QDirIterator it(kDati + QStringLiteral("/Guida"), {QStringLiteral("*.html")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString percorso = QFileInfo(it.next()).absoluteFilePath();
        pagine.insert(percorso, leggiPagina(percorso));
    }
    return pagine;
}

bool esterno(const QUrl& url) {
    return !url.scheme().isEmpty();
}

void creaPagina(const QString& cartella, const QString& relativa) {
    QDir().mkpath(QFileInfo(QDir(cartella).filePath(relativa)).absolutePath());
    QFile file(QDir(cartella).filePath(relativa));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestGuida final : public QObject {
    Q_OBJECT

private slots:
    void missingHelpSaysSoAndNamesThePage() {
        QTemporaryDir cartella;
        MessaggiRegistrati messaggi;
        int aperture = 0;
        ApriGuida(messaggi, cartella.path(), "French", ArgomentoGuida::LayoutTastiera,
                  "Impossible de trouver le fichier d'aide", [&](const QUrl&) {
                      ++aperture;
                      return true;
                  });
        QCOMPARE(aperture, 0);
        QCOMPARE(messaggi.testi.size(), std::size_t{1});
        QCOMPARE(messaggi.testi.front(),
                 std::string("Impossible de trouver le fichier d'aide Guida/fr/index.html"));
        QCOMPARE(messaggi.titoli.front(), std::string("Scrivolta"));
        QCOMPARE(messaggi.icone.front(), Icona::Informazione);
        QCOMPARE(messaggi.pulsantiUsati.front(), Pulsanti::Ok);
    }

    void helpOpensInTheLearnersLanguageAtTheTopic_data() {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<int>("argomento");
        QTest::addColumn<QString>("pagina");
        QTest::newRow("contents") << "French" << 0 << "Guida/fr/index.html";
        QTest::newRow("negative topic") << "French" << -3 << "Guida/fr/index.html";
        QTest::newRow("keyboard layout") << "French" << 1001 << "Guida/fr/keyboard.html";
        QTest::newRow("any letter case") << "FRENCH" << 1001 << "Guida/fr/keyboard.html";
        QTest::newRow("english") << "English" << 1003 << "Guida/en/course.html";
        QTest::newRow("built-in italian reads english")
            << "Italian [Default]" << 1001 << "Guida/en/keyboard.html";
        QTest::newRow("no language yet") << "" << 0 << "Guida/en/index.html";
        QTest::newRow("unknown topic") << "English" << 4242 << "Guida/en/index.html";
        QTest::newRow("page missing in this copy") << "English" << 1004 << "Guida/en/index.html";
    }
    void helpOpensInTheLearnersLanguageAtTheTopic() {
        QFETCH(QString, lingua);
        QFETCH(int, argomento);
        QFETCH(QString, pagina);
        QTemporaryDir cartella;
        for (const char* file :
             {"Guida/fr/index.html", "Guida/fr/keyboard.html", "Guida/en/index.html",
              "Guida/en/keyboard.html", "Guida/en/course.html"})
            creaPagina(cartella.path(), QString::fromLatin1(file));
        MessaggiRegistrati messaggi;
        QUrl aperto;
        ApriGuida(messaggi, cartella.path(), lingua.toStdString(),
                  static_cast<ArgomentoGuida>(argomento), "x", [&](const QUrl& u) {
                      aperto = u;
                      return true;
                  });
        QVERIFY(messaggi.testi.empty());
        QCOMPARE(aperto.toLocalFile(), QDir(cartella.path()).filePath(pagina));
    }

    void aLanguageWithoutItsGuideReadsTheEnglishOne() {
        QTemporaryDir cartella;
        creaPagina(cartella.path(), QStringLiteral("Guida/en/index.html"));
        QCOMPARE(percorsoGuida(cartella.path(), "French"),
                 QDir(cartella.path()).filePath(QStringLiteral("Guida/en/index.html")));
        QVERIFY(percorsoGuida(cartella.path() + QStringLiteral("/none"), "French").isEmpty());
    }

    void everyTopicTheProgramOpensHasItsOwnPageInEveryLanguage() {
        for (const QString& lingua : {QStringLiteral("French"), QStringLiteral("English")}) {
            for (const PaginaGuida& p : kPagineGuida) {
                const QUrl url = indirizzoGuida(kDati, lingua.toStdString(), p.argomento);
                const QString atteso =
                    QDir(kDati).filePath(paginaRelativa(lingua.toStdString(), p.argomento));
                QVERIFY2(QFileInfo(url.toLocalFile()) == QFileInfo(atteso),
                         qPrintable(atteso + QStringLiteral(" is missing")));
            }
        }
    }

    void everyPageIsWellFormedHtmlInItsLanguage() {
        const auto pagine = pagineSpedite();
        QCOMPARE(pagine.size(), static_cast<qsizetype>(kPagineGuida.size() * kLingue.size()));
        QStringList errori;
        for (const Pagina& p : pagine) {
            errori << p.errori;
            const QString cartella = QFileInfo(p.percorso).dir().dirName();
            if (p.lingua != cartella)
                errori << p.percorso + QStringLiteral(": lang \"%1\"").arg(p.lingua);
        }
        QVERIFY2(errori.isEmpty(), qPrintable(errori.join('\n')));
    }

    void noLinkIsBrokenAndEveryPageIsReachableFromTheContents() {
        const auto pagine = pagineSpedite();
        QStringList errori;
        for (const Pagina& p : pagine) {
            for (const Collegamento& c : p.collegamenti) {
                const QUrl url(c.destinazione);
                if (esterno(url))
                    continue;
                const QString file =
                    QFileInfo(QFileInfo(p.percorso).dir(), url.path()).absoluteFilePath();
                const QString dove = QStringLiteral("%1:%2: ").arg(p.percorso).arg(c.riga);
                if (!QFileInfo::exists(file))
                    errori << dove + c.destinazione + QStringLiteral(" does not exist");
                else if (url.hasFragment() && !pagine.value(file).id.contains(url.fragment()))
                    errori << dove + c.destinazione + QStringLiteral(" has no such anchor");
            }
        }
        QVERIFY2(errori.isEmpty(), qPrintable(errori.join('\n')));

        for (const QString& lingua : kLingue) {
            const QString indice =
                QFileInfo(kDati + QStringLiteral("/Guida/%1/index.html").arg(lingua))
                    .absoluteFilePath();
            QSet<QString> visti{indice};
            QStringList daVisitare{indice};
            while (!daVisitare.isEmpty()) {
                const Pagina p = pagine.value(daVisitare.takeLast());
                for (const Collegamento& c : p.collegamenti) {
                    const QUrl url(c.destinazione);
                    const QString file =
                        QFileInfo(QFileInfo(p.percorso).dir(), url.path()).absoluteFilePath();
                    if (esterno(url) || !file.endsWith(".html") || visti.contains(file) ||
                        QFileInfo(file).dir().dirName() != lingua)
                        continue;
                    visti.insert(file);
                    daVisitare << file;
                }
            }
            QCOMPARE(visti.size(), static_cast<qsizetype>(kPagineGuida.size()));
        }
    }
};

QTEST_GUILESS_MAIN(TestGuida)
#include "test_guida.moc"
