// The report options as a page uses them: the defaults that stand in for a
// missing font, size or margin, and the ranges the options dialog keeps them in.
#pragma once

#include "document/print_options.h"
#include "report/report_device.h"

namespace slv {

// The defaults are those of a new PrintOptions.
inline constexpr int kMinReportFontSize = 4;  // points
inline constexpr int kMaxReportFontSize = 36;
inline constexpr float kMinReportMargin = 0.5f;  // cm
inline constexpr float kMaxReportMargin = 5.0f;

/// The sections of PrintWhat.
enum ReportSection : int {
    kPrintParameters = 0,
    kPrintElements = 1,
    kPrintIntensity = 2,
    kPrintImfp = 3,
    kPrintModel = 4,
    kPrintNotes = 5,
    kPrintFirstResultType = 6,  // 6..13: the eight result types
    kPrintFileName = 14,
};

/// The font size the options dialog accepts: 4..36 points.
int ClampReportFontSize(int points);
/// The margin the options dialog accepts: 0.5..5 cm (a value that is not a number gives the default).
float ClampReportMargin(float centimetres);

/// The options a page starts with: the default font for an empty name, the
/// default size and margin for zero, the clamps for anything else out of
/// range, and portrait for an orientation that names none.
PrintOptions EffectivePrintOptions(const PrintOptions& options);

PageOrientation OrientationOf(const PrintOptions& options);

/// Whether PrintWhat asks for a section (ReportSection) or result type.
inline bool Selected(const PrintOptions& options, int section)
{
    return options.PrintWhat[section] == 1;
}
inline bool ResultTypeSelected(const PrintOptions& options, int resultType)
{
    return Selected(options, kPrintFirstResultType + resultType);
}

}  // namespace slv
