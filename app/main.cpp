#include "app/ApplicationWindows.h"
#include "app/HelpArguments.h"
#include "app/PlatformOptions.h"
#include "base/DataLocations.h"
#include "main/Main_Form.h"
#include "serial/HandOverQueue.h"
#include "serial/QtHandOverWaker.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "ui/ProgramIcon.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    // Before QApplication, which would need a display for a mere --help.
    if (const std::optional<int> answered = zeft::app::AnswerHelpArguments(argc, argv, stdout)) {
        return *answered;
    }
    zeft::app::ChoosePlatformOptions();
    QApplication application(argc, argv);
    // Kept for the record as the application's help file; the Help menu opens the HTML
    // guide instead.
    application.setProperty(
        "HelpFile", QString::fromStdString(zeft::DataLocations::ForThisProgram().File("help", "ZEF.HLP").string()));
    QApplication::setApplicationName(QStringLiteral("ZEFT"));
    // The desktop entry's name, so that a Wayland session shows the entry's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zeftprogrammer.zeft"));
    QApplication::setWindowIcon(zeft::ui::ProgramIcon());
    // The language chosen in Help > Language, else the system's (LANGUAGE, LC_ALL,
    // LC_MESSAGES, LANG; on Windows the display language), else English.
    zeft::ui::Translations translations;
    translations.Install(
        zeft::ui::WindowLanguageFor(QString::fromStdString(zeft::TMain_Form::StoredLanguage(zeft::PortSettingsStore())),
                                    QLocale::system().uiLanguages()),
        zeft::ui::TranslationsFolder());

    // The serial worker hands its events to this thread through the event loop.
    zeft::ui::QtHandOverWaker waker(zeft::HandOverQueue::MainThread());
    // The virtual sender is a port like any other, so that the program can be tried
    // without hardware.
    zeft::RegisterVirtualSenderPort();
    zeft::RegisterVirtualProductionLine();

    // The windows in their fixed order. Creating the main window runs its port dialog
    // before any window shows.
    zeft::app::ApplicationWindows windows;
    windows.MainForm().show();
    // Once shown, so that the question has its window: who does the work, asked once.
    QTimer::singleShot(0, &windows.MainForm(), [&windows] { windows.MainForm().AskInstallerOnce(); });
    return application.exec();
}
