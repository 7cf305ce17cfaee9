#include "ui/Translations.h"

#include "main/LanguageSetting.h"
#include "main/Main_Form.h"
#include "seams/TextTranslation.h"
#include "serial/PortDoctor.h"
#include "serial/settings/SettingsFileMedium.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <string>

namespace zeft::ui {
namespace {

const QString kFolder = QStringLiteral(ZEFT_TEST_TRANSLATIONS);

// The window language from Help > Language's choice and the system's languages.
TEST(TranslationsTest, TheChoiceElseTheFirstSystemLanguageOfOursElseEnglish) {
    struct Row {
        const char* chosen;
        QStringList system;
        const char* expected;
    };
    const Row rows[] = {
        {"", {"de-DE", "en-US"}, "de"}, {"", {"fr_CA"}, "fr"},   {"", {"es-ES", "nl-BE"}, "nl"},
        {"", {"es-ES"}, "en"},          {"", {"C"}, "en"},       {"", {}, "en"},
        {"nl", {"de-DE"}, "nl"},        {"en", {"fr-FR"}, "en"}, {"xx", {"fr-FR"}, "fr"},
        {"", {"DE-de"}, "de"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WindowLanguageFor(QString::fromLatin1(row.chosen), row.system), QLatin1String(row.expected))
            << row.chosen << " " << row.system.join(QLatin1Char(',')).toStdString();
    }
}

// Installed, a language translates the windows' texts, the core's fixed texts shown at the
// Qt edge and the core's patterns (a port doctor's finding with its names put in); gone,
// everything is English again, the sender's own texts always.
TEST(TranslationsTest, InstallsTheWindowsAndTheCoresTextsAndRemovesThem) {
    struct Row {
        const char* language;
        const char* file;
        const char* portClosed;
        const char* notAPort;
        const char* copiedFix; // as Copy Fixes puts it on the clipboard
    };
    const Row rows[] = {{"de", "&Datei", "COM-Port kann nicht geöffnet werden!",
                         "/dev/ttyUSB7 ist kein serieller Port, sondern ein Ordner.",
                         "# Fehler: /dev/ttyUSB7 ist kein serieller Port, sondern ein Ordner.\n"
                         "# den Adapter einstecken oder einen vorhandenen Port wählen: /dev/ttyS0, /dev/ttyACM0\n"},
                        {"fr", "&Fichier", "Impossible d'ouvrir le port COM !",
                         "/dev/ttyUSB7 n'est pas un port série : c'est un dossier.",
                         "# erreur: /dev/ttyUSB7 n'est pas un port série : c'est un dossier.\n"
                         "# brancher l'adaptateur, ou choisir un port présent : /dev/ttyS0, /dev/ttyACM0\n"},
                        {"nl", "&Bestand", "Kan de COM-poort niet openen!",
                         "/dev/ttyUSB7 is geen seriële poort: het is een map.",
                         "# fout: /dev/ttyUSB7 is geen seriële poort: het is een map.\n"
                         "# sluit de adapter aan, of kies een poort die er is: /dev/ttyS0, /dev/ttyACM0\n"}};
    const auto notAPort = [] { return finding::NotAPort("/dev/ttyUSB7", "a folder", {"/dev/ttyS0", "/dev/ttyACM0"}); };
    for (const Row& row : rows) {
        {
            Translations translations;
            ASSERT_TRUE(translations.Install(QString::fromLatin1(row.language), kFolder)) << row.language;
            EXPECT_EQ(QCoreApplication::translate("zeft::TMain_Form", "&File"), QString::fromUtf8(row.file));
            EXPECT_EQ(CoreText("Core", "Cannot Open COM port!"), QString::fromUtf8(row.portClosed));
            EXPECT_EQ(TranslatedText("Core", "Cannot Open COM port!"), row.portClosed);
            EXPECT_EQ(CoreText("Core", "KOV"), "KOV");
            EXPECT_EQ(CoreText("Core", "Output Type = 4 Fluid Type = 2"), "Output Type = 4 Fluid Type = 2");
            EXPECT_EQ(notAPort().summary, row.notAPort);
            EXPECT_EQ(FixesText({notAPort()}), row.copiedFix);
        }
        EXPECT_EQ(QCoreApplication::translate("zeft::TMain_Form", "&File"), "&File");
        EXPECT_EQ(TranslatedText("Core", "Cannot Open COM port!"), "Cannot Open COM port!");
        EXPECT_EQ(notAPort().summary, "/dev/ttyUSB7 is not a serial port: it is a folder.");
        EXPECT_EQ(FixesText({notAPort()}), "# error: /dev/ttyUSB7 is not a serial port: it is a folder.\n"
                                           "# plug in the adapter, or choose a port that is there: /dev/ttyS0, "
                                           "/dev/ttyACM0\n");
    }
    Translations translations;
    EXPECT_FALSE(translations.Install(QStringLiteral("de"), QStringLiteral("/nonexistent")));
    EXPECT_EQ(QCoreApplication::translate("zeft::TMain_Form", "&File"), "&File");
}

// Help > Language stores the choice beside the port settings, checks it in the menu of the
// next window, and says in the chosen language that it applies from the next start.
TEST(TranslationsTest, HelpLanguageIsRememberedAndToldInTheChosenLanguage) {
    testing::TempFolder folder;
    const auto options = [&folder] {
        TMain_Form::Options options;
        options.store =
            PortSettingsStore([file = folder / "settings.ini"] { return std::make_unique<SettingsFileMedium>(file); });
        options.runStartup = false;
        options.translationsFolder = kFolder;
        return options;
    };
    testing::MessageBoxRecorder notices;
    {
        TMain_Form form(options());
        EXPECT_TRUE(form.findChild<QAction*>(QStringLiteral("Language_system"))->isChecked());
        form.findChild<QAction*>(QStringLiteral("Language_fr"))->trigger();
    }
    EXPECT_EQ(TMain_Form::StoredLanguage(options().store), "fr");
    {
        TMain_Form form(options());
        EXPECT_TRUE(form.findChild<QAction*>(QStringLiteral("Language_fr"))->isChecked());
        form.findChild<QAction*>(QStringLiteral("Language_en"))->trigger();
    }
    EXPECT_EQ(TMain_Form::StoredLanguage(options().store), "en");
    EXPECT_EQ(notices.Texts(),
              (std::vector<std::string>{"La langue changera au prochain démarrage de ZEFT Programmer.",
                                        "The language changes when ZEFT Programmer is started again."}));
}

} // namespace
} // namespace zeft::ui
