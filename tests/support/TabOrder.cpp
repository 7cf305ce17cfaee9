#include "tests/support/TabOrder.h"

#include <QWidget>

namespace zeft::testing {

std::vector<std::string> TabOrder(const QWidget& window, const QWidget* first, DisabledControls disabled) {
    const auto takesTab = [&window, disabled](const QWidget* widget) {
        return widget != &window && window.isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) &&
               widget->focusProxy() == nullptr && widget->isVisibleTo(&window) &&
               (widget->isEnabled() || disabled == DisabledControls::Listed);
    };
    std::vector<std::string> names;
    const QWidget* widget = first;
    // The chain is a ring; the limit only stops a walk from a widget outside it.
    for (int step = 0; step < 1000 && widget != nullptr; ++step) {
        if (takesTab(widget)) {
            names.push_back(widget->objectName().toStdString());
        }
        widget = widget->nextInFocusChain();
        if (widget == first) {
            break;
        }
    }
    return names;
}

} // namespace zeft::testing
