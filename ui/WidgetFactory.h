#pragma once

#include <QString>

#include <span>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zeft::ui {

// The small widgets every window makes, each with its objectName: the product's name of
// the control, by which tests and the accessibility tree find it. Texts are Latin-1, as
// the product's captions are.

// Names a widget made elsewhere.
template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
// An edit with its initial text and a tooltip hint (none when hint is empty).
QLineEdit* MakeEdit(QWidget* parent, const char* name, std::string_view text, const QString& hint = {});
// A drop-down list of the items (core texts, translated), the first selected (none when
// there are no items).
QComboBox* MakeList(QWidget* parent, const char* name, std::span<const std::string_view> items);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text);

// Wraps the label's words and keeps at least the height its text needs at the width it is
// given. A window's first size is worked out for the width its layout guesses, and with
// another font or a longer translation the label may end up narrower and cut its last
// line; the window then grows to the label's new minimum.
void KeepWrappedTextWhole(QLabel* label);

} // namespace zeft::ui
