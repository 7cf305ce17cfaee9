#pragma once

#include <string>
#include <vector>

class QWidget;

namespace zeft::testing {

// Whether controls that are off now are listed where Tab would reach them once on.
enum class DisabledControls { Skipped, Listed };

// The object names of the controls that Tab reaches in window, from first once round:
// the focus chain's widgets of the window that take Tab, are shown with it and enabled,
// and hand their focus to no other. The window need not be shown or active.
std::vector<std::string> TabOrder(const QWidget& window, const QWidget* first,
                                  DisabledControls disabled = DisabledControls::Skipped);

} // namespace zeft::testing
