#include "report/report_parameters.h"

namespace slv {

namespace {
/// Lines the block is estimated at before it is started, besides its title.
constexpr double kEstimatedLines = 13.0;
}  // namespace

void PrintParameters(ReportPage& page, const std::vector<ParameterEntry>& entries)
{
    ReportDevice& device = page.Device();
    const double column1 = page.Measures().margin;
    const double column2 = column1 + device.textWidth(kFirstColumnSample);
    const double column3 = column2 + device.textWidth(kSecondColumnSample);
    const double rules = 2.0 * page.Measures().ruleGap;
    page.SectionGap();
    page.KeepTogether(kEstimatedLines * page.LineHeight() + rules, 3.0 * page.LineHeight() + rules);
    page.PrintTitle(kParametersTitle);
    page.PrintRule();
    for (const ParameterEntry& entry : entries) {
        page.BreakBeforeLine();
        page.PrintAt(column1, entry.label);
        if (entry.details.empty()) {
            page.PrintAt(column2, entry.value);
            page.EndLine();
        }
        for (std::size_t i = 0; i < entry.details.size(); ++i) {
            if (i > 0)
                page.BreakBeforeLine();
            page.PrintAt(column2, entry.details[i].first);
            page.PrintAt(column3, entry.details[i].second);
            page.EndLine();
        }
    }
}

}  // namespace slv
