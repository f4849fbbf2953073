#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "quant/correction_chain.h"
#include "quant/quantification.h"
#include "support/quant_workspace.h"

namespace slv {
namespace {

/// A random but well-formed document: every option code in its range, empty,
/// zero and extreme cells, lines the source cannot excite, excluded rows.
void FillRandomDocument(Document& d, std::mt19937& rng)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const auto real = [&](double low, double high) {
        return static_cast<float>(std::uniform_real_distribution<double>(low, high)(rng));
    };
    const char* const symbols[] = {"Si", "O", "Al", "Fe", "C", "N"};
    const char* const lines[] = {"1s", "2p", "3p", "4d"};
    const char* const states[] = {"", "Ox"};

    d.setSource(static_cast<ExcitationSource>(pick(0, 2)));
    d.setOtherSourceEnergy(real(200, 3000));
    d.ExcEnergy = ExcitationEnergy(d, d.source());
    d.setCrossSectionSet(static_cast<CrossSectionSet>(pick(0, 4)));
    d.setHomogeneousImfpMethod(std::array{ImfpMethod::None, ImfpMethod::Exponential,
                                          ImfpMethod::Jablonski}[static_cast<std::size_t>(pick(0, 2))]);
    d.setImfpExponent(real(0, 1.5));
    d.setSeparateContamination(static_cast<Integer>(pick(0, 1)));
    d.setContaminationMethod(static_cast<ContaminationMethod>(pick(0, 3)));
    d.setAngularMethod(static_cast<AngularMethod>(pick(0, 2)));
    d.setSourceAnalyserAngle(real(0, 180));
    d.setTransmissionType(static_cast<TransmissionType>(pick(0, 3)));
    d.setTransmissionExponent(real(-3, 13));
    d.setMultilineApproach(static_cast<MultilineApproach>(pick(0, 2)));
    d.setSeparateMatrixValues(static_cast<Integer>(pick(0, 1)));

    d.ExpCount = static_cast<Integer>(pick(1, 4));
    d.ElemCount = static_cast<Integer>(pick(1, 8));
    for (int row = 1; row <= d.ElemCount; ++row) {
        d.ElSymbol[row] = symbols[pick(0, 5)];
        d.ElLine[row] = lines[pick(0, 3)];
        d.ElState[row] = states[pick(0, 1)];
        d.AtomicNo[row] = static_cast<Integer>(pick(1, 92));
        d.BindEnergy[row] = real(0, 1600);
        d.CrossSect[row] = pick(0, 5) == 0 ? 0.0f : real(0.01, 20);
        d.Asymmetry[row] = pick(0, 4) == 0 ? kNoAsymmetry : real(-1, 2);
        d.AtWeight[row] = real(1, 240);
        d.Valence[row] = static_cast<Integer>(pick(0, 4));
        d.Oxygens[row] = static_cast<Integer>(pick(0, 3));
        d.ElOmit[row] = pick(0, 4) == 0;
    }
    for (int exp = 1; exp <= d.ExpCount; ++exp) {
        d.ExpContam[exp] = real(-10, 60);
        d.ExpMatClass[exp] = static_cast<Integer>(pick(0, 3));
        for (int row = 1; row <= d.ElemCount; ++row) {
            const int kind = pick(0, 5);
            d.Intensity[exp][row] = kind == 0 ? kEmptyValue : kind == 1 ? 0.0f : real(0, 1e6);
        }
    }
}

bool IsRatioType(int type)
{
    return type % 2 == 1;
}

TEST(QuantificationInvariants, HoldForRandomDocuments)
{
    std::mt19937 rng(20240601);  // fixed seed: the same documents on every run
    for (int trial = 0; trial < 400; ++trial) {
        SCOPED_TRACE(trial);
        test::QuantWorkspace t;
        FillRandomDocument(t.doc, rng);
        const int type = std::uniform_int_distribution<int>(0, kResultTypeCount - 1)(rng);
        QuantResults& res = t.res;
        res.RefElem = std::uniform_int_distribution<int>(1, t.doc.ElemCount)(rng);
        res.RefValue = std::uniform_real_distribution<float>(0.1f, 100.0f)(rng);
        res.MergeStates = trial % 5 == 0;
        Quantify(t.quant(), type);

        for (int exp = 1; exp <= t.doc.ExpCount; ++exp) {
            const auto& values = res.ResultValue[exp];
            for (int row = 1; row <= res.ResElemCount + 1; ++row)
                ASSERT_TRUE(std::isfinite(values[row])) << "exp " << exp << " row " << row;
            if (res.MergeStates)
                continue;
            double sum = 0.0;
            bool anyValue = false;
            bool allZero = true;
            for (int row = 1; row <= res.ResElemCount; ++row) {
                if (!HasValue(values[row]))
                    continue;
                anyValue = true;
                allZero = allZero && values[row] == 0.0f;
                if (!t.doc.ElOmit[row])
                    sum += values[row];
            }
            if (IsRatioType(type)) {
                // The reference row holds the reference value, or the experiment has no ratios.
                if (anyValue) {
                    EXPECT_FLOAT_EQ(values[res.RefElem], res.RefValue) << "exp " << exp;
                }
            } else if (anyValue && !allZero) {
                EXPECT_NEAR(sum, 100.0, 1e-3) << "exp " << exp;
            }
        }
    }
}

}  // namespace
}  // namespace slv
