#include "ui/DesignScale.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zeft::ui {

DesignScale::DesignScale(const QFont& font, std::initializer_list<std::pair<QString, int>> texts,
                         int designLineHeight) {
    const QFontMetrics metrics(font);
    factor_ = std::max(1.0, static_cast<double>(metrics.height()) / designLineHeight);
    for (const auto& [text, width] : texts) {
        Fit(metrics.horizontalAdvance(text), width);
    }
}

void DesignScale::Fit(int neededPixels, int designPixels) {
    // Some slack: frames and margins of the control around the text, and breathing room.
    factor_ = std::max(factor_, static_cast<double>(neededPixels + 10) / designPixels);
}

int DesignScale::operator()(int designPixels) const {
    return static_cast<int>(std::lround(designPixels * factor_));
}

QRect DesignScale::Rect(int x, int y, int width, int height) const {
    return {(*this)(x), (*this)(y), (*this)(width), (*this)(height)};
}

void DesignScale::Place(QWidget& widget, int x, int y, int width, int height) const {
    widget.setGeometry(Rect(x, y, width, height));
}

void DesignScale::PlaceLabel(QWidget& label, int x, int y) const {
    label.move((*this)(x), (*this)(y));
    label.adjustSize();
}

} // namespace zeft::ui
