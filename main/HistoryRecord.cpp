#include "main/HistoryRecord.h"

#include "main/SettingNames.h"
#include "seams/TextTranslation.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace zeft {
namespace {

using Json = nlohmann::ordered_json;

// A setting's key in the record: the configuration file's key.
std::string Key(std::size_t setting) {
    return std::string(kSettingNames[setting].key);
}

Json CodeJson(const std::optional<int>& code) {
    return code ? Json(*code) : Json(nullptr);
}

Json SettingsJson(const std::optional<RecordedSettings>& settings) {
    if (!settings) {
        return nullptr;
    }
    Json object;
    object[Key(kOutputTypeSetting)] = CodeJson(settings->outputType);
    object[Key(kFluidTypeSetting)] = CodeJson(settings->fluidType);
    for (std::size_t i = 0; i < settings->edits.size(); ++i) {
        object[Key(kFirstEditSetting + i)] = settings->edits[i];
    }
    return object;
}

Json TextOrNull(const std::optional<std::string>& text) {
    return text ? Json(*text) : Json(nullptr);
}

// A code is a whole number or null; anything else makes the line foreign.
bool ReadCode(const Json& object, const std::string& key, std::optional<int>& code) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) {
        code.reset();
        return true;
    }
    if (!found->is_number_integer()) {
        return false;
    }
    const auto value = found->get<std::int64_t>();
    if (value < -1000 || value > 1000) {
        return false;
    }
    code = static_cast<int>(value);
    return true;
}

bool ReadSettings(const Json& object, const char* key, std::optional<RecordedSettings>& settings) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) {
        settings.reset();
        return true;
    }
    if (!found->is_object()) {
        return false;
    }
    RecordedSettings read;
    if (!ReadCode(*found, Key(kOutputTypeSetting), read.outputType) ||
        !ReadCode(*found, Key(kFluidTypeSetting), read.fluidType)) {
        return false;
    }
    for (std::size_t i = 0; i < read.edits.size(); ++i) {
        const auto text = found->find(Key(kFirstEditSetting + i));
        if (text == found->end() || !text->is_string()) {
            return false;
        }
        read.edits[i] = text->get<std::string>();
    }
    settings = std::move(read);
    return true;
}

bool ReadText(const Json& object, const char* key, std::string& text) {
    const auto found = object.find(key);
    if (found == object.end() || !found->is_string()) {
        return false;
    }
    text = found->get<std::string>();
    return true;
}

std::optional<DeviceOperation> OperationFromName(const std::string& name) {
    for (DeviceOperation operation : {DeviceOperation::Read, DeviceOperation::Program, DeviceOperation::Restore}) {
        if (HistoryOperationName(operation) == name) {
            return operation;
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view HistoryOperationName(DeviceOperation operation) {
    switch (operation) {
    case DeviceOperation::Program:
        return ZEFT_TEXT("Core", "program");
    case DeviceOperation::Restore:
        return ZEFT_TEXT("Core", "restore");
    default:
        return ZEFT_TEXT("Core", "read");
    }
}

std::string HistoryRecordJson(const HistoryRecord& record) {
    Json object;
    object["time"] = record.time;
    object["operation"] = std::string(HistoryOperationName(record.operation));
    object["port"] = record.port;
    object["adapter"] = TextOrNull(record.adapter);
    object["outcome"] = record.outcome;
    object["sent"] = SettingsJson(record.sent);
    object["settings"] = SettingsJson(record.settings);
    object["source"] = record.source;
    // Left out when empty, so that older readers and records look alike.
    if (!record.label.empty()) {
        object["label"] = record.label;
    }
    if (!record.installer.empty()) {
        object["installer"] = record.installer;
    }
    if (record.unit) {
        object["unit"] = *record.unit;
    }
    if (record.asFound) {
        object["asFound"] = SettingsJson(record.asFound);
        object["asFoundTime"] = record.asFoundTime;
    }
    object["version"] = record.version;
    // A sender's noise can reach the edits; the line must stay JSON all the same.
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<HistoryRecord> HistoryRecordFromJson(std::string_view line) {
    const Json object = Json::parse(line.begin(), line.end(), nullptr, false);
    if (object.is_discarded() || !object.is_object()) {
        return std::nullopt;
    }
    HistoryRecord record;
    std::string operation;
    if (!ReadText(object, "time", record.time) || !ReadText(object, "operation", operation) ||
        !ReadText(object, "port", record.port) || !ReadText(object, "outcome", record.outcome)) {
        return std::nullopt;
    }
    const std::optional<DeviceOperation> known = OperationFromName(operation);
    if (!known) {
        return std::nullopt;
    }
    record.operation = *known;
    if (!ReadSettings(object, "sent", record.sent) || !ReadSettings(object, "settings", record.settings) ||
        !ReadSettings(object, "asFound", record.asFound)) {
        return std::nullopt;
    }
    if (std::string adapter; ReadText(object, "adapter", adapter)) {
        record.adapter = std::move(adapter);
    }
    ReadText(object, "source", record.source);
    ReadText(object, "label", record.label);
    ReadText(object, "installer", record.installer);
    ReadText(object, "asFoundTime", record.asFoundTime);
    if (const auto unit = object.find("unit");
        unit != object.end() && unit->is_number_unsigned() && unit->get<std::uint64_t>() <= 1'000'000'000U) {
        record.unit = static_cast<int>(unit->get<std::uint64_t>());
    }
    ReadText(object, "version", record.version);
    return record;
}

std::string UtcTimeText(std::int64_t millisecondsSinceEpoch) {
    const std::int64_t milliseconds = ((millisecondsSinceEpoch % 1000) + 1000) % 1000;
    const std::time_t seconds = static_cast<std::time_t>((millisecondsSinceEpoch - milliseconds) / 1000);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    char text[40];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(text + length, sizeof text - length, ".%03dZ", static_cast<int>(milliseconds));
    return text;
}

std::string UtcTimeNow() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return UtcTimeText(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace zeft
