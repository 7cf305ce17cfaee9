#pragma once

#include "seams/FileDialogs.h"

#include <QCoreApplication>

#include <functional>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace zeft::ui {

// The configuration files' open and save dialogs, and the setup sheet's save dialog, on QFileDialog.
class QtFileDialogs : public FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(QtFileDialogs)

public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<std::string> AskSaveConfigPath() override;
    std::optional<std::string> AskOpenConfigPath() override;
    // A save dialog for other files the program writes (such as a chart): the caption and
    // the name filter ("CSV Files (*.csv)"), then all files. Same rules as above.
    std::optional<std::string> AskSavePath(const std::string& caption, const std::string& filter);
    std::optional<std::string> AskSaveSetupSheetPath() override;
    // An open dialog for other files the program reads (such as a measured table).
    std::optional<std::string> AskOpenPath(const std::string& caption, const std::string& filter);

    // Window tests replace the modal run: the handler gets the set-up dialog and returns
    // the chosen path, or nothing for Cancel. An empty function shows the dialogs again.
    using DialogHandler = std::function<std::optional<std::string>(QFileDialog& dialog)>;
    static void SetDialogHandlerForTests(DialogHandler handler);

    // Qt's own dialogs instead of the desktop's (tests, or desktops without a portal).
    static void SetUseNativeDialogs(bool useNative);

private:
    std::optional<std::string> Run(QFileDialog& dialog);

    QWidget* parent_;
};

} // namespace zeft::ui
