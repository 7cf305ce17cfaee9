// The registry as the port settings' medium, under a key of its own that the test removes.
#include "serial/settings/SettingsMedium.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace zeft {
namespace {

class RegistryMediumTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); }

    const std::string key = "Software\\ZeftTests\\Medium" + std::to_string(GetCurrentProcessId());
};

TEST_F(RegistryMediumTest, WrittenValuesLastAndReadBackWhateverTheLetterCase) {
    {
        const auto medium = CreateUserSettingsMedium();
        ASSERT_TRUE(medium->OpenKey(key));
        EXPECT_TRUE(medium->WriteString("CommSetting", "CommPort", "\\\\.\\COM10"));
        EXPECT_TRUE(medium->WriteString("CommSetting", "BaudRate", "9600"));
        EXPECT_TRUE(medium->WriteString("Other", "Empty", ""));
        EXPECT_TRUE(medium->Close());
    }
    const auto medium = CreateUserSettingsMedium();
    ASSERT_TRUE(medium->OpenKey(key));
    struct Case {
        const char* section;
        const char* name;
        SettingsMedium::ReadStatus status;
        const char* text;
    };
    const Case cases[] = {
        {"CommSetting", "CommPort", SettingsMedium::ReadStatus::Text, "\\\\.\\COM10"},
        {"CommSetting", "baudrate", SettingsMedium::ReadStatus::Text, "9600"},
        {"Other", "Empty", SettingsMedium::ReadStatus::Text, ""},
        {"CommSetting", "Parity", SettingsMedium::ReadStatus::Missing, ""},
        {"No Such Section", "CommPort", SettingsMedium::ReadStatus::Missing, ""},
    };
    for (const Case& c : cases) {
        std::string text = "left over";
        EXPECT_EQ(medium->ReadString(c.section, c.name, text), c.status) << c.section << "/" << c.name;
        EXPECT_EQ(text, c.text) << c.section << "/" << c.name;
    }
    EXPECT_TRUE(medium->Close());
}

TEST_F(RegistryMediumTest, AValueThatIsNoStringReadsAsNotText) {
    HKEY section = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (key + "\\CommSetting").c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &section, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 9600;
    RegSetValueExA(section, "BaudRate", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(section);

    const auto medium = CreateUserSettingsMedium();
    ASSERT_TRUE(medium->OpenKey(key));
    std::string text;
    EXPECT_EQ(medium->ReadString("CommSetting", "BaudRate", text), SettingsMedium::ReadStatus::NotText);
    EXPECT_TRUE(medium->Close());
}

} // namespace
} // namespace zeft
