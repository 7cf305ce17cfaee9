#pragma once

namespace zeft {

// The three device operations, each with its button in the main window: Read Device
// (ReadBtn), Restore Default (ResetBtn) and Program Device (Setbtn), in that order.
enum class DeviceOperation { Read, Restore, Program };

// The buttons as the exchange engine sees them, each named by its operation. A running operation is marked by Tag 1
// on its button; all three Tags are 0 while idle. The window keeps the Tag with the
// button (tests can look at it there) and shows the enabled state.
class OperationButtons {
public:
    virtual ~OperationButtons() = default;

    virtual int Tag(DeviceOperation button) const = 0;
    virtual void SetTag(DeviceOperation button, int tag) = 0;
    virtual void SetButtonEnabled(DeviceOperation button, bool enabled) = 0;
};

} // namespace zeft
