// The document: the named accessors of the parameter record, the reset of File New, the analysis defaults in the
// settings store, the unit texts and the one-element layers.
#include <gtest/gtest.h>

#include "document/new_document.h"
#include "document/settings_defaults.h"
#include "support/empty_document.h"

namespace slv {
namespace {

TEST(Document, AccessorsKeepTheStoredLayout)
{
    Document doc;
    doc.setModelType(ModelType::Nanotube);
    doc.setSource(ExcitationSource::Other);
    doc.setCrossSectionSet(CrossSectionSet::Wagner);
    doc.setHomogeneousImfpMethod(ImfpMethod::SeahDench);
    doc.setModelImfpMethod(ImfpMethod::Tpp2m);
    doc.setSeparateContamination(true);
    doc.setContaminationMethod(ContaminationMethod::Varn);
    doc.setAngularMethod(AngularMethod::ReilmanEbel);
    doc.setTransmissionType(TransmissionType::File);
    doc.setMultilineApproach(MultilineApproach::Ebel);
    doc.setAutoMeanAtomicWeight(true);
    doc.setSeparateMatrixValues(true);
    doc.setIslands(true);
    doc.setSingleRowOfSpheres(true);
    doc.setModifiedTubeLayer(true);
    const std::array<Integer, kParIndexCount> stored = {6, 2, 3, 0x0503, 1, 2, 2, 4, 2, 1, 1, 1, 1, 1};
    EXPECT_EQ(doc.ParIndex, stored);
    doc.setSplitting(SplittingOption::Nominal);
    doc.setScaling(ScalingOption::ClosestLine);
    doc.setLibraryLookupEnabled(true);
    EXPECT_EQ(doc.ParLibrary, (std::array<Integer, kParLibraryCount>{1, 2, 1, 0}));

    // The IMFP method of the model type in use; a code beyond the methods is None.
    EXPECT_EQ(doc.imfpMethod(), ImfpMethod::Tpp2m);
    doc.setModelType(ModelType::Homogeneous);
    EXPECT_EQ(doc.imfpMethod(), ImfpMethod::SeahDench);
    doc.ParIndex[3] = static_cast<Integer>((9 << 8) | 8);
    EXPECT_EQ(doc.homogeneousImfpMethod(), ImfpMethod::None);
    EXPECT_EQ(doc.modelImfpMethod(), ImfpMethod::None);
    doc.setModelImfpMethod(ImfpMethod::Gries);
    EXPECT_EQ(doc.ParIndex[3], (6 << 8) | 8);
}

TEST(Document, ResetEmptiesEveryTableButKeepsHydrogenAndBindingEnergies)
{
    Document doc = test::EmptyDocument();
    // Fill a document the way a loaded data set would.
    doc.ElemCount = 2;
    doc.ExpCount = 3;
    doc.ElSymbol[1] = "Fe";
    doc.AtomicNo[1] = 26;
    doc.BindEnergy[1] = 710.0f;
    doc.Intensity[3][2] = 500.0f;
    doc.IMFPval[40][20] = 2.0f;
    doc.LabelText[5][8] = "12.5";
    doc.LayerName[2] = "SiO2";
    doc.LayerComp[0][0] = 2.0f;
    doc.MultiLayers = 4;
    doc.setLengthUnit(LengthUnit::Angstrom);
    doc.setTitle("old title");
    doc.DocFileName = "/tmp/old.lvd";
    doc.DocDirty = true;
    doc.RecalcNeeded = false;

    PrintOptions print;
    ResetDocument(doc, print, MemorySettingsStore());

    EXPECT_EQ(doc.ElSymbol[0].trimmedText(), "H");
    EXPECT_EQ(doc.ElemCount + doc.ExpCount, 0);
    EXPECT_TRUE(doc.ElSymbol[1].isBlank());
    EXPECT_EQ(doc.AtomicNo[1], 0) << "an element typed into the new table is not taken for iron";
    EXPECT_FLOAT_EQ(doc.BindEnergy[1], 710.0f);
    for (int e = 1; e <= kMaxExperiments; ++e)
        for (int row = 1; row <= kMaxElements; ++row) {
            ASSERT_EQ(doc.Intensity[e][row], kEmptyValue);
            ASSERT_EQ(doc.IMFPval[e][row], kEmptyValue);
        }
    EXPECT_TRUE(doc.LabelText[5][8].isBlank());
    EXPECT_TRUE(doc.LayerName[2].isBlank());
    EXPECT_EQ(doc.LayerComp[0][0], 0.0f);
    EXPECT_EQ(doc.MultiLayers, 1);
    EXPECT_EQ(doc.UnitText[3].trimmedText(), "nm");
    EXPECT_TRUE(doc.title().empty() && doc.DocFileName.empty());
    EXPECT_FALSE(doc.DocDirty);
    EXPECT_TRUE(doc.RecalcNeeded);
    EXPECT_EQ(doc.LabelName[7].trimmedText(), "NumLabel");
}

TEST(Settings, EmptyStoreGivesTheDocumentedDefaults)
{
    Document doc;
    PrintOptions print;
    print.PrintFontName = "Arial";
    ResetDocument(doc, print, MemorySettingsStore());
    EXPECT_EQ(doc.ParIndex, (std::array<Integer, kParIndexCount>{}));
    EXPECT_EQ(doc.ParLibrary, (std::array<Integer, kParLibraryCount>{}));
    EXPECT_EQ(doc.UnitIndex, (std::array<Integer, 3>{1, 1, 1}));
    EXPECT_EQ(doc.UnitText[0].trimmedText(), "min");
    EXPECT_EQ(doc.UnitText[1].trimmedText(), "rad");
    EXPECT_EQ(doc.UnitText[2].trimmedText(), "\xB0"
                                             "C");
    EXPECT_EQ(print.PrintFontName, "Times New Roman");
    EXPECT_EQ(print.PrintFontSize, 10);
    EXPECT_FLOAT_EQ(print.PrintMargin, 1.5f);
    EXPECT_EQ(print.PrintOrientation, 1);
    EXPECT_FLOAT_EQ(doc.ExcEnergy, 1253.6f);
    EXPECT_FALSE(doc.AutoCov);
}

TEST(Settings, SavedDefaultsReachTheNextNewDocumentExceptTheOverriddenOnes)
{
    Document doc = test::EmptyDocument();
    PrintOptions print;
    doc.transmissionFile() = "/data/trans.ltr";
    doc.setSourceAnalyserAngle(54.7356f);
    doc.setOtherSourceEnergy(2984.3f);
    doc.setSource(ExcitationSource::Other);
    doc.setHomogeneousImfpMethod(ImfpMethod::SeahDench);
    doc.setModelImfpMethod(ImfpMethod::Tpp2m);
    doc.setLibraryLookupEnabled(true);
    doc.LabelSelect[3] = 1;
    doc.setTemperatureUnit(TemperatureUnit::Kelvin);
    doc.AxisIndex = 5;
    doc.AutoCov = true;
    print.PrintWhat[14] = 1;
    print.PrintMargin = 2.5f;
    print.PrintOrientation = 2;
    MemorySettingsStore settings;
    SaveDefaults(doc, print, settings);
    EXPECT_EQ(settings.read("SLV", "Defaults", "Number5"), " 54.7356");
    EXPECT_EQ(settings.read("SLV", "Defaults", "Index4"), "1283");
    EXPECT_EQ(settings.read("SLV", "Defaults", "AutoCov"), "True");

    Document next;
    PrintOptions nextPrint;
    ResetDocument(next, nextPrint, settings);
    EXPECT_EQ(next.transmissionFile(), "/data/trans.ltr");
    EXPECT_FLOAT_EQ(next.sourceAnalyserAngle(), 54.7356f);
    EXPECT_FLOAT_EQ(next.ExcEnergy, 2984.3f);
    EXPECT_EQ(next.homogeneousImfpMethod(), ImfpMethod::SeahDench);
    EXPECT_EQ(next.modelImfpMethod(), ImfpMethod::Tpp2m);
    EXPECT_TRUE(next.libraryLookupEnabled());
    EXPECT_EQ(next.LabelSelect[3], 1);
    EXPECT_EQ(next.UnitText[2].trimmedText(), "K");
    EXPECT_EQ(next.AxisIndex, 1);  // a new document always starts on the first label
    EXPECT_TRUE(next.AutoCov);
    EXPECT_EQ(nextPrint.PrintWhat[14], 1);
    EXPECT_FLOAT_EQ(nextPrint.PrintMargin, 2.5f);
    EXPECT_EQ(nextPrint.PrintOrientation, 2);
}

TEST(Settings, OutOfRangeAndUnconvertibleValuesAreReplacedOrSkipped)
{
    MemorySettingsStore settings;
    settings.write("SLV", "Defaults", "Axis", "9");
    settings.write("SLV", "Defaults", "Orientation", "3");
    settings.write("SLV", "Defaults", "Index2", "2");
    Document doc;
    PrintOptions print;
    ReadDefaults(doc, print, settings);
    EXPECT_EQ(print.PrintOrientation, 1);
    EXPECT_EQ(doc.AxisIndex, 1);
    EXPECT_EQ(doc.source(), ExcitationSource::Other);

    // A value that does not convert leaves the field as it was.
    settings.write("SLV", "Defaults", "Index2", "two");
    settings.write("SLV", "Defaults", "Number7", "x");
    settings.write("SLV", "Defaults", "AutoCov", "maybe");
    doc.setOtherSourceEnergy(42.0f);
    doc.AutoCov = true;
    ReadDefaults(doc, print, settings);
    EXPECT_EQ(doc.source(), ExcitationSource::Other);
    EXPECT_FLOAT_EQ(doc.otherSourceEnergy(), 42.0f);
    EXPECT_TRUE(doc.AutoCov);
}

TEST(Units, UnitTextsFollowTheChoicesAndUnknownChoicesGiveNoUnit)
{
    Document doc;
    doc.UnitIndex = {7, 0, 2};
    doc.setLengthUnit(LengthUnit::Angstrom);
    RecomputeUnits(doc);
    EXPECT_TRUE(doc.UnitText[0].isBlank());
    EXPECT_EQ(doc.UnitText[1].trimmedText(), "\xB0");
    EXPECT_EQ(doc.UnitText[2].trimmedText(), "\xB0"
                                             "F");
    EXPECT_EQ(doc.UnitText[3].trimmedText(), "A");
    doc.LenUnitA = 2;
    RecomputeUnits(doc);
    EXPECT_TRUE(doc.UnitText[3].isBlank());
}

TEST(Layers, SingleElementOfLayerIgnoresHydrogenOnlyAndMixedLayers)
{
    Document doc;
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

}  // namespace
}  // namespace slv
