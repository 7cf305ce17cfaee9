#include "ui/QtSettingsControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zeft::ui {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t Slot(SettingsEdit edit) {
    return static_cast<std::size_t>(edit);
}

} // namespace

QtSettingsControls::QtSettingsControls(QComboBox& outputType, QComboBox& fluidType,
                                       const std::array<QLineEdit*, 6>& edits, QLabel& reply,
                                       std::function<void(const std::string&)> setStatus)
    : outputType_(outputType), fluidType_(fluidType), edits_(edits), replyLabel_(reply),
      setStatus_(std::move(setStatus)) {}

int QtSettingsControls::OutputTypeIndex() const {
    return outputType_.currentIndex();
}

void QtSettingsControls::SetOutputTypeIndex(int index) {
    outputType_.setCurrentIndex(index);
}

int QtSettingsControls::FluidTypeIndex() const {
    return fluidType_.currentIndex();
}

void QtSettingsControls::SetFluidTypeIndex(int index) {
    fluidType_.setCurrentIndex(index);
}

std::string QtSettingsControls::EditText(SettingsEdit edit) const {
    return edits_[Slot(edit)]->text().toStdString();
}

void QtSettingsControls::SetEditText(SettingsEdit edit, const std::string& text) {
    edits_[Slot(edit)]->setText(FromUtf8(text));
}

std::string QtSettingsControls::DisplayText(const std::string& reply) {
    std::string shown;
    shown.reserve(reply.size());
    for (std::size_t i = 0; i < reply.size(); ++i) {
        const char c = reply[i];
        if (c == '\r') {
            shown += '\n';
            if (i + 1 < reply.size() && reply[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            shown += '\n';
        } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
            shown += c;
        }
    }
    return shown;
}

void QtSettingsControls::SetReplyText(const std::string& text) {
    reply_ = text;
    // The sender speaks ASCII; anything else shows as Latin-1 rather than vanishing.
    replyLabel_.setText(QString::fromLatin1(DisplayText(text)));
    replyLabel_.adjustSize();
}

void QtSettingsControls::SetStatusText(const std::string& text) {
    if (setStatus_) {
        setStatus_(text);
    }
}

void QtSettingsControls::SetSettingsEnabled(bool enabled) {
    outputType_.setEnabled(enabled);
    fluidType_.setEnabled(enabled);
    for (QLineEdit* edit : edits_) {
        edit->setEnabled(enabled);
    }
}

} // namespace zeft::ui
