#include "calc/ContentCurveForm.h"

#include "calc/DecimalText.h"
#include "calc/DipTable.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <utility>

namespace zeft::calc_ui {

namespace {

constexpr int kCurveSamples = 400;
constexpr std::array<const char*, 4> kLevelNames{"A", "B", "C", "D"};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A tick step of 1, 2, 2.5 or 5 times a power of ten that gives about six ticks.
double TickStep(double range) {
    const double raw = range / 6;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

} // namespace

void PaintContentCurve(QPainter& painter, const QRectF& area, const TankContent& content) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double thin = std::max(1.0, line / 16);
    const double height = static_cast<double>(content.height());
    const QString heightTitle = content.inchUnit() ? QCoreApplication::translate("ContentCurve", "Height (in)")
                                                   : QCoreApplication::translate("ContentCurve", "Height (mm)");
    const QString percentTitle = QCoreApplication::translate("ContentCurve", "Content (% of volume)");

    const QRectF plot(area.left() + line * 1.5 + metrics.horizontalAdvance(QStringLiteral("100")) + line / 2,
                      area.top() + line, 0, 0);
    QRectF frame = plot;
    frame.setRight(area.right() - line * 1.5);
    frame.setBottom(area.bottom() - line * 2.6);
    const auto toPoint = [&](double h, double percent) {
        return QPointF(frame.left() + frame.width() * h / height, frame.bottom() - frame.height() * percent / 100);
    };

    // Grid and axes.
    painter.setPen(QPen(QColor(0xd8, 0xd8, 0xd8), thin));
    const double step = TickStep(height);
    for (double h = step; h < height * (1 - 1e-9); h += step) {
        painter.drawLine(toPoint(h, 0), toPoint(h, 100));
    }
    for (int percent = 10; percent < 100; percent += 10) {
        painter.drawLine(toPoint(0, percent), toPoint(height, percent));
    }
    painter.setPen(QPen(Qt::black, thin));
    painter.drawRect(frame);
    for (int percent = 0; percent <= 100; percent += 20) {
        const QPointF at = toPoint(0, percent);
        painter.drawLine(at, at - QPointF(line / 4, 0));
        const QRectF label(area.left(), at.y() - line / 2, at.x() - line / 3 - area.left(), line);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(percent));
    }
    const auto heightTick = [&](double h) {
        const QPointF at = toPoint(h, 0);
        painter.drawLine(at, at + QPointF(0, line / 4));
        const QString text = Text(ShortestNumberText(h));
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(at.x() - width / 2 - 1, at.y() + line / 3, width + 2, line), Qt::AlignCenter, text);
    };
    for (double h = 0; h < height - step * 0.4; h += step) {
        heightTick(h);
    }
    heightTick(height);
    painter.drawText(QRectF(frame.left(), area.bottom() - line * 1.2, frame.width(), line), Qt::AlignCenter,
                     heightTitle);
    painter.save();
    painter.translate(area.left() + line * 0.1, frame.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-frame.height() / 2, 0, frame.height(), line), Qt::AlignCenter, percentTitle);
    painter.restore();

    // The curve.
    QPolygonF curve;
    for (int i = 0; i <= kCurveSamples; ++i) {
        const long double h = content.height() * i / kCurveSamples;
        curve << toPoint(static_cast<double>(h), static_cast<double>(content.PercentAt(h)));
    }
    const QColor curveColour(0x1f, 0x5f, 0xbf);
    painter.setPen(QPen(curveColour, thin * 2.5));
    painter.drawPolyline(curve);

    // The gauge's reading beside it: straight pieces through the levels, drawn as the
    // content each reading stands for.
    QPolygonF gauge;
    for (int i = 0; i <= kCurveSamples; ++i) {
        const long double h = content.height() * i / kCurveSamples;
        gauge << toPoint(static_cast<double>(h), static_cast<double>(content.GaugeContentPercentAt(h)));
    }
    const QColor gaugeColour(0xe0, 0x80, 0x10);
    painter.setPen(QPen(gaugeColour, thin * 1.8, Qt::DashLine));
    painter.drawPolyline(gauge);

    // The legend, bottom right, where both lines run low.
    const std::array<std::pair<QString, QPen>, 2> legend{{
        {QCoreApplication::translate("ContentCurve", "Content"), QPen(curveColour, thin * 2.5)},
        {QCoreApplication::translate("ContentCurve", "Gauge reading"), QPen(gaugeColour, thin * 1.8, Qt::DashLine)},
    }};
    const double legendWidth =
        metrics.horizontalAdvance(QCoreApplication::translate("ContentCurve", "Gauge reading")) + line * 3;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const double y = frame.bottom() - line * (2.2 - 1.1 * static_cast<double>(i));
        const double x = frame.right() - legendWidth - line / 2;
        painter.setPen(legend[i].second);
        painter.drawLine(QPointF(x, y), QPointF(x + line * 2, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + line * 2.4, y - line / 2, legendWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                         legend[i].first);
    }

    // The reserve level: the sender's empty point, a tenth of the contents below it.
    if (content.reserve()) {
        const double reserve = static_cast<double>(content.reserveHeight());
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), thin, Qt::DotLine));
        painter.drawLine(toPoint(reserve, 0), toPoint(reserve, 100));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(toPoint(reserve, 100).x() + line / 4, frame.top() + line / 4, line * 8, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("ContentCurve", "Reserve"));
    }

    // Levels A to D where the sender's levels lie (20 to 80 % of the height above the empty
    // point), each with the level handed over: a dashed line down to the height, the point
    // and its label up to the left (the curve only rises, so it never runs through the label).
    for (std::size_t i = 0; i < kLevelNames.size(); ++i) {
        const long double h = content.LevelHeight(i);
        const QPointF at = toPoint(static_cast<double>(h), static_cast<double>(content.PercentAt(h)));
        painter.setPen(QPen(QColor(0xc0, 0x30, 0x30), thin, Qt::DashLine));
        painter.drawLine(at, toPoint(static_cast<double>(h), 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xc0, 0x30, 0x30));
        painter.drawEllipse(at, line / 4, line / 4);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::black);
        const QString label =
            QStringLiteral("%1  %2 %").arg(QLatin1String(kLevelNames[i]), Text(WholeText(content.levels()[i])));
        const double width = metrics.horizontalAdvance(label) + 2;
        painter.drawText(QRectF(at.x() - width - line / 4, at.y() - line * 1.15, width, line),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.restore();
}

ContentCurveForm::ContentCurveForm(const TankContent& content, QWidget* parent) : QWidget(parent), content_(content) {
    setObjectName(QStringLiteral("ContentCurve"));
    setAccessibleName(QCoreApplication::translate("ContentCurve", "Content curve"));
    setMinimumSize(420, 320);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

QSize ContentCurveForm::sizeHint() const {
    return {560, 420};
}

void ContentCurveForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    PaintContentCurve(painter, QRectF(rect()).adjusted(4, 4, -4, -4), content_);
}

} // namespace zeft::calc_ui
