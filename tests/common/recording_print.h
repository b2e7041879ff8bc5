#pragma once
// A printer and a Print dialog that record what the print commands do, and a
// window that records its identification question into the same log, so the
// order of question, dialog and printing can be checked. The window tests use
// the print service on its own log.

#include "fake_form.h"
#include "printer.h"
#include "report_lines.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace sbc::test {

using Log = std::vector<std::string>;

inline std::vector<std::string> Texts(const std::vector<ReportLine>& lines)
{
    std::vector<std::string> texts;
    for (const ReportLine& line : lines)
        texts.push_back(line.text);
    return texts;
}

// The counts Print Data hands the report: buffer assemblies and plungers.
inline ReportCounts CountsOf(std::int16_t assemblies, std::int16_t plungers)
{
    ReportCounts counts;
    counts[Quantity::BufferCount] = assemblies, counts[Quantity::PlungerCount] = plungers;
    return counts;
}

class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(Log& log) : log_(log) {}

    std::string fontName = "Arial";
    double fontSize = 9.5;
    bool fontBold = false;
    std::optional<std::size_t> failAtLine; // PrintLine throws on this line (0-based)
    bool failAsFault = false;              // ... a logic_error, as a fault of the program would
    std::vector<ReportLine> printed;       // each line with the size and weight it got

    std::string FontName() const override
    {
        Note("get name");
        return fontName;
    }
    void SetFontName(std::string_view name) override { Note("name " + (fontName = name)); }
    double FontSize() const override
    {
        Note("get size");
        return fontSize;
    }
    void SetFontSize(double points) override { Note("size " + Number(fontSize = points)); }
    void SetFontBold(bool bold) override { Note(std::string("bold ") + ((fontBold = bold) ? "on" : "off")); }

    void PrintLine(std::string_view text) override
    {
        if (failAtLine == printed.size())
            failAsFault ? throw std::logic_error("fault") : throw PrintError("paper jam");
        printed.push_back({std::string(text), fontSize, fontBold});
        log_.push_back("line " + std::string(text));
    }

    void EndDoc() override { Note("end"); }

private:
    void Note(std::string entry) const { log_.push_back(std::move(entry)); }
    static std::string Number(double value) // 14, 9.5
    {
        std::ostringstream text;
        text << value;
        return text.str();
    }

    Log& log_;
};

class RecordingPrintService : public PrintService {
    Log ownLog_; // first: the recorder may write into it

public:
    RecordingPrintService() : RecordingPrintService(ownLog_) {}
    explicit RecordingPrintService(Log& log) : recorder(log), log_(log) {}

    RecordingPrinter recorder;
    bool cancel = false; // the user presses Cancel in the Print dialog

    void ShowPrintDialog() override
    {
        log_.push_back("dialog");
        if (cancel)
            throw PrintCancelled();
    }
    Printer& ChosenPrinter() override { return recorder; }
    void PrintFormImage() override { log_.push_back("form image"); }

    // How often the log holds `entry`: "dialog", "form image", "end", ...
    int Count(std::string_view entry) const { return static_cast<int>(std::count(log_.begin(), log_.end(), entry)); }

private:
    Log& log_;
};

// The plain-string window, with its text-input box noted in the shared log.
class AskingForm : public FakeForm {
public:
    explicit AskingForm(Log& log) : log_(log) {}

    std::string InputBox(std::string_view prompt, std::string_view title) override
    {
        log_.push_back("ask " + std::string(prompt) + " | " + std::string(title));
        return FakeForm::InputBox(prompt, title);
    }

private:
    Log& log_;
};

} // namespace sbc::test
