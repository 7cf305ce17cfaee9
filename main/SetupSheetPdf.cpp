#include "main/SetupSheetPdf.h"

#include "seams/TextTranslation.h"

#include "ui/JpegPicture.h"
#include "ui/Utf8Text.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <vector>

namespace zeft::ui {

namespace {

constexpr int kResolution = 300; // dots per inch of the page's coordinates

constexpr int Millimetres(double mm) {
    return static_cast<int>(mm * kResolution / 25.4 + 0.5);
}

QFont SheetFont(double pointSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// Writes from the top of the page down, starting a new page when the next block does not fit.
class PageCursor {
public:
    PageCursor(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), width_(writer.width()), height_(writer.height()) {}

    int Width() const { return width_; }

    // Room for a block of that height: on this page if it fits, else on a new one.
    int Take(int blockHeight) {
        if (y_ > 0 && y_ + blockHeight > height_) {
            writer_.newPage();
            y_ = 0;
        }
        const int top = y_;
        y_ += blockHeight;
        return top;
    }

    void Skip(int space) { y_ = std::min(y_ + space, height_); }

    int Text(const QString& text, const QFont& font, int left = 0, int width = -1, int flags = 0) {
        painter_.setFont(font);
        const int usable = width < 0 ? width_ - left : width;
        const QRect needed = painter_.boundingRect(QRect(left, 0, usable, height_), flags | Qt::TextWordWrap, text);
        const int top = Take(needed.height());
        painter_.drawText(QRect(left, top, usable, needed.height()), flags | Qt::TextWordWrap, text);
        return needed.height();
    }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    int width_;
    int height_;
    int y_ = 0;
};

// The widest single word of the texts: a column at least this wide never breaks a word.
int WidestWord(QPainter& painter, const std::vector<QString>& texts) {
    // The painter's own metrics: those of the font at the device's resolution.
    const QFontMetrics metrics = painter.fontMetrics();
    int widest = 0;
    for (const QString& text : texts) {
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            widest = std::max(widest, metrics.horizontalAdvance(word) + 2);
        }
    }
    return widest;
}

// A section's heading with its rule, then its rows in two columns. A picture stands on
// the right of the rows, beside them; rows and picture stay on one page together.
void DrawRows(PageCursor& cursor, QPainter& painter, const SetupSheetSection& section,
              const QImage& picture = QImage()) {
    cursor.Skip(Millimetres(4));
    cursor.Text(FromUtf8(section.title), SheetFont(12, true));
    const int rule = cursor.Take(Millimetres(2));
    painter.setPen(QPen(Qt::darkGray, Millimetres(0.2)));
    painter.drawLine(0, rule + Millimetres(0.5), cursor.Width(), rule + Millimetres(0.5));
    painter.setPen(Qt::black);

    const int gap = Millimetres(3);
    const int rowsWidth = picture.isNull() ? cursor.Width() : cursor.Width() * 11 / 20;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    painter.setFont(SheetFont(10));
    std::vector<QString> names;
    for (const SetupSheetRow& row : section.rows) {
        names.push_back(FromUtf8(row.name));
    }
    const int nameWidth = std::min(std::max(rowsWidth * 2 / 5, WidestWord(painter, names)), rowsWidth * 3 / 4);
    const int valueLeft = nameWidth + gap;
    const int valueWidth = rowsWidth - valueLeft;
    std::vector<int> heights;
    int rowsHeight = 0;
    for (const SetupSheetRow& row : section.rows) {
        const int height =
            std::max(painter.boundingRect(QRect(0, 0, nameWidth, 10000), flags, FromUtf8(row.name)).height(),
                     painter.boundingRect(QRect(0, 0, valueWidth, 10000), flags, FromUtf8(row.value)).height()) +
            Millimetres(1.2);
        heights.push_back(height);
        rowsHeight += height;
    }
    QRect pictureRect;
    if (!picture.isNull()) {
        // No larger than the calculator shows it on a 96 dpi screen.
        const int width =
            std::min(cursor.Width() - rowsWidth - gap, static_cast<int>(picture.width() * kResolution / 96));
        pictureRect = QRect(cursor.Width() - width, 0, width, picture.height() * width / std::max(1, picture.width()));
    }
    int top = cursor.Take(std::max(rowsHeight, pictureRect.height()));
    if (!picture.isNull()) {
        painter.drawImage(pictureRect.translated(0, top), picture);
    }
    for (std::size_t i = 0; i < section.rows.size(); ++i) {
        painter.drawText(QRect(0, top, nameWidth, heights[i]), flags, FromUtf8(section.rows[i].name));
        painter.drawText(QRect(valueLeft, top, valueWidth, heights[i]), flags, FromUtf8(section.rows[i].value));
        top += heights[i];
    }
}

// The settings before and after the program: a heading row, then each setting with its two
// values and the mark of a change, the changed ones in bold; the note under them.
void DrawChanges(PageCursor& cursor, QPainter& painter, const SetupSheetChanges& changes) {
    cursor.Skip(Millimetres(4));
    cursor.Text(FromUtf8(changes.title), SheetFont(12, true));
    const int rule = cursor.Take(Millimetres(2));
    painter.setPen(QPen(Qt::darkGray, Millimetres(0.2)));
    painter.drawLine(0, rule + Millimetres(0.5), cursor.Width(), rule + Millimetres(0.5));
    painter.setPen(Qt::black);

    const int gap = Millimetres(3);
    const int width = cursor.Width();
    painter.setFont(SheetFont(10, true));
    std::vector<QString> names;
    for (const SetupSheetChange& row : changes.rows) {
        names.push_back(FromUtf8(row.name));
    }
    // The names' column as wide as its longest name, so that none wraps (and never narrower
    // than its longest word); the values share what is left.
    int widestName = 0;
    for (const QString& name : names) {
        // As the row will draw it: the same measure as its wrapping.
        widestName = std::max(widestName, painter.boundingRect(QRect(0, 0, width, 10000), Qt::AlignLeft, name).width());
    }
    const int first = std::max(std::min(std::max(width * 30 / 100, widestName + gap), width * 45 / 100),
                               WidestWord(painter, names) + gap);
    const int valueColumn = (width - first) * 2 / 5;
    const std::array<int, 4> lefts{0, first, first + valueColumn, first + 2 * valueColumn};
    const std::array<int, 4> widths{lefts[1] - gap, lefts[2] - lefts[1] - gap, lefts[3] - lefts[2] - gap,
                                    width - lefts[3]};
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const auto drawRow = [&](const std::array<QString, 4>& cells, bool bold) {
        const QFont font = SheetFont(10, bold);
        painter.setFont(font);
        int height = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            height = std::max(height, painter.boundingRect(QRect(0, 0, widths[i], 10000), flags, cells[i]).height());
        }
        height += Millimetres(1.2);
        const int top = cursor.Take(height);
        painter.setFont(font);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            painter.drawText(QRect(lefts[i], top, widths[i], height), flags, cells[i]);
        }
    };
    drawRow({QString(), FromUtf8(changes.columns[0]), FromUtf8(changes.columns[1]), QString()}, true);
    for (const SetupSheetChange& row : changes.rows) {
        drawRow(
            {FromUtf8(row.name), FromUtf8(row.asFound), FromUtf8(row.asLeft),
             row.changed ? FromUtf8(TranslatedText("SetupSheet", std::string(kSheetChangedMark).c_str())) : QString()},
            row.changed);
    }
    if (!changes.note.empty()) {
        cursor.Skip(Millimetres(1));
        cursor.Text(FromUtf8(changes.note), SheetFont(9));
    }
}

// A line to sign on for each signer, with the name of who signs under it.
void DrawSignatures(PageCursor& cursor, QPainter& painter, const std::vector<std::string>& signers) {
    if (signers.empty()) {
        return;
    }
    const int gap = Millimetres(10);
    const int count = static_cast<int>(signers.size());
    const int width = (cursor.Width() - gap * (count - 1)) / count;
    painter.setFont(SheetFont(9));
    const int caption = QFontMetrics(painter.font(), painter.device()).lineSpacing();
    cursor.Skip(Millimetres(8));
    const int top = cursor.Take(Millimetres(14) + caption * 2);
    const int line = top + Millimetres(14);
    painter.setPen(QPen(Qt::black, Millimetres(0.2)));
    for (int i = 0; i < count; ++i) {
        const int left = i * (width + gap);
        painter.drawLine(left, line, left + width, line);
        painter.drawText(QRect(left, line + Millimetres(1), width, caption * 2), Qt::AlignLeft | Qt::AlignTop,
                         FromUtf8(signers[static_cast<std::size_t>(i)]) + QStringLiteral(": signature, date"));
    }
}

void DrawReply(PageCursor& cursor, QPainter& painter, const SetupSheetContent& sheet) {
    if (sheet.replyTitle.empty()) {
        return; // a sheet from a record: the reply is not kept
    }
    cursor.Skip(Millimetres(4));
    cursor.Text(FromUtf8(sheet.replyTitle), SheetFont(12, true));
    cursor.Skip(Millimetres(2));
    if (sheet.replyLines.empty()) {
        cursor.Text(QCoreApplication::translate("SetupSheetPdf", "(nothing has been read from the sender in this run)"),
                    SheetFont(10));
        return;
    }
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(9);
    // The printed lines are at most kSheetReplyColumns wide: they must fit the page.
    while (mono.pointSizeF() > 5 &&
           QFontMetrics(mono, painter.device())
                   .horizontalAdvance(QString(static_cast<qsizetype>(kSheetReplyColumns), QLatin1Char('M'))) >
               cursor.Width() - Millimetres(4)) {
        mono.setPointSizeF(mono.pointSizeF() - 0.5);
    }
    painter.setFont(mono);
    const int lineHeight = QFontMetrics(mono, painter.device()).lineSpacing();
    for (const std::string& line : sheet.replyLines) {
        const int top = cursor.Take(lineHeight);
        painter.drawText(QRect(Millimetres(4), top, cursor.Width() - Millimetres(4), lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, FromUtf8(line));
    }
}

// The shape's picture as the calculator finds it; null when it cannot be loaded, and the
// sheet then says so under the section.
QImage ShapePicture(const std::string& relativeName, QString& problem) {
    return DecodeJpegFile(FindPicture(FromUtf8(relativeName)), problem);
}

} // namespace

std::string SetupSheetPdf(const SetupSheetContent& sheet) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18),
                                         QPageLayout::Millimeter));
        writer.setTitle(FromUtf8(sheet.title));
        writer.setCreator(QStringLiteral("ZEFT Programmer"));
        QPainter painter(&writer);
        PageCursor cursor(writer, painter);

        cursor.Text(FromUtf8(sheet.title), SheetFont(18, true));
        cursor.Skip(Millimetres(1));
        cursor.Text(QCoreApplication::translate("SetupSheetPdf", "Date: ") + FromUtf8(sheet.dateTime), SheetFont(10));
        if (!sheet.job.rows.empty()) {
            DrawRows(cursor, painter, sheet.job);
        }
        for (const SetupSheetSection& section : sheet.sections) {
            DrawRows(cursor, painter, section);
        }
        if (sheet.programmed) {
            DrawChanges(cursor, painter, *sheet.programmed);
        }
        DrawReply(cursor, painter, sheet);
        if (sheet.levelSource) {
            QString problem;
            const QImage picture = sheet.picture.empty() ? QImage() : ShapePicture(sheet.picture, problem);
            DrawRows(cursor, painter, *sheet.levelSource, picture);
            if (!sheet.picture.empty() && picture.isNull()) {
                cursor.Skip(Millimetres(2));
                cursor.Text(
                    QCoreApplication::translate("SetupSheetPdf", "(The shape's picture %1 could not be loaded: %2)")
                        .arg(FromUtf8(sheet.picture), problem),
                    SheetFont(9));
            }
        }
        DrawSignatures(cursor, painter, sheet.signatures);
        painter.end();
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace zeft::ui
