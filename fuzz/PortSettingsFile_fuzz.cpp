// The port settings store's file reader on arbitrary bytes: the file is read as the store
// reads it at start-up, into a component that records what it is given. Besides not
// crashing: every outcome is one of the store's reports, and quoting any value read
// gives it back unchanged.
#include "serial/settings/PortSettingsStore.h"
#include "serial/settings/SettingsFileMedium.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

class RecordingTarget : public zeft::PortSettingsTarget {
public:
    zeft::PortSettings Current() const override { return values; }
    void SetActive(bool active) override { values.Active = active; }
    void SetCommPort(const std::string& name) override { values.CommPort = name; }
    void StoreDirectly(const zeft::PortSettings& given) override {
        const bool active = values.Active;
        values = given;
        values.Active = active;
    }
    void Report(std::uint32_t place, std::uint32_t, std::uint8_t, const std::string&) override {
        Check(place == 401 || place == 402, "a report other than 401 or 402 while reading");
        ++reports;
    }
    zeft::PortSettings values;
    int reports = 0;
};

std::filesystem::path SettingsFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zeft-fuzz-settings-" + std::to_string(getpid()) + ".ini");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream file(SettingsFile(), std::ios::binary | std::ios::trunc);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    }
    const zeft::PortSettingsStore store([] { return std::make_unique<zeft::SettingsFileMedium>(SettingsFile()); });
    RecordingTarget target;
    store.ReadSettings(target, "Software\\KOV\\ZEFT", "CommSetting");
    Check(target.reports == 1, "reading did not report exactly once");

    // A value as it stands in the file, quoted or not.
    const auto unquoted = zeft::SettingsFileMedium::Unquote(contents);
    if (unquoted) {
        Check(zeft::SettingsFileMedium::Unquote(zeft::SettingsFileMedium::Quote(*unquoted)) == unquoted,
              "a value read does not survive being written again");
    }
    Check(zeft::SettingsFileMedium::Unquote(zeft::SettingsFileMedium::Quote(contents)) == contents,
          "a value does not survive being written and read");
    return 0;
}
