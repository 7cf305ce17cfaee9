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

QPushButton& QtOperationButtons::Button(OperationButton button) const {
    switch (button) {
    case OperationButton::ReadBtn:
        return readBtn_;
    case OperationButton::ResetBtn:
        return resetBtn_;
    case OperationButton::Setbtn:
        break;
    }
    return setBtn_;
}

int QtOperationButtons::Tag(OperationButton button) const {
    return Button(button).property("Tag").toInt();
}

void QtOperationButtons::SetTag(OperationButton button, int tag) {
    Button(button).setProperty("Tag", tag);
    if (OnTagChanged) {
        OnTagChanged();
    }
}

void QtOperationButtons::SetButtonEnabled(OperationButton button, bool enabled) {
    Button(button).setEnabled(enabled);
}

} // namespace zeft::ui
