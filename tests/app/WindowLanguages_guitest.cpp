#include "app/ApplicationWindows.h"

#include "calc/TankChartForm.h"
#include "calc/TankContent.h"
#include "main/JobForm.h"
#include "main/JobHistoryForm.h"
#include "main/PlainSettingsControls.h"
#include "main/ProductionForm.h"
#include "main/SettingsComparison.h"
#include "main/SettingsComparisonForm.h"
#include "serial/PortDoctorDlg.h"
#include "serial/SerialLink.h"
#include "serial/settings/SettingsFileMedium.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "ui/QtFileDialogs.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zeft::app {
namespace {

// A window whose text does not fit names the widget, its text and the sizes.
std::string Problem(const QWidget& widget, const QString& text, QSize has, QSize needs) {
    return widget.window()->objectName().toStdString() + "/" + widget.objectName().toStdString() + " \"" +
           text.toStdString() + "\": " + std::to_string(has.width()) + "x" + std::to_string(has.height()) + " < " +
           std::to_string(needs.width()) + "x" + std::to_string(needs.height());
}

// Every label, button, check box, group box title and the menu bar of the window has the
// room its text needs: its size holds its size hint (a word-wrapped label: the height of
// its text at its width).
std::vector<std::string> TextsThatDoNotFit(QWidget& window) {
    std::vector<std::string> problems;
    const auto check = [&problems](const QWidget& widget, const QString& text, QSize needs) {
        if (widget.width() < needs.width() || widget.height() < needs.height()) {
            problems.push_back(Problem(widget, text, widget.size(), needs));
        }
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
            check(*label, label->text(),
                  label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button != nullptr && !button->text().isEmpty()) {
            check(*button, button->text(), button->sizeHint());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget); box != nullptr && box->layout() == nullptr) {
            // A box placed by design pixels: its title's room is its minimum.
            check(*box, box->title(), QSize(box->minimumSizeHint().width(), 0));
        }
    }
    // No text runs into a control beside it (the pixel-placed windows size a label to its
    // text, so a long one would reach under the next control).
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (label == nullptr || label->text().isEmpty() || !label->isVisibleTo(&window)) {
            continue;
        }
        for (QObject* child : label->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            if (sibling != nullptr && sibling != label && sibling->isVisibleTo(&window) &&
                (qobject_cast<QAbstractButton*>(sibling) || qobject_cast<QComboBox*>(sibling) ||
                 qobject_cast<QLineEdit*>(sibling) || qobject_cast<QLabel*>(sibling)) &&
                label->geometry().intersects(sibling->geometry())) {
                problems.push_back(label->window()->objectName().toStdString() + "/" +
                                   label->objectName().toStdString() + " \"" + label->text().toStdString() +
                                   "\" overlaps " + sibling->objectName().toStdString());
            }
        }
    }
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        check(*main->menuBar(), QStringLiteral("menu bar"), QSize(main->menuBar()->sizeHint().width(), 0));
    }
    return problems;
}

// The windows the menus open besides those made at start-up.
std::vector<std::unique_ptr<QWidget>> OtherWindows(testing::ScriptedPrompts& prompts, TSerialLink& port,
                                                   FileDialogs& dialogs) {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<TJobForm>(JobSettings{"Sea Breeze 42 / fresh water", "A. Fitter", true, true}));
    windows.push_back(std::make_unique<TProductionForm>(port, prompts, dialogs, RecordedSettings{},
                                                        "/tmp/history.jsonl", "Sea Breeze 42"));
    HistoryListing listing;
    listing.records.push_back({});
    windows.push_back(std::make_unique<TJobHistoryForm>(
        listing, "/tmp/history.jsonl", [](const RecordedSettings&) {}, [] { return RecordedSettings{}; }));
    const PlainSettingsControls controls;
    windows.push_back(std::make_unique<TSettingsComparisonForm>(CompareSettings(controls, controls), "Compare",
                                                                TSettingsComparisonForm::Side{"File", "tank.zcf"},
                                                                TSettingsComparisonForm::Side{"Window", "the window"}));
    // The doctor's own sentences, made on its thread in the window's language.
    windows.push_back(std::make_unique<TPortDoctorDlg>(nullptr, [] {
        return std::vector<PortFinding>{
            finding::PortTaken("/dev/ttyUSB0", "minicom (pid 1234)", "minicom", "1234"),
            finding::GroupNotActive("/dev/ttyUSB1", "dialout", "fitter"),
            finding::ModemManager("/dev/ttyACM0", {"1a86", "7523", "A9XK3", "1-2", "ttyACM0"}),
            finding::NotAPort("/dev/ttyS9", "a folder", {"/dev/ttyUSB0", "/dev/ttyACM0"})};
    }));
    windows.push_back(std::make_unique<calc_ui::TTankChartForm>(
        *CalculateTankContent({6}, {"1000", "1000", "", "1000", "", "", ""}, '.').content, prompts));
    return windows;
}

// Every window of the program in each language, at the platform's font and at twice its
// size (as on a screen scaled by two: the pixel-placed windows grow through DesignScale,
// the others through their layouts). Set ZEFT_WINDOW_SHOTS to a folder to keep a picture
// of each.
TEST(WindowLanguagesTest, EveryTextFitsInEveryLanguageAtOneAndTwoTimesTheFont) {
    const QFont platformFont = QApplication::font();
    const QString shots = qEnvironmentVariable("ZEFT_WINDOW_SHOTS");
    for (const ui::WindowLanguage& language : ui::kWindowLanguages) {
        ui::Translations translations;
        ASSERT_TRUE(translations.Install(QString::fromLatin1(language.code), QStringLiteral(ZEFT_TEST_TRANSLATIONS)))
            << language.code;
        for (const int scale : {1, 2}) {
            QFont font = platformFont;
            font.setPointSizeF(platformFont.pointSizeF() * scale);
            QApplication::setFont(font);
            testing::TempFolder folder;
            TMain_Form::Options options;
            options.store = PortSettingsStore(
                [file = folder / "settings.ini"] { return std::make_unique<SettingsFileMedium>(file); });
            options.enumeratePorts = [](std::vector<std::string>& ports) { ports.push_back("/dev/ttyUSB0"); };
            options.runPortDialog = [](TSerialLinkDLG&) { return int(QDialog::Rejected); };
            std::vector<QWidget*> windows;
            ApplicationWindows made(std::move(options), [&windows](QWidget& window) { windows.push_back(&window); });
            testing::ScriptedPrompts prompts;
            TSerialLink port;
            ui::QtFileDialogs dialogs(nullptr);
            const std::vector<std::unique_ptr<QWidget>> others = OtherWindows(prompts, port, dialogs);
            for (const auto& other : others) {
                windows.push_back(other.get());
            }
            for (QWidget* window : windows) {
                window->show();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
                if (auto* doctor = qobject_cast<TPortDoctorDlg*>(window)) {
                    ASSERT_TRUE(QTest::qWaitFor([doctor] { return !doctor->Running(); }, 10000));
                }
                for (const std::string& problem : TextsThatDoNotFit(*window)) {
                    ADD_FAILURE() << language.code << " x" << scale << ": " << problem;
                }
                if (!shots.isEmpty()) {
                    window->grab().save(
                        QDir(shots).filePath(QStringLiteral("%1-%2-x%3.png")
                                                 .arg(window->objectName(), QLatin1String(language.code))
                                                 .arg(scale)));
                }
                window->hide();
            }
        }
    }
    QApplication::setFont(platformFont);
}

} // namespace
} // namespace zeft::app
