#include "serial/settings/SettingsMedium.h"

#include <windows.h>

#include <vector>

namespace zeft {

namespace {

// The port settings under HKEY_CURRENT_USER\<key>\<section>, one REG_SZ value each.
class RegistryMedium : public SettingsMedium {
public:
    ~RegistryMedium() override { Close(); }

    bool OpenKey(const std::string& key) override {
        Close();
        return RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                               nullptr, &key_, nullptr) == ERROR_SUCCESS;
    }

    ReadStatus ReadString(const std::string& section, const std::string& name, std::string& text) override {
        text.clear();
        HKEY sub = nullptr;
        if (key_ == nullptr || RegOpenKeyExA(key_, section.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) {
            return ReadStatus::Missing;
        }
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegQueryValueExA(sub, name.c_str(), nullptr, &type, nullptr, &size);
        ReadStatus status = ReadStatus::Missing;
        if (result == ERROR_SUCCESS) {
            if (type != REG_SZ && type != REG_EXPAND_SZ) {
                status = ReadStatus::NotText;
            } else {
                std::vector<char> data(size + 1, '\0');
                result =
                    RegQueryValueExA(sub, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
                if (result == ERROR_SUCCESS) {
                    // A string ends at its first NUL, so a stored #0 reads as the empty text.
                    text.assign(data.data());
                    status = ReadStatus::Text;
                } else {
                    status = ReadStatus::NotText;
                }
            }
        } else if (result != ERROR_FILE_NOT_FOUND) {
            status = ReadStatus::NotText;
        }
        RegCloseKey(sub);
        return status;
    }

    bool WriteString(const std::string& section, const std::string& name, const std::string& text) override {
        HKEY sub = nullptr;
        if (key_ == nullptr || RegCreateKeyExA(key_, section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                               KEY_ALL_ACCESS, nullptr, &sub, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const LONG result = RegSetValueExA(sub, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                           static_cast<DWORD>(text.size() + 1));
        RegCloseKey(sub);
        return result == ERROR_SUCCESS;
    }

    bool Close() override {
        if (key_ != nullptr) {
            RegCloseKey(key_);
            key_ = nullptr;
        }
        return true;
    }

private:
    HKEY key_ = nullptr;
};

} // namespace

std::unique_ptr<SettingsMedium> CreateUserSettingsMedium() {
    return std::make_unique<RegistryMedium>();
}

} // namespace zeft
