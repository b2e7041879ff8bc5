#include "pdf_pages.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace sbc::test {

namespace {

struct Word {
    double xMin, yMin, xMax, yMax;
    QString text;
};

QString DecodeEntities(QString text)
{
    // clang-format off
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'")
        .replace("&#39;", "'").replace("&amp;", "&");
    // clang-format on
}

// Words that share their top edge form one line.
std::vector<PageLine> Lines(std::vector<Word> words, double left)
{
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return std::abs(a.yMin - b.yMin) > 0.5 ? a.yMin < b.yMin : a.xMin < b.xMin;
    });
    std::vector<PageLine> lines;
    for (const Word& word : words) {
        const double pitch = (word.xMax - word.xMin) / static_cast<double>(word.text.size());
        if (lines.empty() || std::abs(lines.back().top - word.yMin) > 0.5)
            lines.push_back({{}, word.yMin, word.yMax, pitch});
        PageLine& line = lines.back();
        const auto column = static_cast<std::size_t>(std::lround((word.xMin - left) / pitch));
        if (line.text.size() < column)
            line.text.resize(column, ' ');
        line.text += word.text.toStdString();
        line.bottom = std::max(line.bottom, word.yMax);
    }
    return lines;
}

} // namespace

std::optional<QString> RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<std::vector<QStringList>> TableRows(const QString& program, const QStringList& arguments)
{
    const std::optional<QString> table = RunTool(program, arguments);
    if (!table)
        return std::nullopt;
    std::vector<QStringList> rows;
    for (const QString& row : table->trimmed().split('\n').mid(2))
        rows.push_back(row.split(' ', Qt::SkipEmptyParts));
    return rows;
}

std::string TrimmedRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::vector<PdfPage> ReadPages(const QString& pdftotext, const QString& pdf, double left)
{
    const std::optional<QString> xhtml = RunTool(pdftotext, {"-bbox", pdf, "-"});
    if (!xhtml)
        return {};
    static const QRegularExpression kPage(R"re(<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>)re",
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression kWord(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re");
    std::vector<PdfPage> pages;
    for (const QRegularExpressionMatch& page : kPage.globalMatch(*xhtml)) {
        std::vector<Word> words;
        const QString body = page.captured(3);
        for (const QRegularExpressionMatch& word : kWord.globalMatch(body))
            words.push_back({word.captured(1).toDouble(), word.captured(2).toDouble(), word.captured(3).toDouble(),
                             word.captured(4).toDouble(), DecodeEntities(word.captured(5))});
        pages.push_back({page.captured(1).toDouble(), page.captured(2).toDouble(), Lines(std::move(words), left)});
    }
    return pages;
}

} // namespace sbc::test
