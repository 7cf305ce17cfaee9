#include <QApplication>

#include <gtest/gtest.h>

// Window tests share one QApplication, as the program does.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
