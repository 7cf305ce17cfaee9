#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace zeft {

class SenderLink;

// The battery test: powers the programming interface through RTS so that the user can
// measure its battery with a meter. Created once, shown modally from the main window's
// Help menu while the port is open. Every way of closing drops RTS.
class TBatteryTestForm : public QDialog {
    Q_OBJECT

public:
    // link: the main window's serial component, as far as RTS goes.
    explicit TBatteryTestForm(SenderLink& link, QWidget* parent = nullptr);

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

    SenderLink& link_;
};

} // namespace zeft
