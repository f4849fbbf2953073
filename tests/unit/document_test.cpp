#include <gtest/gtest.h>

#include "document/new_document.h"
#include "document/settings_defaults.h"
#include "support/test_session.h"

namespace slv {
namespace {

TEST(Document, ExcitationEnergyBySource)
{
    test::TestSession t;
    t.doc().setOtherSourceEnergy(3000.0f);
    EXPECT_FLOAT_EQ(ExcitationEnergy(t.doc(), ExcitationSource::MgKAlpha), 1253.6f);
    EXPECT_FLOAT_EQ(ExcitationEnergy(t.doc(), ExcitationSource::AlKAlpha), 1486.6f);
    EXPECT_FLOAT_EQ(ExcitationEnergy(t.doc(), ExcitationSource::Other), 3000.0f);
    EXPECT_EQ(ExcitationEnergy(t.doc(), static_cast<ExcitationSource>(3)), 0.0f);
    EXPECT_EQ(ExcitationEnergy(t.doc(), static_cast<ExcitationSource>(-1)), 0.0f);
}

TEST(NewDocument, EmptiesEveryTableButKeepsHydrogenAndBindingEnergies)
{
    test::TestSession t;
    Document& doc = t.doc();
    // Fill a document the way a loaded data set would.
    doc.ElemCount = 2;
    doc.ExpCount = 3;
    doc.ElSymbol[1] = "Fe";
    doc.BindEnergy[1] = 710.0f;
    doc.Asymmetry[1] = 1.2f;
    doc.Intensity[3][2] = 500.0f;
    doc.IMFPval[40][20] = 2.0f;
    doc.LabelText[5][8] = "12.5";
    doc.ThickRes[2][5] = 1.5f;
    doc.LayerName[2] = "SiO2";
    doc.LayerBandGap[3] = 9.0f;
    doc.LayerComp[0][0] = 2.0f;
    doc.PolyPar[9] = 0.3f;
    doc.MultiLayers = 4;
    doc.LenUnitA = 1;
    doc.setTitle("old title");
    doc.DocFileName = "/tmp/old.lvd";
    doc.DocDirty = true;
    doc.IsTemplate = true;
    doc.DepthScale = 1;
    doc.RecalcNeeded = false;

    NewDocument(t.session);

    EXPECT_EQ(doc.AtomicNo[0], 1);
    EXPECT_EQ(doc.ElSymbol[0].trimmedText(), "H");
    EXPECT_FLOAT_EQ(doc.AtWeight[0], 1.008f);
    EXPECT_FLOAT_EQ(doc.ValElectrons[0], 1.0f);
    EXPECT_EQ(doc.ElemCount, 0);
    EXPECT_EQ(doc.ExpCount, 0);
    EXPECT_TRUE(doc.ElSymbol[1].isBlank());
    EXPECT_FLOAT_EQ(doc.Asymmetry[1], kNoAsymmetry);
    EXPECT_FLOAT_EQ(doc.BindEnergy[1], 710.0f);
    for (int e = 1; e <= kMaxExperiments; ++e)
        for (int row = 1; row <= kMaxElements; ++row) {
            ASSERT_EQ(doc.Intensity[e][row], kEmptyValue);
            ASSERT_EQ(doc.IMFPval[e][row], kEmptyValue);
        }
    EXPECT_TRUE(doc.LabelText[5][8].isBlank());
    EXPECT_EQ(doc.ThickRes[2][5], kEmptyValue);
    EXPECT_TRUE(doc.LayerName[2].isBlank());
    EXPECT_EQ(doc.LayerBandGap[3], kEmptyValue);
    EXPECT_EQ(doc.LayerComp[0][0], 0.0f);
    EXPECT_EQ(doc.PolyPar[9], 0.0f);
    EXPECT_EQ(doc.MultiLayers, 1);
    EXPECT_EQ(doc.UnitText[3].trimmedText(), "nm");
    EXPECT_TRUE(doc.ParText[0].empty());
    EXPECT_TRUE(doc.DocFileName.empty());
    EXPECT_FALSE(doc.DocDirty);
    EXPECT_FALSE(doc.IsTemplate);
    EXPECT_EQ(doc.DepthScale, 0);
    EXPECT_TRUE(doc.RecalcNeeded);
    EXPECT_EQ(doc.LabelName[6].trimmedText(), "TextLabel");
    EXPECT_EQ(doc.LabelName[7].trimmedText(), "NumLabel");
    EXPECT_EQ(doc.LabelSelect[0], 2);

    const std::vector<std::string> order = {"closeChildWindows", "unloadNotesWindow", "disableDataCommands",
                                            "abandonPrintJob", "resetWindowSwitches", "clearFileDialogName"};
    EXPECT_EQ(t.shell.calls, order);
}

TEST(Settings, EmptyStoreGivesTheDocumentedDefaults)
{
    test::TestSession t;
    const Document& doc = t.doc();
    for (auto v : doc.ParIndex)
        EXPECT_EQ(v, 0);
    for (auto v : doc.ParLibrary)
        EXPECT_EQ(v, 0);
    for (auto v : doc.UnitIndex)
        EXPECT_EQ(v, 1);
    EXPECT_EQ(doc.UnitText[0].trimmedText(), "min");
    EXPECT_EQ(doc.UnitText[1].trimmedText(), "rad");
    EXPECT_EQ(doc.UnitText[2].trimmedText(), "\xB0" "C");
    EXPECT_EQ(t.session.print.PrintFontName, "Times New Roman");
    EXPECT_EQ(t.session.print.PrintFontSize, 10);
    EXPECT_FLOAT_EQ(t.session.print.PrintMargin, 1.5f);
    EXPECT_EQ(t.session.print.PrintOrientation, 1);
    EXPECT_FLOAT_EQ(doc.ExcEnergy, 1253.6f);
    EXPECT_FALSE(doc.AutoCov);
}

TEST(Settings, SavedDefaultsReachTheNextNewDocumentExceptTheOverriddenOnes)
{
    test::TestSession t;
    Document& doc = t.doc();
    doc.ParText[1] = "/data/trans.ltr";
    doc.setSourceAnalyserAngle(54.7356f);
    doc.setOtherSourceEnergy(2984.3f);
    doc.setSource(ExcitationSource::Other);
    doc.setHomogeneousImfpMethod(ImfpMethod::SeahDench);
    doc.setModelImfpMethod(ImfpMethod::Tpp2m);
    doc.setLibraryLookupEnabled(true);
    doc.LabelSelect[3] = 1;
    doc.UnitIndex[2] = 0;
    doc.AxisIndex = 5;
    doc.AutoCov = true;
    t.session.print.PrintWhat[14] = 1;
    t.session.print.PrintMargin = 2.5f;
    t.session.print.PrintOrientation = 2;
    SaveDefaults(t.session);
    EXPECT_EQ(t.settings.read("SLV", "Defaults", "Number5"), " 54.7356");
    EXPECT_EQ(t.settings.read("SLV", "Defaults", "AutoCov"), "True");
    EXPECT_EQ(t.settings.read("SLV", "Defaults", "Label7")->size(), 15u);

    NewDocument(t.session);
    EXPECT_EQ(doc.ParText[1], "/data/trans.ltr");
    EXPECT_FLOAT_EQ(doc.ParNumber[4], 54.7356f);
    EXPECT_FLOAT_EQ(doc.ExcEnergy, 2984.3f);
    EXPECT_EQ(doc.homogeneousImfpMethod(), ImfpMethod::SeahDench);
    EXPECT_EQ(doc.modelImfpMethod(), ImfpMethod::Tpp2m);
    EXPECT_TRUE(doc.libraryLookupEnabled());
    EXPECT_EQ(doc.LabelSelect[3], 1);
    EXPECT_EQ(doc.UnitText[2].trimmedText(), "K");
    EXPECT_EQ(doc.AxisIndex, 1);  // a new document always starts on the first label
    EXPECT_TRUE(doc.AutoCov);
    EXPECT_EQ(t.session.print.PrintWhat[14], 1);
    EXPECT_FLOAT_EQ(t.session.print.PrintMargin, 2.5f);
    EXPECT_EQ(t.session.print.PrintOrientation, 2);
}

TEST(Settings, OutOfRangeAndUnconvertibleValuesAreReplacedOrSkipped)
{
    test::TestSession t;
    t.settings.write("SLV", "Defaults", "Axis", "9");
    t.settings.write("SLV", "Defaults", "Orientation", "3");
    t.settings.write("SLV", "Defaults", "Index2", "2");
    NewDocument(t.session);
    EXPECT_EQ(t.session.print.PrintOrientation, 1);
    ReadDefaults(t.session);
    EXPECT_EQ(t.doc().AxisIndex, 1);

    // A value that does not convert leaves the field as it was.
    t.settings.write("SLV", "Defaults", "Index2", "two");
    t.settings.write("SLV", "Defaults", "Number7", "x");
    t.doc().setOtherSourceEnergy(42.0f);
    ReadDefaults(t.session);
    EXPECT_EQ(t.doc().source(), ExcitationSource::Other);
    EXPECT_FLOAT_EQ(t.doc().ParNumber[6], 42.0f);
}

TEST(Units, UnitTextsFollowTheChoicesAndUnknownChoicesGiveNoUnit)
{
    Document doc;
    doc.UnitIndex = {7, 0, 2};
    doc.LenUnitA = 1;
    RecomputeUnits(doc);
    EXPECT_TRUE(doc.UnitText[0].isBlank());
    EXPECT_EQ(doc.UnitText[1].trimmedText(), "\xB0");
    EXPECT_EQ(doc.UnitText[2].trimmedText(), "\xB0" "F");
    EXPECT_EQ(doc.UnitText[3].trimmedText(), "A");
    doc.LenUnitA = 2;
    RecomputeUnits(doc);
    EXPECT_TRUE(doc.UnitText[3].isBlank());
}

TEST(Layers, SingleElementOfLayerIgnoresHydrogenOnlyAndMixedLayers)
{
    test::TestSession t;
    Document& doc = t.doc();
    doc.ElemCount = 3;
    doc.ElDensity[2] = 8.96f;
    doc.LayerComp[1][2] = 1.0f;
    EXPECT_EQ(SingleElementOfLayer(doc, 1), 2);
    EXPECT_FLOAT_EQ(LayerElementDensity(doc, 1), 8.96f);
    doc.LayerComp[2][0] = 2.0f;  // hydrogen only
    EXPECT_EQ(SingleElementOfLayer(doc, 2), 0);
    doc.LayerComp[3][1] = 1.0f;
    doc.LayerComp[3][3] = 2.0f;
    EXPECT_EQ(SingleElementOfLayer(doc, 3), 0);
    EXPECT_EQ(LayerElementDensity(doc, 3), 0.0f);
    doc.LayerComp[4][0] = -1.0f;  // the marker value counts as present
    doc.LayerComp[4][1] = 1.0f;
    EXPECT_EQ(SingleElementOfLayer(doc, 4), 0);
}

TEST(Startup, DecimalSeparatorFromTheLocalesTextOfOnePointOne)
{
    EXPECT_EQ(DecimalSeparatorOf("1.1"), '.');
    EXPECT_EQ(DecimalSeparatorOf("1,1"), ',');
}

}  // namespace
}  // namespace slv
