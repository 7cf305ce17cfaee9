#include "cli/DeviceReport.h"

#include "cli/ExitStatus.h"
#include "cli/VisibleText.h"
#include "main/SenderSettings.h"
#include "main/SettingNames.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdio>
#include <sstream>
#include <string_view>

namespace zeft::cli {
namespace {

std::string ListLine(std::string_view key, int code, int index, const auto& items) {
    std::ostringstream line;
    line << key << " = " << code;
    if (index >= 0 && static_cast<std::size_t>(index) < items.size()) {
        line << " (" << items[static_cast<std::size_t>(index)] << ')';
    } else {
        line << " (no selection)";
    }
    return line.str();
}

nlohmann::ordered_json CodeOrNull(int code) {
    return code == kNoSelection ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(code);
}

} // namespace

std::string DeviceReportText(const PlainSettingsControls& controls) {
    std::ostringstream out;
    out << VisibleText(controls.statusText) << '\n';
    const int outputIndex = controls.OutputTypeIndex();
    const int fluidIndex = controls.FluidTypeIndex();
    out << ListLine(kSettingNames[kOutputTypeSetting].key, OutputTypeCodeFromIndex(outputIndex), outputIndex,
                    kOutputTypeItems)
        << '\n';
    out << ListLine(kSettingNames[kFluidTypeSetting].key, FluidTypeCodeFromIndex(fluidIndex), fluidIndex,
                    kFluidTypeItems)
        << '\n';
    for (const SettingsEdit edit : kSettingsEdits) {
        out << NamesOf(edit).key << " = " << VisibleText(controls.EditText(edit)) << '\n';
    }
    return out.str();
}

std::string DeviceReportJson(const PlainSettingsControls& controls, const std::optional<std::string>& error) {
    nlohmann::ordered_json settings;
    const auto key = [](const SettingNames& names) { return std::string(names.key); };
    settings[key(kSettingNames[kOutputTypeSetting])] = CodeOrNull(OutputTypeCodeFromIndex(controls.OutputTypeIndex()));
    settings[key(kSettingNames[kFluidTypeSetting])] = CodeOrNull(FluidTypeCodeFromIndex(controls.FluidTypeIndex()));
    for (const SettingsEdit edit : kSettingsEdits) {
        settings[key(NamesOf(edit))] = controls.EditText(edit);
    }
    nlohmann::ordered_json report;
    report["status"] = controls.statusText;
    report["error"] = error ? nlohmann::ordered_json(*error) : nlohmann::ordered_json(nullptr);
    report["settings"] = settings;
    report["reply"] = controls.ReplyText();
    // Replace invalid UTF-8 from the line rather than throwing on it.
    return report.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

void PrintDeviceReport(int status, const PlainSettingsControls& controls, const std::optional<std::string>& error,
                       bool json) {
    if (json) {
        std::fputs(DeviceReportJson(controls, error).c_str(), stdout);
    } else if (status != kExitPortNotOpened) {
        std::fputs(DeviceReportText(controls).c_str(), stdout);
    }
}

} // namespace zeft::cli
