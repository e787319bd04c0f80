// SPDX-License-Identifier: GPL-3.0-or-later
#include "ambiente_finto.h"
#include "settings/lingua.h"
#include "settings/testi.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>
#include <map>

using namespace scrivolta;
using prova::ambiente;
using prova::CartellaTemporanea;

TEST(LinguaInstallazione, FollowsTheDesktopLocale) {
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "fr_BE.UTF-8"}})), "1036");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "en_GB.UTF-8"}})), "1033");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "de_DE"}})), "1031");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "es_ES@euro"}})), "1034");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "it_IT.UTF-8"}})), "1040");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "nl_BE.UTF-8"}})), "");
    EXPECT_EQ(LinguaInstallazione(ambiente({})), "");
    // The more specific variables win, as for every program on the desktop.
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "nl_BE"}, {"LC_MESSAGES", "fr_BE"}})), "1036");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LC_MESSAGES", "fr_BE"}, {"LC_ALL", "en_US"}})),
              "1033");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "nl_BE"}, {"LANGUAGE", "fr:nl"}})), "1036");
    // LANGUAGE means nothing under the untranslated C locale.
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANG", "C"}, {"LANGUAGE", "fr"}})), "");
    EXPECT_EQ(LinguaInstallazione(ambiente({{"LANGUAGE", "fr"}})), "");
}

TEST(LinguaInstallazione, NamesTheLanguageOrFallsBackToItalian) {
    EXPECT_EQ(nomeLinguaInstallazione("1036"), "French");
    EXPECT_EQ(nomeLinguaInstallazione("1033"), "English");
    EXPECT_EQ(nomeLinguaInstallazione("1031"), "German");
    EXPECT_EQ(nomeLinguaInstallazione("1034"), "Spanish");
    EXPECT_EQ(nomeLinguaInstallazione("1040"), "Italian");
    EXPECT_EQ(nomeLinguaInstallazione(""), "Italian");
    EXPECT_EQ(nomeLinguaInstallazione("2067"), "Italian");
}

TEST(FileLingua, ReadsTrimmedTextsByIdWithoutFallingBackToItalian) {
    CartellaTemporanea dir;
    prova::scrivi(dir.file("x.lng"),
                  "[Strings]\r\n0001=  Phrases  \r\n0002=" + std::string(600, 'y') +
                      "\r\nInfoAuthor=Anne\r\n[Other]\r\n0003=no\r\n");
    const FileLingua lingua(dir.file("x.lng"));
    EXPECT_TRUE(lingua.caricato());
    EXPECT_EQ(lingua.TestoLingua("0001"), "Phrases");
    EXPECT_EQ(lingua.TestoLingua("0002"), std::string(511, 'y'));
    EXPECT_EQ(lingua.TestoLingua("infoauthor"), "Anne");
    EXPECT_EQ(lingua.TestoLingua("0003"), "");
    EXPECT_FALSE(FileLingua(dir.file("none.lng")).caricato());
    EXPECT_EQ(FileLingua(dir.file("none.lng")).TestoLingua("0001"), "");
}

TEST(FileLingua, AcceptsAUtf8FileMarkedAsSuch) {
    CartellaTemporanea dir;
    prova::scrivi(dir.file("x.lng"), "\xEF\xBB\xBF[Strings]\r\n0001=D\xC3\xA9j\xC3\xA0\r\n");
    EXPECT_EQ(FileLingua(dir.file("x.lng")).TestoLingua("0001"), "D\xE9j\xE0");
}

TEST(Testi, TheLanguageFileReplacesEveryTextOfTheMainWindow) {
    CartellaTemporanea dir;
    prova::scrivi(dir.file("Lang/English.lng"),
                  "[Strings]\r\n0001=Built-in phrases\r\n0013=To start press\r\n"
                  "0014=Choose a file\r\n0027=Beginner\r\n0028=Expert\r\n0137=Hello\r\n"
                  "0039=Show or hide the \"key/finger\" map\r\n0034=Level\r\n0177=Game\r\n");
    const auto percorsi = Percorsi::portatile(dir.percorso());
    TestiPrincipali testi;
    TestiPredefiniti(testi);
    ApplicaLingua(testi, fileLinguaCorrente(percorsi, "English"));
    EXPECT_EQ(testi.optMenu[0], "Built-in phrases");
    EXPECT_EQ(testi.messaggi[Messaggio::FrasiInterne], "Built-in phrases");
    EXPECT_EQ(testi.messaggi[Messaggio::ScegliLivelloEPremiInvio], "To start press <Entr\xE9"
                                                                   "e>");
    EXPECT_EQ(testi.messaggi[Messaggio::ScegliFileDallaLista], "\r\nChoose a file");
    EXPECT_EQ(testi.messaggi[Messaggio::Ciao], "Hello");
    EXPECT_EQ(testi.messaggi[Messaggio::CiaoDiNuovo], "Hello");
    EXPECT_EQ(testi.nomeModalita(true), "Expert");
    EXPECT_EQ(testi.tooltipMenu[4], "Show or hide the \"key/finger\" map");
    EXPECT_EQ(testi.tooltipMenu[7], "NUOVO");
    // Missing ids give empty texts, so the layout warning starts blank.
    EXPECT_EQ(testi.messaggi[Messaggio::TastieraNonImpostata], "");
    EXPECT_EQ(testi.messaggi[Messaggio::Vuoto], "");
    EXPECT_EQ(testi.titoloAvviso, "");

    CreaBalloon(testi, true, fileLinguaCorrente(percorsi, "English"));
    EXPECT_EQ(testi.balloon[0], "Level");
    EXPECT_EQ(testi.balloon[8], "Game");
    EXPECT_EQ(testi.balloon[1], "");
    EXPECT_EQ(TestoLingua(percorsi, "English", "0028"), "Expert");
    EXPECT_EQ(TestoLingua(percorsi, "../English", "0028"), "");
}

TEST(Testi, BuiltInTextsKeepTheirLayoutBlanks) {
    TestiPrincipali testi;
    TestiPredefiniti(testi);
    CreaBalloon(testi, false, FileLingua());
    EXPECT_EQ(testi.messaggi[Messaggio::FrasiInterne], "- Frasi interne ");
    EXPECT_EQ(testi.messaggi[Messaggio::ScegliLivelloEPremiInvio].substr(
                  testi.messaggi[Messaggio::ScegliLivelloEPremiInvio].size() - 10),
              "< Entr\xE9"
              "e> ");
    EXPECT_EQ(testi.messaggi[Messaggio::ScegliFileDallaLista],
              "\r\nSeleziona dalla lista il file con cui esercitarti");
    EXPECT_EQ(testi.messaggi[Messaggio::Vuoto], "");
    EXPECT_EQ(testi.nomeModalita(false), "Principiante");
    EXPECT_EQ(testi.tooltipMenu[4], "Visualizza o nasconde la mappa \"tasto/dito\"");
    EXPECT_EQ(testi.tooltipMenu[7], "");
    EXPECT_EQ(testi.optMenu[4], "Gioco && Allenamento");
    EXPECT_EQ(testi.balloon[6],
              "Consente di esercitarsi utilizzando degli esercizi personalizzati");
    for (const auto& lode : testi.lodiOttime)
        EXPECT_FALSE(lode.empty());
    for (const auto& lode : testi.lodiBuone)
        EXPECT_FALSE(lode.empty());
}

TEST(Percorsi, ABuildTreeOrACopiedFolderIsPortable) {
    CartellaTemporanea dir;
    std::filesystem::create_directories(dir.file("bin/Lang"));
    const auto p = Percorsi::perCartella(dir.file("bin"), ambiente({{"HOME", "/home/anna"}}));
    EXPECT_TRUE(p.isPortatile());
    EXPECT_EQ(p.fileOpzioni(), dir.file("bin/Scrivolta.ini"));
    EXPECT_EQ(p.fileSegnalibro(), dir.file("bin/CorsoDattilo/Scrivolta.bmk"));
    EXPECT_EQ(p.fileRecord(), dir.file("bin/ScrivoltaWinner.ini"));
    EXPECT_EQ(p.cartellaEsercizi(), dir.file("bin/Esercizi/"));
    EXPECT_EQ(p.fileLingua("English"), dir.file("bin/Lang/English.lng"));
    EXPECT_EQ(p.fileLingua("Fran\xE7"
                           "ais"),
              dir.file("bin/Lang/Fran\xC3\xA7"
                       "ais.lng"));
}

TEST(Percorsi, AnInstalledProgramWritesInTheLearnersFolders) {
    CartellaTemporanea dir;
    std::filesystem::create_directories(dir.file("usr/bin"));
    std::filesystem::create_directories(dir.file("usr/share/scrivolta/Lang"));
    const auto p = Percorsi::perCartella(
        dir.file("usr/bin"), ambiente({{"HOME", "/home/anna"}, {"XDG_DATA_HOME", "/d"}}));
    EXPECT_FALSE(p.isPortatile());
    EXPECT_EQ(p.cartellaLingue(), dir.file("usr/share/scrivolta/Lang/"));
    EXPECT_EQ(p.cartellaCorso(), dir.file("usr/share/scrivolta/CorsoDattilo/"));
    EXPECT_EQ(p.fileOpzioni(), "/home/anna/.config/scrivolta/Scrivolta.ini");
    EXPECT_EQ(p.fileSegnalibro(), "/d/scrivolta/CorsoDattilo/Scrivolta.bmk");
    EXPECT_EQ(p.fileRecord(), "/d/scrivolta/ScrivoltaWinner.ini");
    // A relative XDG folder is invalid and ignored.
    const auto q = Percorsi::perCartella(dir.file("usr/bin"),
                                         ambiente({{"HOME", "/h"}, {"XDG_CONFIG_HOME", "rel"}}));
    EXPECT_EQ(q.fileOpzioni(), "/h/.config/scrivolta/Scrivolta.ini");
}

TEST(Percorsi, ListsLanguageFilesInNameOrder) {
    CartellaTemporanea dir;
    const auto p = Percorsi::portatile(dir.percorso());
    EXPECT_TRUE(p.lingueDisponibili().empty());
    for (const char* nome : {"German.lng", "english.LNG",
                             "Fran\xC3\xA7"
                             "ais.lng",
                             "notes.txt", ".lng"})
        prova::scrivi(dir.file(std::string("Lang/") + nome), "[Strings]\r\n");
    std::filesystem::create_directories(dir.file("Lang/Folder.lng"));
    const std::vector<std::string> attese = {"english",
                                             "Fran\xE7"
                                             "ais",
                                             "German"};
    EXPECT_EQ(p.lingueDisponibili(), attese);
}

// Taken as a language file, any of these would blank every text.
TEST(FileLingua, AFileWithoutASingleTextIdIsNoLanguageFile) {
    CartellaTemporanea dir;
    constexpr char kPng[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR=\xFF";
    const std::string binario(kPng, sizeof kPng - 1);
    for (const std::string& contenuto :
         {std::string(), binario, std::string("[Strings]\r\nTitle=Hello\r\n"),
          std::string("[Other]\r\n0001=Frasi\r\n")}) {
        prova::scrivi(dir.file("x.lng"), contenuto);
        EXPECT_FALSE(FileLingua(dir.file("x.lng")).caricato()) << contenuto.size();
    }
    prova::scrivi(dir.file("x.lng"), "[Strings]\r\n infoauthor = Anna\r\n");
    EXPECT_TRUE(FileLingua(dir.file("x.lng")).caricato());
    // A real language file that lacks one id gives an empty text for it.
    prova::scrivi(dir.file("x.lng"), "[Strings]\r\n0001=Phrases\r\n");
    const FileLingua lingua(dir.file("x.lng"));
    EXPECT_TRUE(lingua.caricato());
    EXPECT_EQ(lingua.TestoLingua("0002"), "");
}

TEST(Percorsi, OpensTheLanguageFileThatWasListedWhateverItsLetterCase) {
    CartellaTemporanea dir;
    const auto p = Percorsi::portatile(dir.percorso());
    prova::scrivi(dir.file("Lang/english.LNG"), "[Strings]\r\n0001=Phrases\r\n");
    prova::scrivi(dir.file("Lang/Fran\xC3\xA7"
                           "ais.lng"),
                  "[Strings]\r\n0001=Phrases\r\n");
    ASSERT_EQ(p.lingueDisponibili().front(), "english");
    EXPECT_EQ(p.fileLingua("english"), dir.file("Lang/english.LNG"));
    EXPECT_EQ(p.fileLingua("English"), dir.file("Lang/english.LNG"));
    EXPECT_EQ(p.fileLingua("FRAN\xC7"
                           "AIS"),
              dir.file("Lang/Fran\xC3\xA7"
                       "ais.lng"));
    EXPECT_TRUE(fileLinguaCorrente(p, "ENGLISH").caricato());
    EXPECT_EQ(p.fileLingua("German"), dir.file("Lang/German.lng"));
}
