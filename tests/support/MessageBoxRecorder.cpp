#include "tests/support/MessageBoxRecorder.h"

#include "ui/QtPrompts.h"

namespace zeft::testing {

MessageBoxRecorder::MessageBoxRecorder(Unscripted unscripted) {
    ui::QtPrompts::SetBoxHandlerForTests([this, unscripted](QMessageBox& box) {
        shown.push_back({box.icon(), box.windowTitle().toStdString(), box.text().toStdString(),
                         box.informativeText().toStdString(), box.standardButtons()});
        if (!answers.empty()) {
            const QMessageBox::StandardButton answer = answers.front();
            answers.pop_front();
            return answer;
        }
        const bool yes = unscripted == Unscripted::YesWhenOffered && box.standardButtons().testFlag(QMessageBox::Yes);
        return yes ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    ui::QtPrompts::SetBoxHandlerForTests({});
}

std::vector<std::string> MessageBoxRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const Box& box : shown) {
        texts.push_back(box.text);
    }
    return texts;
}

} // namespace zeft::testing
