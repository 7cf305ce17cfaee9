#include "serial/SerialLinkDlg.h"

#include "main/NumberText.h"
#include "serial/CommPortList.h"
#include "serial/SerialLink.h"
#include "ui/DesignScale.h"
#include "ui/QtPrompts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <climits>
#include <cstdio>

namespace zeft {

namespace {

// The dialog's flow control choices, by CBFlow index.
constexpr std::int32_t kFlowCodes[] = {0, 896, 8196, 40};

QComboBox* MakeList(QWidget* parent, const char* name, std::initializer_list<const char*> items, bool enabled) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const char* item : items) {
        box->addItem(QString::fromLatin1(item));
    }
    box->setEnabled(enabled);
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A whole text as a signed 32-bit integer (the program's one number rule); nothing when
// it is not one.
std::optional<std::int32_t> WholeInteger(const std::string& text) {
    const std::int32_t low = IntegerFromText(text, INT32_MIN);
    if (low != IntegerFromText(text, INT32_MAX)) {
        return std::nullopt;
    }
    return low;
}

// Selects the item equal to text without regard to letter case; false when there is none.
bool SelectText(QComboBox& box, const QString& text) {
    const int index = box.findText(text, Qt::MatchFixedString);
    if (index < 0) {
        return false;
    }
    box.setCurrentIndex(index);
    return true;
}

} // namespace

TSerialLinkDLG::TSerialLinkDLG(TSerialLink* port, QWidget* parent, PortEnumerator enumerate)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Label3(MakeLabel(this, "Label3", "Port")), CBPort(MakeList(this, "CBPort", {}, true)),
      Label7(MakeLabel(this, "Label7", "Parity")),
      CBParity(MakeList(this, "CBParity", {"None (*)", "Odd", "Even", "Mark", "Space"}, false)),
      Label6(MakeLabel(this, "Label6", "Stop")),
      CBStop(MakeList(this, "CBStop", {"1 Bit (*)", "1,5 Bits", "2 Bits"}, false)),
      Label8(MakeLabel(this, "Label8", "Flowcontrol")),
      CBFlow(MakeList(this, "CBFlow", {"None (*)", "XOn-XOff", "RTS-CTS", "DSR-DTR"}, false)),
      Label4(MakeLabel(this, "Label4", "Baudrate")),
      CBBaud(MakeList(this, "CBBaud",
                      {"110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "56000", "57600",
                       "115000", "128000", "256000"},
                      false)),
      Label5(MakeLabel(this, "Label5", "Databits")),
      CBData(MakeList(this, "CBData", {"4 Bit", "5 Bit", "6 Bit", "7 Bit", "8 Bit"}, false)),
      Button1(new QPushButton(QStringLiteral("OK"), this)), Button2(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("SerialLinkDLG"));
    setWindowTitle(QStringLiteral("Communication Settings"));
    setModal(true);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(CBPort, CBParity);
    setTabOrder(CBParity, CBStop);
    setTabOrder(CBStop, CBFlow);
    setTabOrder(CBFlow, CBBaud);
    setTabOrder(CBBaud, CBData);
    setTabOrder(CBData, Button1);
    setTabOrder(Button1, Button2);
    Label3->setBuddy(CBPort);

    FormCreate(port, enumerate ? enumerate : PortEnumerator(EnumCommPorts));
    LayOut();
}

void TSerialLinkDLG::FormCreate(TSerialLink* port, const PortEnumerator& enumerate) {
    std::vector<std::string> ports;
    enumerate(ports);
    // A sorted list, as the user reads it: letter case does not order it.
    QStringList names;
    for (const std::string& name : ports) {
        names << QString::fromStdString(name);
    }
    names.sort(Qt::CaseInsensitive);
    CBPort->addItems(names);
    CBPort->setCurrentIndex(-1);
    if (port != nullptr) {
        LoadFromPort(*port);
    }
}

void TSerialLinkDLG::LayOut() {
    int longestPort = 0;
    const QFontMetrics metrics(font());
    for (int i = 0; i < CBPort->count(); ++i) {
        longestPort = std::max(longestPort, metrics.horizontalAdvance(CBPort->itemText(i)));
    }
    // Designed at Arial 13 px: the combo boxes leave about 26 pixels to their arrow.
    ui::DesignScale scale(font(),
                          {{Label8->text(), 68},
                           {Label5->text(), 52},
                           {QStringLiteral("1,5 Bits"), 66},
                           {QStringLiteral("XOn-XOff"), 66},
                           {QStringLiteral("DSR-DTR"), 66},
                           {QStringLiteral("1 Bit (*)"), 66},
                           {QStringLiteral("None (*)"), 66}},
                          15);
    scale.Fit(longestPort, 90);
    setFixedSize(scale(364), scale(159));
    const int rows[] = {16, 52, 88};
    QLabel* leftLabels[] = {Label3, Label7, Label5};
    QComboBox* leftLists[] = {CBPort, CBParity, CBData};
    QLabel* rightLabels[] = {Label4, Label8, Label6};
    QComboBox* rightLists[] = {CBBaud, CBFlow, CBStop};
    for (int row = 0; row < 3; ++row) {
        scale.Place(*leftLists[row], 64, rows[row], 116, 21);
        scale.Place(*rightLists[row], 264, rows[row], 92, 21);
        for (QLabel* label : {leftLabels[row], rightLabels[row]}) {
            label->adjustSize();
        }
        leftLabels[row]->move(scale(8),
                              leftLists[row]->y() + (leftLists[row]->height() - leftLabels[row]->height()) / 2);
        rightLabels[row]->move(scale(192),
                               rightLists[row]->y() + (rightLists[row]->height() - rightLabels[row]->height()) / 2);
    }
    scale.Place(*Button1, 200, 124, 75, 25);
    scale.Place(*Button2, 281, 124, 75, 25);
}

void TSerialLinkDLG::LoadFromPort(const TSerialLink& Port) {
    if (!SelectText(*CBPort, QString::fromStdString(Port.CommPort()))) {
        // The second port of the sorted list, as the product has always done.
        CBPort->setCurrentIndex(CBPort->count() >= 2 ? 1 : -1);
    }
    if (!SelectText(*CBBaud, QString::number(Port.BaudRate()))) {
        CBBaud->setCurrentIndex(6);
    }
    if (!SelectText(*CBData, QString::number(Port.DataBits()) + QStringLiteral(" Bit"))) {
        CBData->setCurrentIndex(4);
    }
    CBStop->setCurrentIndex(Port.StopBits() < CBStop->count() ? Port.StopBits() : -1);
    CBParity->setCurrentIndex(Port.ParityType() < CBParity->count() ? Port.ParityType() : -1);
    CBFlow->setCurrentIndex(FlowIndexFromCode(Port.FlowControl()));
}

void TSerialLinkDLG::StoreToPort(TSerialLink& Port) const {
    if (PortSelected()) {
        Port.SetCommPort(CBPort->currentText().toStdString().substr(0, 255));
    }
    const auto baud = WholeInteger(CBBaud->currentText().toStdString());
    Port.SetBaudRate(baud ? static_cast<std::uint32_t>(*baud) : 9600u);
    const std::string data = CBData->currentText().toStdString();
    const auto bits = WholeInteger(data.substr(0, 1));
    Port.SetDataBits(bits && !data.empty() ? static_cast<std::uint8_t>(*bits) : std::uint8_t{8});
    // A list without a selection gives the usual choice, not an out-of-range code.
    Port.SetStopBits(static_cast<std::uint8_t>(std::max(0, CBStop->currentIndex())));
    Port.SetParityType(static_cast<std::uint8_t>(std::max(0, CBParity->currentIndex())));
    Port.SetFlowControl(FlowCodeFromIndex(CBFlow->currentIndex()));
}

bool TSerialLinkDLG::PortSelected() const {
    return CBPort->currentIndex() >= 0;
}

std::int32_t TSerialLinkDLG::FlowCodeFromIndex(int index) {
    return index >= 0 && index < 4 ? kFlowCodes[index] : 0;
}

int TSerialLinkDLG::FlowIndexFromCode(std::int32_t code) {
    for (int index = 0; index < 4; ++index) {
        if (kFlowCodes[index] == code) {
            return index;
        }
    }
    return 0;
}

TSerialLinkDLG::CharResult TSerialLinkDLG::CharFromText(const std::string& S, int Default) {
    if (S.size() == 1) {
        return {true, static_cast<unsigned char>(S[0]), {}};
    }
    if (S.empty()) {
        return {true, Default, {}};
    }
    const bool hex = S.rfind("0x", 0) == 0;
    const auto number = WholeInteger(hex ? "$" + S.substr(2) : S);
    if (!number || (hex && S.size() == 2)) {
        return {false, 0, "'" + S + "' is not a valid integer value"};
    }
    if (*number < 0 || *number > 255) {
        char message[96];
        std::snprintf(message, sizeof(message), "%d is not within the valid range of %d..%d", *number, 0, 255);
        return {false, 0, message};
    }
    return {true, *number, {}};
}

bool TSerialLinkDLG::ValidateInteger(QLineEdit* Control) {
    const std::string text = Control->text().toStdString();
    if (text.size() > 1 && !WholeInteger(text)) {
        ui::QtPrompts(this).ShowPlain("Invalid Input", "Invalid Input. Leave empty to hold previous Value.");
        return false;
    }
    return true;
}

bool TSerialLinkDLG::ValidateCharInput(QLineEdit* Control) {
    const std::string text = Control->text().toStdString();
    if (text.size() > 1 && !CharFromText(text, 0).ok) {
        ui::QtPrompts(this).ShowPlain("Invalid Input",
                                      "Input allowed single Char or 0..255. Leave empty to hold previous Value.");
        return false;
    }
    return true;
}

} // namespace zeft
