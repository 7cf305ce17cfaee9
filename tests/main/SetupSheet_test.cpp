#include "main/SetupSheet.h"
#include "main/SetupSheetCommands.h"

#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"
#include "seams/TextTranslation.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace zeft {
namespace {

using testing::AnsweringDialogs;
using testing::ScriptedPrompts;
using testing::TempFolder;
using Kind = ScriptedPrompts::Kind;

std::string ValueOf(const SetupSheetSection& section, const std::string& name) {
    for (const SetupSheetRow& row : section.rows) {
        if (row.name == name) {
            return row.value;
        }
    }
    return "<missing>";
}

TEST(SetupSheetReplyTest, LinesArePrintedAsReceived) {
    struct Case {
        const char* name;
        std::string reply;
        std::size_t columns;
        std::size_t maxLines;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"every line end", "KOV\r++++\nA\r\nB", 80, 60, {"KOV", "++++", "A", "B"}},
        {"LF then CR are two ends", "A\n\rB\r", 80, 60, {"A", "", "B"}},
        {"empty lines inside stay", "A\r\rB\r\n", 80, 60, {"A", "", "B"}},
        {"nothing read", "", 80, 60, {}},
        {"unprintable bytes are named", std::string("O\x07K\0\xff", 5), 80, 60, {"O<07>K<00><FF>"}},
        {"long lines wrap", "ABCDEFG", 3, 60, {"ABC", "DEF", "G"}},
        {"a named byte is not split", "AB\x01", 4, 60, {"AB", "<01>"}},
        {"the rest is counted", "1\r2\r3\r4\r5\r", 80, 3, {"1", "2", "... 3 more lines not printed"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplyLines(c.reply, c.columns, c.maxLines), c.lines) << c.name;
    }
}

TEST(SetupSheetContentTest, PortAndSettingsWithTheirItemTexts) {
    PlainSettingsControls controls;
    controls.SetOutputTypeIndex(3);
    controls.SetFluidTypeIndex(kNoSelection);
    controls.settings.edits = {"15", "1500", "12", "33", "61", "86"};
    controls.replyText = "KOV\r";
    const SetupSheetPort port{"/dev/ttyUSB0", true, 9600, 8, 2, 2, ""};
    const SetupSheetContent sheet = BuildSetupSheet(controls, port, "2026-12-07 15:30", std::nullopt);

    EXPECT_EQ(sheet.dateTime, "2026-12-07 15:30");
    ASSERT_EQ(sheet.sections.size(), 2u);
    EXPECT_EQ(ValueOf(sheet.sections[0], "Port"), "/dev/ttyUSB0");
    EXPECT_EQ(ValueOf(sheet.sections[0], "Line settings"), "9600 baud, 8 data bits, even parity, 2 stop bits");
    const SetupSheetSection& settings = sheet.sections[1];
    EXPECT_EQ(settings.rows.size(), 8u);
    EXPECT_EQ(ValueOf(settings, "Output Type"), "Resistive 300 - 10R");
    EXPECT_EQ(ValueOf(settings, "Fluid Type"), "(none selected)");
    EXPECT_EQ(ValueOf(settings, "Top Limit (Millimetre)"), "15");
    EXPECT_EQ(ValueOf(settings, "Bottom Limit (Millimetre)"), "1500");
    EXPECT_EQ(ValueOf(settings, "Level D = 80% of Tank Level"), "86 %");
    EXPECT_EQ(sheet.replyLines, std::vector<std::string>{"KOV"});
    EXPECT_FALSE(sheet.levelSource);
    EXPECT_TRUE(sheet.picture.empty());

    const SetupSheetContent closed = BuildSetupSheet(controls, {"COM3", false, 19200, 7, 1, 1, ""}, "", std::nullopt);
    EXPECT_EQ(ValueOf(closed.sections[0], "Port"), "COM3 (not open)");
    EXPECT_EQ(ValueOf(closed.sections[0], "Line settings"), "19200 baud, 7 data bits, odd parity, 1.5 stop bits");
}

// Printed in the window's language: the patterns are translated and the numbers and names
// go into them afterwards, in the translation's order; the values typed stay as typed.
TEST(SetupSheetContentTest, TranslatesPatternsBeforeTheNumbersGoIn) {
    const TextTranslator reversed = [](const char* context, const char* text) {
        const std::string source(text);
        if (source == "%1 baud, %2 data bits, %3, %4") {
            return std::string("%4 / %3 / %2 Datenbits / %1 Baud");
        }
        if (source == "%1 (not open)") {
            return std::string("%1 (nicht offen)");
        }
        return std::string(context) == "SetupSheet" || std::string(context) == "Core" ? "<" + source + ">" : source;
    };
    SetTextTranslator(reversed);
    PlainSettingsControls controls;
    controls.SetFluidTypeIndex(2);
    controls.settings.edits = {"15", "1500", "12", "33", "61", "86"};
    const SetupSheetContent sheet = BuildSetupSheet(controls, {"COM3", false, 19200, 7, 1, 1, ""}, "", std::nullopt);
    SetTextTranslator(nullptr);

    EXPECT_EQ(sheet.title, "<ZEFT Programmer - Setup Sheet>");
    EXPECT_EQ(ValueOf(sheet.sections[0], "<Port>"), "COM3 (nicht offen)");
    EXPECT_EQ(ValueOf(sheet.sections[0], "<Line settings>"),
              "<1.5 stop bits> / <odd parity> / 7 Datenbits / 19200 Baud");
    EXPECT_EQ(ValueOf(sheet.sections[1], "<Fluid Type>"), "<Diesel>");
    EXPECT_EQ(ValueOf(sheet.sections[1], "<Top Limit (Millimetre)>"), "15");
    EXPECT_EQ(FillPlaceholders("%1 of %2, %3%", {"a", "b"}), "a of b, %3%");
}

// A row is changed when the values differ as the sender reads them, not as they are written.
TEST(SetupSheetContentTest, AsFoundAndAsLeftMarkTheRowsThatDifferByValue) {
    const RecordedSettings found{0, 0, {"010", "2000", "20", "40", "60", "80"}};
    const RecordedSettings left{0, 2, {"10", "2000", "20", "44", "60", "80"}};
    const SetupSheetContent sheet =
        BuildSetupSheet(PlainSettingsControls(), {}, "", std::nullopt, AsFoundAsLeft{found, left, {}});
    ASSERT_TRUE(sheet.programmed);
    std::vector<bool> changed;
    for (const SetupSheetChange& row : sheet.programmed->rows) {
        changed.push_back(row.changed);
    }
    EXPECT_EQ(changed, (std::vector<bool>{false, true, false, false, false, true, false, false}));
    EXPECT_EQ(sheet.programmed->rows[2].asFound, "010") << "shown as written";
}

// A record's sheet says what the record holds: a program's as-found only when it kept one.
TEST(SetupSheetContentTest, TheSheetOfAHistoryRecord) {
    HistoryRecord program;
    program.time = "2026-05-01T09:35:00.000Z";
    program.operation = DeviceOperation::Program;
    program.port = "COM3";
    program.adapter = "usb:0403:6001:A10K";
    program.outcome = std::string(kHistorySuccess);
    program.label = "Sea Breeze 42 / fresh water";
    program.sent = program.settings = RecordedSettings{0, 2, {"10", "2000", "20", "44", "60", "80"}};
    HistoryRecord unread = program;
    program.asFound = RecordedSettings{0, 0, {"10", "2000", "20", "40", "60", "80"}};
    program.asFoundTime = "2026-05-01T09:30:00.000Z";
    HistoryRecord failed = unread;
    failed.outcome = "Fail to program the device!";
    failed.settings.reset();
    HistoryRecord nothing = failed;
    nothing.operation = DeviceOperation::Read;
    nothing.sent.reset();

    const std::optional<SetupSheetContent> sheet = BuildRecordSheet(program);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(ValueOf(sheet->job, "Label"), "Sea Breeze 42 / fresh water");
    EXPECT_EQ(ValueOf(sheet->job, "Installer"), "(none given)");
    EXPECT_EQ(ValueOf(sheet->sections[0], "Adapter"), "usb:0403:6001:A10K");
    ASSERT_TRUE(sheet->programmed);
    EXPECT_EQ(sheet->programmed->rows[5].asFound, "40 %");
    EXPECT_TRUE(sheet->programmed->rows[5].changed);
    EXPECT_NE(sheet->programmed->note.find("read from the sender at 2026-05-01"), std::string::npos)
        << sheet->programmed->note;
    EXPECT_EQ(sheet->signatures, (std::vector<std::string>{"Installer", "Owner"}));

    const std::optional<SetupSheetContent> without = BuildRecordSheet(unread);
    ASSERT_TRUE(without && without->programmed);
    for (const SetupSheetChange& row : without->programmed->rows) {
        EXPECT_EQ(row.asFound, "not read before programming") << row.name;
        EXPECT_FALSE(row.changed) << row.name;
    }
    // A failed program: what was sent, as settings, not as left.
    const std::optional<SetupSheetContent> sent = BuildRecordSheet(failed);
    ASSERT_TRUE(sent);
    EXPECT_FALSE(sent->programmed);
    EXPECT_EQ(ValueOf(sent->sections.back(), "Level B = 40% of Tank Level"), "44 %");
    EXPECT_FALSE(BuildRecordSheet(nothing)) << "no settings, no sheet";
}

LevelSource ShapeSource() {
    LevelSource source;
    source.calculator = LevelCalculator::Shape;
    source.calculated = true;
    source.shape = 3;
    source.halfTank = true;
    source.picture = "pictures/shape3h.jpg";
    source.volume = "412 litres";
    source.gaugeError = "1.20 points at 96.0 mm (12.0 % of H)";
    source.inputs = {{"X", "1200"}, {"H", "800"}, {"W", "600"}, {"Y", "100"}, {"X1", "300"}};
    source.levels = {"14", "33", "60", "86"};
    source.bottomLimitMillimetres = "800";
    return source;
}

// The calculator is named only while the main window still holds what it handed over.
TEST(SetupSheetContentTest, LevelSourceOnlyWhileTheLevelsAreStillItsOwn) {
    struct Case {
        const char* name;
        std::array<std::string, 6> edits;
        bool shown;
    };
    const Case cases[] = {
        {"as handed over", {"10", "800", "14", "33", "60", "86"}, true},
        {"a level edited since", {"10", "800", "14", "33", "61", "86"}, false},
        {"the bottom limit edited since", {"10", "1800", "14", "33", "60", "86"}, false},
    };
    for (const Case& c : cases) {
        PlainSettingsControls controls;
        controls.settings.edits = c.edits;
        const SetupSheetContent sheet = BuildSetupSheet(controls, {}, "", ShapeSource());
        ASSERT_EQ(sheet.levelSource.has_value(), c.shown) << c.name;
        EXPECT_EQ(sheet.picture, c.shown ? "pictures/shape3h.jpg" : "") << c.name;
        if (c.shown) {
            EXPECT_EQ(sheet.levelSource->title, "Levels from the Shape Calculator");
            EXPECT_EQ(ValueOf(*sheet.levelSource, "Shape"),
                      "Tank narrowing to a point, with a sloping top part, half tank");
            EXPECT_EQ(ValueOf(*sheet.levelSource, "X1"), "300");
            EXPECT_EQ(ValueOf(*sheet.levelSource, "Volume"), "412 litres");
            EXPECT_EQ(ValueOf(*sheet.levelSource, "Largest gauge error (percentage points of the full content)"),
                      "1.20 points at 96.0 mm (12.0 % of H)");
            EXPECT_EQ(ValueOf(*sheet.levelSource, "Level A"), "14 %");
            EXPECT_EQ(ValueOf(*sheet.levelSource, "Bottom Limit (Millimetre)"), "800");
        }
    }
}

TEST(SetupSheetContentTest, TableAndUncalculatedSourcesCarryNoPicture) {
    PlainSettingsControls controls;
    LevelSource height;
    height.calculator = LevelCalculator::Height;
    height.calculated = true;
    height.inchUnit = true;
    height.inputs = {{"Height @ Full Tank", "40"}};
    height.bottomLimitMillimetres = "1016";
    controls.settings.edits = {"10", "1016", "20", "40", "60", "80"};
    SetupSheetContent sheet = BuildSetupSheet(controls, {}, "", height);
    ASSERT_TRUE(sheet.levelSource);
    EXPECT_EQ(ValueOf(*sheet.levelSource, "Unit"), "Inch");
    EXPECT_EQ(ValueOf(*sheet.levelSource, "Height @ Full Tank"), "40");
    EXPECT_TRUE(sheet.picture.empty());

    // The volume calculator's volumes carry no unit: only the height's is stated.
    LevelSource volume = height;
    volume.calculator = LevelCalculator::Volume;
    volume.inchUnit = false;
    sheet = BuildSetupSheet(controls, {}, "", volume);
    ASSERT_TRUE(sheet.levelSource);
    EXPECT_EQ(ValueOf(*sheet.levelSource, "Unit"), "Millimetre");

    LevelSource fresh; // a shape window handed over its starting values
    controls.settings.edits = {"10", "2000", "20", "40", "60", "80"};
    sheet = BuildSetupSheet(controls, {}, "", fresh);
    ASSERT_TRUE(sheet.levelSource);
    EXPECT_EQ(ValueOf(*sheet.levelSource, "Calculation"), "none: the window's starting values were handed over");
    EXPECT_EQ(ValueOf(*sheet.levelSource, "Shape"), "<missing>");
    EXPECT_TRUE(sheet.picture.empty());
}

struct SheetSave {
    PlainSettingsControls controls;
    ScriptedPrompts prompts;
    int built = 0;

    bool Run(AnsweringDialogs& dialogs) {
        return SaveSetupSheet(
            controls, prompts, dialogs,
            [this] {
                ++built;
                return BuildSetupSheet(controls, {}, "2026-12-07 15:30", std::nullopt);
            },
            [](const SetupSheetContent& sheet) { return "sheet of " + sheet.dateTime; });
    }
};

TEST(SaveSetupSheetTest, ValidatesAsksAddsTheExtensionAndSaves) {
    const TempFolder folder;
    SheetSave save;
    AnsweringDialogs dialogs((folder / "customer").string());
    EXPECT_TRUE(save.Run(dialogs));
    EXPECT_TRUE(save.prompts.shown.empty());
    EXPECT_EQ(TempFolder::Read(folder / "customer.pdf"), "sheet of 2026-12-07 15:30");

    // The dialog did not ask about "customer.pdf": replacing it is asked here.
    save.prompts.Answer(ConfirmAnswer::No);
    EXPECT_FALSE(save.Run(dialogs));
    ASSERT_EQ(save.prompts.shown.size(), 1u);
    EXPECT_EQ(save.prompts.shown[0].kind, Kind::Confirm);
    EXPECT_EQ(save.built, 1);
}

TEST(SaveSetupSheetTest, NothingIsAskedOrWrittenWhenValidationFailsOrTheDialogIsCancelled) {
    const TempFolder folder;
    SheetSave invalid;
    invalid.controls.settings.edits = {"10", "2000", "20", "40", "40", "80"};
    AnsweringDialogs dialogs((folder / "sheet.pdf").string());
    EXPECT_FALSE(invalid.Run(dialogs));
    EXPECT_EQ(dialogs.sheetAsked, 0);
    ASSERT_EQ(invalid.prompts.shown.size(), 1u);
    EXPECT_EQ(invalid.prompts.shown[0].kind, Kind::Error);

    SheetSave cancelled;
    AnsweringDialogs cancelling(std::nullopt);
    EXPECT_FALSE(cancelled.Run(cancelling));
    EXPECT_EQ(cancelling.sheetAsked, 1);
    EXPECT_EQ(cancelled.built, 0);
    EXPECT_TRUE(folder.Listing().empty());
}

TEST(SaveSetupSheetTest, AFailedWriteShowsTheFileErrorAndKeepsWhatWasThere) {
    const TempFolder folder;
    fs::create_directory(folder / "taken.pdf");
    SheetSave save;
    AnsweringDialogs dialogs((folder / "taken.pdf").string());
    EXPECT_FALSE(save.Run(dialogs));
    ASSERT_EQ(save.prompts.shown.size(), 1u);
    EXPECT_EQ(save.prompts.shown[0].kind, Kind::ApplicationError);
    EXPECT_EQ(save.prompts.shown[0].text, "Not a regular file.");
    EXPECT_TRUE(fs::is_directory(folder / "taken.pdf"));
}

TEST(SetupSheetDateTest, LocalDateAndTimeInAnUnambiguousForm) {
    const std::string text =
        LocalDateTimeText(std::time_t{1796650200}); // 2026-12-07 13:30 UTC: the 7th or a neighbour anywhere
    ASSERT_EQ(text.size(), 16u) << text;
    EXPECT_EQ(text.substr(0, 8), "2026-12-") << text;
    EXPECT_EQ(text[10], ' ');
    EXPECT_EQ(text[13], ':');
}

} // namespace
} // namespace zeft
