#include "serial/PortDoctorDlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace zeft {
namespace {

// The window lists what the diagnosis found, copies the fixes and looks again on request;
// the looking runs off the window's thread.
TEST(PortDoctorDlgTest, ListsCopiesAndRunsAgain) {
    std::atomic<int> runs = 0;
    TPortDoctorDlg dialog(nullptr, [&runs] {
        std::vector<PortFinding> findings;
        if (++runs == 1) {
            findings.push_back({"port-taken", FindingSeverity::Error, "/dev/ttyUSB0",
                                "/dev/ttyUSB0 is open in another program: minicom (pid 42).", "kill 42", ""});
            findings.push_back({"modem-manager", FindingSeverity::Warning, "/dev/ttyACM0", "ModemManager probes it.",
                                "stop it", "then plug it in\nagain \x1b[2J"});
        }
        return findings;
    });
    EXPECT_EQ(dialog.Label1->buddy(), dialog.ListFindings);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Running(); }, 10000));
    ASSERT_EQ(dialog.ListFindings->count(), 2);
    EXPECT_EQ(dialog.ListFindings->item(0)->text().toStdString(),
              "Error, /dev/ttyUSB0\n/dev/ttyUSB0 is open in another program: minicom (pid 42).\nFix: kill 42");
    EXPECT_TRUE(dialog.ListFindings->item(1)->text().startsWith("Warning, /dev/ttyACM0\n"));
    EXPECT_TRUE(dialog.ListFindings->item(1)->text().endsWith("\nFix: stop it\nthen plug it in\nagain \x1b[2J"));

    // The text the command line prints: a script, the notes on comment lines of their own.
    QTest::mouseClick(dialog.CopyBtn, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "# error: /dev/ttyUSB0 is open in another program: minicom (pid 42).\nkill 42\n"
              "\n# warning: ModemManager probes it.\nstop it\n# then plug it in\\x0aagain \\x1b[2J\n");

    QTest::mouseClick(dialog.RunBtn, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Running(); }, 10000));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(dialog.ListFindings->count(), 0);
    EXPECT_EQ(dialog.LabelStatus->text().toStdString(), "No problem found.");
    EXPECT_FALSE(dialog.CopyBtn->isEnabled());
}

} // namespace
} // namespace zeft
