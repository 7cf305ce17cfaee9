#include "main/JobSettings.h"

namespace zeft {
namespace {

const char kSection[] = "Job";
const char kLabel[] = "Label";
const char kInstaller[] = "Installer";
const char kReadFirst[] = "ReadFirst";
const char kInstallerAsked[] = "InstallerAsked";

} // namespace

JobSettings ReadJobSettings(const std::function<std::unique_ptr<SettingsMedium>()>& medium, const std::string& key) {
    JobSettings job;
    const std::unique_ptr<SettingsMedium> store = medium ? medium() : nullptr;
    if (!store || !store->OpenKey(key)) {
        return job;
    }
    const auto text = [&store](const char* name) {
        std::string value;
        return store->ReadString(kSection, name, value) == SettingsMedium::ReadStatus::Text ? value : std::string();
    };
    job.label = text(kLabel);
    job.installer = text(kInstaller);
    job.readFirst = text(kReadFirst) == "1";
    job.installerAsked = text(kInstallerAsked) == "1";
    store->Close();
    return job;
}

bool WriteJobSettings(const std::function<std::unique_ptr<SettingsMedium>()>& medium, const std::string& key,
                      const JobSettings& job) {
    const std::unique_ptr<SettingsMedium> store = medium ? medium() : nullptr;
    if (!store || !store->OpenKey(key)) {
        return false;
    }
    bool written = store->WriteString(kSection, kLabel, job.label);
    written = store->WriteString(kSection, kInstaller, job.installer) && written;
    written = store->WriteString(kSection, kReadFirst, job.readFirst ? "1" : "0") && written;
    written = store->WriteString(kSection, kInstallerAsked, job.installerAsked ? "1" : "0") && written;
    return store->Close() && written;
}

} // namespace zeft
