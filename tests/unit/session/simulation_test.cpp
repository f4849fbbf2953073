// The simulation window without widgets: peak intensities of a structure
// written as an experiment (appended or replaced), their scaling to counts,
// the angle of the experiment simulated, the experiment states and names,
// and that refused input or an interrupted calculation writes nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "model/thickness_checks.h"
#include "quant/correction_chain.h"
#include "session/simulation.h"
#include "support/model_cases.h"
#include "support/model_oracle.h"
#include "support/test_session.h"

namespace slv {
namespace {

TEST(ScaleToCounts, BringsTheLargestIntensityToSixDigits)
{
    struct Case {
        std::vector<float> before;
        double factor;
        std::vector<float> after;
    };
    const Case cases[] = {
        {{0.0123f, 0.005f}, 1e7, {123000.0f, 50000.0f}},  // the largest lands in [1e5, 1e6)
        {{99999.9f, 1.0f}, 10.0, {999999.0f, 10.0f}},
        {{100000.0f, 3.0f}, 1.0, {100000.0f, 3.0f}},
        {{2.5e6f, 1.0f}, 1.0, {2.5e6f, 1.0f}},     // already larger: unchanged
        {{0.0f, 0.0f}, 1.0, {0.0f, 0.0f}},         // nothing to scale
        {{-1.0f, 0.5f}, 1e6, {-1.0f, 500000.0f}},  // an empty cell stays empty
    };
    for (const Case& c : cases) {
        RowTable<float> intensities{};
        std::copy(c.before.begin(), c.before.end(), intensities.begin() + 1);
        const int rows = static_cast<int>(c.before.size());
        EXPECT_DOUBLE_EQ(ScaleToCounts(intensities, rows), c.factor) << c.before[0];
        for (int e = 1; e <= rows; ++e)
            EXPECT_FLOAT_EQ(intensities[e], c.after[e - 1]) << c.before[0] << " row " << e;
    }
}

/// Two layers on a plane with three element rows (row 1 in the bulk, 2 in
/// layer 1, 3 in layer 2) and one measured experiment; the only correction
/// factor is the cross section.
struct SimulationSample {
    explicit SimulationSample(bool angleResolved = false)
    {
        test::ModelWorkspace w;
        test::BuildSample(w, {ModelType::Plane, 2, 3, 1, angleResolved});
        doc = w.doc;
        t.model() = w.model;
        doc.setSource(ExcitationSource::AlKAlpha);
        doc.ExcEnergy = ExcitationEnergy(doc, ExcitationSource::AlKAlpha);
        doc.setCrossSectionSet(CrossSectionSet::None);
        doc.setContaminationMethod(ContaminationMethod::None);
        doc.setAngularMethod(AngularMethod::None);
        doc.setTransmissionType(TransmissionType::None);
        const float crossSections[] = {0.0f, 1.0f, 2.0f, 0.5f};
        for (int e = 1; e <= 3; ++e) {
            doc.CrossSect[e] = crossSections[e];
            doc.Intensity[1][e] = 1000.0f * e;
        }
        doc.LabelSelect[1] = 1;
        doc.LabelText[1][kNameLabelColumn] = "measured";
    }

    void typeThicknesses(Simulation& simulation, const char* first, const char* second)
    {
        simulation.Grid().SetTextMatrix(1, kSimColThickness, first);
        simulation.Grid().SetTextMatrix(2, kSimColThickness, second);
    }

    /// The plane intensity of element row e at emission cosine c, term by term.
    double oracle(const LayerTable<double>& thick, int e, double c) const
    {
        const std::vector<double> terms = test::OraclePlane(doc, thick, e, c);
        return std::accumulate(terms.begin(), terms.end(), 0.0);
    }

    test::TestSession t;
    Document& doc = t.doc();
};

TEST(Simulation, OpeningSelectsExperimentOneAndShowsTheLayers)
{
    SimulationSample m;
    m.doc.LayerLink[2] = -1;
    Simulation simulation(m.t.session);
    EXPECT_TRUE(m.t.session.model().SimulActive);
    EXPECT_EQ(simulation.Experiment(), 1);
    EXPECT_EQ(simulation.LastExperiment(), 2);
    EXPECT_EQ(simulation.State(), "Filled");
    EXPECT_EQ(simulation.Name(), "measured");
    EXPECT_EQ(simulation.ModelText(), "Layers-on-Plane");
    EXPECT_EQ(simulation.Grid().TextMatrix(0, kSimColThickness), "Thickness (nm)");
    EXPECT_EQ(simulation.Grid().TextMatrix(1, kSimColLayer), "Layer1");
    EXPECT_EQ(simulation.Grid().TextMatrix(1, kSimColLink), "");
    EXPECT_EQ(simulation.Grid().TextMatrix(2, kSimColLink), "Fixed");
    EXPECT_EQ(simulation.Grid().TextMatrix(1, kSimColThickness), "");
    EXPECT_EQ(simulation.CoverageRow(), 0);

    simulation.Close();
    EXPECT_FALSE(m.t.session.model().SimulActive);
    EXPECT_TRUE(m.doc.RecalcNeeded);
}

TEST(Simulation, CalculateAppendsAnExperimentWithThePeakIntensitiesOfTheStructure)
{
    SimulationSample m;
    const LayerTable<double> thick{0.0, 1.3, 2.1};
    Simulation simulation(m.t.session);
    simulation.ChangeExperiment(2);
    EXPECT_EQ(simulation.State(), "Empty");
    m.typeThicknesses(simulation, "1.3", "2.1");
    test::RecordingObserver views(m.t.session);
    ASSERT_TRUE(simulation.Calculate());

    EXPECT_TRUE(m.t.dialogs.messages.empty());
    EXPECT_EQ(m.doc.ExpCount, 2);
    EXPECT_EQ(simulation.LastExperiment(), 3);
    EXPECT_EQ(m.doc.ThickRes[2][1], 1.3f);
    EXPECT_EQ(m.doc.ThickRes[2][2], 2.1f);
    EXPECT_EQ(m.doc.CoverRes[2], kEmptyValue);  // no islands
    EXPECT_EQ(m.doc.LabelText[2][kNameLabelColumn].trimmedText(), "Simulated");
    EXPECT_EQ(simulation.State(), "Calculated");
    EXPECT_TRUE(m.doc.DocDirty);
    EXPECT_TRUE(m.doc.RecalcNeeded);
    EXPECT_EQ(views.notices,
              (std::vector<ChangeSet>{{Change::Intensities, Change::Labels, Change::Model, Change::DirtyFlag}}));
    // Experiment 1 keeps its measurement.
    EXPECT_EQ(m.doc.Intensity[1][2], 2000.0f);

    // Peak intensity = cross section x model intensity, scaled to counts.
    const float* simulated = m.doc.Intensity[2].data();
    EXPECT_GE(*std::max_element(simulated + 1, simulated + 4), 1e5f);
    EXPECT_LT(*std::max_element(simulated + 1, simulated + 4), 1e6f);
    for (int e = 2; e <= 3; ++e) {
        const double expected =
            m.doc.CrossSect[e] * m.oracle(thick, e, 1.0) / (m.doc.CrossSect[1] * m.oracle(thick, 1, 1.0));
        EXPECT_NEAR(simulated[e] / simulated[1], expected, 1e-6 * expected) << "row " << e;
    }
}

TEST(Simulation, EachExperimentIsSimulatedAtItsOwnEmissionAngle)
{
    for (const bool angleResolved : {false, true}) {
        SCOPED_TRACE(angleResolved ? "angle-resolved" : "one experiment");
        SimulationSample m(angleResolved);
        m.doc.LabelText[2][4] = "60";
        Simulation simulation(m.t.session);
        simulation.ChangeExperiment(2);
        m.typeThicknesses(simulation, "1.3", "2.1");
        ASSERT_TRUE(simulation.Calculate());

        const LayerTable<double> thick{0.0, 1.3, 2.1};
        const double cosine = std::cos(60.0 * 0.017453292519943278);
        const double expected = 2.0 * m.oracle(thick, 2, cosine) / m.oracle(thick, 1, cosine);
        EXPECT_NEAR(m.doc.Intensity[2][2] / m.doc.Intensity[2][1], expected, 1e-6 * expected);
    }
}

TEST(Simulation, ReplacingAnExperimentKeepsTheCountAndTakesTheTypedName)
{
    SimulationSample m;
    m.doc.CrossSect[3] = 0.0f;  // a line without cross section gets no intensity
    Simulation simulation(m.t.session);
    simulation.SetName("  run 7 ");
    m.typeThicknesses(simulation, "", "0.5");  // a blank cell reads as 0
    ASSERT_TRUE(simulation.Calculate());
    EXPECT_EQ(m.doc.ExpCount, 1);
    EXPECT_EQ(m.doc.LabelText[1][kNameLabelColumn].trimmedText(), "run 7");
    EXPECT_EQ(m.doc.ThickRes[1][1], 0.0f);
    EXPECT_EQ(m.doc.ThickRes[1][2], 0.5f);
    EXPECT_NE(m.doc.Intensity[1][2], 2000.0f);
    EXPECT_EQ(m.doc.Intensity[1][3], kEmptyValue);
}

TEST(Simulation, RefusedInputOrAnInterruptedCalculationWritesNothing)
{
    struct Case {
        const char* name;
        const char* first;
        const char* second;
        const char* coverage;  // islands when given
        float radius;          // a sphere when given
        const char* message;
    };
    const Case cases[] = {
        {"negative thickness", "1", "-0.2", nullptr, 0.0f, kNegativeThicknessText},
        {"coverage above 1", "1", "1", "1.5", 0.0f, kCoverageRangeText},
        {"layers thicker than the sphere", "2", "2", nullptr, 3.0f,
         "Invalid procedure call (e.g., square root of negative number) occurred at model calculation (10)    "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulationSample m;
        if (c.coverage) {
            m.doc.IslandMode = 1;
            m.doc.LayerKind[1] = 2;
        }
        if (c.radius > 0.0f) {
            m.doc.setModelType(ModelType::Sphere);
            m.doc.SampleRadius = c.radius;
        }
        const Document before = m.doc;
        Simulation simulation(m.t.session);
        test::RecordingObserver views(m.t.session);
        simulation.ChangeExperiment(2);
        m.typeThicknesses(simulation, c.first, c.second);
        if (c.coverage)
            simulation.Grid().SetTextMatrix(simulation.CoverageRow(), kSimColThickness, c.coverage);

        EXPECT_FALSE(simulation.Calculate());
        ASSERT_EQ(m.t.dialogs.messages.size(), 1u);
        EXPECT_EQ(m.t.dialogs.messages[0].text, c.message);
        EXPECT_EQ(m.doc.ExpCount, before.ExpCount);
        EXPECT_EQ(m.doc.Intensity, before.Intensity);
        EXPECT_EQ(m.doc.ThickRes, before.ThickRes);
        EXPECT_EQ(m.doc.CoverRes, before.CoverRes);
        EXPECT_EQ(m.doc.LabelText, before.LabelText);
        EXPECT_EQ(m.doc.LayerThick, before.LayerThick);
        EXPECT_EQ(m.doc.DocDirty, before.DocDirty);
        EXPECT_EQ(simulation.State(), "Empty");
        EXPECT_TRUE(views.notices.empty());
    }
}

TEST(Simulation, IslandsStoreTheirCoverage)
{
    SimulationSample m;
    m.doc.IslandMode = 1;
    m.doc.LayerKind[1] = 2;
    Simulation simulation(m.t.session);
    ASSERT_EQ(simulation.CoverageRow(), 3);
    EXPECT_EQ(simulation.Grid().TextMatrix(3, kSimColLayer), "Coverage");
    simulation.ChangeExperiment(2);
    m.typeThicknesses(simulation, "1.5", "1");
    simulation.Grid().SetTextMatrix(3, kSimColThickness, "0.25");
    ASSERT_TRUE(simulation.Calculate());
    EXPECT_EQ(m.doc.CoverRes[2], 0.25f);
}

TEST(Simulation, TheLastExperimentIsAppendedOnlyWhileTheTableHasRoom)
{
    SimulationSample m;
    m.doc.ExpCount = kMaxExperiments;
    Simulation simulation(m.t.session);
    EXPECT_EQ(simulation.LastExperiment(), kMaxExperiments);
    simulation.ChangeExperiment(kMaxExperiments + 1);
    EXPECT_EQ(simulation.Experiment(), 1);
}

}  // namespace
}  // namespace slv
