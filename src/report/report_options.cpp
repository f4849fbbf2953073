#include "report/report_options.h"

#include <algorithm>
#include <cmath>

#include "platform/fixed_text.h"

namespace slv {

int ClampReportFontSize(int points)
{
    return std::clamp(points, kMinReportFontSize, kMaxReportFontSize);
}

float ClampReportMargin(float centimetres)
{
    if (!std::isfinite(centimetres))
        return PrintOptions{}.PrintMargin;
    return std::clamp(centimetres, kMinReportMargin, kMaxReportMargin);
}

PrintOptions EffectivePrintOptions(const PrintOptions& options)
{
    const PrintOptions defaults;
    PrintOptions effective = options;
    effective.PrintFontName = std::string(trimmed(options.PrintFontName));
    if (effective.PrintFontName.empty())
        effective.PrintFontName = defaults.PrintFontName;
    effective.PrintFontSize = static_cast<Integer>(
        options.PrintFontSize == 0 ? defaults.PrintFontSize : ClampReportFontSize(options.PrintFontSize));
    effective.PrintMargin = options.PrintMargin == 0.0f ? defaults.PrintMargin : ClampReportMargin(options.PrintMargin);
    if (effective.PrintOrientation != 1 && effective.PrintOrientation != 2)
        effective.PrintOrientation = 1;
    return effective;
}

PageOrientation OrientationOf(const PrintOptions& options)
{
    return options.PrintOrientation == 2 ? PageOrientation::Landscape : PageOrientation::Portrait;
}

}  // namespace slv
