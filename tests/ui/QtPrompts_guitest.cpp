#include "ui/QtPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zeft::ui {
namespace {

struct Seen {
    std::string caption;
    std::string text;
    std::string detail;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs a box the real way (modal loop), looks at it once it shows and lets act close it.
Seen Look(const std::function<void()>& show, const std::function<void(QMessageBox&)>& act) {
    Seen seen;
    QTimer poll;
    poll.setInterval(10);
    const auto started = QDeadlineTimer(5000);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (started.hasExpired()) {
                poll.stop();
            }
            return;
        }
        poll.stop();
        seen = {box->windowTitle().toStdString(), box->text().toStdString(), box->informativeText().toStdString(),
                box->icon(), box->standardButtons()};
        act(*box);
    });
    poll.start();
    show();
    return seen;
}

void Press(QMessageBox& box, QMessageBox::StandardButton which) {
    box.button(which)->click();
}

TEST(QtPromptsTest, EachKindWithItsCaptionIconAndButtons) {
    QtPrompts prompts;
    auto ok = [](QMessageBox& box) { Press(box, QMessageBox::Ok); };
    Seen error = Look([&] { prompts.ShowError("bad"); }, ok);
    EXPECT_EQ(error.caption, "Error");
    EXPECT_EQ(error.text, "bad");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, QMessageBox::Ok);

    Seen warning = Look([&] { prompts.ShowWarningWithDetail("Cannot Open COM port!", "busy"); }, ok);
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.detail, "busy");
    EXPECT_EQ(warning.buttons, QMessageBox::Ok);

    Seen plain = Look([&] { prompts.ShowWarning("closed"); }, ok);
    EXPECT_EQ(plain.detail, "");

    Seen application = Look([&] { prompts.ShowApplicationError("Disk full."); }, ok);
    EXPECT_EQ(application.caption, "ZEFT");
    EXPECT_EQ(application.icon, QMessageBox::Critical);

    Seen invalid = Look([&] { prompts.ShowPlain("Invalid Input", "x"); }, ok);
    EXPECT_EQ(invalid.caption, "Invalid Input");
    EXPECT_EQ(invalid.icon, QMessageBox::NoIcon);
}

TEST(QtPromptsTest, ConfirmAnswers) {
    QtPrompts prompts;
    ConfirmAnswer answer = ConfirmAnswer::Closed;
    Seen seen =
        Look([&] { answer = prompts.Confirm("Sure?"); }, [](QMessageBox& box) { Press(box, QMessageBox::Yes); });
    EXPECT_EQ(answer, ConfirmAnswer::Yes);
    EXPECT_EQ(seen.caption, "Confirm");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);

    Look([&] { answer = prompts.Confirm("Sure?"); }, [](QMessageBox& box) { Press(box, QMessageBox::No); });
    EXPECT_EQ(answer, ConfirmAnswer::No);

    answer = ConfirmAnswer::Yes;
    Look([&] { answer = prompts.Confirm("Sure?"); }, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(answer, ConfirmAnswer::No) << "Escape is No";

    Seen firmware =
        Look([&] { answer = prompts.AskWarning("Continue?"); }, [](QMessageBox& box) { Press(box, QMessageBox::Yes); });
    EXPECT_EQ(answer, ConfirmAnswer::Yes);
    EXPECT_EQ(firmware.caption, "Warning");
    EXPECT_EQ(firmware.icon, QMessageBox::Warning);
}

} // namespace
} // namespace zeft::ui
