#pragma once
// Reads a printed PDF back with poppler's command-line tools, as text lines
// on a fixed-pitch grid, so columns of blanks can be checked exactly.

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace sbc::test {

// One line of a page: the words put back at their columns, where the line
// stands on the page, in points from the top, and the width of one character
// of its first word (the pitch, which gives the size of a fixed-pitch face).
struct PageLine {
    std::string text;
    double top = 0;
    double bottom = 0;
    double pitch = 0;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<PageLine> lines;
};

// Runs a tool and gives its standard output, or nothing when it fails.
std::optional<QString> RunTool(const QString& program, const QStringList& arguments);

// The rows of a table that a poppler tool prints (pdfimages -list), after
// its heading and rule, each split at its blanks; nothing when the tool fails.
std::optional<std::vector<QStringList>> TableRows(const QString& program, const QStringList& arguments);

// The text without its trailing blanks.
std::string TrimmedRight(std::string text);

// The pages of `pdf` with their text lines, columns counted from `left`
// points. Every word gives its own character width (fixed pitch), so lines
// of different sizes are rebuilt alike.
std::vector<PdfPage> ReadPages(const QString& pdftotext, const QString& pdf, double left);

} // namespace sbc::test
