#include "main/PlainPdf.h"

#include <cstdio>

namespace zeft {
namespace {

constexpr double kPageWidth = 595.28; // A4 in points
constexpr double kPageHeight = 841.89;
constexpr double kMargin = 56.7;                    // 20 mm
constexpr double kFontSize = 10.0;                  // Courier: 6 points a character at this size
constexpr double kLeading = 12.5;                   // points a line takes
constexpr double kBody = kPageHeight - 2 * kMargin; // points of lines on a page

double Height(bool big) {
    return big ? kLeading * 2 : kLeading;
}

// Latin-1 for the font's WinAnsi encoding, escaped for a PDF string.
std::string PdfString(const std::string& utf8) {
    std::string out = "(";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        unsigned code = c;
        if (c >= 0x80) {
            const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            code = length == 2 && i + 1 < utf8.size() ? ((c & 0x1Fu) << 6) | (utf8[i + 1] & 0x3F) : '?';
            i += length - 1;
            code = code >= 0xA0 && code <= 0xFF ? code : '?';
        } else if (c < 0x20 || c == 0x7F) {
            code = '?';
        }
        if (code == '(' || code == ')' || code == '\\') {
            out += '\\';
        }
        out += static_cast<char>(code);
    }
    return out + ")";
}

} // namespace

void PlainPdf::Line(const std::string& text, bool bold) {
    KeepTogether(1);
    pages_.back().push_back({bold ? Item::Bold : Item::Text, text});
    used_ += kLeading;
}

void PlainPdf::Heading(const std::string& text) {
    KeepTogether(2);
    pages_.back().push_back({Item::Big, text});
    used_ += Height(true);
}

void PlainPdf::Rule() {
    pages_.back().push_back({Item::Rule, {}});
}

void PlainPdf::KeepTogether(std::size_t lines) {
    if (used_ > 0 && used_ + static_cast<double>(lines) * kLeading > kBody) {
        pages_.emplace_back();
        used_ = 0;
    }
}

std::string PlainPdf::Bytes(const std::string& title) const {
    std::vector<std::string> objects; // object n is objects[n - 1]
    const std::size_t pageCount = pages_.size();
    // 1 catalog, 2 pages, 3 and 4 the fonts, 5 the info, then a page and its content each.
    std::string kids;
    for (std::size_t i = 0; i < pageCount; ++i) {
        kids += std::to_string(6 + 2 * i) + " 0 R ";
    }
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) + " >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Courier-Bold /Encoding /WinAnsiEncoding >>");
    objects.push_back("<< /Title " + PdfString(title) + " /Creator (zeftctl) >>");
    char number[64];
    for (std::size_t i = 0; i < pageCount; ++i) {
        std::string content;
        double y = kPageHeight - kMargin;
        for (const Item& item : pages_[i]) {
            if (item.kind == Item::Rule) {
                std::snprintf(number, sizeof number, "%.2f %.2f m %.2f %.2f l S\n", kMargin, y + 3,
                              kPageWidth - kMargin, y + 3);
                content += "0.5 w " + std::string(number);
                continue;
            }
            const bool big = item.kind == Item::Big;
            y -= Height(big);
            std::snprintf(number, sizeof number, " %.1f Tf %.2f %.2f Td ", big ? 2 * kFontSize : kFontSize, kMargin,
                          y + 3);
            content +=
                "BT /F" + std::string(item.kind == Item::Text ? "1" : "2") + number + PdfString(item.text) + " Tj ET\n";
        }
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595.28 841.89] /Resources << /Font << /F1 3 "
                          "0 R /F2 4 0 R >> >> /Contents " +
                          std::to_string(7 + 2 * i) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    }
    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t n = 0; n < objects.size(); ++n) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(n + 1) + " 0 obj\n" + objects[n] + "\nendobj\n";
    }
    const std::size_t table = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        std::snprintf(number, sizeof number, "%010zu 00000 n \n", offset);
        pdf += number;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" +
           std::to_string(table) + "\n%%EOF\n";
    return pdf;
}

} // namespace zeft
