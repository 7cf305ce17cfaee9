#include "serial/SerialLinkDlg.h"

#include "base/NumberText.h"
#include "serial/CharFromText.h"
#include "serial/CommPortList.h"
#include "serial/LineSettingNames.h"
#include "serial/PortWatcher.h"
#include "serial/SerialLink.h"
#include "ui/DesignScale.h"
#include "ui/QtPrompts.h"
#include "ui/Translations.h"
#include "ui/WidgetFactory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace zeft {

namespace {

// The items of a list from the line settings table.
template <typename Name, std::size_t N> std::vector<std::string_view> ListItems(const std::array<Name, N>& names) {
    std::vector<std::string_view> items;
    for (const Name& name : names) {
        items.push_back(name.listItem);
    }
    return items;
}

QComboBox* MakeFixedList(QWidget* parent, const char* name, std::span<const std::string_view> items) {
    QComboBox* box = ui::MakeList(parent, name, items);
    // Only the port can be chosen; the other lists show the current settings.
    box->setEnabled(false);
    return box;
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

// Greedy word wrap of a text into lines no wider than width (a longer word stays whole).
QStringList WrapWords(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

} // namespace

TSerialLinkDLG::TSerialLinkDLG(TSerialLink* port, QWidget* parent, PortEnumerator enumerate)
    : TSerialLinkDLG(port, parent, PortSources{std::move(enumerate), {}, {}}) {}

TSerialLinkDLG::TSerialLinkDLG(TSerialLink* port, QWidget* parent, PortSources sources)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Label3(ui::MakeLabel(this, "Label3", tr("Port"))), CBPort(ui::MakeList(this, "CBPort", {})),
      Label7(ui::MakeLabel(this, "Label7", tr("Parity"))),
      CBParity(MakeFixedList(this, "CBParity", ListItems(kParityNames))),
      Label6(ui::MakeLabel(this, "Label6", tr("Stop"))),
      CBStop(MakeFixedList(this, "CBStop", ListItems(kStopBitsNames))),
      Label8(ui::MakeLabel(this, "Label8", tr("Flowcontrol"))),
      CBFlow(MakeFixedList(this, "CBFlow", ListItems(kFlowControlNames))),
      Label4(ui::MakeLabel(this, "Label4", tr("Baudrate"))), CBBaud(MakeFixedList(this, "CBBaud", kBaudRateItems)),
      Label5(ui::MakeLabel(this, "Label5", tr("Databits"))), CBData(MakeFixedList(this, "CBData", kDataBitsItems)),
      Button1(new QPushButton(tr("OK"), this)), Button2(new QPushButton(tr("Cancel"), this)),
      LabelPortDescription(ui::MakeLabel(this, "LabelPortDescription", "")), sources_(std::move(sources)) {
    if (!sources_.enumerate) {
        sources_.enumerate = EnumCommPorts;
    }
    if (!sources_.describe) {
        sources_.describe = [](const std::string& name) { return DescribePort(name); };
    }
    if (sources_.watchFolder.empty()) {
        sources_.watchFolder = "/dev";
    }
    setObjectName(QStringLiteral("SerialLinkDLG"));
    setWindowTitle(tr("Communication Settings"));
    setModal(true);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    // Row by row as laid out, left to right, then the buttons.
    setTabOrder(CBPort, CBBaud);
    setTabOrder(CBBaud, CBParity);
    setTabOrder(CBParity, CBFlow);
    setTabOrder(CBFlow, CBData);
    setTabOrder(CBData, CBStop);
    setTabOrder(CBStop, Button1);
    setTabOrder(Button1, Button2);
    // A screen reader announces each list by its caption.
    Label3->setBuddy(CBPort);
    Label4->setBuddy(CBBaud);
    Label7->setBuddy(CBParity);
    Label8->setBuddy(CBFlow);
    Label5->setBuddy(CBData);
    Label6->setBuddy(CBStop);
    LabelPortDescription->setTextFormat(Qt::PlainText);
    connect(CBPort, &QComboBox::activated, this, [this](int index) {
        wantedPort_ = CBPort->itemText(index).toStdString();
        wantedIdentity_ = described_[static_cast<std::size_t>(index)].Identity();
    });
    connect(CBPort, &QComboBox::currentIndexChanged, this, [this] { ShowDescription(); });

    FormCreate(port);
    LayOut();
    ShowDescription();
}

TSerialLinkDLG::~TSerialLinkDLG() {
    // The notifier goes before the descriptor it watches.
    delete watchNotifier_;
}

void TSerialLinkDLG::FormCreate(TSerialLink* port) {
    FillPorts();
    CBPort->setCurrentIndex(-1);
    if (port != nullptr) {
        LoadFromPort(*port);
    }
}

void TSerialLinkDLG::FillPorts() {
    std::vector<std::string> ports;
    sources_.enumerate(ports);
    // A sorted list, as the user reads it: letter case does not order it.
    std::stable_sort(ports.begin(), ports.end(), [](const std::string& a, const std::string& b) {
        return QString::compare(QString::fromStdString(a), QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker blocker(CBPort);
    CBPort->clear();
    described_.clear();
    for (const std::string& name : ports) {
        described_.push_back(sources_.describe(name));
        const PortDescription& port = described_.back();
        CBPort->addItem(QString::fromStdString(name));
        const std::string details = port.Details();
        const std::string tip = port.description.value_or("") + (details.empty() ? "" : "\n" + details);
        CBPort->setItemData(CBPort->count() - 1, QString::fromStdString(tip), Qt::ToolTipRole);
    }
}

void TSerialLinkDLG::RefreshPorts() {
    const std::string current = CBPort->currentIndex() >= 0 ? CBPort->currentText().toStdString() : std::string();
    FillPorts();
    // The chosen port, else its adapter under a new name, else what was selected.
    int index = CBPort->findText(QString::fromStdString(wantedPort_), Qt::MatchFixedString);
    if (index < 0 && !wantedIdentity_.empty()) {
        const std::string moved = FindRememberedPort(wantedPort_, wantedIdentity_, described_);
        index = moved != wantedPort_ ? CBPort->findText(QString::fromStdString(moved), Qt::MatchFixedString) : -1;
    }
    if (index < 0 && !current.empty()) {
        index = CBPort->findText(QString::fromStdString(current), Qt::MatchFixedString);
    }
    {
        const QSignalBlocker blocker(CBPort);
        CBPort->setCurrentIndex(index);
    }
    ShowDescription();
}

void TSerialLinkDLG::ShowDescription() {
    const int index = CBPort->currentIndex();
    QString description;
    QString details;
    if (index >= 0 && static_cast<std::size_t>(index) < described_.size()) {
        const PortDescription& port = described_[static_cast<std::size_t>(index)];
        // The program's own descriptions (its virtual ports) are translated; the system's are
        // shown as the system gives them.
        description = ui::CoreText("Core", port.description.value_or(""));
        details = QString::fromStdString(port.Details());
    } else if (!wantedPort_.empty()) {
        description = tr("%1 is not present.").arg(QString::fromStdString(wantedPort_));
    }
    // Two lines fit beside the buttons: the description on the first and the details on
    // the second when they fit so, else both wrapped into the two lines; what does not fit
    // is cut short and stays whole in the tooltips.
    const QFontMetrics metrics(LabelPortDescription->font());
    const int width = LabelPortDescription->width();
    QStringList parts{description, details};
    parts.removeAll(QString());
    QStringList lines = WrapWords(description, metrics, width) + WrapWords(details, metrics, width);
    if (lines.size() > 2) {
        lines = WrapWords(parts.join(QStringLiteral(", ")), metrics, width);
    }
    if (lines.size() > 2) {
        lines[1] = lines.mid(1).join(QLatin1Char(' '));
        lines = lines.mid(0, 2);
    }
    bool cut = false;
    for (QString& line : lines) {
        const QString shown = metrics.elidedText(line, Qt::ElideRight, width);
        cut = cut || shown != line;
        line = shown;
    }
    const QString full = parts.join(QLatin1Char('\n'));
    LabelPortDescription->setText(lines.join(QLatin1Char('\n')));
    LabelPortDescription->setToolTip(cut ? full : QString());
    CBPort->setToolTip(full);
    CBPort->setAccessibleDescription(full);
}

void TSerialLinkDLG::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (watcher_) {
        return;
    }
    watcher_ = std::make_unique<PortWatcher>(sources_.watchFolder);
    if (watcher_->Handle() >= 0) {
        watchNotifier_ = new QSocketNotifier(static_cast<qintptr>(watcher_->Handle()), QSocketNotifier::Read, this);
        connect(watchNotifier_, &QSocketNotifier::activated, this, [this] {
            if (watcher_->TakeChanges()) {
                RefreshPorts();
            }
        });
    }
}

void TSerialLinkDLG::hideEvent(QHideEvent* event) {
    delete watchNotifier_;
    watchNotifier_ = nullptr;
    watcher_.reset();
    QDialog::hideEvent(event);
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
    // Two lines for what the port is, under the lists and left of the buttons.
    scale.Place(*LabelPortDescription, 8, 115, 184, 40);
    LabelPortDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scale.Place(*Button1, 200, 124, 75, 25);
    scale.Place(*Button2, 281, 124, 75, 25);
}

void TSerialLinkDLG::LoadFromPort(const TSerialLink& Port) {
    wantedPort_ = Port.CommPort();
    wantedIdentity_.clear();
    if (SelectText(*CBPort, QString::fromStdString(Port.CommPort()))) {
        wantedIdentity_ = described_[static_cast<std::size_t>(CBPort->currentIndex())].Identity();
    } else {
        // The second port of the sorted list, as the product has always done.
        CBPort->setCurrentIndex(CBPort->count() >= 2 ? 1 : -1);
    }
    if (!SelectText(*CBBaud, QString::number(Port.BaudRate()))) {
        CBBaud->setCurrentIndex(kUsualBaudRateIndex);
    }
    if (!SelectText(*CBData, QString::number(Port.DataBits()) + QStringLiteral(" Bit"))) {
        CBData->setCurrentIndex(kUsualDataBitsIndex);
    }
    CBStop->setCurrentIndex(Port.StopBits() < CBStop->count() ? Port.StopBits() : -1);
    CBParity->setCurrentIndex(Port.ParityType() < CBParity->count() ? Port.ParityType() : -1);
    CBFlow->setCurrentIndex(FlowIndexFromCode(Port.FlowControl()));
}

void TSerialLinkDLG::StoreToPort(TSerialLink& Port) const {
    if (PortSelected()) {
        Port.SetCommPort(CBPort->currentText().toStdString());
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

bool TSerialLinkDLG::ValidateInteger(QLineEdit* Control) {
    const std::string text = Control->text().toStdString();
    if (text.size() > 1 && !WholeInteger(text)) {
        ui::QtPrompts(this).ShowPlain(tr("Invalid Input").toStdString(),
                                      tr("Invalid Input. Leave empty to hold previous Value.").toStdString());
        return false;
    }
    return true;
}

bool TSerialLinkDLG::ValidateCharInput(QLineEdit* Control) {
    const std::string text = Control->text().toStdString();
    if (text.size() > 1 && !CharFromText(text, 0).ok) {
        ui::QtPrompts(this).ShowPlain(
            tr("Invalid Input").toStdString(),
            tr("Input allowed single Char or 0..255. Leave empty to hold previous Value.").toStdString());
        return false;
    }
    return true;
}

} // namespace zeft
