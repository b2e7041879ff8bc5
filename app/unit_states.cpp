// The window's four states: the unit system times the plunger answer.

#include "design_look.h"
#include "frm_main.h"
#include "text_box.h"

#include <QLabel>
#include <QRadioButton>

using sbc::Box;

namespace {
// kTwinPairs lists the first six quantities (every calculation needs them)
// before the last four (the plunger quantities).
constexpr std::size_t kFirstSixEnd = 6;
constexpr std::size_t kLastFourEnd = 10;

bool IsCountPair(const sbc::TwinPair& pair) { return !pair.toMetric; }

// The plunger rows: their caption labels and twin pairs (kTwinPairs indexes).
constexpr std::pair<const char*, std::size_t> kPlungerRows[] = {
    {"Label4", 6}, {"Label5", 7}, {"Label7", 8}, {"Label8", 9}};
constexpr int kPlungerUnitLabels = 6;
} // namespace

void frmMain::Form_Load()
{
    imperialMode_ = true;
    ImperialWhite();
    ImperialFirst6Enabled();
    ImperialLast4Enabled();
    SetCaptionColour(static_cast<QRadioButton*>(control("optImperial")), sbc::colours::Red());
}

void frmMain::optImperial_Click() { SelectUnitSystem(true); }
void frmMain::optMetric_Click() { SelectUnitSystem(false); }

void frmMain::SelectUnitSystem(bool imperial)
{
    // The flag is set first: the change handlers that the emptying sets off,
    // and optPlungerYes_Click, already work in the new system.
    imperialMode_ = imperial;
    ClearEntries();
    if (imperial) {
        ImperialWhite();
        ImperialFirst6Enabled();
        ImperialLast4Enabled();
    } else {
        MetricWhite();
        MetricFirst6Enabled();
        MetricLast4Enabled();
    }
    sbc::ClearAnswers(*this);
    txtOSDD_SetFocus();
    auto* selected = static_cast<QRadioButton*>(control(imperial ? "optImperial" : "optMetric"));
    auto* other = static_cast<QRadioButton*>(control(imperial ? "optMetric" : "optImperial"));
    SetCaptionColour(selected, sbc::colours::Red());
    SetCaptionColour(other, sbc::colours::Black());
}

void frmMain::ImperialWhite() { PaintUnitSystem(true); }
void frmMain::MetricWhite() { PaintUnitSystem(false); }
void frmMain::ImperialFirst6Enabled() { EnableUnitSystem(true, 0, kFirstSixEnd); }
void frmMain::MetricFirst6Enabled() { EnableUnitSystem(false, 0, kFirstSixEnd); }
void frmMain::ImperialLast4Enabled() { EnableUnitSystem(true, kFirstSixEnd, kLastFourEnd); }
void frmMain::MetricLast4Enabled() { EnableUnitSystem(false, kFirstSixEnd, kLastFourEnd); }

// Selected system's measured boxes white and count boxes shown, then the
// other system's measured boxes yellow and count boxes hidden. Count boxes
// keep their design background.
void frmMain::PaintUnitSystem(bool imperial)
{
    for (bool selectedSide : {true, false}) {
        const bool imperialSide = selectedSide == imperial;
        for (const sbc::TwinPair& pair : sbc::kTwinPairs) {
            TextBox* entry = box(imperialSide ? pair.imperial : pair.metric);
            if (IsCountPair(pair)) {
                entry->setVisible(selectedSide);
            } else {
                QPalette palette = entry->palette();
                palette.setColor(QPalette::Base,
                                 selectedSide ? sbc::colours::White() : sbc::colours::Yellow());
                entry->setPalette(palette);
            }
        }
    }
}

// Selected system's boxes unlocked and in the tab order, then the other
// system's locked and out of it; each box its locked flag first.
void frmMain::EnableUnitSystem(bool imperial, std::size_t firstPair, std::size_t endPair)
{
    for (bool selectedSide : {true, false}) {
        const bool imperialSide = selectedSide == imperial;
        for (std::size_t i = firstPair; i < endPair; ++i) {
            const sbc::TwinPair& pair = sbc::kTwinPairs[i];
            TextBox* entry = box(imperialSide ? pair.imperial : pair.metric);
            entry->setLocked(!selectedSide);
            entry->setTabStop(selectedSide);
        }
    }
}

void frmMain::SetCaptionColour(QRadioButton* option, const QColor& colour)
{
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    option->setPalette(palette);
}

void frmMain::optPlungerYes_Click() { ShowPlungerRows(true); }
void frmMain::optPlungerNo_Click() { ShowPlungerRows(false); }

// No greys the four plunger captions and hides their boxes and the six unit
// labels; the hidden boxes keep their text. Yes undoes it, showing only the
// selected system's count box.
void frmMain::ShowPlungerRows(bool shown)
{
    for (const auto& [label, pairIndex] : kPlungerRows) {
        control(label)->setEnabled(shown);
        const sbc::TwinPair& pair = sbc::kTwinPairs[pairIndex];
        if (shown && IsCountPair(pair)) {
            box(imperialMode_ ? pair.imperial : pair.metric)->show();
        } else {
            box(pair.imperial)->setVisible(shown);
            box(pair.metric)->setVisible(shown);
        }
    }
    for (int i = 0; i < kPlungerUnitLabels; ++i)
        Label(i)->setVisible(shown);
    sbc::ClearAnswers(*this);
    txtOSDD_SetFocus();
}
