#pragma once

#include "seams/Prompts.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <functional>
#include <string>

class QWidget;

namespace zeft::ui {

// The program's message boxes on QMessageBox: "Error" (critical icon, OK), "Warning"
// (warning icon, OK), "Confirm" (question icon, Yes and No) and the application's own box
// (title "ZEFT", critical icon, OK).
class QtPrompts : public Prompts {
    Q_DECLARE_TR_FUNCTIONS(QtPrompts)

public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowWarningWithDetail(const std::string& text, const std::string& detail) override;
    ConfirmAnswer Confirm(const std::string& text) override;
    void ShowApplicationError(const std::string& text) override;

    // A plain box with a caption of its own, no icon and OK (the port dialog's input checks).
    void ShowPlain(const std::string& caption, const std::string& text);

    // A notice with the program's title as caption, information icon and OK.
    void ShowNotice(const QString& text);

    // The warning with Yes and No of the firmware question.
    ConfirmAnswer AskWarning(const std::string& text);

    // Window tests replace the modal run of every box: the handler gets the fully set up
    // box and returns the button it pressed, or QMessageBox::NoButton for a box closed by
    // its title-bar button. Pass an empty function to show boxes again.
    using BoxHandler = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
    static void SetBoxHandlerForTests(BoxHandler handler);

private:
    QMessageBox::StandardButton Run(QMessageBox& box);
    // A Yes/No box whose Escape answers No; its title-bar button counts as closed.
    ConfirmAnswer AskYesNo(QMessageBox::Icon icon, const QString& caption, const std::string& text);

    QWidget* parent_;
};

} // namespace zeft::ui
