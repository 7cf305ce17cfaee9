#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <utility>

class QWidget;

namespace zeft::ui {

// The windows keep the pixel layout they were designed with at 8-point MS Sans Serif. The
// platform's default font is usually larger, so each window grows its layout by one factor
// that makes its widest designed texts and its line height fit: nothing is clipped and
// the proportions stay.
class DesignScale {
public:
    // font: the window's font. texts: texts with the width they were designed to fit in.
    // designLineHeight: the design font's line height in pixels.
    DesignScale(const QFont& font, std::initializer_list<std::pair<QString, int>> texts, int designLineHeight = 13);

    // Grows the factor so that a text needing neededPixels fits in designPixels.
    void Fit(int neededPixels, int designPixels);

    double Factor() const { return factor_; }
    int operator()(int designPixels) const;
    QRect Rect(int x, int y, int width, int height) const;

    // Places a widget at its designed rectangle, scaled.
    void Place(QWidget& widget, int x, int y, int width, int height) const;
    // Places a label at its designed position, sized to its text.
    void PlaceLabel(QWidget& label, int x, int y) const;

private:
    double factor_ = 1.0;
};

} // namespace zeft::ui
