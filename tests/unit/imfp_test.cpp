#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "quant/imfp.h"
#include "support/test_session.h"

namespace slv {
namespace {

constexpr float kAlKAlpha = 1486.6f;

struct Line {
    const char* symbol;
    const char* line;
    int atomicNumber;
    float atomicWeight;
    float kineticEv;
};

class ImfpTest : public ::testing::Test {
protected:
    /// Element rows 1.. with the given lines under Al K-alpha, and experiments
    /// 1..experiments with intensity 1 in every cell.
    void setUpLines(std::initializer_list<Line> lines, int experiments = 1)
    {
        Document& doc = t.doc();
        doc.ParIndex[1] = kSourceAl;
        doc.ExcEnergy = kAlKAlpha;
        int row = 0;
        for (const Line& l : lines) {
            ++row;
            doc.ElSymbol[row] = l.symbol;
            doc.ElLine[row] = l.line;
            doc.AtomicNo[row] = static_cast<Integer>(l.atomicNumber);
            doc.AtWeight[row] = l.atomicWeight;
            doc.BindEnergy[row] = kAlKAlpha - l.kineticEv;
            doc.CrossSect[row] = 1.0f;
            for (int exp = 1; exp <= experiments; ++exp)
                doc.Intensity[exp][row] = 1.0f;
        }
        doc.ElemCount = static_cast<Integer>(row);
        doc.ExpCount = static_cast<Integer>(experiments);
    }

    void setMethods(int homogeneous, int model) { t.doc().ParIndex[3] = static_cast<Integer>(homogeneous | model << 8); }

    void setMatrix(int exp, int materialClass, float density, float atomicWeight)
    {
        t.doc().ExpMatClass[exp] = static_cast<Integer>(materialClass);
        t.doc().ExpDensity[exp] = density;
        t.doc().ExpAtWeight[exp] = atomicWeight;
    }

    float lambda(int exp, int row) const { return t.session.corr.LineIMFP[exp][row]; }

    test::TestSession t;
};

TEST_F(ImfpTest, ExponentialUsesTheSameExponentForEveryExperiment)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}, {"O", "1s", 8, 16.0f, 500.0f}}, 2);
    t.doc().ParNumber[0] = 0.75f;
    LineIMFPs(t.session, kImfpExponential);
    for (int exp = 1; exp <= 2; ++exp) {
        EXPECT_NEAR(lambda(exp, 1), 177.8f, 0.05f);
        EXPECT_NEAR(lambda(exp, 2), 105.7f, 0.05f);
    }
}

TEST_F(ImfpTest, SeparateValuesChooseWhoseMatrixDescriptionCounts)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}}, 2);
    setMatrix(1, kClassInorganic, 1.0f, 1.0f);
    setMatrix(2, kClassNone, 1.0f, 1.0f);
    t.doc().IMFPval[1][1] = 2.5f;
    t.doc().IMFPval[2][1] = 4.0f;

    t.doc().ParIndex[10] = 1;
    LineIMFPs(t.session, kImfpJablonski);
    EXPECT_NEAR(lambda(1, 1), std::pow(1000.0f, 0.7234f), 1e-3f);
    EXPECT_FLOAT_EQ(lambda(2, 1), 1.0f);  // class none: exponent 0
    LineIMFPs(t.session, kImfpExplicit);
    EXPECT_FLOAT_EQ(lambda(1, 1), 2.5f);
    EXPECT_FLOAT_EQ(lambda(2, 1), 4.0f);

    t.doc().ParIndex[10] = 0;
    LineIMFPs(t.session, kImfpJablonski);
    EXPECT_FLOAT_EQ(lambda(2, 1), lambda(1, 1));
    EXPECT_NEAR(lambda(2, 1), std::pow(1000.0f, 0.7234f), 1e-3f);
    LineIMFPs(t.session, kImfpExplicit);
    EXPECT_FLOAT_EQ(lambda(2, 1), 2.5f);
}

TEST_F(ImfpTest, EmptyOrUndefinedValuesBecomeOne)
{
    // An empty explicit cell, and a line of kinetic energy 0 whose Seah-Dench λ is undefined.
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}, {"Cu", "3p", 29, 63.55f, 0.0f}});
    t.doc().IMFPval[1][1] = -1.0f;
    t.doc().IMFPval[1][2] = 0.0f;
    LineIMFPs(t.session, kImfpExplicit);
    EXPECT_FLOAT_EQ(lambda(1, 1), 1.0f);
    EXPECT_FLOAT_EQ(lambda(1, 2), 1.0f);

    setMatrix(1, kClassElement, 8.96f, 63.55f);
    LineIMFPs(t.session, kImfpSeahDench);
    EXPECT_NEAR(lambda(1, 1), 1.41f, 0.005f);
    EXPECT_FLOAT_EQ(lambda(1, 2), 1.0f);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ImfpTest, SeahDenchReplacesMissingMatrixDataAndRejectsAnUnknownClass)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}});
    setMatrix(1, kClassElement, 8.96f, 63.55f);
    LineIMFPs(t.session, kImfpSeahDench);
    EXPECT_NEAR(lambda(1, 1), 1.41f, 0.005f);  // a = 0.2275 nm
    EXPECT_FLOAT_EQ(t.session.corr.MatAtWeight[1], 63.55f);

    setMatrix(1, kClassElement, -1.0f, 0.0f);
    LineIMFPs(t.session, kImfpSeahDench);
    EXPECT_FLOAT_EQ(t.doc().ExpDensity[1], 1.0f);
    EXPECT_FLOAT_EQ(t.doc().ExpAtWeight[1], 1.0f);
    EXPECT_FLOAT_EQ(t.session.corr.MatAtWeight[1], 1.0f);
    EXPECT_GT(lambda(1, 1), 0.0f);

    // A class the formula does not know: the message, and λ 1 rather than the value of the last run.
    setMatrix(1, kClassElement, 8.96f, 63.55f);
    LineIMFPs(t.session, kImfpSeahDench);
    t.doc().ExpMatClass[1] = kClassNone;
    LineIMFPs(t.session, kImfpSeahDench);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Invalid material class at IMFP calculation     ");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FLOAT_EQ(lambda(1, 1), 1.0f);
}

TEST_F(ImfpTest, CalculatedMeanAtomicWeightCountsTheRowsThatAreNotExcluded)
{
    setUpLines({{"Cu", "2p", 29, 60.0f, 1000.0f}, {"O", "1s", 8, 20.0f, 950.0f}});
    setMatrix(1, kClassInorganic, 6.0f, 99.0f);
    t.doc().ParIndex[9] = 1;
    LineIMFPs(t.session, kImfpSeahDench);
    EXPECT_NEAR(t.session.corr.MatAtWeight[1], 40.0f, 1e-4f);  // 50 % each
    EXPECT_FLOAT_EQ(t.doc().ExpAtWeight[1], 99.0f);

    t.doc().ElOmit[2] = true;
    LineIMFPs(t.session, kImfpSeahDench);
    EXPECT_NEAR(t.session.corr.MatAtWeight[1], 60.0f, 1e-4f);
}

TEST_F(ImfpTest, GriesOfACopperMatrixFromThePreliminaryComposition)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}});
    setMatrix(1, kClassElement, 8.96f, -1.0f);
    LineIMFPs(t.session, kImfpGries);
    // k1 = 0.002, k2 = 1.3 of the elements Ti..Cu: 15.495 Å.
    EXPECT_NEAR(lambda(1, 1), 15.495f, 0.002f);

    t.doc().ExpDensity[1] = 0.0f;
    LineIMFPs(t.session, kImfpGries);
    EXPECT_FLOAT_EQ(t.doc().ExpDensity[1], 1.0f);
    EXPECT_NEAR(lambda(1, 1), 15.495f * 8.96f, 0.02f);
}

TEST_F(ImfpTest, GriesOfACompoundWithoutAtomsAsksForThem)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}});
    t.doc().Intensity[1][1] = -1.0f;  // no preliminary composition
    setMatrix(1, kClassInorganic, 5.0f, 50.0f);
    LineIMFPs(t.session, kImfpGries);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Enter atom locations initially    ");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FLOAT_EQ(lambda(1, 1), 1.0f);
}

TEST_F(ImfpTest, MethodsOfTheModelAreImproperForAHomogeneousSample)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}});
    for (const int method : std::initializer_list<int>{kImfpTpp2m, kImfpCumpsonSeah, 8, -1}) {
        t.dialogs.messages.clear();
        LineIMFPs(t.session, method);
        ASSERT_EQ(t.dialogs.messages.size(), 1u) << method;
        EXPECT_EQ(t.dialogs.messages[0].text, "Improper IMFP method selected    ");
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_FLOAT_EQ(lambda(1, 1), 1.0f);
    }
}

class ModelImfpTest : public ImfpTest {
protected:
    void setLayer(int layer, int materialClass, float density, float molWeight, std::initializer_list<float> atoms)
    {
        Document& doc = t.doc();
        doc.LayerMatClass[layer] = static_cast<Integer>(materialClass);
        doc.LayerDensity[layer] = density;
        doc.LayerMolWeight[layer] = molWeight;
        int row = 0;
        for (const float n : atoms)
            doc.LayerComp[layer][++row] = n;
    }
    void setTpp2m(int layer, int valenceElectrons, float bandGap)
    {
        t.doc().LayerValElec[layer] = static_cast<Integer>(valenceElectrons);
        t.doc().LayerBandGap[layer] = bandGap;
    }
    float layerLambda(int layer, int row) const { return t.session.doc.LayerIMFP[layer][row]; }
};

// Reference values: the line-specific TPP-2M, Seah-Dench and Cumpson-Seah
// IMFPs of the validation anchors (Au 4f7/2 in Au, Si 2p in SiO2).
TEST_F(ModelImfpTest, EachMethodInTheModelsLengthUnit)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}});
    setLayer(0, kClassElement, 19.32f, 196.97f, {1});
    setTpp2m(0, 11, 0.0f);
    setMethods(kImfpNone, kImfpTpp2m);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 1.578f, 0.002f);
    EXPECT_TRUE(t.doc().DocDirty);
    t.doc().LenUnitA = 1;
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 15.78f, 0.02f);

    setMethods(kImfpNone, kImfpSeahDench);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 19.98f, 0.02f);
    t.doc().LenUnitA = 0;
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 1.998f, 0.002f);

    setMethods(kImfpNone, kImfpCumpsonSeah);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 1.326f, 0.002f);

    setMethods(kImfpNone, kImfpGries);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 1.8014f, 0.001f);  // k1 0.0019, k2 1.45 of Hf..Au
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ModelImfpTest, CompoundLayerFromItsAtomLocations)
{
    setUpLines({{"Si", "2p", 14, 28.09f, 1383.1f}, {"O", "1s", 8, 16.0f, 953.7f}});
    t.doc().LayerCount = 1;
    setLayer(1, kClassInorganic, 2.19f, 60.08f, {1, 2});
    setMethods(kImfpNone, kImfpSeahDench);
    ModelLayerIMFPs(t.session, 1);
    EXPECT_NEAR(layerLambda(1, 1), 3.300f, 0.003f);
    setMethods(kImfpNone, kImfpCumpsonSeah);
    ModelLayerIMFPs(t.session, 1);
    EXPECT_NEAR(layerLambda(1, 1), 2.911f, 0.003f);  // mean Z 10
    setTpp2m(1, 16, 9.0f);
    setMethods(kImfpNone, kImfpTpp2m);
    ModelLayerIMFPs(t.session, 1);
    EXPECT_NEAR(layerLambda(1, 1), 3.896f, 0.004f);
    EXPECT_NEAR(layerLambda(1, 2), 2.916f, 0.003f);
}

TEST_F(ModelImfpTest, OneLayerOrAllOfThem)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}});
    t.doc().LayerCount = 2;
    for (int layer = 0; layer <= 2; ++layer) {
        setLayer(layer, kClassElement, 19.32f, 196.97f, {1});
        setTpp2m(layer, 11, 0.0f);
    }
    setMethods(kImfpNone, kImfpTpp2m);
    ModelLayerIMFPs(t.session, 2);
    EXPECT_FLOAT_EQ(layerLambda(0, 1), 0.0f);
    EXPECT_FLOAT_EQ(layerLambda(1, 1), 0.0f);
    EXPECT_NEAR(layerLambda(2, 1), 1.578f, 0.002f);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 1.578f, 0.002f);
    EXPECT_NEAR(layerLambda(1, 1), 1.578f, 0.002f);
}

TEST_F(ModelImfpTest, MissingLayerDataLeaveTheLayerAsItWas)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}});
    setLayer(0, kClassElement, 19.32f, 196.97f, {1});
    t.doc().LayerIMFP[0][1] = 7.0f;

    setTpp2m(0, 11, -1.0f);  // band gap not given
    setMethods(kImfpNone, kImfpTpp2m);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_FLOAT_EQ(layerLambda(0, 1), 7.0f);
    EXPECT_TRUE(t.dialogs.messages.empty());

    setLayer(0, kClassElement, 19.32f, 196.97f, {0});
    for (const int method : {kImfpCumpsonSeah, kImfpSeahDench}) {
        t.dialogs.messages.clear();
        setMethods(kImfpNone, method);
        ModelLayerIMFPs(t.session, std::nullopt);
        ASSERT_EQ(t.dialogs.messages.size(), 1u) << method;
        EXPECT_EQ(t.dialogs.messages[0].text, "Enter atom locations initially    ");
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_FLOAT_EQ(layerLambda(0, 1), 7.0f);
    }

    t.dialogs.messages.clear();
    t.doc().LayerDensity[0] = 0.0f;
    setMethods(kImfpNone, kImfpGries);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_FLOAT_EQ(layerLambda(0, 1), 7.0f);
}

TEST_F(ModelImfpTest, UndefinedLineKeepsItsValueAndIsNamed)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}, {"Au", "4d", 79, 196.97f, 0.0f}});
    setLayer(0, kClassElement, 19.32f, 196.97f, {1});
    setTpp2m(0, 11, 0.0f);
    t.doc().LayerIMFP[0][2] = 0.5f;
    setMethods(kImfpNone, kImfpTpp2m);
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_NEAR(layerLambda(0, 1), 1.578f, 0.002f);
    EXPECT_FLOAT_EQ(layerLambda(0, 2), 0.5f);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "No IMFP at the kinetic energy of these lines; their values were left unchanged:\r\n\r\n"
              "- Au 4d    \r\n");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(ModelImfpTest, MethodsOfTheHomogeneousSampleAreImproperForAModel)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}});
    for (const int method : {kImfpNone, kImfpExponential, kImfpJablonski}) {
        t.dialogs.messages.clear();
        t.doc().DocDirty = false;
        setMethods(kImfpSeahDench, method);
        ModelLayerIMFPs(t.session, std::nullopt);
        ASSERT_EQ(t.dialogs.messages.size(), 1u) << method;
        EXPECT_EQ(t.dialogs.messages[0].text, "Improper IMFP method selected    ");
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(t.doc().DocDirty);
    }
    setMethods(kImfpNone, kImfpExplicit);
    t.doc().LayerIMFP[0][1] = 3.0f;
    ModelLayerIMFPs(t.session, std::nullopt);
    EXPECT_FLOAT_EQ(layerLambda(0, 1), 3.0f);
    EXPECT_TRUE(t.doc().DocDirty);
}

}  // namespace
}  // namespace slv
