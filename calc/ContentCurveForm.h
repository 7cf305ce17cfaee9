#pragma once

#include "calc/TankContent.h"

#include <QWidget>

class QPainter;
class QRectF;

namespace zeft::calc_ui {

// Draws the content curve of a tank into the area: height across (in the dimensions'
// unit), percent of the volume up, the gauge's reading beside it, the points of levels A
// to D marked and labelled. Sizes follow the painter's font, so that the same drawing
// serves the screen and the PDF.
void PaintContentCurve(QPainter& painter, const QRectF& area, const TankContent& content);

// The curve panel of the Tank Chart window (named *Form so that it builds with the windows).
class ContentCurveForm : public QWidget {
public:
    ContentCurveForm(const TankContent& content, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TankContent content_;
};

} // namespace zeft::calc_ui
