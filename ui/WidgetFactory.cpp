#include "ui/WidgetFactory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeft::ui {
namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    return Named(new QLabel(QString::fromLatin1(text), parent), name);
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, std::string_view text, const char* hint) {
    auto* edit = Named(new QLineEdit(Latin1(text), parent), name);
    edit->setToolTip(QString::fromLatin1(hint));
    return edit;
}

QComboBox* MakeList(QWidget* parent, const char* name, std::span<const std::string_view> items) {
    auto* box = Named(new QComboBox(parent), name);
    for (const std::string_view item : items) {
        box->addItem(Latin1(item));
    }
    box->setCurrentIndex(items.empty() ? -1 : 0);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* text) {
    return Named(new QPushButton(QString::fromLatin1(text), parent), name);
}

} // namespace zeft::ui
