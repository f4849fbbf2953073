#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quant/correction_chain.h"
#include "quant/quantification.h"
#include "support/quant_workspace.h"

namespace slv {
namespace {

constexpr double kFourPi = 12.56637061435916;

/// A session with the given element lines (symbol, line, state), one
/// experiment of intensity 100 per line and every correction switched off.
struct ChainSession : test::QuantWorkspace {
    struct Line {
        const char* symbol;
        const char* line;
        const char* state = "";
        Integer atomicNo = 0;
    };
    explicit ChainSession(std::initializer_list<Line> lines, int experiments = 1)
    {
        Document& d = doc;
        d.setSource(ExcitationSource::AlKAlpha);
        d.ExcEnergy = ExcitationEnergy(d, ExcitationSource::AlKAlpha);
        d.ExpCount = static_cast<Integer>(experiments);
        for (const Line& l : lines) {
            const int row = ++d.ElemCount;
            d.ElSymbol[row] = l.symbol;
            d.ElLine[row] = l.line;
            d.ElState[row] = l.state;
            d.AtomicNo[row] = l.atomicNo;
            d.BindEnergy[row] = 486.6f;  // kinetic energy 1000 eV under Al K-alpha
            d.CrossSect[row] = 1.0f;
            d.Asymmetry[row] = kNoAsymmetry;
            d.AtWeight[row] = 10.0f;
            for (int exp = 1; exp <= experiments; ++exp)
                d.Intensity[exp][row] = 100.0f;
        }
    }
    /// The factors that do not depend on the intensities, as the quantification computes them.
    std::string RunFactors()
    {
        std::string errors;
        CheckKineticEnergies(doc, findings);
        EffectiveCrossSections(doc, corr);
        ElementTransmissionFactors(quant(), false, errors);
        for (auto& e : corr.LineIMFP)
            e.fill(1.0f);
        AngularFactors(quant(), doc.angularMethod());
        ContaminationThickness(quant(), errors);
        return errors;
    }
};

TEST(CorrectionChain, LineBeyondTheSourceMovesToOneElectronVolt)
{
    ChainSession t({{"Fe", "2p"}, {"Au", "4f"}});
    t.doc.setSource(ExcitationSource::MgKAlpha);
    t.doc.ExcEnergy = ExcitationEnergy(t.doc, ExcitationSource::MgKAlpha);
    t.doc.BindEnergy[1] = 1300.0f;
    t.doc.BindEnergy[2] = 1253.6f;  // kinetic energy exactly 0 is accepted
    CheckKineticEnergies(t.doc, t.findings);

    ASSERT_EQ(t.findings.size(), 1u);
    EXPECT_EQ(t.findings[0].text, "The  Fe2p  line cannot be excited\r\nby the selected source.\r\n\r\n"
                                  "Line energy changed to give positive kinetic energy.    ");
    EXPECT_EQ(IconOf(t.findings[0].kind), MessageIcon::Critical);
    EXPECT_FLOAT_EQ(t.doc.BindEnergy[1], 1252.6f);
    EXPECT_FLOAT_EQ(t.doc.BindEnergy[2], 1253.6f);
}

TEST(CorrectionChain, WagnerFactorsDependOnSourceAndLine)
{
    // Scaled: 3p, 2s, 4p, 5d, 4d below Z 66, every line from Z 72.
    ChainSession t({{"Fe", "2p", "", 26},
                    {"Fe", "3p", "", 26},
                    {"Pd", "3d", "", 46},
                    {"Au", "4f", "", 79},
                    {"Ag", "4d", "", 47},
                    {"Dy", "4d", "", 66},
                    {"Si", "2s", "", 14},
                    {"Pb", "5d", "", 82},
                    {"Sn", "4p", "", 50}});
    const bool scaled[] = {false, true, false, true, true, false, true, true, true};
    t.doc.setCrossSectionSet(CrossSectionSet::Wagner);
    const std::pair<ExcitationSource, float> sourceFactors[] = {
        {ExcitationSource::MgKAlpha, 0.9f}, {ExcitationSource::AlKAlpha, 1.1f}, {ExcitationSource::Other, 1.0f}};
    for (const auto& [source, factor] : sourceFactors) {
        t.doc.setSource(source);
        EffectiveCrossSections(t.doc, t.corr);
        for (int row = 1; row <= t.doc.ElemCount; ++row) {
            SCOPED_TRACE(t.doc.ElSymbol[row].trimmedText() + t.doc.ElLine[row].trimmedText());
            EXPECT_FLOAT_EQ(t.corr.CrossEff[row], scaled[row - 1] ? factor : 1.0f);
        }
    }
}

TEST(CorrectionChain, EvansCrossSectionsRemoveTheAsymmetryAndZeroMeansMissing)
{
    ChainSession t({{"O", "1s"}, {"C", "1s"}, {"N", "1s"}});
    t.doc.CrossSect = {0.0f, 3.0f, 3.0f, 0.0f};
    t.doc.Asymmetry[1] = 2.0f;
    t.doc.Asymmetry[3] = 2.0f;
    t.doc.setCrossSectionSet(CrossSectionSet::Evans);
    EffectiveCrossSections(t.doc, t.corr);
    EXPECT_FLOAT_EQ(t.corr.CrossEff[1], 2.0f);   // 3 / (1 + 2/4)
    EXPECT_EQ(t.corr.CrossEff[2], kEmptyValue);  // no asymmetry parameter
    EXPECT_EQ(t.corr.CrossEff[3], kEmptyValue);  // cross section 0
    for (CrossSectionSet set :
         {CrossSectionSet::None, CrossSectionSet::Scofield, CrossSectionSet::Wagner, CrossSectionSet::Nefedov}) {
        t.doc.setCrossSectionSet(set);
        EffectiveCrossSections(t.doc, t.corr);
        EXPECT_EQ(t.corr.CrossEff[3], kEmptyValue) << "set " << CodeOf(set);
        EXPECT_FLOAT_EQ(t.corr.CrossEff[2], 3.0f) << "set " << CodeOf(set);
    }
}

TEST(CorrectionChain, PowerLawTransmissionAtOneThousandElectronVolts)
{
    test::QuantWorkspace t;
    const float binding[] = {486.6f, 1486.6f};  // kinetic energies 1000 and 0 eV
    std::string path;
    std::string errors;
    const auto at = [&](TransmissionType type, float exponent, std::size_t lines) {
        return TransmissionFactors(type, exponent, path, std::span(binding, lines), 1486.6f, t.env, true, errors,
                                   t.findings);
    };
    EXPECT_NEAR(at(TransmissionType::Fat, 0, 1)[0], 0.001f, 1e-7f);
    EXPECT_NEAR(at(TransmissionType::Frr, 0, 1)[0], 1000.0f, 1e-2f);
    EXPECT_EQ(at(TransmissionType::None, 0, 2), (std::vector<float>{1.0f, 1.0f}));  // E^0 is 1, also at E = 0
    EXPECT_NEAR(at(TransmissionType::Exponential, 0.5f, 1)[0], std::sqrt(1000.0f), 1e-3f);
    EXPECT_NEAR(at(TransmissionType::Exponential, 12.0f, 1)[0], 1e36f, 1e31f);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(t.findings.empty());
}

TEST(CorrectionChain, InvalidTransmissionFallsBackToOne)
{
    const float binding[] = {486.6f, 1486.6f};
    struct Case {
        const char* what;
        TransmissionType type;
        float exponent;
        std::size_t lines;
    };
    const Case cases[] = {
        {"exponent above 12", TransmissionType::Exponential, 12.01f, 1},
        {"E^-1 at zero kinetic energy", TransmissionType::Fat, 0, 2},
        {"unknown type", static_cast<TransmissionType>(7), 0, 1},
    };
    for (const Case& c : cases) {
        for (bool showMessage : {false, true}) {
            SCOPED_TRACE(c.what);
            test::QuantWorkspace t;
            std::string path;
            std::string errors = "earlier\r\n";
            const auto factors = TransmissionFactors(c.type, c.exponent, path, std::span(binding, c.lines), 1486.6f,
                                                     t.env, showMessage, errors, t.findings);
            EXPECT_EQ(factors, std::vector<float>(c.lines, 1.0f));
            EXPECT_EQ(errors, "earlier\r\n- Invalid transmission data. No transmission used    \r\n");
            ASSERT_EQ(t.findings.size(), showMessage ? 1u : 0u);
            if (showMessage) {
                EXPECT_EQ(t.findings[0].text, "Invalid transmission data. No transmission used    ");
                EXPECT_EQ(IconOf(t.findings[0].kind), MessageIcon::Exclamation);
            }
        }
    }
}

TEST(CorrectionChain, MissingTransmissionFileFallsBackToOne)
{
    ChainSession t({{"Si", "2p"}, {"O", "1s"}});
    t.doc.setTransmissionType(TransmissionType::File);
    t.doc.ParText[1] = "/nonexistent/folder/analyser.ltr";
    t.dialogs.answers.assign(8, DialogAnswer::No);  // decline any offer to look for the file
    std::string errors;
    ElementTransmissionFactors(t.quant(), false, errors);
    EXPECT_EQ(t.corr.TransFactor[1], 1.0f);
    EXPECT_EQ(t.corr.TransFactor[2], 1.0f);
    EXPECT_EQ(errors, "- Invalid transmission data. No transmission used    \r\n");
}

TEST(CorrectionChain, ReilmanFactorFollowsTheSourceAnalyserAngle)
{
    ChainSession t({{"O", "1s"}, {"Fe", "2p"}, {"C", "1s"}}, 3);
    t.doc.Asymmetry[1] = 2.0f;
    t.doc.Asymmetry[2] = 0.5f;
    struct Case {
        float angleDeg;
        double p;  // (3/2 sin^2 - 1) / 2: 0 at the magic angle, 1/4 at 90 degrees
    };
    for (const Case c : {Case{54.7356f, 0.0}, Case{90.0f, 0.25}, Case{0.0f, -0.5}}) {
        SCOPED_TRACE(c.angleDeg);
        t.doc.setSourceAnalyserAngle(c.angleDeg);
        AngularFactors(t.quant(), AngularMethod::Reilman);
        for (int exp = 1; exp <= 3; ++exp) {
            EXPECT_NEAR(t.corr.AngularFactor[exp][1], (1 + 2.0 * c.p) / kFourPi, 1e-6);
            EXPECT_NEAR(t.corr.AngularFactor[exp][2], (1 + 0.5 * c.p) / kFourPi, 1e-6);
            EXPECT_EQ(t.corr.AngularFactor[exp][3], kEmptyValue);
        }
    }
    AngularFactors(t.quant(), AngularMethod::None);
    EXPECT_EQ(t.corr.AngularFactor[2][3], 1.0f);
}

TEST(CorrectionChain, ReilmanEbelReducesTheAsymmetryByTheMatrixWeight)
{
    ChainSession t({{"Cu", "2p"}, {"Cu", "3p"}}, 2);
    t.doc.AtWeight = {1.008f, 63.55f, 63.55f};
    t.doc.Asymmetry[1] = 1.0f;
    t.doc.Asymmetry[2] = 1.5f;
    t.doc.setSourceAnalyserAngle(90.0f);
    // Experiment 2 has no intensity: its matrix is unknown and it keeps the Reilman factors.
    t.doc.Intensity[2][1] = 0.0f;
    t.doc.Intensity[2][2] = kEmptyValue;
    AngularFactors(t.quant(), AngularMethod::ReilmanEbel);

    // Pure copper: g = 1.0205 exp(-0.0093356 x 63.55) = 0.563840, worked out by
    // hand; (1 + g beta / 4) / 4 pi to single precision.
    EXPECT_NEAR(t.corr.AngularFactor[1][1], 0.0907947128, 2e-8);
    EXPECT_NEAR(t.corr.AngularFactor[1][2], 0.0964033335, 2e-8);
    EXPECT_NEAR(t.corr.AngularFactor[2][1], 0.0994718394, 2e-8);
    EXPECT_NEAR(t.corr.AngularFactor[2][2], 0.1094190234, 2e-8);
}

TEST(CorrectionChain, VarnThicknessFromThePercentageOfTheContaminationCarbon)
{
    // 10 at.% carbon: 0.0215 per percent gives a reduced thickness of 0.215.
    ChainSession t({{"C", "1s"}, {"Si", "2p"}}, 2);
    t.doc.Intensity[1][1] = 10.0f;
    t.doc.Intensity[1][2] = 90.0f;
    t.doc.Intensity[2][1] = kEmptyValue;
    t.doc.setContaminationMethod(ContaminationMethod::Varn);
    t.doc.ElOmit[1] = true;  // the analyst excluded the carbon
    EXPECT_EQ(t.RunFactors(), "");
    EXPECT_NEAR(t.corr.ContamThick[1], 0.215f, 1e-6f);
    EXPECT_EQ(t.corr.ContamThick[2], 0.0f);  // no carbon measured
    EXPECT_TRUE(t.doc.ElOmit[1]);            // excluded again once the thickness is known
    EXPECT_FALSE(t.corr.ExcludeCarbon);

    // Every line is attenuated by exp(-t lambda_C / lambda).
    t.corr.LineIMFP[1][1] = 2.0f;
    t.corr.LineIMFP[1][2] = 4.0f;
    CorrectIntensities(t.doc, t.corr, kCorrectAll);
    EXPECT_NEAR(t.corr.CorrIntensity[1][2], 90.0 / (4.0 * std::exp(-0.215 * 2.0 / 4.0)), 1e-3);

    // The contamination carbon is the first C 1s without a chemical state; without one there is no correction.
    ChainSession states({{"C", "1s", "C-O"}, {"Si", "2p"}, {"C", "1s"}, {"C", "1s"}});
    std::string errors;
    ContaminationThickness(states.quant(), errors);
    EXPECT_EQ(states.corr.CarbonRow, 3);
    ChainSession noCarbon({{"Si", "2p"}});
    noCarbon.doc.setContaminationMethod(ContaminationMethod::Varn);
    EXPECT_EQ(noCarbon.RunFactors(), "- Carbon not found. No contamination correction    \r\n");
    EXPECT_EQ(noCarbon.corr.ContamThick[1], 0.0f);
}

TEST(CorrectionChain, ExplicitContaminationInThirtiethsOfTheValue)
{
    ChainSession t({{"C", "1s"}, {"Si", "2p"}}, 3);
    t.doc.setContaminationMethod(ContaminationMethod::Explicit);
    t.doc.ExpContam = {-1.0f, 15.0f, -4.0f, 3.0f};
    EXPECT_EQ(t.RunFactors(), "");
    for (int exp = 1; exp <= 3; ++exp)
        EXPECT_FLOAT_EQ(t.corr.ContamThick[exp], 0.5f);  // experiment 1's value for all
    t.doc.setSeparateContamination(1);                   // separate values
    t.RunFactors();
    EXPECT_FLOAT_EQ(t.corr.ContamThick[1], 0.5f);
    EXPECT_EQ(t.corr.ContamThick[2], 0.0f);  // negative value
    EXPECT_FLOAT_EQ(t.corr.ContamThick[3], 0.1f);
}

TEST(CorrectionChain, EvansAttenuationDependsOnTheKineticEnergyAndNeedsACarbonLine)
{
    ChainSession t({{"C", "1s"}, {"Si", "2p"}});
    t.doc.setContaminationMethod(ContaminationMethod::Evans);
    t.RunFactors();
    EXPECT_FLOAT_EQ(t.corr.ContamThick[1], 14.3f);
    CorrectIntensities(t.doc, t.corr, kCorrectAll);
    EXPECT_NEAR(t.corr.CorrIntensity[1][2], 100.0 / std::exp(-14.3 / std::sqrt(1000.0)), 1e-3);

    // A C 1s with a chemical state is no contamination: nothing corrected, and no message.
    for (ContaminationMethod method : {ContaminationMethod::Evans, ContaminationMethod::Explicit}) {
        ChainSession other({{"C", "1s", "C-H"}, {"Si", "2p"}});
        other.doc.setContaminationMethod(method);
        other.doc.ExpContam[1] = 30.0f;
        EXPECT_EQ(other.RunFactors(), "");
        CorrectIntensities(other.doc, other.corr, kCorrectAll);
        EXPECT_FLOAT_EQ(other.corr.CorrIntensity[1][2], 100.0f) << "method " << CodeOf(method);
        EXPECT_TRUE(other.findings.empty());
    }
}

TEST(CorrectionChain, ContaminationCarbonCorrectedAsIfBeneathTheLayerIsNoComposition)
{
    struct Case {
        const char* what;
        ContaminationMethod method;
        float contamination;  // the Explicit value
        bool carbonExcluded;
        const char* carbonState;
        bool warned;
    };
    const Case cases[] = {
        {"Evans", ContaminationMethod::Evans, kEmptyValue, false, "", true},
        {"Explicit", ContaminationMethod::Explicit, 15.0f, false, "", true},
        {"Explicit without a value", ContaminationMethod::Explicit, kEmptyValue, false, "", false},
        {"carbon excluded", ContaminationMethod::Evans, kEmptyValue, true, "", false},
        {"no contamination carbon", ContaminationMethod::Evans, kEmptyValue, false, "C-O", false},
        {"VARN", ContaminationMethod::Varn, kEmptyValue, false, "", false},
        {"no correction", ContaminationMethod::None, kEmptyValue, false, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChainSession t({{"C", "1s", c.carbonState}, {"Si", "2p"}, {"O", "1s"}});
        t.doc.setContaminationMethod(c.method);
        t.doc.ExpContam[1] = c.contamination;
        t.doc.ElOmit[1] = c.carbonExcluded;
        t.doc.RecalcNeeded = true;
        Quantify(t.quant(), kAtomicPercent);
        std::vector<std::string> items;
        for (const Finding& finding : t.findings.all())
            if (finding.heading == kResultsErrorsHeading)
                items = finding.items;
        const std::vector<std::string> warning{
            "C 1s is corrected as if it lay beneath the contamination layer, so its value is no composition; "
            "excluding the row gives the substrate composition"};
        EXPECT_EQ(items, c.warned ? warning : std::vector<std::string>{});
    }
}

TEST(CorrectionChain, CorrectedIntensityDividesByEveryFactor)
{
    ChainSession t({{"O", "1s"}, {"Si", "2p"}, {"Fe", "2p"}, {"Ni", "2p"}}, 2);
    t.doc.setTransmissionType(TransmissionType::Fat);
    t.doc.CrossSect[1] = 2.0f;
    t.doc.Intensity[2][1] = kEmptyValue;  // an empty cell stays empty
    t.doc.CrossSect[2] = 0.0f;            // no cross section: no value
    t.RunFactors();
    t.corr.LineIMFP[1][1] = 4.0f;
    t.corr.AngularFactor[1][4] = 0.0f;  // a vanishing correction gives no value, not infinity

    CorrectIntensities(t.doc, t.corr, kCorrectWithoutAttenuation);
    EXPECT_NEAR(t.corr.CorrIntensity[1][1], 100.0 / (0.001 * 2.0), 1e-1);
    CorrectIntensities(t.doc, t.corr, kCorrectAll);
    EXPECT_NEAR(t.corr.CorrIntensity[1][1], 100.0 / (0.001 * 2.0 * 4.0), 1e-1);
    EXPECT_EQ(t.corr.CorrIntensity[2][1], kEmptyValue);
    EXPECT_EQ(t.corr.CorrIntensity[1][2], kEmptyValue);
    EXPECT_NEAR(t.corr.CorrIntensity[1][3], 100.0 / 0.001, 1.0);
    EXPECT_EQ(t.corr.CorrIntensity[1][4], kEmptyValue);
}

}  // namespace
}  // namespace slv
