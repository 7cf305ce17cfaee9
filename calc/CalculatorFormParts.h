#pragma once

// Small pieces the three calculator windows share (Qt; windows only).

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

#include <initializer_list>

namespace zeft::calc_ui {

// The decimal separator the number edits accept and the results use: the system's.
inline char DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

// A labelled edit: its caption above it, both in one panel so that hiding the panel hides
// the pair. The edit carries the control's name; the caption gets name + "Label".
inline QLineEdit* MakeLabeledEdit(QWidget* parent, const QString& name, const QString& caption, const QString& text,
                                  bool boldCaption, QLabel** captionOut = nullptr) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name + QStringLiteral("Panel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* label = new QLabel(caption, panel);
    label->setObjectName(name + QStringLiteral("Label"));
    if (boldCaption) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    auto* edit = new QLineEdit(text, panel);
    edit->setObjectName(name);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit);
    if (captionOut != nullptr) {
        *captionOut = label;
    }
    return edit;
}

// Shows or hides a labelled edit made above, caption and all.
inline void SetLabeledEditVisible(QLineEdit* edit, bool visible) {
    edit->parentWidget()->setVisible(visible);
}

inline bool IsLabeledEditShown(const QLineEdit* edit) {
    return !edit->parentWidget()->isHidden();
}

inline void SetBold(QWidget* widget, int pointSize = 0) {
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
    widget->setFont(font);
}

inline void SetPointSize(QWidget* widget, int pointSize) {
    QFont font = widget->font();
    font.setPointSize(pointSize);
    widget->setFont(font);
}

// Sets the tab order along the chain of widgets.
inline void SetTabChain(std::initializer_list<QWidget*> chain) {
    QWidget* previous = nullptr;
    for (QWidget* widget : chain) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace zeft::calc_ui
