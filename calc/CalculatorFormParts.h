#pragma once

// Small pieces the three calculator windows share (Qt; windows only).

#include "calc/CalculationRecord.h"
#include "calc/LevelSet.h"
#include "seams/LevelSource.h"
#include "seams/Prompts.h"
#include "seams/SettingsControls.h"
#include "seams/TextTranslation.h"

#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QString>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace zeft::calc_ui {

// The decimal separator the number edits accept and the results use: the system's.
inline char DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

// The point size of the bold captions and check boxes and of the shape window's results,
// whatever the platform's window font is.
inline constexpr int kEmphasisPointSize = 10;

// The question before the calculated levels go into the main window.
inline constexpr const char* kConfirmLevelHandOver = ZEFT_TEXT(
    "Core", "Are you sure you want to update the parameters with those in the Non-Linear Calculated Values group box?");

// A labelled edit: its caption above it, both in one panel so that hiding the panel hides
// the pair. The edit carries the control's name; the caption gets name + "Label" and is the
// edit's buddy, so that a screen reader announces the edit by its caption. A bold caption
// is bold 10 point.
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
        font.setPointSize(kEmphasisPointSize);
        label->setFont(font);
    }
    auto* edit = new QLineEdit(text, panel);
    edit->setObjectName(name);
    // Every such edit takes a number; say which decimal separator, whatever the language.
    edit->setToolTip(QCoreApplication::translate("CalculatorFormParts", "A number, with \"%1\" as decimal separator")
                         .arg(QLatin1Char(DecimalSeparator())));
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

// The level set's result rows that every calculator shows in its "Non-Linear Calculated
// Values" box: captions Label2 to Label5 and Label10, each with its value label.
struct LevelSetRows {
    std::array<QLabel*, 5> captions{};
    std::array<QLabel*, 5> values{};
};

inline LevelSetRows MakeLevelSetRows(QGroupBox* box, const std::array<QString, 5>& valueNames, int pointSize = 0) {
    const std::array<QString, 5> captions{QCoreApplication::translate("CalculatorFormParts", "Level A 20% = "),
                                          QCoreApplication::translate("CalculatorFormParts", "Level B 40% = "),
                                          QCoreApplication::translate("CalculatorFormParts", "Level C 60% =  "),
                                          QCoreApplication::translate("CalculatorFormParts", "Level D 80% = "),
                                          QCoreApplication::translate("CalculatorFormParts", "Bottom Limit  = ")};
    const std::array<QString, 5> captionNames{QStringLiteral("Label2"), QStringLiteral("Label3"),
                                              QStringLiteral("Label4"), QStringLiteral("Label5"),
                                              QStringLiteral("Label10")};
    const std::array<QString, 5> values{QStringLiteral("20"), QStringLiteral("40"), QStringLiteral("60"),
                                        QStringLiteral("80"), QStringLiteral("2000")};
    auto* grid = new QGridLayout(box);
    LevelSetRows rows;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        rows.captions[i] = new QLabel(captions[i], box);
        rows.captions[i]->setObjectName(captionNames[i]);
        rows.values[i] = new QLabel(values[i], box);
        rows.values[i]->setObjectName(valueNames[i]);
        rows.values[i]->setMinimumWidth(rows.values[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")));
        if (pointSize > 0) {
            SetPointSize(rows.captions[i], pointSize);
            SetPointSize(rows.values[i], pointSize);
        }
        grid->addWidget(rows.captions[i], static_cast<int>(i), 0);
        grid->addWidget(rows.values[i], static_cast<int>(i), 1);
    }
    grid->setColumnStretch(1, 1);
    return rows;
}

// The three buttons every calculator ends with: "Calculate", "Save && Close" and "Close",
// with the standard icons, under the object names the window gives them.
struct CalculatorButtons {
    QPushButton* calculate = nullptr;
    QPushButton* saveClose = nullptr;
    QPushButton* close = nullptr;
};

inline CalculatorButtons MakeCalculatorButtons(QWidget* parent, const std::array<QString, 3>& names) {
    QStyle* style = parent->style();
    CalculatorButtons buttons;
    buttons.calculate = new QPushButton(style->standardIcon(QStyle::SP_DialogApplyButton),
                                        QCoreApplication::translate("CalculatorFormParts", "Calculate"), parent);
    buttons.saveClose = new QPushButton(style->standardIcon(QStyle::SP_DialogSaveButton),
                                        QCoreApplication::translate("CalculatorFormParts", "Save && Close"), parent);
    buttons.close = new QPushButton(style->standardIcon(QStyle::SP_DialogCloseButton),
                                    QCoreApplication::translate("CalculatorFormParts", "Close"), parent);
    buttons.calculate->setObjectName(names[0]);
    buttons.saveClose->setObjectName(names[1]);
    buttons.close->setObjectName(names[2]);
    return buttons;
}

// The lower part of a table calculator: the inputs' box, the results' box beside it, and
// the three buttons under them.
inline QGridLayout* MakeCalculatorGrid(QWidget* inputs, QWidget* results, const CalculatorButtons& buttons) {
    auto* grid = new QGridLayout;
    grid->addWidget(inputs, 0, 0);
    grid->addWidget(results, 0, 1, 1, 2);
    grid->addWidget(buttons.calculate, 1, 0);
    grid->addWidget(buttons.saveClose, 1, 1);
    grid->addWidget(buttons.close, 1, 2);
    return grid;
}

// "Save && Close" once the user confirmed: the four levels and the bottom limit shown in the
// result labels go into the main window's controls. A bottom limit that is not a number is
// refused in a box; a level set handed over is told to onHandedOver with the calculation
// behind it.
inline void HandOverShownLevelSet(const std::array<QLabel*, 5>& shown, SettingsControls& mainControls, Prompts& prompts,
                                  bool inchUnit, LevelCalculator calculator,
                                  const std::optional<LevelSource>& lastCalculation,
                                  const std::function<void(const LevelSource&)>& onHandedOver) {
    LevelSetTexts levelSet;
    levelSet.levels = {shown[0]->text().toStdString(), shown[1]->text().toStdString(), shown[2]->text().toStdString(),
                       shown[3]->text().toStdString()};
    levelSet.bottomLimit = shown[4]->text().toStdString();
    if (!HandOverLevelSet(mainControls, levelSet, inchUnit, DecimalSeparator())) {
        prompts.ShowError(QCoreApplication::translate("CalculatorFormParts", "The bottom limit \"%1\" is not a number.")
                              .arg(QString::fromStdString(levelSet.bottomLimit))
                              .toStdString());
    } else if (onHandedOver) {
        onHandedOver(HandedOverRecord(calculator, lastCalculation, levelSet, inchUnit, DecimalSeparator()));
    }
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
