#include <algorithm>
#include <cmath>
#include <vector>

#include "quant/correction_chain.h"
#include "quant/quantification.h"

namespace slv {

namespace {
// Starting step and tolerances of the Ebel level search, relative to the
// mean level A, with absolute floors for very weak lines.
constexpr double kStartStepFraction = 0.1;
constexpr double kValueToleranceFraction = 1e-6;
constexpr double kValueToleranceFloor = 0.0001;
constexpr double kStepToleranceFraction = 1e-8;
constexpr double kStepToleranceFloor = 0.00001;
// Each reversal shrinks the step by this factor.
constexpr double kStepShrink = 3.0;
// A numerical safeguard: the search converges in a few hundred steps.
constexpr int kMaxLevelSteps = 100000;

/// The result row 1..count with this symbol and state (compared with their blanks), 0 when none.
int FindResultRow(const QuantResults& res, int count, const Symbol& symbol, const ChemState& state)
{
    for (int row = 1; row <= count; ++row)
        if (res.ResSymbol[row] == symbol && res.ResState[row] == state)
            return row;
    return 0;
}

int StartResultRow(const Document& doc, QuantResults& res, int elementRow)
{
    const int row = ++res.ResElemCount;
    res.ResSymbol[row] = doc.ElSymbol[elementRow];
    res.ResState[row] = doc.ElState[elementRow];
    res.ResValence[row] = doc.Valence[elementRow];
    res.ResOxygens[row] = doc.Oxygens[elementRow];
    res.ResAtWeight[row] = doc.AtWeight[elementRow];
    return row;
}

/// The element rows that make up a result row.
std::vector<int> LinesOf(const Document& doc, const QuantResults& res, int resultRow)
{
    std::vector<int> lines;
    for (int row = 1; row <= doc.ElemCount; ++row)
        if (doc.ElSymbol[row] == res.ResSymbol[resultRow] && doc.ElState[row] == res.ResState[resultRow])
            lines.push_back(row);
    return lines;
}

/// Ebel's level of one group of lines in one experiment, starting from their mean.
float EbelLevel(const Document& doc, const CorrectionTables& corr, int exp, const std::vector<int>& lines, float mean)
{
    std::vector<double> logs(lines.size(), 0.0);
    std::vector<double> weights(lines.size(), 0.0);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const float corrected = corr.CorrIntensity[exp][lines[k]];
        if (corrected <= 0.0f)
            continue;  // a line without intensity has no say in the level
        logs[k] = std::log(static_cast<double>(corrected));
        // Counting statistics: the relative error of a line falls as 1/sqrt(measured intensity).
        weights[k] = std::sqrt(static_cast<double>(doc.Intensity[exp][lines[k]]));
    }
    const double a = mean;
    return CellValue(LogFitLevel(logs, weights, a, a * kStartStepFraction,
                                 std::max(a * kValueToleranceFraction, kValueToleranceFloor),
                                 std::max(a * kStepToleranceFraction, kStepToleranceFloor)));
}
}  // namespace

void AverageMultiline(const Document& doc, const CorrectionTables& corr, QuantResults& res, ExpRowTable<float>& target)
{
    // Read before target is written: a result row never lies behind the
    // element row that fills it, so target may be CorrIntensity itself.
    const ExpRowTable<float>& corrected = corr.CorrIntensity;
    ExpRowTable<Integer> linesCounted{};
    res.ResElemCount = 0;
    for (int row = 1; row <= doc.ElemCount; ++row) {
        const int found = FindResultRow(res, res.ResElemCount, doc.ElSymbol[row], doc.ElState[row]);
        if (found == 0) {
            const int group = StartResultRow(doc, res, row);
            for (int exp = 1; exp <= doc.ExpCount; ++exp) {
                target[exp][group] = corrected[exp][row];
                linesCounted[exp][group] = corrected[exp][row] > 0.0f ? 1 : 0;
            }
            continue;
        }
        for (int exp = 1; exp <= doc.ExpCount; ++exp) {
            const float intensity = corrected[exp][row];
            if (intensity <= 0.0f)
                continue;
            if (linesCounted[exp][found] > 0) {
                target[exp][found] = CellValue(static_cast<double>(target[exp][found]) + intensity);
                ++linesCounted[exp][found];
            } else {
                target[exp][found] = intensity;
                linesCounted[exp][found] = 1;
            }
        }
    }
    for (int exp = 1; exp <= doc.ExpCount; ++exp)
        for (int group = 1; group <= res.ResElemCount; ++group)
            if (linesCounted[exp][group] > 1)
                target[exp][group] /= static_cast<float>(linesCounted[exp][group]);
}

void EbelMultiline(const Document& doc, CorrectionTables& corr, QuantResults& res)
{
    ExpRowTable<float> levels = corr.CorrIntensity;
    AverageMultiline(doc, corr, res, levels);
    const int expCount = doc.ExpCount;
    const int groupCount = res.ResElemCount;
    for (int group = 1; group <= groupCount; ++group) {
        const std::vector<int> lines = LinesOf(doc, res, group);
        if (lines.size() < 2)
            continue;
        for (int exp = 1; exp <= expCount; ++exp)
            if (levels[exp][group] > 0.0f)
                levels[exp][group] = EbelLevel(doc, corr, exp, lines, levels[exp][group]);
    }
    for (int exp = 1; exp <= expCount; ++exp)
        std::copy(levels[exp].begin() + 1, levels[exp].begin() + 1 + groupCount, corr.CorrIntensity[exp].begin() + 1);
}

double LogFitLevel(std::span<const double> logs, std::span<const double> weights, double startLevel, double startStep,
                   double valueTolerance, double stepTolerance)
{
    const auto misfit = [&](double level) {
        const double logLevel = std::log(level);
        double sum = 0.0;
        for (std::size_t k = 0; k < logs.size(); ++k) {
            const double deviation = weights[k] * (logs[k] - logLevel);
            sum += deviation * deviation;
        }
        return sum;
    };
    double level = startLevel;
    double step = startStep;
    double lastMisfit = misfit(level);
    double previousReversal = valueTolerance;
    double currentReversal = 0.0;
    double result = startLevel;
    for (int n = 0; n < kMaxLevelSteps; ++n) {
        if (std::abs(currentReversal - previousReversal) < valueTolerance && std::abs(step) < stepTolerance)
            break;
        // The logarithm needs a positive level: a step that would reach zero goes halfway there.
        if (level - step <= 0.0)
            step = level / 2.0;
        level -= step;
        const double f = misfit(level);
        if (f >= lastMisfit) {
            step = -step / kStepShrink;
            previousReversal = currentReversal;
            currentReversal = lastMisfit;
            result = level - step;
        }
        lastMisfit = f;
    }
    return result;
}

}  // namespace slv
