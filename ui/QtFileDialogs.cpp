#include "ui/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace zeft::ui {

namespace {

QtFileDialogs::DialogHandler& TestHandler() {
    static QtFileDialogs::DialogHandler handler;
    return handler;
}

bool& UseNative() {
    static bool useNative = true;
    return useNative;
}

void SetUpConfigDialog(QFileDialog& dialog) {
    dialog.setNameFilters({QStringLiteral("ZEFT Config Files (*.zcf)"), QStringLiteral("All Files (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("zcf"));
    if (!UseNative()) {
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    }
}

} // namespace

void QtFileDialogs::SetDialogHandlerForTests(DialogHandler handler) {
    TestHandler() = std::move(handler);
}

void QtFileDialogs::SetUseNativeDialogs(bool useNative) {
    UseNative() = useNative;
}

std::optional<std::string> QtFileDialogs::Run(QFileDialog& dialog) {
    if (TestHandler()) {
        return TestHandler()(dialog);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) {
        return std::nullopt;
    }
    return files.front().toStdString();
}

std::optional<std::string> QtFileDialogs::AskSaveConfigPath() {
    QFileDialog dialog(parent_, QStringLiteral("Save As"));
    SetUpConfigDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // QFileDialog asks before it replaces an existing file unless told not to.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return Run(dialog);
}

std::optional<std::string> QtFileDialogs::AskOpenConfigPath() {
    QFileDialog dialog(parent_, QStringLiteral("Open"));
    SetUpConfigDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

} // namespace zeft::ui
