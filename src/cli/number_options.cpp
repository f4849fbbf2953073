#include "cli/number_options.h"

#include <cfloat>
#include <charconv>

#include "cli/printable_text.h"
#include "platform/number_text.h"

namespace slv::cli {

const NumberRange kPositiveNumber{0.0, false, FLT_MAX, "above 0", "POSITIVE"};
const NumberRange kNonNegativeNumber{0.0, true, FLT_MAX, "of 0 or more", "NONNEGATIVE"};
const NumberRange kFractionNumber{0.0, true, 1.0, "from 0 to 1", "FRACTION"};

namespace {

constexpr char kDecimalPoint = '.';

std::string quoted(std::string_view text)
{
    return "\"" + PrintableText(text) + "\"";
}

}  // namespace

std::string NumberOptionProblem(std::string_view text, const NumberRange& range)
{
    const auto value = ConvertNumber(text, kDecimalPoint);
    if (!value)
        return quoted(text) + " is not a finite number";
    if (*value < -FLT_MAX || *value > FLT_MAX)
        return quoted(text) + " is beyond the single-precision range of a data set (3.4e38)";
    const auto held = static_cast<double>(static_cast<float>(*value));
    const bool aboveLowest = held > range.lowest || (range.lowestIncluded && held == range.lowest);
    if (!aboveLowest || held > range.highest)
        return quoted(text) + " must be a number " + range.words;
    return {};
}

CLI::Validator NumberOption(const NumberRange& range)
{
    return CLI::Validator(
        [range](std::string& text) -> std::string {
            std::string problem = NumberOptionProblem(text, range);
            if (problem.empty()) {
                char buffer[32];
                const auto end = std::to_chars(buffer, buffer + sizeof buffer, *ConvertNumber(text, kDecimalPoint)).ptr;
                text.assign(buffer, end);
            }
            return problem;
        },
        range.helpName);
}

}  // namespace slv::cli
