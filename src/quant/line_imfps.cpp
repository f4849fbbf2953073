#include <algorithm>
#include <cmath>

#include "quant/imfp_formulas.h"
#include "quant/quantification.h"
#include "quant/row_imfps.h"

namespace slv {

namespace {

/// Stands for a density or mean atomic weight that was not entered.
constexpr float kMissingMatrixValue = 1.0f;
constexpr float kPercent = 100.0f;

/// The experiments whose matrix description is used: all of them with
/// separate values, otherwise only experiment 1, whose λ then serve all.
struct MatrixExperiments {
    int experimentCount;
    int last;
};

MatrixExperiments matrixExperimentsOf(const Document& doc)
{
    const int count = std::clamp<int>(doc.ExpCount, 0, kMaxExperiments);
    const bool separate = doc.separateMatrixValues();
    return {count, separate ? count : std::min(count, 1)};
}

void replaceMissing(float& value)
{
    if (!(value > 0.0f))
        value = kMissingMatrixValue;
}

void storeLineImfps(const QuantContext& q, int experiment, const std::optional<RowImfps>& lambdas)
{
    if (lambdas)
        StoreRowImfps(q.doc, *lambdas, 1.0, q.corr.LineIMFP[experiment]);
}

/// Mean atomic weight of each experiment's matrix: the entered one, or the
/// weight average over the preliminary atomic percentages.
void meanAtomicWeights(const QuantContext& q, const MatrixExperiments& matrix)
{
    Document& doc = q.doc;
    auto& mean = q.corr.MatAtWeight;
    if (doc.autoMeanAtomicWeight()) {
        PreliminaryComposition(q);
        for (int exp = 1; exp <= matrix.experimentCount; ++exp) {
            float sum = 0.0f;
            for (int row = 1; row <= ElementRowCount(doc); ++row)
                if (HasValue(q.res.ResultValue[exp][row]))
                    sum += q.res.ResultValue[exp][row] * doc.AtWeight[row];
            mean[exp] = sum / kPercent;
        }
    } else {
        for (int exp = 1; exp <= matrix.experimentCount; ++exp)
            mean[exp] = doc.ExpAtWeight[exp];
    }
    for (int exp = 1; exp <= matrix.last; ++exp) {
        if (!doc.autoMeanAtomicWeight())
            replaceMissing(doc.ExpAtWeight[exp]);
        replaceMissing(mean[exp]);
        replaceMissing(doc.ExpDensity[exp]);
    }
}

}  // namespace

void LineIMFPs(const QuantContext& q, ImfpMethod method)
{
    Document& doc = q.doc;
    auto& lambda = q.corr.LineIMFP;
    const MatrixExperiments matrix = matrixExperimentsOf(doc);
    const int rows = ElementRowCount(doc);

    // Every cell starts without a value, so that nothing of an earlier run
    // survives a method that cannot compute; such cells end at 1 below.
    for (int exp = 1; exp <= matrix.experimentCount; ++exp)
        std::fill(lambda[exp].begin(), lambda[exp].end(), 0.0f);

    switch (method) {
    case ImfpMethod::None: break;
    case ImfpMethod::Explicit:
        for (int exp = 1; exp <= matrix.last; ++exp)
            for (int row = 1; row <= rows; ++row)
                lambda[exp][row] = doc.IMFPval[exp][row];
        break;
    case ImfpMethod::Exponential:
        for (int exp = 1; exp <= matrix.last; ++exp)
            storeLineImfps(q, exp,
                           ImfpsAtLineEnergies(doc, [&](double e) { return PowerLawImfp(e, doc.imfpExponent()); }));
        break;
    case ImfpMethod::SeahDench:
        meanAtomicWeights(q, matrix);
        for (int exp = 1; exp <= matrix.last; ++exp)
            storeLineImfps(
                q, exp,
                SeahDenchIMFP(doc, doc.matrixClass(exp), q.corr.MatAtWeight[exp], doc.ExpDensity[exp], q.findings));
        break;
    case ImfpMethod::Jablonski:
        for (int exp = 1; exp <= matrix.last; ++exp) {
            const double exponent = JablonskiExponent(doc.matrixClass(exp));
            storeLineImfps(q, exp, ImfpsAtLineEnergies(doc, [&](double e) { return PowerLawImfp(e, exponent); }));
        }
        break;
    case ImfpMethod::Gries:
        PreliminaryComposition(q);
        for (int exp = 1; exp <= matrix.last; ++exp) {
            replaceMissing(doc.ExpDensity[exp]);
            storeLineImfps(
                q, exp,
                GriesIMFP(doc, doc.matrixClass(exp), q.res.ResultValue[exp], 1, doc.ExpDensity[exp], q.findings));
        }
        break;
    default: q.findings.error(kImproperImfpMethodText); break;
    }

    for (int exp = matrix.last + 1; exp <= matrix.experimentCount; ++exp)
        lambda[exp] = lambda[1];
    for (int exp = 1; exp <= matrix.experimentCount; ++exp)
        for (int row = 1; row <= rows; ++row)
            if (!(lambda[exp][row] > 0.0f) || !std::isfinite(lambda[exp][row]))
                lambda[exp][row] = 1.0f;
}

}  // namespace slv
