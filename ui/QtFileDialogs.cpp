#include "ui/QtFileDialogs.h"

#include "seams/TextTranslation.h"
#include "ui/Translations.h"

#include <QDir>
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

// Windows' own dialog matches every file with "*.*", as its users know it; Qt's dialog, on
// Windows too, would hide the names without a dot, so it gets "*".
QString AllFilesFilter() {
#ifdef _WIN32
    if (UseNative()) {
        return QtFileDialogs::tr("All Files (*.*)");
    }
#endif
    return QtFileDialogs::tr("All Files (*)");
}

// No default suffix: with the desktop's own dialog Qt adds it only after the dialog's
// overwrite check, so Save As adds ".zcf" itself and asks about the final name.
void SetUpConfigDialog(QFileDialog& dialog) {
    dialog.setNameFilters({QtFileDialogs::tr("ZEFT Config Files (*.zcf)"), AllFilesFilter()});
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
    // The name as the system writes it: backslashes on Windows, in messages too.
    return QDir::toNativeSeparators(files.front()).toStdString();
}

std::optional<std::string> QtFileDialogs::AskSaveConfigPath() {
    QFileDialog dialog(parent_, tr("Save As"));
    SetUpConfigDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // QFileDialog asks before it replaces an existing file unless told not to.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return Run(dialog);
}

std::optional<std::string> QtFileDialogs::AskSavePath(const std::string& caption, const std::string& filter) {
    QFileDialog dialog(parent_, CoreText("Core", caption));
    dialog.setNameFilters({CoreText("Core", filter), AllFilesFilter()});
    if (!UseNative()) {
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return Run(dialog);
}

std::optional<std::string> QtFileDialogs::AskOpenConfigPath() {
    QFileDialog dialog(parent_, tr("Open"));
    SetUpConfigDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist would load as all keys missing and wipe the window's
    // settings; the dialog refuses it.
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

std::optional<std::string> QtFileDialogs::AskOpenPath(const std::string& caption, const std::string& filter) {
    QFileDialog dialog(parent_, CoreText("Core", caption));
    dialog.setNameFilters({CoreText("Core", filter), AllFilesFilter()});
    if (!UseNative()) {
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    }
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

std::optional<std::string> QtFileDialogs::AskSaveSetupSheetPath() {
    return AskSavePath(ZEFT_TEXT("Core", "Save Setup Sheet"), ZEFT_TEXT("Core", "PDF Files (*.pdf)"));
}

} // namespace zeft::ui
