#include "main/LanguageSetting.h"

namespace zeft {

namespace {

const char kSection[] = "Display";
const char kValue[] = "Language";

} // namespace

std::string LanguageSetting::Read() const {
    std::unique_ptr<SettingsMedium> medium = medium_ ? medium_() : nullptr;
    if (!medium || !medium->OpenKey(regKey_)) {
        return {};
    }
    std::string code;
    if (medium->ReadString(kSection, kValue, code) != SettingsMedium::ReadStatus::Text) {
        code.clear();
    }
    medium->Close();
    return code;
}

bool LanguageSetting::Write(const std::string& code) const {
    std::unique_ptr<SettingsMedium> medium = medium_ ? medium_() : nullptr;
    if (!medium || !medium->OpenKey(regKey_)) {
        return false;
    }
    const bool written = medium->WriteString(kSection, kValue, code);
    return medium->Close() && written;
}

} // namespace zeft
