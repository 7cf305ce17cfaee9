#include "main/SetupSheet.h"

#include "main/LocalTime.h"
#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"
#include "main/SettingNames.h"
#include "main/SettingsComparison.h"
#include "main/TankShapeName.h"
#include "seams/TextTranslation.h"

#include <array>
#include <cstdio>

namespace zeft {

namespace {

std::string ItemText(int index, const auto& items) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return TranslatedText("SetupSheet", "(none selected)");
    }
    return TranslatedText("Core", std::string(items[static_cast<std::size_t>(index)]).c_str());
}

std::string ParityName(std::uint8_t parity) {
    const std::array<std::string, 5> names{
        TranslatedText("SetupSheet", "no parity"), TranslatedText("SetupSheet", "odd parity"),
        TranslatedText("SetupSheet", "even parity"), TranslatedText("SetupSheet", "mark parity"),
        TranslatedText("SetupSheet", "space parity")};
    return parity < names.size() ? names[parity] : names[0];
}

std::string StopBitsName(std::uint8_t stopBits) {
    switch (stopBits) {
    case 1:
        return TranslatedText("SetupSheet", "1.5 stop bits");
    case 2:
        return TranslatedText("SetupSheet", "2 stop bits");
    default:
        return TranslatedText("SetupSheet", "1 stop bit");
    }
}

SetupSheetSection PortSection(const SetupSheetPort& port) {
    SetupSheetSection section{TranslatedText("SetupSheet", "Serial Port"), {}};
    if (port.name.empty()) {
        section.rows.push_back({TranslatedText("SetupSheet", "Port"), TranslatedText("SetupSheet", "(none selected)")});
        return section;
    }
    section.rows.push_back(
        {TranslatedText("SetupSheet", "Port"),
         port.open ? port.name : FillPlaceholders(TranslatedText("SetupSheet", "%1 (not open)"), {port.name})});
    if (!port.adapter.empty()) {
        section.rows.push_back({TranslatedText("SetupSheet", "Adapter"), port.adapter});
    }
    section.rows.push_back({TranslatedText("SetupSheet", "Line settings"),
                            FillPlaceholders(TranslatedText("SetupSheet", "%1 baud, %2 data bits, %3, %4"),
                                             {std::to_string(port.baudRate), std::to_string(port.dataBits),
                                              ParityName(port.parity), StopBitsName(port.stopBits)})});
    return section;
}

constexpr std::array<SettingsEdit, 4> kLevelEdits{SettingsEdit::LevelA, SettingsEdit::LevelB, SettingsEdit::LevelC,
                                                  SettingsEdit::LevelD};

std::string CoreText(std::string_view text) {
    return TranslatedText("Core", std::string(text).c_str());
}

std::array<std::string, 8> SheetNames() {
    std::array<std::string, 8> names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = CoreText(kSettingNames[i].sheet);
    }
    return names;
}

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
    SetupSheetSection section{TranslatedText("SetupSheet", "Sender Settings"), {}};
    std::array<std::string, 6> edits;
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i] = controls.EditText(kSettingsEdits[i]);
    }
    const std::array<std::string, 8> texts = SettingTexts(controls.OutputTypeIndex(), controls.FluidTypeIndex(), edits);
    const std::array<std::string, 8> names = SheetNames();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        section.rows.push_back({names[i], texts[i]});
    }
    return section;
}

// What the sender held before the program and what it reported after it.
SetupSheetChanges ProgrammedSection(const AsFoundAsLeft& programmed) {
    SetupSheetChanges changes{TranslatedText("SetupSheet", "Sender Settings"),
                              {TranslatedText("SetupSheet", "As Found"), TranslatedText("SetupSheet", "As Left")},
                              {},
                              {}};
    const std::array<std::string, 8> left = SettingTexts(programmed.asLeft);
    std::array<std::string, 8> found;
    found.fill(TranslatedText("SetupSheet", std::string(kNotReadBeforeProgramming).c_str()));
    // By value, as the program's own read-back check: "010" found and "10" left is no change.
    std::array<bool, 8> changed{};
    if (programmed.asFound) {
        const SettingsComparison comparison = CompareSettings(*programmed.asFound, programmed.asLeft);
        for (std::size_t i = 0; i < changed.size(); ++i) {
            changed[i] = !comparison.rows[i].same;
        }
        found = SettingTexts(*programmed.asFound);
        const std::string when =
            programmed.asFoundTime.empty()
                ? std::string()
                : FillPlaceholders(TranslatedText("SetupSheet", " at %1"), {LocalRecordTime(programmed.asFoundTime)});
        changes.note = FillPlaceholders(TranslatedText("SetupSheet", "As Found: read from the sender%1, before it was "
                                                                     "programmed. Rows marked \"%2\" differ between "
                                                                     "what the sender held then and what it reported "
                                                                     "after."),
                                        {when, TranslatedText("SetupSheet", std::string(kSheetChangedMark).c_str())});
    } else {
        changes.note = TranslatedText("SetupSheet", "The sender was not read before programming (with no program, "
                                                    "restore or change of port between), so what it held before is "
                                                    "not known.");
    }
    const std::array<std::string, 8> names = SheetNames();
    for (std::size_t i = 0; i < left.size(); ++i) {
        changes.rows.push_back({names[i], found[i], left[i], changed[i]});
    }
    return changes;
}

// The calculator as its menu item names it.
const char* CalculatorName(LevelCalculator calculator) {
    switch (calculator) {
    case LevelCalculator::Volume:
        return ZEFT_TEXT("SetupSheet", "Volume");
    case LevelCalculator::Height:
        return ZEFT_TEXT("SetupSheet", "Height");
    case LevelCalculator::MeasuredTable:
        return ZEFT_TEXT("SetupSheet", "Measured Table");
    default:
        return ZEFT_TEXT("SetupSheet", "Shape");
    }
}

// The section's title: the calculator's name inside the pattern in each language.
std::string SourceTitle(LevelCalculator calculator) {
    switch (calculator) {
    case LevelCalculator::Volume:
        return TranslatedText("SetupSheet", "Levels from the Volume Calculator");
    case LevelCalculator::Height:
        return TranslatedText("SetupSheet", "Levels from the Height Calculator");
    case LevelCalculator::MeasuredTable:
        return TranslatedText("SetupSheet", "Levels from the Measured Table Calculator");
    default:
        return TranslatedText("SetupSheet", "Levels from the Shape Calculator");
    }
}

// The unit of the lengths. The volume calculator's volumes carry none (only their ratios
// count), and the shape calculator's volume names its own.
std::string UnitText(const LevelSource& source) {
    return source.inchUnit ? TranslatedText("SetupSheet", "Inch") : TranslatedText("SetupSheet", "Millimetre");
}

SetupSheetSection SourceSection(const LevelSource& source) {
    const std::string name = CalculatorName(source.calculator);
    SetupSheetSection section{SourceTitle(source.calculator), {}};
    section.rows.push_back({TranslatedText("SetupSheet", "Calculator"),
                            FillPlaceholders(TranslatedText("SetupSheet", "Non-Linearization > %1..."),
                                             {TranslatedText("SetupSheet", name.c_str())})});
    if (!source.calculated) {
        section.rows.push_back({TranslatedText("SetupSheet", "Calculation"),
                                TranslatedText("SetupSheet", "none: the window's starting values were handed over")});
    } else {
        if (source.calculator == LevelCalculator::Shape) {
            std::string shape = TankShapeName(source.shape);
            shape += source.halfTank ? TranslatedText("SetupSheet", ", half tank") : "";
            shape += source.reserve ? TranslatedText("SetupSheet", ", 10% reserve") : "";
            section.rows.push_back({TranslatedText("SetupSheet", "Shape"), shape});
        }
        section.rows.push_back({TranslatedText("SetupSheet", "Unit"), UnitText(source)});
        for (const auto& [input, text] : source.inputs) {
            section.rows.push_back({input, text});
        }
        if (!source.volume.empty()) {
            section.rows.push_back({TranslatedText("SetupSheet", "Volume"), source.volume});
        }
        if (!source.gaugeError.empty()) {
            section.rows.push_back(
                {TranslatedText("SetupSheet", "Largest gauge error (percentage points of the full content)"),
                 source.gaugeError});
        }
    }
    for (std::size_t i = 0; i < kLevelEdits.size(); ++i) {
        section.rows.push_back({CoreText(NamesOf(kLevelEdits[i]).key), source.levels[i] + " %"});
    }
    section.rows.push_back({CoreText(NamesOf(SettingsEdit::BottomLimit).withUnit), source.bottomLimitMillimetres});
    return section;
}

SetupSheetContent SheetStart(const std::string& dateTime, const SetupSheetJob& job) {
    SetupSheetContent sheet;
    sheet.title = TranslatedText("SetupSheet", "ZEFT Programmer - Setup Sheet");
    sheet.dateTime = dateTime;
    const std::string none = TranslatedText("SetupSheet", "(none given)");
    sheet.job = {TranslatedText("SetupSheet", "Job"),
                 {{TranslatedText("SetupSheet", "Label"), job.label.empty() ? none : job.label},
                  {TranslatedText("SetupSheet", "Installer"), job.installer.empty() ? none : job.installer}}};
    sheet.signatures = {TranslatedText("SetupSheet", "Installer"), TranslatedText("SetupSheet", "Owner")};
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
        lines.push_back(
            FillPlaceholders(TranslatedText("SetupSheet", "... %1 more lines not printed"), {std::to_string(left)}));
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
    sheet.replyTitle = TranslatedText("SetupSheet", "Sender's Reply as Last Read");
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
    SetupSheetSection port{TranslatedText("SetupSheet", "Serial Port"),
                           {{TranslatedText("SetupSheet", "Port"), record.port}}};
    if (record.adapter) {
        port.rows.push_back({TranslatedText("SetupSheet", "Adapter"), *record.adapter});
    }
    // The history keeps its texts in English; the sheet speaks the window's language.
    const std::string operation = TranslatedText("Core", std::string(HistoryOperationName(record.operation)).c_str());
    port.rows.push_back(
        {TranslatedText("SetupSheet", "Operation"), operation + ": " + TranslatedText("Core", record.outcome.c_str())});
    sheet.sections.push_back(std::move(port));
    if (const std::optional<AsFoundAsLeft> programmed = AsFoundAsLeftOf(record)) {
        sheet.programmed = ProgrammedSection(*programmed);
    } else {
        PlainSettingsControls controls;
        PutSettingsIntoControls(*held, controls);
        SetupSheetSection settings = SettingsSection(controls);
        settings.title = record.settings
                             ? TranslatedText("SetupSheet", "Sender Settings")
                             : TranslatedText("SetupSheet", "Sender Settings (as sent; the sender reported none)");
        sheet.sections.push_back(std::move(settings));
    }
    return sheet;
}

} // namespace zeft
