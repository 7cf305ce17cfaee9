#include "ui/QtSettingsControls.h"

#include "ui/Translations.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace zeft::ui {

namespace {

// The edits hold the bytes the sender sent or a file gave, one character per byte both
// ways, so that a value goes back on the wire exactly as it came.
QString FromBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A growing reply reaches the label at most this often: faster than the eye follows, and
// a burst of single-character clusters does not lay the label out once per character.
constexpr int kLabelUpdateMs = 25;

std::size_t Slot(SettingsEdit edit) {
    return static_cast<std::size_t>(edit);
}

} // namespace

QtSettingsControls::QtSettingsControls(QComboBox& outputType, QComboBox& fluidType,
                                       const std::array<QLineEdit*, 6>& edits, QLabel& reply,
                                       std::function<void(const std::string&)> setStatus)
    : outputType_(outputType), fluidType_(fluidType), edits_(edits), replyLabel_(reply),
      setStatus_(std::move(setStatus)), shown_(0, 0) {
    FitDisplayToPanel();
    labelUpdate_.setSingleShot(true);
    labelUpdate_.setInterval(kLabelUpdateMs);
    QObject::connect(&labelUpdate_, &QTimer::timeout, [this] { FlushReplyDisplay(); });
}

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
    return edits_[Slot(edit)]->text().toLatin1().toStdString();
}

void QtSettingsControls::SetEditText(SettingsEdit edit, const std::string& text) {
    edits_[Slot(edit)]->setText(FromBytes(text));
}

// The label sits in its panel at a fixed place: what lies beyond the panel's edges is
// never seen, so it is not laid out either. The narrowest character decides how many fit
// on a line, the line spacing how many lines.
void QtSettingsControls::FitDisplayToPanel() {
    const QWidget* panel = replyLabel_.parentWidget();
    if (panel == nullptr) {
        constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
        shown_ = ReplyDisplayText(kNoLimit, kNoLimit);
        return;
    }
    const QFontMetrics metrics(replyLabel_.font());
    int narrowest = metrics.horizontalAdvance(QLatin1Char('i'));
    for (char c = 0x20; c < 0x7F; ++c) {
        narrowest = std::min(narrowest, metrics.horizontalAdvance(QLatin1Char(c)));
    }
    const int width = std::max(0, panel->width() - replyLabel_.x());
    const int height = std::max(0, panel->height() - replyLabel_.y());
    shown_ = ReplyDisplayText(static_cast<std::size_t>(height / std::max(1, metrics.lineSpacing()) + 1),
                              static_cast<std::size_t>(width / std::max(1, narrowest) + 1));
}

void QtSettingsControls::SetReplyText(const std::string& text) {
    reply_ = text;
    FitDisplayToPanel();
    // The program's own texts in the window's language; the sender's come back as they are.
    shown_.Append(CoreText("Core", reply_).toStdString());
    FlushReplyDisplay();
}

void QtSettingsControls::AppendReplyText(const std::string& text) {
    reply_ += text;
    if (shown_.Append(text) && !labelUpdate_.isActive()) {
        labelUpdate_.start();
    }
}

void QtSettingsControls::FlushReplyDisplay() {
    labelUpdate_.stop();
    // The sender speaks ASCII; anything else shows as Latin-1 rather than vanishing.
    const std::string& shown = shown_.Text();
    replyLabel_.setText(QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size())));
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
