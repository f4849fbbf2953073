#include "session/print_forms.h"

#include <algorithm>
#include <cmath>

#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"
#include "quant/results_table.h"
#include "report/report_options.h"

namespace slv {

namespace {

constexpr const char* kSizeMask = "##0";
constexpr const char* kMarginMask = "#0.0";
constexpr float kMarginStep = 0.5f;     // cm
constexpr float kLargestListed = 4.0f;  // cm
/// Ten lines of four characters each.
constexpr std::string_view kFontSamples = "Si2pC1s O1s Al2pAu4fAg3dFe2pCu2pS2p Eu4d";
constexpr std::size_t kFontSampleWidth = 4;

}  // namespace

PrintForm::PrintForm(const PrintOptions& options)
{
    for (int section = 0; section < kPrintSectionCount; ++section)
        setChecked(section, Selected(options, section));
}

std::string PrintForm::SectionCaption(int section)
{
    switch (section) {
    case kPrintParameters: return "Parameters";
    case kPrintElements: return "Elements";
    case kPrintIntensity: return "Intensity";
    case kPrintImfp: return "IMFP";
    case kPrintModel: return "Model";
    case kPrintNotes: return "Notes";
    case kPrintFileName: return "File name";
    default: return ResultTypeName(section - kPrintFirstResultType);
    }
}

void PrintForm::print(Session& session, WindowShell& shell, ReportSpooler& spooler) const
{
    {
        auto edit = session.edit({});
        for (int section = 0; section < kPrintSectionCount; ++section)
            edit.print.PrintWhat[static_cast<std::size_t>(section)] = checked(section) ? 1 : 0;
    }
    for (const WindowId window : {WindowId::Intensity, WindowId::Elements})
        if (GridWindow* grid = shell.gridWindow(window))
            grid->commit();
    spooler.printSelected(session.print());
}

PrintOptionsForm::PrintOptionsForm(const PrintOptions& options, char separator)
    : fontName(EffectivePrintOptions(options).PrintFontName),
      sizeText(FormatNumber(EffectivePrintOptions(options).PrintFontSize, kSizeMask, separator)),
      marginText(FormatNumber(EffectivePrintOptions(options).PrintMargin, kMarginMask, separator)),
      portrait(options.PrintOrientation != 2),
      decSep(separator)
{
}

PrintOptions PrintOptionsForm::accepted(const PrintOptions& options) const
{
    PrintOptions chosen = options;
    const std::string_view font = trimmed(fontName);
    if (!font.empty())
        chosen.PrintFontName = std::string(font);
    if (const auto size = ConvertNumber(trimmed(sizeText), decSep); size)
        chosen.PrintFontSize =
            static_cast<Integer>(ClampReportFontSize(static_cast<int>(std::clamp(std::round(*size), -1e4, 1e4))));
    if (const auto margin = ConvertNumber(trimmed(marginText), decSep); margin)
        chosen.PrintMargin = ClampReportMargin(static_cast<float>(*margin));
    chosen.PrintOrientation = portrait ? 1 : 2;
    return chosen;
}

std::vector<std::string> PrintOptionsForm::marginChoices() const
{
    std::vector<std::string> choices;
    for (float margin = kMinReportMargin; margin <= kLargestListed + kMarginStep / 2; margin += kMarginStep)
        choices.push_back(FormatNumber(margin, kMarginMask, decSep));
    return choices;
}

std::string FontSample(int index)
{
    const auto start = static_cast<std::size_t>(index % kFontSampleCount) * kFontSampleWidth;
    return std::string(trimmed(kFontSamples.substr(start, kFontSampleWidth)));
}

}  // namespace slv
