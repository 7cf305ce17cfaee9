#pragma once

#include <QDialog>

#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace zeft {

class Prompts;
class SenderLink;

// The battery test: powers the programming interface through RTS so that the user can
// measure its battery with a meter. Created once, shown modally from the main window's
// Help menu while the port is open. Every way of closing drops RTS.
class TBatteryTestForm : public QDialog {
    Q_OBJECT

public:
    // link: the main window's serial component, as far as RTS goes. prompts: where a port
    // that cannot switch RTS is told; none: the program's own message boxes.
    explicit TBatteryTestForm(SenderLink& link, QWidget* parent = nullptr, Prompts* prompts = nullptr);
    ~TBatteryTestForm() override;

    void FormActivate();
    void ButtonTestClick();
    void Button2Click();
    void FormClose();

    // The power state as shown: true while LabelStatus reads "ON".
    bool PowerShownOn() const;

    QFrame* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QFrame* Bevel2;
    QLabel* LabelPower;
    QLabel* LabelStatus;
    QPushButton* ButtonTest;
    QPushButton* Button2;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowStatus(const QString& text, const QColor& colour);

    // Switches RTS; a port that refuses keeps the shown state and says why.
    bool SwitchPower(bool on);

    SenderLink& link_;
    std::unique_ptr<Prompts> ownPrompts_;
    Prompts& prompts_;
};

} // namespace zeft
