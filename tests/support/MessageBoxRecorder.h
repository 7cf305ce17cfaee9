#pragma once

#include <QMessageBox>

#include <deque>
#include <string>
#include <vector>

namespace zeft::testing {

// Records every message box the windows show, for as long as it lives, and answers each
// from a script; an unscripted box gets OK, or Yes where it offers Yes when so made.
class MessageBoxRecorder {
public:
    enum class Unscripted { Ok, YesWhenOffered };

    struct Box {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        std::string caption;
        std::string text;
        std::string detail;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxRecorder(Unscripted unscripted = Unscripted::Ok);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The main text of each box shown, in order.
    std::vector<std::string> Texts() const;
    bool Empty() const { return shown.empty(); }
    // The first box's text, for a failure message; empty when none was shown.
    std::string First() const { return shown.empty() ? std::string() : shown.front().text; }

    std::vector<Box> shown;
    // The answers to the next boxes, in order.
    std::deque<QMessageBox::StandardButton> answers;
};

} // namespace zeft::testing
