#include "ui/QtOperationButtons.h"

#include <QPushButton>
#include <QVariant>

namespace zeft::ui {

QtOperationButtons::QtOperationButtons(QPushButton& readBtn, QPushButton& resetBtn, QPushButton& setBtn)
    : readBtn_(readBtn), resetBtn_(resetBtn), setBtn_(setBtn) {
    for (QPushButton* button : {&readBtn_, &resetBtn_, &setBtn_}) {
        button->setProperty("Tag", 0);
    }
}

QPushButton& QtOperationButtons::Button(DeviceOperation button) const {
    switch (button) {
    case DeviceOperation::Read:
        return readBtn_;
    case DeviceOperation::Restore:
        return resetBtn_;
    case DeviceOperation::Program:
        break;
    }
    return setBtn_;
}

int QtOperationButtons::Tag(DeviceOperation button) const {
    return Button(button).property("Tag").toInt();
}

void QtOperationButtons::SetTag(DeviceOperation button, int tag) {
    Button(button).setProperty("Tag", tag);
    if (OnTagChanged) {
        OnTagChanged();
    }
}

void QtOperationButtons::SetButtonEnabled(DeviceOperation button, bool enabled) {
    Button(button).setEnabled(enabled);
}

} // namespace zeft::ui
