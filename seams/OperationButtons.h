#pragma once

namespace zeft {

// The three device operation buttons of the main window.
enum class OperationButton { ReadBtn, ResetBtn, Setbtn };

// The buttons as the exchange engine sees them. A running operation is marked by Tag 1
// on its button; all three Tags are 0 while idle. The window keeps the Tag with the
// button (tests can look at it there) and shows the enabled state.
class OperationButtons {
public:
    virtual ~OperationButtons() = default;

    virtual int Tag(OperationButton button) const = 0;
    virtual void SetTag(OperationButton button, int tag) = 0;
    virtual void SetButtonEnabled(OperationButton button, bool enabled) = 0;
};

} // namespace zeft
