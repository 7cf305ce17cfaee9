#include "ui/QtPrompts.h"

#include "ui/Translations.h"
#include "ui/Utf8Text.h"

#include <QAbstractButton>
#include <QEvent>
#include <QString>

namespace zeft::ui {

namespace {

QtPrompts::BoxHandler& TestHandler() {
    static QtPrompts::BoxHandler handler;
    return handler;
}

// Notes a box closed by its title-bar button: QMessageBox turns that into a click on its
// escape button (No), where the program tells the two apart.
class TitleBarCloseWatch : public QObject {
public:
    bool closed = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && event->spontaneous()) {
            closed = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void QtPrompts::SetBoxHandlerForTests(BoxHandler handler) {
    TestHandler() = std::move(handler);
}

QMessageBox::StandardButton QtPrompts::Run(QMessageBox& box) {
    if (TestHandler()) {
        return TestHandler()(box);
    }
    TitleBarCloseWatch watch;
    box.installEventFilter(&watch);
    box.exec();
    box.removeEventFilter(&watch);
    QAbstractButton* clicked = box.clickedButton();
    if (watch.closed || clicked == nullptr) {
        return QMessageBox::NoButton;
    }
    return box.standardButton(clicked);
}

void QtPrompts::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, tr("Error"), CoreText("Core", text), QMessageBox::Ok, parent_);
    Run(box);
}

void QtPrompts::ShowWarning(const std::string& text) {
    ShowWarningWithDetail(text, {});
}

void QtPrompts::ShowWarningWithDetail(const std::string& text, const std::string& detail) {
    QMessageBox box(QMessageBox::Warning, tr("Warning"), CoreText("Core", text), QMessageBox::Ok, parent_);
    if (!detail.empty()) {
        box.setInformativeText(CoreText("Core", detail));
    }
    Run(box);
}

ConfirmAnswer QtPrompts::Confirm(const std::string& text) {
    return AskYesNo(QMessageBox::Question, tr("Confirm"), text);
}

ConfirmAnswer QtPrompts::AskWarning(const std::string& text) {
    return AskYesNo(QMessageBox::Warning, tr("Warning"), text);
}

ConfirmAnswer QtPrompts::AskYesNo(QMessageBox::Icon icon, const QString& caption, const std::string& text) {
    QMessageBox box(icon, caption, CoreText("Core", text), QMessageBox::Yes | QMessageBox::No, parent_);
    // Escape answers No, as in the product; the title-bar button still counts as closed.
    box.setEscapeButton(QMessageBox::No);
    switch (Run(box)) {
    case QMessageBox::Yes:
        return ConfirmAnswer::Yes;
    case QMessageBox::No:
        return ConfirmAnswer::No;
    default:
        return ConfirmAnswer::Closed;
    }
}

void QtPrompts::ShowApplicationError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ZEFT"), CoreText("Core", text), QMessageBox::Ok, parent_);
    Run(box);
}

void QtPrompts::ShowNotice(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("ZEFT"), text, QMessageBox::Ok, parent_);
    Run(box);
}

void QtPrompts::ShowPlain(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok, parent_);
    Run(box);
}

} // namespace zeft::ui
