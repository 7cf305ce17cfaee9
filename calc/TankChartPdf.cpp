#include "calc/TankChartPdf.h"

#include "calc/ContentCurveForm.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cstddef>

namespace zeft::calc_ui {

namespace {

constexpr int kTableGroups = 3; // side by side on a page

constexpr std::size_t kColumns = 4;

std::array<QString, kColumns> Headers(DipVolumes volumes) {
    const DipHeaders headers = DipTableHeaders(volumes);
    return {QString::fromStdString(headers.height), QString::fromStdString(headers.percent),
            QString::fromStdString(headers.gauge), QString::fromStdString(headers.volume)};
}

// Shares of a group's width: height, percent, gauge, volume.
constexpr std::array<double, kColumns> kColumnShares{0.27, 0.21, 0.21, 0.31};

// Draws rows [first, first + count) as one group of right-aligned columns.
void PaintTableGroup(QPainter& painter, const QRectF& area, const std::vector<DipRow>& rows, std::size_t first,
                     std::size_t count, DipVolumes volumes, double line) {
    const std::array<QString, kColumns> headers = Headers(volumes);
    std::array<QRectF, kColumns> columns;
    double left = area.left();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        columns[c] = QRectF(left, 0, area.width() * kColumnShares[c], line);
        left = columns[c].right();
    }
    const auto cell = [&](std::size_t c, double top) { return columns[c].translated(0, top); };
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        painter.drawText(cell(c, area.top()), Qt::AlignRight | Qt::AlignVCenter, headers[c]);
    }
    painter.restore();
    painter.drawLine(QPointF(area.left(), area.top() + line * 1.05), QPointF(area.right(), area.top() + line * 1.05));
    for (std::size_t i = 0; i < count; ++i) {
        const DipRowTexts texts = DipRowText(rows[first + i], volumes);
        const std::array<const std::string*, kColumns> cells{&texts.height, &texts.percent, &texts.gauge,
                                                             &texts.volume};
        const double top = area.top() + line * (1.2 + static_cast<double>(i));
        for (std::size_t c = 0; c < columns.size(); ++c) {
            painter.drawText(cell(c, top), Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(*cells[c]));
        }
    }
}

} // namespace

QByteArray TankChartPdf(const TankContent& content, const std::vector<DipRow>& rows, DipVolumes volumes,
                        const QString& description) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QCoreApplication::translate("TankChartPdf", "Tank Chart"));
        writer.setCreator(QStringLiteral("ZEFT Programmer"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        QFont font = painter.font();
        font.setPointSizeF(8.5);
        painter.setFont(font);
        const double line = QFontMetricsF(font).height();
        const QRectF page(0, 0, writer.width(), writer.height());

        QFont heading = font;
        heading.setPointSizeF(16);
        heading.setBold(true);
        const double headingLine = QFontMetricsF(heading).height();

        // Every page is headed with the tank and its number; the first also carries the title
        // and the curve. The rows a page holds are known before drawing, so that each page
        // can say how many there are.
        const double pageWidthForText = page.width() * 0.8;
        const QRectF about(page.left(), page.top(), pageWidthForText, line * 3);
        const double firstAboutTop = page.top() + headingLine * 1.2;
        const QRectF curve(page.left(), firstAboutTop + about.height() + line, page.width(), page.height() * 0.42);
        const double firstTableTop = curve.bottom() + line * 2;
        const double laterTableTop = about.bottom() + line;
        const auto rowsPerGroup = [&](double top) {
            return static_cast<std::size_t>(std::max(1.0, (page.bottom() - top) / line - 1.5));
        };
        const std::size_t firstPageRows = rowsPerGroup(firstTableTop) * kTableGroups;
        const std::size_t laterPageRows = rowsPerGroup(laterTableTop) * kTableGroups;
        const std::size_t pages =
            1 + (rows.size() > firstPageRows ? (rows.size() - firstPageRows + laterPageRows - 1) / laterPageRows : 0);

        const auto paintHeader = [&](std::size_t number, double top) {
            const QRectF text = about.translated(0, top - about.top());
            painter.drawText(text, Qt::AlignLeft | Qt::TextWordWrap, description);
            painter.drawText(QRectF(text.right(), top, page.right() - text.right(), line), Qt::AlignRight,
                             QCoreApplication::translate("TankChartPdf", "Page %1 of %2").arg(number).arg(pages));
        };

        painter.setFont(heading);
        painter.drawText(QRectF(page.left(), page.top(), page.width(), headingLine), Qt::AlignLeft,
                         QCoreApplication::translate("TankChartPdf", "Tank Chart"));
        painter.setFont(font);
        paintHeader(1, firstAboutTop);
        PaintContentCurve(painter, curve, content);

        double top = firstTableTop;
        std::size_t next = 0;
        std::size_t number = 1;
        while (next < rows.size()) {
            const std::size_t perGroup = rowsPerGroup(top);
            for (int group = 0; group < kTableGroups && next < rows.size(); ++group) {
                const std::size_t count = std::min(perGroup, rows.size() - next);
                // The groups stand a line apart.
                const double width = (page.width() - line * (kTableGroups - 1)) / kTableGroups;
                const QRectF area(page.left() + (width + line) * group, top, width, page.bottom() - top);
                PaintTableGroup(painter, area, rows, next, count, volumes, line);
                next += count;
            }
            if (next < rows.size()) {
                writer.newPage();
                ++number;
                paintHeader(number, page.top());
                top = laterTableTop;
            }
        }
        painter.end();
    }
    return bytes;
}

} // namespace zeft::calc_ui
