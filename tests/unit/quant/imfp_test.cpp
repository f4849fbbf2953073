#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "quant/imfp.h"
#include "support/quant_workspace.h"

namespace slv {
namespace {

constexpr float kAlKAlpha = 1486.6f;
constexpr const char* kImproper = "Improper IMFP method selected    ";
constexpr const char* kEnterAtoms = "Enter atom locations initially    ";

struct Line {
    const char* symbol;
    const char* line;
    int atomicNumber;
    float atomicWeight;
    float kineticEv;
};

class ImfpTest : public ::testing::Test {
protected:
    /// Element rows with the given lines under Al K-alpha; intensity 1 everywhere.
    void setUpLines(std::initializer_list<Line> lines, int experiments = 1)
    {
        Document& doc = t.doc;
        doc.ExcEnergy = kAlKAlpha;
        doc.setSource(ExcitationSource::AlKAlpha);
        doc.ExpCount = static_cast<Integer>(experiments);
        for (const Line& l : lines) {
            const int row = ++doc.ElemCount;
            doc.ElSymbol[row] = l.symbol;
            doc.ElLine[row] = l.line;
            doc.AtomicNo[row] = static_cast<Integer>(l.atomicNumber);
            doc.AtWeight[row] = l.atomicWeight;
            doc.BindEnergy[row] = kAlKAlpha - l.kineticEv;
            doc.CrossSect[row] = 1.0f;
            for (int exp = 1; exp <= experiments; ++exp)
                doc.Intensity[exp][row] = 1.0f;
        }
    }
    void setMethods(ImfpMethod homogeneous, ImfpMethod model)
    {
        t.doc.setHomogeneousImfpMethod(homogeneous);
        t.doc.setModelImfpMethod(model);
    }
    void setMatrix(int exp, MaterialClass materialClass, float density, float atomicWeight)
    {
        t.doc.setMatrixClass(exp, materialClass);
        t.doc.ExpDensity[exp] = density;
        t.doc.ExpAtWeight[exp] = atomicWeight;
    }
    void setLayer(int layer, MaterialClass materialClass, float density, float molWeight,
                  std::initializer_list<float> atoms)
    {
        Document& doc = t.doc;
        doc.setLayerClass(layer, materialClass);
        doc.LayerDensity[layer] = density;
        doc.LayerMolWeight[layer] = molWeight;
        doc.LayerValElec[layer] = 0;
        doc.LayerBandGap[layer] = -1.0f;
        int row = 0;
        for (const float n : atoms)
            doc.LayerComp[layer][++row] = n;
    }
    void expectOneMessage(const char* text, MessageIcon icon)
    {
        ASSERT_EQ(t.findings.size(), 1u);
        EXPECT_EQ(t.findings[0].text, text);
        EXPECT_EQ(IconOf(t.findings[0].kind), icon);
        t.findings = Findings(t.dialogs);
    }
    float lambda(int exp, int row) const { return t.corr.LineIMFP[exp][row]; }
    float layerLambda(int layer, int row) const { return t.doc.LayerIMFP[layer][row]; }

    test::QuantWorkspace t;
};

TEST_F(ImfpTest, SeparateValuesChooseWhoseMatrixCounts)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}, {"O", "1s", 8, 16.0f, 500.0f}}, 2);
    t.doc.setImfpExponent(0.75f);
    LineIMFPs(t.quant(), ImfpMethod::Exponential);
    EXPECT_NEAR(lambda(2, 1), 177.8f, 0.05f);
    EXPECT_NEAR(lambda(2, 2), 105.7f, 0.05f);

    setMatrix(1, MaterialClass::Inorganic, 1.0f, 1.0f);
    setMatrix(2, MaterialClass::None, 1.0f, 1.0f);
    t.doc.IMFPval[1][1] = 2.5f;
    t.doc.IMFPval[2][1] = 4.0f;
    t.doc.setSeparateMatrixValues(1);
    LineIMFPs(t.quant(), ImfpMethod::Jablonski);
    EXPECT_NEAR(lambda(1, 1), std::pow(1000.0f, 0.7234f), 1e-3f);
    EXPECT_EQ(lambda(2, 1), 1.0f);  // class none: exponent 0
    LineIMFPs(t.quant(), ImfpMethod::Explicit);
    EXPECT_EQ(lambda(2, 1), 4.0f);

    t.doc.setSeparateMatrixValues(0);
    LineIMFPs(t.quant(), ImfpMethod::Jablonski);
    EXPECT_NEAR(lambda(2, 1), std::pow(1000.0f, 0.7234f), 1e-3f);
    LineIMFPs(t.quant(), ImfpMethod::Explicit);
    EXPECT_EQ(lambda(2, 1), 2.5f);
}

TEST_F(ImfpTest, EmptyOrUndefinedValuesBecomeOne)
{
    // An empty explicit cell, and a line of kinetic energy 0 where Seah-Dench has no value.
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}, {"Cu", "3p", 29, 63.55f, 0.0f}});
    t.doc.IMFPval[1][1] = -1.0f;
    t.doc.IMFPval[1][2] = 0.0f;
    LineIMFPs(t.quant(), ImfpMethod::Explicit);
    EXPECT_EQ(lambda(1, 1), 1.0f);
    EXPECT_EQ(lambda(1, 2), 1.0f);

    setMatrix(1, MaterialClass::Element, 8.96f, 63.55f);
    LineIMFPs(t.quant(), ImfpMethod::SeahDench);
    EXPECT_NEAR(lambda(1, 1), 1.41f, 0.005f);  // a = 0.2275 nm
    EXPECT_EQ(lambda(1, 2), 1.0f);
    EXPECT_TRUE(t.findings.empty());
}

TEST_F(ImfpTest, SeahDenchReplacesMissingMatrixDataAndRejectsAnUnknownClass)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}});
    setMatrix(1, MaterialClass::Element, -1.0f, 0.0f);
    LineIMFPs(t.quant(), ImfpMethod::SeahDench);
    EXPECT_EQ(t.doc.ExpDensity[1], 1.0f);
    EXPECT_EQ(t.doc.ExpAtWeight[1], 1.0f);
    EXPECT_EQ(t.corr.MatAtWeight[1], 1.0f);

    // An unknown class: the message, and λ 1 rather than the value of the last run.
    setMatrix(1, MaterialClass::Element, 8.96f, 63.55f);
    LineIMFPs(t.quant(), ImfpMethod::SeahDench);
    t.doc.setMatrixClass(1, MaterialClass::None);
    LineIMFPs(t.quant(), ImfpMethod::SeahDench);
    expectOneMessage("Invalid material class at IMFP calculation     ", MessageIcon::Exclamation);
    EXPECT_EQ(lambda(1, 1), 1.0f);
}

TEST_F(ImfpTest, CalculatedMeanAtomicWeightCountsTheRowsThatAreNotExcluded)
{
    setUpLines({{"Cu", "2p", 29, 60.0f, 1000.0f}, {"O", "1s", 8, 20.0f, 950.0f}});
    setMatrix(1, MaterialClass::Inorganic, 6.0f, 99.0f);
    t.doc.setAutoMeanAtomicWeight(1);
    LineIMFPs(t.quant(), ImfpMethod::SeahDench);
    EXPECT_NEAR(t.corr.MatAtWeight[1], 40.0f, 1e-4f);  // 50 % each
    t.doc.ElOmit[2] = true;
    LineIMFPs(t.quant(), ImfpMethod::SeahDench);
    EXPECT_NEAR(t.corr.MatAtWeight[1], 60.0f, 1e-4f);
    EXPECT_EQ(t.doc.ExpAtWeight[1], 99.0f);
}

TEST_F(ImfpTest, GriesFromThePreliminaryComposition)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}});
    setMatrix(1, MaterialClass::Element, 0.0f, -1.0f);
    LineIMFPs(t.quant(), ImfpMethod::Gries);
    EXPECT_EQ(t.doc.ExpDensity[1], 1.0f);
    t.doc.ExpDensity[1] = 8.96f;
    LineIMFPs(t.quant(), ImfpMethod::Gries);
    EXPECT_NEAR(lambda(1, 1), 15.495f, 0.002f);  // k1 0.002, k2 1.3 of Ti..Cu, in Å

    t.doc.Intensity[1][1] = -1.0f;  // no composition
    t.doc.setMatrixClass(1, MaterialClass::Inorganic);
    LineIMFPs(t.quant(), ImfpMethod::Gries);
    expectOneMessage(kEnterAtoms, MessageIcon::Exclamation);
    EXPECT_EQ(lambda(1, 1), 1.0f);
}

TEST_F(ImfpTest, GriesClassElementOfSeveralElementsNamesTheOneTaken)
{
    struct Case {
        const char* what;
        std::initializer_list<Line> lines;
        MaterialClass matrixClass;
        const char* expected;  // nullptr: no message
    };
    const Case cases[] = {
        {"two lines of one element",
         {{"Cu", "2p", 29, 63.55f, 550.0f}, {"Cu", "3p", 29, 63.55f, 1410.0f}},
         MaterialClass::Element,
         nullptr},
        {"an alloy",
         {{"Ni", "2p", 28, 58.69f, 630.0f}, {"Fe", "2p", 26, 55.85f, 780.0f}},
         MaterialClass::Element,
         "Gries IMFP, class element, in a matrix of 2 elements takes the constants of Fe alone    "},
        {"an alloy described as inorganic",
         {{"Ni", "2p", 28, 58.69f, 630.0f}, {"Fe", "2p", 26, 55.85f, 780.0f}},
         MaterialClass::Inorganic,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t.doc = test::EmptyDocument();
        t.findings = Findings(t.dialogs);
        setUpLines(c.lines, 3);
        for (int exp = 1; exp <= 3; ++exp)
            setMatrix(exp, c.matrixClass, 8.0f, 60.0f);
        t.doc.setSeparateMatrixValues(true);  // three matrices, one message
        LineIMFPs(t.quant(), ImfpMethod::Gries);
        if (c.expected == nullptr)
            EXPECT_TRUE(t.findings.empty());
        else
            expectOneMessage(c.expected, MessageIcon::Exclamation);
    }
}

TEST_F(ImfpTest, ModelMethodsAreImproperForAHomogeneousSample)
{
    setUpLines({{"Cu", "2p", 29, 63.55f, 1000.0f}});
    for (const ImfpMethod method :
         {ImfpMethod::Tpp2m, ImfpMethod::CumpsonSeah, static_cast<ImfpMethod>(8), static_cast<ImfpMethod>(-1)}) {
        LineIMFPs(t.quant(), method);
        expectOneMessage(kImproper, MessageIcon::Critical);
        EXPECT_EQ(lambda(1, 1), 1.0f);
    }
}

// Line-specific reference IMFPs of the validation anchors: Au 4f7/2 in Au
// (TPP-2M 1.578, Seah-Dench 1.998, Cumpson-Seah 1.326 nm) and Si 2p in SiO2
// (TPP-2M 3.896, Seah-Dench 3.300, Cumpson-Seah 2.911 nm). Gries by hand:
// Au with k1 0.0019, k2 1.45 1.8014 nm; SiO2 with V = 60.09 / (3 × 2.19),
// Z* = (√14 + 2√8) / 3, k1 0.0019, k2 1.3 4.1676 nm.
TEST_F(ImfpTest, LayerMethodsInTheModelsLengthUnit)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}, {"Si", "2p", 14, 28.09f, 1383.1f}, {"O", "1s", 8, 16.0f, 900.0f}});
    t.doc.LayerCount = 1;
    setLayer(0, MaterialClass::Element, 19.32f, 196.97f, {1, 0, 0});
    setLayer(1, MaterialClass::Inorganic, 2.19f, 60.08f, {0, 1, 2});
    t.doc.LayerValElec = {11, 16};
    t.doc.LayerBandGap = {0.0f, 9.0f};
    struct Case {
        ImfpMethod method;
        float bulkAu, layerSi;
    };
    const Case cases[] = {{ImfpMethod::Tpp2m, 1.578f, 3.896f},
                          {ImfpMethod::SeahDench, 1.998f, 3.300f},
                          {ImfpMethod::CumpsonSeah, 1.326f, 2.911f},
                          {ImfpMethod::Gries, 1.8014f, 4.1676f}};
    for (const auto& c : cases) {
        for (const int unit : {0, 1}) {
            t.doc.LenUnitA = static_cast<Integer>(unit);
            t.doc.DocDirty = false;
            setMethods(ImfpMethod::None, c.method);
            ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
            const float scale = unit == 1 ? 10.0f : 1.0f;
            EXPECT_NEAR(layerLambda(0, 1), c.bulkAu * scale, 0.0015f * scale) << CodeOf(c.method);
            EXPECT_NEAR(layerLambda(1, 2), c.layerSi * scale, 0.004f * scale) << CodeOf(c.method);
            EXPECT_TRUE(t.doc.DocDirty);
        }
    }
    EXPECT_TRUE(t.findings.empty());
}

TEST_F(ImfpTest, OneLayerOrAllOfThem)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}});
    t.doc.LayerCount = 2;
    for (int layer = 0; layer <= 2; ++layer) {
        setLayer(layer, MaterialClass::Element, 19.32f, 196.97f, {1});
        t.doc.LayerValElec[layer] = 11;
        t.doc.LayerBandGap[layer] = 0.0f;
    }
    setMethods(ImfpMethod::None, ImfpMethod::Tpp2m);
    ModelLayerIMFPs(t.doc, 2, t.findings);
    EXPECT_EQ(layerLambda(0, 1), 0.0f);
    EXPECT_NEAR(layerLambda(2, 1), 1.578f, 0.002f);
    ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
    EXPECT_NEAR(layerLambda(0, 1), 1.578f, 0.002f);
    EXPECT_NEAR(layerLambda(1, 1), 1.578f, 0.002f);
}

TEST_F(ImfpTest, MissingLayerDataLeaveTheLayerAsItWas)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}});
    setLayer(0, MaterialClass::Element, 19.32f, 196.97f, {1});
    t.doc.LayerIMFP[0][1] = 7.0f;
    t.doc.LayerValElec[0] = 11;
    setMethods(ImfpMethod::None, ImfpMethod::Tpp2m);  // band gap -1: not given
    ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
    EXPECT_EQ(layerLambda(0, 1), 7.0f);
    EXPECT_TRUE(t.findings.empty());

    setLayer(0, MaterialClass::Element, 19.32f, 196.97f, {0});
    for (const ImfpMethod method : {ImfpMethod::CumpsonSeah, ImfpMethod::SeahDench}) {
        setMethods(ImfpMethod::None, method);
        ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
        expectOneMessage(kEnterAtoms, MessageIcon::Exclamation);
        EXPECT_EQ(layerLambda(0, 1), 7.0f);
    }
    t.doc.LayerDensity[0] = 0.0f;
    setMethods(ImfpMethod::None, ImfpMethod::Gries);
    ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
    EXPECT_TRUE(t.findings.empty());
    EXPECT_EQ(layerLambda(0, 1), 7.0f);
}

TEST_F(ImfpTest, LayerLineWithoutAValueKeepsItAndIsNamed)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}, {"Au", "4d", 79, 196.97f, 0.0f}});
    setLayer(0, MaterialClass::Element, 19.32f, 196.97f, {1});
    t.doc.LayerValElec[0] = 11;
    t.doc.LayerBandGap[0] = 0.0f;
    t.doc.LayerIMFP[0][2] = 0.5f;
    setMethods(ImfpMethod::None, ImfpMethod::Tpp2m);
    ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
    EXPECT_NEAR(layerLambda(0, 1), 1.578f, 0.002f);
    EXPECT_EQ(layerLambda(0, 2), 0.5f);
    expectOneMessage("No IMFP at the kinetic energy of these lines; their values were left unchanged:\r\n\r\n"
                     "- Au 4d    \r\n",
                     MessageIcon::Exclamation);
}

TEST_F(ImfpTest, HomogeneousMethodsAreImproperForAModel)
{
    setUpLines({{"Au", "4f7", 79, 196.97f, 1402.6f}});
    t.doc.LayerIMFP[0][1] = 3.0f;
    for (const ImfpMethod method : {ImfpMethod::None, ImfpMethod::Exponential, ImfpMethod::Jablonski}) {
        t.doc.DocDirty = false;
        setMethods(ImfpMethod::SeahDench, method);
        ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
        expectOneMessage(kImproper, MessageIcon::Exclamation);
        EXPECT_FALSE(t.doc.DocDirty);
    }
    setMethods(ImfpMethod::None, ImfpMethod::Explicit);
    ModelLayerIMFPs(t.doc, std::nullopt, t.findings);
    EXPECT_EQ(layerLambda(0, 1), 3.0f);
    EXPECT_TRUE(t.doc.DocDirty);
}

}  // namespace
}  // namespace slv
