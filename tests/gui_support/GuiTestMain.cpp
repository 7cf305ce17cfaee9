#include "serial/HandOverQueue.h"
#include "serial/QtHandOverWaker.h"
#include "tests/support/TempFolder.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests share one QApplication, as the program does. They run on the offscreen
// platform unless told otherwise, also when the build lists them (no display there).
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The windows' device operations keep a job history: never the user's own.
    const zeft::testing::TempFolder historyFolder;
    if (!qEnvironmentVariableIsSet("ZEFT_HISTORY")) {
        qputenv("ZEFT_HISTORY", QByteArray::fromStdString((historyFolder / "history.jsonl").string()));
    }
    QApplication application(argc, argv);
    // The serial components' worker threads reach the windows through the event loop.
    zeft::ui::QtHandOverWaker waker(zeft::HandOverQueue::MainThread());
    return RUN_ALL_TESTS();
}
