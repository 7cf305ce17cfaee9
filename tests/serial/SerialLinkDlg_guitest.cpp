#include "serial/SerialLinkDlg.h"

#include "serial/SerialLink.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TabOrder.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeft {
namespace {

TSerialLinkDLG::PortEnumerator Ports(std::vector<std::string> names) {
    return [names](std::vector<std::string>& ports) { ports.insert(ports.end(), names.begin(), names.end()); };
}

std::vector<std::string> Items(const QComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i) {
        items.push_back(box.itemText(i).toStdString());
    }
    return items;
}

TEST(SerialLinkDlgTest, ControlsAsDesigned) {
    TSerialLink link;
    TSerialLinkDLG dialog(&link, nullptr, Ports({}));
    EXPECT_EQ(dialog.windowTitle(), "Communication Settings");
    EXPECT_TRUE(dialog.CBPort->isEnabled());
    for (QComboBox* box : {dialog.CBParity, dialog.CBStop, dialog.CBFlow, dialog.CBBaud, dialog.CBData}) {
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    }
    EXPECT_EQ(Items(*dialog.CBParity), (std::vector<std::string>{"None (*)", "Odd", "Even", "Mark", "Space"}));
    EXPECT_EQ(Items(*dialog.CBStop), (std::vector<std::string>{"1 Bit (*)", "1,5 Bits", "2 Bits"}));
    EXPECT_EQ(Items(*dialog.CBFlow), (std::vector<std::string>{"None (*)", "XOn-XOff", "RTS-CTS", "DSR-DTR"}));
    EXPECT_EQ(Items(*dialog.CBBaud).size(), 15u);
    EXPECT_EQ(dialog.CBBaud->itemText(12), "115000");
    EXPECT_EQ(Items(*dialog.CBData), (std::vector<std::string>{"4 Bit", "5 Bit", "6 Bit", "7 Bit", "8 Bit"}));
    EXPECT_EQ(dialog.Button1->text(), "OK");
    EXPECT_TRUE(dialog.Button1->isDefault());
    EXPECT_EQ(dialog.Button2->text(), "Cancel");
    const std::pair<QLabel*, const char*> labels[] = {{dialog.Label3, "Port"},     {dialog.Label7, "Parity"},
                                                      {dialog.Label6, "Stop"},     {dialog.Label8, "Flowcontrol"},
                                                      {dialog.Label4, "Baudrate"}, {dialog.Label5, "Databits"}};
    for (const auto& [label, text] : labels) {
        EXPECT_EQ(label->text(), text);
        EXPECT_GE(label->width(), label->sizeHint().width()) << text;
    }
    // At the default load values: 9600, 8 Bit, 1 Bit (*), None (*), None (*).
    EXPECT_EQ(dialog.CBBaud->currentText(), "9600");
    EXPECT_EQ(dialog.CBData->currentText(), "8 Bit");
    EXPECT_EQ(dialog.CBStop->currentText(), "1 Bit (*)");
    EXPECT_EQ(dialog.CBParity->currentText(), "None (*)");
    EXPECT_EQ(dialog.CBFlow->currentText(), "None (*)");
}

TEST(SerialLinkDlgTest, ScreenReadersHearEachListByItsCaptionAndTabFollowsTheLayout) {
    TSerialLink link;
    TSerialLinkDLG dialog(&link, nullptr, Ports({"COM1"}));
    const std::pair<QComboBox*, const char*> lists[] = {{dialog.CBPort, "Port"},     {dialog.CBBaud, "Baudrate"},
                                                        {dialog.CBParity, "Parity"}, {dialog.CBFlow, "Flowcontrol"},
                                                        {dialog.CBData, "Databits"}, {dialog.CBStop, "Stop"}};
    for (const auto& [list, caption] : lists) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(control, nullptr);
        const auto labels = control->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << caption;
        EXPECT_EQ(labels.front().first->text(QAccessible::Name).toStdString(), caption);
    }
    // Row by row, left to right, then OK and Cancel; the lists that only show the current
    // settings are off, but keep their places.
    EXPECT_EQ(
        testing::TabOrder(dialog, dialog.CBPort, testing::DisabledControls::Listed),
        (std::vector<std::string>{"CBPort", "CBBaud", "CBParity", "CBFlow", "CBData", "CBStop", "Button1", "Button2"}));
}

// Describes ports as a USB adapter whose serial number is in the file standing for its
// node (empty: a port of unknown kind).
PortDescription DescribeFromFile(const std::string& name) {
    PortDescription port;
    port.name = name;
    std::string serial;
    std::getline(std::ifstream(name), serial);
    if (!serial.empty()) {
        port.description = "FTDI FT232R USB UART";
        port.vendorId = "0403";
        port.productId = "6001";
        port.serial = serial;
    }
    return port;
}

TEST(SerialLinkDlgTest, ShowsWhatTheSelectedPortIs) {
    TSerialLink link;
    link.SetCommPort("USB");
    const QString longName = QString("Maker Model ").repeated(20);
    TSerialLinkDLG dialog(&link, nullptr,
                          TSerialLinkDLG::PortSources{Ports({"USB", "LONG", "PLAIN", "WORDY"}),
                                                      [&](const std::string& name) {
                                                          PortDescription port;
                                                          port.name = name;
                                                          if (name == "USB") {
                                                              port.description = "FTDI FT232R USB UART";
                                                              port.serial = "A50285BI";
                                                              port.vendorId = "0403";
                                                              port.productId = "6001";
                                                          } else if (name == "LONG") {
                                                              port.description = longName.toStdString();
                                                          } else if (name == "WORDY") {
                                                              port.description =
                                                                  "Prolific Technology Inc. USB-Serial Controller";
                                                          }
                                                          return port;
                                                      },
                                                      {}});
    struct Case {
        const char* port;
        QString shown;   // the label's text
        QString tooltip; // the list's tooltip and accessible description
    };
    const Case cases[] = {
        {"USB", "FTDI FT232R USB UART\nserial A50285BI, USB ID 0403:6001",
         "FTDI FT232R USB UART\nserial A50285BI, USB ID 0403:6001"},
        {"PLAIN", "", ""},
    };
    for (const Case& c : cases) {
        dialog.CBPort->setCurrentIndex(dialog.CBPort->findText(c.port));
        // Where the line breaks fall depends on the font: with a wider one the two parts
        // are wrapped together, which is the same text joined by ", ".
        const QString shown = dialog.LabelPortDescription->text();
        EXPECT_TRUE(shown == c.shown ||
                    QString(shown).replace('\n', ' ') == QString(c.shown).replace('\n', QStringLiteral(", ")))
            << c.port << ": " << shown.toStdString();
        EXPECT_LE(shown.count('\n'), 1) << c.port;
        EXPECT_EQ(dialog.CBPort->toolTip(), c.tooltip) << c.port;
        EXPECT_EQ(dialog.CBPort->accessibleDescription(), c.tooltip) << c.port;
    }
    EXPECT_EQ(dialog.CBPort->itemData(dialog.CBPort->findText("USB"), Qt::ToolTipRole).toString(),
              "FTDI FT232R USB UART\nserial A50285BI, USB ID 0403:6001");

    // A long model name wraps onto the second line; a longer one is cut short there and
    // stays whole in the tooltips.
    dialog.CBPort->setCurrentIndex(dialog.CBPort->findText("WORDY"));
    EXPECT_EQ(dialog.LabelPortDescription->text().count('\n'), 1);
    EXPECT_EQ(dialog.LabelPortDescription->text().replace('\n', ' '), "Prolific Technology Inc. USB-Serial Controller");
    EXPECT_TRUE(dialog.LabelPortDescription->toolTip().isEmpty());
    dialog.CBPort->setCurrentIndex(dialog.CBPort->findText("LONG"));
    EXPECT_EQ(dialog.LabelPortDescription->text().count('\n'), 1);
    EXPECT_TRUE(dialog.LabelPortDescription->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(dialog.LabelPortDescription->toolTip(), longName);
    for (const QString& line : dialog.LabelPortDescription->text().split('\n')) {
        EXPECT_LE(dialog.LabelPortDescription->fontMetrics().horizontalAdvance(line),
                  dialog.LabelPortDescription->width());
    }

    // The line lies under the lists, left of the buttons, inside the window.
    const QRect line = dialog.LabelPortDescription->geometry();
    EXPECT_GT(line.top(), dialog.CBData->geometry().bottom());
    EXPECT_LT(line.right(), dialog.Button1->geometry().left());
    EXPECT_LE(line.bottom(), dialog.height());
    EXPECT_GE(line.height(), 2 * dialog.LabelPortDescription->fontMetrics().lineSpacing());
}

TEST(SerialLinkDlgTest, PortsComingAndGoingWhileOpenUpdateTheListAndKeepTheChoice) {
#ifdef _WIN32
    GTEST_SKIP() << "the Windows port watcher follows the registry's device map, not a folder of device nodes";
#endif
    namespace fs = std::filesystem;
    const fs::path dev = fs::temp_directory_path() / "zeft-dialog-hotplug";
    fs::remove_all(dev);
    fs::create_directories(dev);
    // As udev does: the node's contents are complete before its name appears.
    const auto plug = [&](const std::string& tty, const std::string& serial) {
        std::ofstream(dev / ".new") << serial << "\n";
        fs::rename(dev / ".new", dev / tty);
    };
    plug("ttyS0", "");
    plug("ttyUSB0", "A502");
    const auto listed = [&](std::vector<std::string>& ports) {
        for (const auto& entry : fs::directory_iterator(dev)) {
            if (entry.path().filename().string().rfind("tty", 0) == 0) {
                ports.push_back(entry.path().string());
            }
        }
    };
    const auto path = [&](const char* tty) { return QString::fromStdString((dev / tty).string()); };
    TSerialLink link;
    link.SetCommPort((dev / "ttyUSB0").string());
    TSerialLinkDLG dialog(&link, nullptr, TSerialLinkDLG::PortSources{listed, DescribeFromFile, dev});
    dialog.show();
    ASSERT_EQ(dialog.CBPort->currentText(), path("ttyUSB0"));

    plug("ttyUSB1", "B7");
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.CBPort->count() == 3; }, 5000));
    EXPECT_EQ(dialog.CBPort->currentText(), path("ttyUSB0")) << "the choice stays";

    fs::remove(dev / "ttyUSB0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.CBPort->count() == 2; }, 5000));
    EXPECT_EQ(dialog.CBPort->currentIndex(), -1) << "nothing else chosen in its place";
    EXPECT_EQ(dialog.LabelPortDescription->text(), path("ttyUSB0") + " is not present.");

    // The same adapter in another socket.
    plug("ttyUSB2", "A502");
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.CBPort->currentText() == path("ttyUSB2"); }, 5000));
    EXPECT_EQ(dialog.LabelPortDescription->text(), "FTDI FT232R USB UART\nserial A502, USB ID 0403:6001");

    // The user picks the built-in port; another adapter arriving does not change that.
    const int builtIn = dialog.CBPort->findText(path("ttyS0"));
    dialog.CBPort->setCurrentIndex(builtIn);
    emit dialog.CBPort->activated(builtIn);
    plug("ttyUSB3", "C9");
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.CBPort->count() == 4; }, 5000));
    EXPECT_EQ(dialog.CBPort->currentText(), path("ttyS0"));

    // Closed: no longer watched.
    dialog.hide();
    plug("ttyUSB4", "D1");
    EXPECT_FALSE(QTest::qWaitFor([&] { return dialog.CBPort->count() != 4; }, 100))
        << "the hidden dialog follows ports";
    fs::remove_all(dev);
}

TEST(SerialLinkDlgTest, PortListIsSortedAndTheStoredPortIsSelected) {
    struct Case {
        std::vector<std::string> found;
        const char* stored;
        int selected;
    };
    const Case cases[] = {
        {{"COM1", "COM3", "COM2"}, "COM3", 2},
        {{"COM1", "COM3", "COM2"}, "com3", 2},
        {{"COM1", "COM3", "COM2"}, "COM9", 1}, // not there: the second item
        {{"COM1"}, "COM9", -1},                // one item that differs: nothing selected
        {{}, "COM2", -1},
    };
    for (const Case& c : cases) {
        TSerialLink link;
        link.SetCommPort(c.stored);
        TSerialLinkDLG dialog(&link, nullptr, Ports(c.found));
        EXPECT_EQ(dialog.CBPort->currentIndex(), c.selected) << c.stored;
        EXPECT_EQ(dialog.PortSelected(), c.selected >= 0);
        if (c.found.size() == 3) {
            EXPECT_EQ(Items(*dialog.CBPort), (std::vector<std::string>{"COM1", "COM2", "COM3"}));
        }
        // OK with no port selected keeps the component's name.
        dialog.StoreToPort(link);
        EXPECT_EQ(link.CommPort(), c.selected >= 0 ? dialog.CBPort->currentText().toStdString() : c.stored);
    }
}

TEST(SerialLinkDlgTest, LoadFromPortAndStoreToPort) {
    struct Case {
        std::uint32_t baud;
        std::uint8_t data;
        std::uint8_t stop;
        std::uint8_t parity;
        std::int32_t flow;
        const char* shownBaud;
        const char* shownData;
        const char* shownStop;
        const char* shownParity;
        const char* shownFlow;
        std::uint32_t storedBaud;
        std::uint8_t storedData;
        std::int32_t storedFlow;
    };
    const Case cases[] = {
        {9600, 8, 0, 0, 0, "9600", "8 Bit", "1 Bit (*)", "None (*)", "None (*)", 9600, 8, 0},
        {19200, 7, 2, 2, 896, "19200", "7 Bit", "2 Bits", "Even", "XOn-XOff", 19200, 7, 896},
        {110, 5, 1, 4, 8196, "110", "5 Bit", "1,5 Bits", "Space", "RTS-CTS", 110, 5, 8196},
        {256000, 4, 0, 1, 40, "256000", "4 Bit", "1 Bit (*)", "Odd", "DSR-DTR", 256000, 4, 40},
        {115200, 9, 0, 3, 12345, "9600", "8 Bit", "1 Bit (*)", "Mark", "None (*)", 9600, 8, 0},
    };
    for (const Case& c : cases) {
        TSerialLink link;
        link.SetBaudRate(c.baud);
        link.SetDataBits(c.data);
        link.SetStopBits(c.stop);
        link.SetParityType(c.parity);
        link.SetFlowControl(c.flow);
        TSerialLinkDLG dialog(&link, nullptr, Ports({"COM1", "COM2"}));
        SCOPED_TRACE(c.baud);
        EXPECT_EQ(dialog.CBBaud->currentText(), c.shownBaud);
        EXPECT_EQ(dialog.CBData->currentText(), c.shownData);
        EXPECT_EQ(dialog.CBStop->currentText(), c.shownStop);
        EXPECT_EQ(dialog.CBParity->currentText(), c.shownParity);
        EXPECT_EQ(dialog.CBFlow->currentText(), c.shownFlow);

        TSerialLink target;
        dialog.StoreToPort(target);
        EXPECT_EQ(target.CommPort(), "COM2");
        EXPECT_EQ(target.BaudRate(), c.storedBaud);
        EXPECT_EQ(target.DataBits(), c.storedData);
        EXPECT_EQ(target.StopBits(), c.stop);
        EXPECT_EQ(target.ParityType(), c.parity);
        EXPECT_EQ(target.FlowControl(), c.storedFlow);
    }
}

TEST(SerialLinkDlgTest, InputChecksShowTheInvalidInputBox) {
    testing::MessageBoxRecorder boxes;
    const auto& shown = boxes.shown;
    TSerialLink link;
    TSerialLinkDLG dialog(&link, nullptr, Ports({}));
    QLineEdit edit;
    for (const char* good : {"", "x", "12", "-5"}) {
        edit.setText(good);
        EXPECT_TRUE(dialog.ValidateInteger(&edit)) << good;
    }
    for (const char* good : {"", "x", "0x41", "200"}) {
        edit.setText(good);
        EXPECT_TRUE(dialog.ValidateCharInput(&edit)) << good;
    }
    EXPECT_TRUE(shown.empty());
    edit.setText("12a");
    EXPECT_FALSE(dialog.ValidateInteger(&edit));
    edit.setText("256");
    EXPECT_FALSE(dialog.ValidateCharInput(&edit));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "Invalid Input");
    EXPECT_EQ(shown[0].text, "Invalid Input. Leave empty to hold previous Value.");
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown[1].caption, "Invalid Input");
    EXPECT_EQ(shown[1].text, "Input allowed single Char or 0..255. Leave empty to hold previous Value.");
}

TEST(SerialLinkDlgTest, OkAndCancel) {
    TSerialLink link;
    TSerialLinkDLG dialog(&link, nullptr, Ports({"COM1"}));
    dialog.show();
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(SerialLinkDlgTest, ALongPortNameWidensTheDialogInsteadOfBeingCut) {
    TSerialLink link;
    const std::string name = "ZEFT Virtual Sender (noise, split, slow 100)";
    link.SetCommPort(name);
    TSerialLinkDLG dialog(&link, nullptr, Ports({name}));
    const QFontMetrics metrics(dialog.CBPort->font());
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(name)) + 20, dialog.CBPort->width());
    EXPECT_LE(dialog.Button2->geometry().right(), dialog.width());
}

} // namespace
} // namespace zeft
