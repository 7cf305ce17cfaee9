#include "ui/WidgetFactory.h"

#include "ui/Translations.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeft::ui {
namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Raises a wrapped label's minimum height to what its text needs at each new width. Only
// raises: lowering it again could let the layout and the label take turns for ever.
class WrappedTextKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            auto* label = static_cast<QLabel*>(watched);
            if (const int needed = label->heightForWidth(label->width()); needed > label->minimumHeight()) {
                label->setMinimumHeight(needed);
            }
        }
        return false;
    }
};

} // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    return Named(new QLabel(text, parent), name);
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, std::string_view text, const QString& hint) {
    auto* edit = Named(new QLineEdit(Latin1(text), parent), name);
    edit->setToolTip(hint);
    return edit;
}

QComboBox* MakeList(QWidget* parent, const char* name, std::span<const std::string_view> items) {
    auto* box = Named(new QComboBox(parent), name);
    for (const std::string_view item : items) {
        box->addItem(CoreText("Core", std::string(item)));
    }
    box->setCurrentIndex(items.empty() ? -1 : 0);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
    return Named(new QPushButton(text, parent), name);
}

void KeepWrappedTextWhole(QLabel* label) {
    label->setWordWrap(true);
    label->installEventFilter(new WrappedTextKeeper(label));
}

} // namespace zeft::ui
