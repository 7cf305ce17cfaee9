#include "ui/QtFileDialogs.h"

#include "main/ConfigFile.h"
#include "main/ConfigFileCommands.h"
#include "main/PlainSettingsControls.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zeft::ui {
namespace {

using testing::ScriptedPrompts;
using testing::TempFolder;

// Drives Qt's own dialog the real way: types a name and accepts it, then answers the
// boxes that the dialog itself shows (Yes to its replace question, OK to a warning) and
// records their texts.
class DialogDriver {
public:
    explicit DialogDriver(QString typed) : typed_(std::move(typed)) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Step(); });
        poll_.start();
    }
    std::vector<std::string> boxes;
    bool typed = false;

private:
    void Step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes.push_back(box->text().toStdString());
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            if (yes != nullptr) {
                yes->click();
            } else {
                // The dialog stays open after a warning: cancel it.
                box->button(QMessageBox::Ok)->click();
                cancelNext_ = true;
            }
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            if (deadline_.hasExpired()) {
                poll_.stop();
            }
            return;
        }
        if (cancelNext_) {
            dialog->reject();
            return;
        }
        if (!typed) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(edit, nullptr);
            edit->setText(typed_);
            // Queued, as a key press would be: a box the dialog opens runs outside this step.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            typed = true;
        }
    }

    QString typed_;
    QTimer poll_;
    QDeadlineTimer deadline_{10000};
    bool cancelNext_ = false;
};

class QtFileDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { QtFileDialogs::SetUseNativeDialogs(false); }
    void TearDown() override { QtFileDialogs::SetUseNativeDialogs(true); }

    QString InFolder(const char* name) const { return QString::fromStdString((folder_ / name).string()); }

    TempFolder folder_;
};

// The question about replacing a file is asked once, for the name that is written: by
// the dialog when it returns that name, by Save As when it adds the extension.
TEST_F(QtFileDialogsTest, SaveAsksOnceAboutTheNameItWrites) {
    struct Case {
        const char* typed;
        std::vector<std::string> dialogBoxes;
        bool programAsks;
    };
    const Case cases[] = {
        {"tank", {}, true},
        {"tank.zcf", {"tank.zcf already exists.\nDo you want to replace it?"}, false},
    };
    for (const Case& c : cases) {
        folder_.Write("tank.zcf", "old");
        PlainSettingsControls controls;
        ScriptedPrompts prompts;
        if (c.programAsks) {
            prompts.Answer(ConfirmAnswer::Yes);
        }
        QtFileDialogs dialogs;
        DialogDriver driver(InFolder(c.typed));
        EXPECT_TRUE(SaveSettingsAs(controls, prompts, dialogs)) << c.typed;
        EXPECT_EQ(driver.boxes, c.dialogBoxes) << c.typed;
        ASSERT_EQ(prompts.shown.size(), c.programAsks ? 1u : 0u) << c.typed;
        EXPECT_EQ(TempFolder::Read(folder_ / "tank.zcf"), ConfigFileText(controls)) << c.typed;
        EXPECT_EQ(folder_.Listing(), "tank.zcf");
    }
}

// Load takes the file picked, adds nothing to its name and refuses a name that does not exist.
TEST_F(QtFileDialogsTest, LoadReturnsTheExistingFileAsPicked) {
    folder_.Write("tank.zcf", "");
    folder_.Write("plain", "");
    QtFileDialogs dialogs;
    {
        DialogDriver driver(InFolder("plain"));
        EXPECT_EQ(dialogs.AskOpenConfigPath(), (folder_ / "plain").string());
        EXPECT_TRUE(driver.boxes.empty());
    }
    {
        DialogDriver driver(InFolder("tank"));
        EXPECT_EQ(dialogs.AskOpenConfigPath(), std::nullopt);
        ASSERT_EQ(driver.boxes.size(), 1u);
        EXPECT_NE(driver.boxes[0].find("File not found"), std::string::npos) << driver.boxes[0];
    }
}

// The second filter shows every file, also those without a dot in the name.
TEST_F(QtFileDialogsTest, AllFilesFilterMatchesEveryName) {
    QStringList filters;
    QtFileDialogs::SetDialogHandlerForTests([&](QFileDialog& dialog) -> std::optional<std::string> {
        filters = dialog.nameFilters();
        return std::nullopt;
    });
    QtFileDialogs dialogs;
    dialogs.AskOpenConfigPath();
    QtFileDialogs::SetDialogHandlerForTests({});
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], "ZEFT Config Files (*.zcf)");
    const QRegularExpressionMatch pattern = QRegularExpression(R"(^All Files \((.*)\)$)").match(filters[1]);
    ASSERT_TRUE(pattern.hasMatch()) << filters[1].toStdString();
    for (const char* name : {"tank.zcf", "tank", "README"}) {
        EXPECT_TRUE(QDir::match(pattern.captured(1), QString::fromLatin1(name))) << name;
    }
}

} // namespace
} // namespace zeft::ui
