#include "main/SetupSheet.h"

#include "main/LocalTime.h"
#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"
#include "main/SettingsComparison.h"
#include "main/TankShapeName.h"

#include <array>
#include <cstdio>

namespace zeft {

namespace {

std::string ItemText(int index, const auto& items) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return "(none selected)";
    }
    return std::string(items[static_cast<std::size_t>(index)]);
}

std::string ParityName(std::uint8_t parity) {
    constexpr std::array<const char*, 5> kNames{"no parity", "odd parity", "even parity", "mark parity",
                                                "space parity"};
    return parity < kNames.size() ? kNames[parity] : kNames[0];
}

std::string StopBitsName(std::uint8_t stopBits) {
    switch (stopBits) {
    case 1:
        return "1.5 stop bits";
    case 2:
        return "2 stop bits";
    default:
        return "1 stop bit";
    }
}

SetupSheetSection PortSection(const SetupSheetPort& port) {
    SetupSheetSection section{"Serial Port", {}};
    if (port.name.empty()) {
        section.rows.push_back({"Port", "(none selected)"});
        return section;
    }
    section.rows.push_back({"Port", port.open ? port.name : port.name + " (not open)"});
    if (!port.adapter.empty()) {
        section.rows.push_back({"Adapter", port.adapter});
    }
    section.rows.push_back({"Line settings", std::to_string(port.baudRate) + " baud, " + std::to_string(port.dataBits) +
                                                 " data bits, " + ParityName(port.parity) + ", " +
                                                 StopBitsName(port.stopBits)});
    return section;
}

constexpr std::array<SettingsEdit, 4> kLevelEdits{SettingsEdit::LevelA, SettingsEdit::LevelB, SettingsEdit::LevelC,
                                                  SettingsEdit::LevelD};

constexpr std::array<const char*, 8> kSettingNames{"Output Type",
                                                   "Fluid Type",
                                                   "Top Limit (Millimetre)",
                                                   "Bottom Limit (Millimetre)",
                                                   "Level A = 20% of Tank Level",
                                                   "Level B = 40% of Tank Level",
                                                   "Level C = 60% of Tank Level",
                                                   "Level D = 80% of Tank Level"};

// The eight values as the sheet prints them, in the window's order.
std::array<std::string, 8> SettingTexts(int outputIndex, int fluidIndex, const std::array<std::string, 6>& edits) {
    std::array<std::string, 8> texts{ItemText(outputIndex, kOutputTypeItems), ItemText(fluidIndex, kFluidTypeItems),
                                     edits[0], edits[1]};
    for (std::size_t i = 0; i < 4; ++i) {
        texts[4 + i] = edits[2 + i] + " %";
    }
    return texts;
}

std::array<std::string, 8> SettingTexts(const RecordedSettings& settings) {
    return SettingTexts(settings.outputType ? OutputTypeIndexFromCode(*settings.outputType) : kNoSelection,
                        settings.fluidType ? FluidTypeIndexFromCode(*settings.fluidType) : kNoSelection,
                        settings.edits);
}

SetupSheetSection SettingsSection(const SettingsControls& controls) {
    SetupSheetSection section{"Sender Settings", {}};
    std::array<std::string, 6> edits;
    const std::array<SettingsEdit, 2> limits{SettingsEdit::TopLimit, SettingsEdit::BottomLimit};
    for (std::size_t i = 0; i < 2; ++i) {
        edits[i] = controls.EditText(limits[i]);
    }
    for (std::size_t i = 0; i < kLevelEdits.size(); ++i) {
        edits[2 + i] = controls.EditText(kLevelEdits[i]);
    }
    const std::array<std::string, 8> texts = SettingTexts(controls.OutputTypeIndex(), controls.FluidTypeIndex(), edits);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        section.rows.push_back({kSettingNames[i], texts[i]});
    }
    return section;
}

// What the sender held before the program and what it reported after it.
SetupSheetChanges ProgrammedSection(const AsFoundAsLeft& programmed) {
    SetupSheetChanges changes{"Sender Settings", {"As Found", "As Left"}, {}, {}};
    const std::array<std::string, 8> left = SettingTexts(programmed.asLeft);
    std::array<std::string, 8> found;
    found.fill(std::string(kNotReadBeforeProgramming));
    // By value, as the program's own read-back check: "010" found and "10" left is no change.
    std::array<bool, 8> changed{};
    if (programmed.asFound) {
        const SettingsComparison comparison = CompareSettings(*programmed.asFound, programmed.asLeft);
        for (std::size_t i = 0; i < changed.size(); ++i) {
            changed[i] = !comparison.rows[i].same;
        }
        found = SettingTexts(*programmed.asFound);
        const std::string when =
            programmed.asFoundTime.empty() ? std::string() : " at " + LocalRecordTime(programmed.asFoundTime);
        changes.note = "As Found: read from the sender" + when + ", before it was programmed. Rows marked \"" +
                       std::string(kSheetChangedMark) +
                       "\" differ between what the sender held then and what it reported after.";
    } else {
        changes.note = "The sender was not read before programming (with no program, restore or change of port "
                       "between), so what it held before is not known.";
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        changes.rows.push_back({kSettingNames[i], found[i], left[i], changed[i]});
    }
    return changes;
}

const char* CalculatorName(LevelCalculator calculator) {
    switch (calculator) {
    case LevelCalculator::Volume:
        return "Volume";
    case LevelCalculator::Height:
        return "Height";
    case LevelCalculator::MeasuredTable:
        return "Measured Table";
    default:
        return "Shape";
    }
}

// The unit of the lengths. The volume calculator's volumes carry none (only their ratios
// count), and the shape calculator's volume names its own.
std::string UnitText(const LevelSource& source) {
    return source.inchUnit ? "Inch" : "Millimetre";
}

SetupSheetSection SourceSection(const LevelSource& source) {
    const std::string name = CalculatorName(source.calculator);
    SetupSheetSection section{"Levels from the " + name + " Calculator", {}};
    section.rows.push_back({"Calculator", "Non-Linearization > " + name + "..."});
    if (!source.calculated) {
        section.rows.push_back({"Calculation", "none: the window's starting values were handed over"});
    } else {
        if (source.calculator == LevelCalculator::Shape) {
            std::string shape = TankShapeName(source.shape);
            shape += source.halfTank ? ", half tank" : "";
            shape += source.reserve ? ", 10% reserve" : "";
            section.rows.push_back({"Shape", shape});
        }
        section.rows.push_back({"Unit", UnitText(source)});
        for (const auto& [input, text] : source.inputs) {
            section.rows.push_back({input, text});
        }
        if (!source.volume.empty()) {
            section.rows.push_back({"Volume", source.volume});
        }
        if (!source.gaugeError.empty()) {
            section.rows.push_back({"Largest gauge error (percentage points of the full content)", source.gaugeError});
        }
    }
    const std::array<const char*, 4> names{"Level A", "Level B", "Level C", "Level D"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        section.rows.push_back({names[i], source.levels[i] + " %"});
    }
    section.rows.push_back({"Bottom Limit (Millimetre)", source.bottomLimitMillimetres});
    return section;
}

SetupSheetContent SheetStart(const std::string& dateTime, const SetupSheetJob& job) {
    SetupSheetContent sheet;
    sheet.title = "ZEFT Programmer - Setup Sheet";
    sheet.dateTime = dateTime;
    sheet.job = {"Job",
                 {{"Label", job.label.empty() ? "(none given)" : job.label},
                  {"Installer", job.installer.empty() ? "(none given)" : job.installer}}};
    sheet.signatures = {"Installer", "Owner"};
    return sheet;
}

bool Printable(unsigned char c) {
    return c >= 0x20 && c < 0x7F;
}

} // namespace

bool LevelsFromSource(const SettingsControls& controls, const LevelSource& source) {
    for (std::size_t i = 0; i < kLevelEdits.size(); ++i) {
        if (controls.EditText(kLevelEdits[i]) != source.levels[i]) {
            return false;
        }
    }
    return controls.EditText(SettingsEdit::BottomLimit) == source.bottomLimitMillimetres;
}

std::vector<std::string> ReplyLines(std::string_view reply, std::size_t columns, std::size_t maxLines) {
    std::vector<std::string> lines(1);
    bool afterCr = false;
    for (const char byte : reply) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '\n' && afterCr) {
            afterCr = false;
            continue;
        }
        afterCr = c == '\r';
        if (c == '\r' || c == '\n') {
            lines.emplace_back();
            continue;
        }
        std::string piece(1, byte);
        if (!Printable(c)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", c);
            piece = hex;
        }
        if (lines.back().size() + piece.size() > columns) {
            lines.emplace_back();
        }
        lines.back() += piece;
    }
    // A reply ends with its line end; no empty line after it.
    if (lines.back().empty()) {
        lines.pop_back();
    }
    if (lines.size() > maxLines && maxLines > 0) {
        const std::size_t left = lines.size() - (maxLines - 1);
        lines.resize(maxLines - 1);
        lines.push_back("... " + std::to_string(left) + " more lines not printed");
    }
    return lines;
}

std::string LocalDateTimeText(std::time_t when) {
    const std::tm local = LocalTm(when);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return std::string(text, length);
}

SetupSheetContent BuildSetupSheet(const SettingsControls& controls, const SetupSheetPort& port,
                                  const std::string& dateTime, const std::optional<LevelSource>& source,
                                  const std::optional<AsFoundAsLeft>& programmed, const SetupSheetJob& job) {
    SetupSheetContent sheet = SheetStart(dateTime, job);
    sheet.sections.push_back(PortSection(port));
    if (programmed) {
        sheet.programmed = ProgrammedSection(*programmed);
    } else {
        sheet.sections.push_back(SettingsSection(controls));
    }
    sheet.replyTitle = "Sender's Reply as Last Read";
    sheet.replyLines = ReplyLines(controls.ReplyText());
    if (source && LevelsFromSource(controls, *source)) {
        sheet.levelSource = SourceSection(*source);
        if (source->calculator == LevelCalculator::Shape && source->calculated) {
            sheet.picture = source->picture;
        }
    }
    return sheet;
}

std::optional<SetupSheetContent> BuildRecordSheet(const HistoryRecord& record) {
    const std::optional<RecordedSettings>& held = record.settings ? record.settings : record.sent;
    if (!held) {
        return std::nullopt;
    }
    SetupSheetContent sheet = SheetStart(LocalRecordTime(record.time), {record.label, record.installer});
    SetupSheetSection port{"Serial Port", {{"Port", record.port}}};
    if (record.adapter) {
        port.rows.push_back({"Adapter", *record.adapter});
    }
    const std::string operation(HistoryOperationName(record.operation));
    port.rows.push_back({"Operation", operation + ": " + record.outcome});
    sheet.sections.push_back(std::move(port));
    if (const std::optional<AsFoundAsLeft> programmed = AsFoundAsLeftOf(record)) {
        sheet.programmed = ProgrammedSection(*programmed);
    } else {
        PlainSettingsControls controls;
        PutSettingsIntoControls(*held, controls);
        SetupSheetSection settings = SettingsSection(controls);
        settings.title = record.settings ? "Sender Settings" : "Sender Settings (as sent; the sender reported none)";
        sheet.sections.push_back(std::move(settings));
    }
    return sheet;
}

} // namespace zeft
