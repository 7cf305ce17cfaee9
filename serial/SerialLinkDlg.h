#pragma once

#include "serial/PortDescription.h"

#include <QDialog>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSocketNotifier;

namespace zeft {

class PortWatcher;
class TSerialLink;

// The Communication Settings dialog: the ports present and the serial component's line
// settings. Only the port can be chosen; the other lists show the current settings.
class TSerialLinkDLG : public QDialog {
    Q_OBJECT

public:
    using PortEnumerator = std::function<void(std::vector<std::string>& ports)>;
    using PortDescriber = std::function<PortDescription(const std::string& name)>;

    // Where the dialog learns about ports; each empty member means the system's.
    struct PortSources {
        PortEnumerator enumerate;          // the ports present: EnumCommPorts
        PortDescriber describe;            // what a port is: DescribePort
        std::filesystem::path watchFolder; // where ports come and go while open: /dev
    };

    // port: the component whose settings the dialog shows at creation (may be null, as
    // for the instance the program creates and never shows). enumerate: how the ports
    // present are found; EnumCommPorts unless a test gives another.
    explicit TSerialLinkDLG(TSerialLink* port, QWidget* parent = nullptr, PortEnumerator enumerate = {});
    TSerialLinkDLG(TSerialLink* port, QWidget* parent, PortSources sources);
    ~TSerialLinkDLG() override;

    // Shows the settings of a component in the lists.
    void LoadFromPort(const TSerialLink& Port);
    // Copies the lists into a component through its setters. With no port selected the
    // component's port name stays as it was.
    void StoreToPort(TSerialLink& Port) const;
    // True when the port list has a selection (OK then names a port to open).
    bool PortSelected() const;

    // Input checks for edit fields: show "Invalid Input" and return false on a bad text.
    bool ValidateCharInput(QLineEdit* Control);
    bool ValidateInteger(QLineEdit* Control);

    QLabel* Label3;
    QComboBox* CBPort;
    QLabel* Label7;
    QComboBox* CBParity;
    QLabel* Label6;
    QComboBox* CBStop;
    QLabel* Label8;
    QComboBox* CBFlow;
    QLabel* Label4;
    QComboBox* CBBaud;
    QLabel* Label5;
    QComboBox* CBData;
    QPushButton* Button1;
    QPushButton* Button2;
    // What the selected port is (maker, model, serial number; or the kind of port).
    QLabel* LabelPortDescription;

    // Reads the ports present again, keeping the user's choice when it is still there
    // (or has come back under another name); run when the watcher sees ports come or go.
    void RefreshPorts();

protected:
    // Ports are watched only while the dialog is on screen.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormCreate(TSerialLink* port);
    void LayOut();
    void FillPorts();
    void ShowDescription();

    PortSources sources_;
    std::vector<PortDescription> described_; // of the items, in their order
    // The port the user (or the component) chose, and its adapter's identity: followed
    // while adapters come and go.
    std::string wantedPort_;
    std::string wantedIdentity_;
    std::unique_ptr<PortWatcher> watcher_;
    QSocketNotifier* watchNotifier_ = nullptr;
};

} // namespace zeft
