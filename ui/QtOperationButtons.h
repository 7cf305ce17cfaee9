#pragma once

#include "seams/OperationButtons.h"

#include <functional>

class QPushButton;

namespace zeft::ui {

// The main window's three operation buttons for the exchange engine. Each button keeps its
// Tag as the property "Tag", where tests can read it.
class QtOperationButtons : public OperationButtons {
public:
    QtOperationButtons(QPushButton& readBtn, QPushButton& resetBtn, QPushButton& setBtn);

    int Tag(DeviceOperation button) const override;
    void SetTag(DeviceOperation button, int tag) override;
    void SetButtonEnabled(DeviceOperation button, bool enabled) override;

    // Called after every Tag change (an operation starting or ending).
    std::function<void()> OnTagChanged;

private:
    QPushButton& Button(DeviceOperation button) const;

    QPushButton& readBtn_;
    QPushButton& resetBtn_;
    QPushButton& setBtn_;
};

} // namespace zeft::ui
