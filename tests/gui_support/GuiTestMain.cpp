#include <QApplication>

#include <gtest/gtest.h>

// Window tests share one QApplication, as the program does. They run on the offscreen
// platform unless told otherwise, also when the build lists them (no display there).
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
