// The main window on Windows, with the program's own settings store (the registry of the
// current user) and a real COM port. The COM port is named by ZEFT_TEST_SENDER_PORT
// (scripts/windows.sh maps one to the simulated sender's pseudo-terminal under Wine);
// without it that test is skipped.
#include "main/Main_Form.h"

#include "main/ExchangeEngine.h"
#include "serial/SerialLink.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace zeft {
namespace {

const std::string kSender(kVirtualSenderPortName);

// The port the registry holds for the program, read past the program's own store.
std::string RegistryCommPort() {
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\KOV\\ZEFT\\CommSetting", L"CommPort", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    std::string text;
    for (const wchar_t* c = value; *c != 0; ++c) {
        text += static_cast<char>(*c);
    }
    return text;
}

class Win32MainFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterVirtualSenderPort(); }

    // The window with the program's default store; the start-up dialog chooses the port.
    std::unique_ptr<TMain_Form> Make(const std::string& port, std::string* offered = nullptr) {
        TMain_Form::Options options;
        options.enumeratePorts = [port](std::vector<std::string>& ports) {
            if (std::find(ports.begin(), ports.end(), port) == ports.end()) {
                ports.push_back(port);
            }
        };
        options.runPortDialog = [port, offered](TSerialLinkDLG& dialog) {
            if (offered != nullptr) {
                *offered = dialog.CBPort->currentText().toStdString();
            }
            dialog.CBPort->setCurrentIndex(dialog.CBPort->findText(QString::fromStdString(port)));
            return int(QDialog::Accepted);
        };
        options.historyFile = folder_ / "history.jsonl";
        return std::make_unique<TMain_Form>(std::move(options));
    }

    // Read Device through the window until it succeeds, at most a few times. Through a
    // pseudo-terminal the sender cannot see RTS: it announces itself every 1.2 s while
    // idle, and the program's one-second wait after power-up misses one now and then.
    static bool ReadSucceeds(TMain_Form& form, int attempts) {
        for (int i = 0; i < attempts; ++i) {
            QTest::mouseClick(form.ReadBtn, Qt::LeftButton);
            if (!QTest::qWaitFor([&] { return !form.Engine().Running(); }, 15000)) {
                return false;
            }
            if (form.StatusPanelText(0) == "Device read successfully!") {
                return true;
            }
        }
        return false;
    }

    testing::TempFolder folder_;
    testing::MessageBoxRecorder boxes_;
};

TEST_F(Win32MainFormTest, TheChosenPortIsKeptInTheRegistryAndOfferedAgain) {
    {
        auto first = Make(kSender);
        ASSERT_TRUE(first->SerialLink1.Active());
    }
    EXPECT_EQ(RegistryCommPort(), kSender);
    std::string offered;
    auto second = Make(kSender, &offered);
    EXPECT_EQ(offered, kSender);
}

TEST_F(Win32MainFormTest, ReadDeviceThroughAComPort) {
    const char* port = std::getenv("ZEFT_TEST_SENDER_PORT");
    if (port == nullptr || *port == '\0') {
        GTEST_SKIP() << "no sender port given in ZEFT_TEST_SENDER_PORT";
    }
    auto form = Make(port);
    ASSERT_TRUE(form->SerialLink1.Active()) << port;
    ASSERT_TRUE(ReadSucceeds(*form, 5)) << form->StatusPanelText(0);
    EXPECT_TRUE(form->Label9->text().startsWith("KOV")) << form->Label9->text().toStdString();
    EXPECT_NE(form->EditTopLimit->text(), "");
}

} // namespace
} // namespace zeft
