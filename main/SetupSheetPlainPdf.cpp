#include "main/SetupSheetPlainPdf.h"

#include "main/PlainPdf.h"

#include <algorithm>

namespace zeft {
namespace {

// Characters, not bytes: a UTF-8 sequence prints as one.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width > Width(text) ? width - Width(text) : 0, ' ');
}

// Lines of at most width characters, broken between words.
std::vector<std::string> Wrapped(const std::string& text, std::size_t width) {
    std::vector<std::string> lines(1);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        std::string word = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() + 1 : end + 1;
        if (word.empty()) {
            continue;
        }
        if (!lines.back().empty() && Width(lines.back()) + 1 + Width(word) > width) {
            lines.emplace_back();
        }
        // A word wider than the column is cut, as nothing else would show it whole.
        while (Width(word) > width) {
            lines.back() = word.substr(0, width);
            word.erase(0, width);
            lines.emplace_back();
        }
        lines.back() += (lines.back().empty() ? "" : " ") + word;
    }
    return lines;
}

// Cells side by side, each wrapped in its column.
void Columns(PlainPdf& pdf, const std::vector<std::string>& cells, const std::vector<std::size_t>& widths,
             bool bold = false) {
    std::vector<std::vector<std::string>> wrapped;
    std::size_t lines = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        wrapped.push_back(Wrapped(cells[i], widths[i]));
        lines = std::max(lines, wrapped.back().size());
    }
    pdf.KeepTogether(lines);
    for (std::size_t line = 0; line < lines; ++line) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            text += Padded(line < wrapped[i].size() ? wrapped[i][line] : std::string(), widths[i]) + "  ";
        }
        pdf.Line(text, bold);
    }
}

void Heading(PlainPdf& pdf, const std::string& title) {
    pdf.KeepTogether(4);
    pdf.Blank();
    pdf.Line(title, true);
    pdf.Rule();
}

void Rows(PlainPdf& pdf, const SetupSheetSection& section) {
    Heading(pdf, section.title);
    std::size_t nameWidth = 26;
    for (const SetupSheetRow& row : section.rows) {
        for (const std::string& word : Wrapped(row.name, PlainPdf::kColumns)) {
            nameWidth = std::max(nameWidth, std::min<std::size_t>(Width(word), 40));
        }
    }
    for (const SetupSheetRow& row : section.rows) {
        Columns(pdf, {row.name, row.value}, {nameWidth, PlainPdf::kColumns - nameWidth - 2});
    }
}

void Changes(PlainPdf& pdf, const SetupSheetChanges& changes) {
    Heading(pdf, changes.title);
    const std::vector<std::size_t> widths{28, 20, 20, 4};
    Columns(pdf, {"", changes.columns[0], changes.columns[1], ""}, widths, true);
    for (const SetupSheetChange& row : changes.rows) {
        Columns(pdf, {row.name, row.asFound, row.asLeft, row.changed ? "*" : ""}, widths, row.changed);
    }
    pdf.Blank();
    for (const std::string& line :
         Wrapped(changes.note + (changes.note.find(std::string(kSheetChangedMark)) != std::string::npos
                                     ? " They are marked * here."
                                     : ""),
                 PlainPdf::kColumns)) {
        pdf.Line(line);
    }
}

} // namespace

std::string SetupSheetPlainPdf(const SetupSheetContent& sheet) {
    PlainPdf pdf;
    pdf.Heading(sheet.title);
    pdf.Line("Date: " + sheet.dateTime);
    if (!sheet.job.rows.empty()) {
        Rows(pdf, sheet.job);
    }
    for (const SetupSheetSection& section : sheet.sections) {
        Rows(pdf, section);
    }
    if (sheet.programmed) {
        Changes(pdf, *sheet.programmed);
    }
    if (!sheet.replyTitle.empty()) {
        Heading(pdf, sheet.replyTitle);
        for (const std::string& line : sheet.replyLines) {
            pdf.Line(line);
        }
    }
    if (sheet.levelSource) {
        Rows(pdf, *sheet.levelSource);
    }
    pdf.KeepTogether(5 * sheet.signatures.size());
    for (const std::string& signer : sheet.signatures) {
        pdf.Blank();
        pdf.Blank();
        pdf.Line(std::string(50, '_'));
        pdf.Line(signer + ": signature, date");
    }
    return pdf.Bytes(sheet.title);
}

} // namespace zeft
