#include "app/ApplicationWindows.h"
#include "main/DataLocations.h"
#include "main/Main_Form.h"
#include "serial/HandOverQueue.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "ui/ProgramIcon.h"
#include "ui/QtHandOverWaker.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Kept for the record as the application's help file; the Help menu opens the HTML
    // guide instead.
    application.setProperty(
        "HelpFile", QString::fromStdString(zeft::DataLocations::ForThisProgram().File("help", "ZEF.HLP").string()));
    QApplication::setApplicationName(QStringLiteral("ZEFT"));
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

    // The windows in their fixed order. Creating the main window runs its port dialog
    // before any window shows.
    zeft::app::ApplicationWindows windows;
    windows.MainForm().show();
    return application.exec();
}
