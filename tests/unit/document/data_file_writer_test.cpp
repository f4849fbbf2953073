#include <gtest/gtest.h>

#include "document/data_file.h"
#include "support/empty_document.h"
#include "support/legacy_data_file_writer.h"
#include "support/stored_document.h"

namespace slv {
namespace {

std::string HexOf(const std::vector<std::byte>& bytes)
{
    static const char* const kDigits = "0123456789ABCDEF";
    std::string hex;
    for (std::byte b : bytes) {
        hex.push_back(kDigits[std::to_integer<int>(b) >> 4]);
        hex.push_back(kDigits[std::to_integer<int>(b) & 0xF]);
    }
    return hex;
}

/// One oxygen line, one experiment, a model of the bulk alone and two
/// characters of notes; every written parameter set explicitly.
void FillSmallDocument(Document& doc)
{
    doc.ParText = {"Oxide  ", ""};
    doc.ParNumber = {1.0f, 0, 0, 0, 0, 0, 2.5f};
    doc.ParIndex = {};
    doc.setSource(ExcitationSource::AlKAlpha);
    doc.ParLibrary = {1, 0, 0, 0};
    doc.LabelSelect = {2, 1, 0, 0, 0, 0, 0, 0};
    doc.UnitIndex = {0, 1, 2};
    doc.AxisIndex = 1;
    doc.LabelName[6] = "TextLabel";
    doc.LabelName[7] = "NumLabel";
    doc.ElemCount = 1;
    doc.ExpCount = 1;
    doc.AtomicNo[1] = 8;
    doc.ElSymbol[1] = "O";
    doc.ElLine[1] = "1s";
    doc.ElState[1] = "Ox";
    doc.BindEnergy[1] = 531.0f;
    doc.CrossSect[1] = 2.0f;
    doc.Asymmetry[1] = 2.0f;
    doc.AtWeight[1] = 16.0f;
    doc.Valence[1] = -2;
    doc.Oxygens[1] = 1;
    doc.ElDensity[1] = 0.5f;
    doc.ExpContam[1] = doc.ExpAtWeight[1] = doc.ExpDensity[1] = kEmptyValue;
    doc.setMatrixClass(1, MaterialClass::Inorganic);
    doc.IMFPval[1][1] = 1.5f;
    doc.Intensity[1][1] = 1000.0f;
    doc.LabelText[1][1] = "1";
    doc.LabelText[1][2] = "Sample";
    doc.ModelOn = 1;
    doc.setCurvedModel(CurvedModel::SurfaceAngleClasses);
    doc.LayerCount = 0;
    doc.LayerName[0] = "Bulk";
    doc.LayerDensity[0] = 2.0f;
    doc.LayerBandGap[0] = -1.0f;
    doc.LayerValElec[0] = 6;
    doc.setLayerClass(0, MaterialClass::Inorganic);
    doc.LayerMolWeight[0] = 16.0f;
    doc.LayerKind[0] = 1;
    doc.LayerComp[0][1] = 1.0f;
    doc.LayerIMFP[0][1] = 1.5f;
    doc.MultiLayers = 1;
    doc.AutoCov = true;
    doc.CoverRes[1] = kEmptyValue;
    doc.NotesText = "ab";
    doc.NotesLen = 2;
}

TEST(DataFileWriter, GoldenBytesOfASmallDataFile)
{
    // Expected bytes worked out from the version 230 layout, item by item.
    const char* const kGolden[] = {
        // header: "SLVD", stamp 700, version 230
        "534C5644BC02E600",
        // 2 parameter texts: "Oxide" (trimmed), ""
        "020005004F786964650000",
        // 7 parameter numbers: 1.0, 0 x5, 2.5
        "07000000803F000000000000000000000000000000000000000000002040",
        // 14 parameter indices: source 1
        "0E0000000100000000000000000000000000000000000000000000000000",
        // 4 library options, 8 label selections, 3 unit choices
        "04000100000000000000",
        "080002000100000000000000000000000000",
        "0300000001000200",
        // AxisIndex 1, LabelName 6 and 7
        "0100546578744C6162656C2020202020204E756D4C6162656C20202020202020",
        // 1 element row, 1 experiment
        "01000100",
        // element: Z 8, "O ", "1s ", "Ox", 531, 2, 2, 16, valence -2, 1 oxygen, 0.5
        "08004F203173204F78202020202020202000C00444000000400000004000008041FEFF01000000003F",
        // experiment: contamination, weight, density empty, class 2, IMFP 1.5, intensity 1000
        "000080BF000080BF000080BF02000000C03F00007A44",
        // labels "1", "Sample", six blank ones
        "312020202020202020202020202020",
        "53616D706C65202020202020202020",
        "202020202020202020202020202020202020202020202020202020202020",
        "202020202020202020202020202020202020202020202020202020202020",
        "202020202020202020202020202020202020202020202020202020202020",
        // ModelOn 1, radii 0, nm, no layers above the bulk
        "0100000000000000000000000000",
        // bulk: "Bulk", density 2, band gap -1, 6 valence electrons, class 2, weight 16, kind 1, link 0
        "42756C6B202020202020202000000040000080BF060002000000804101000000",
        // bulk rows from hydrogen: H 0 / 0, O 1 / 1.5
        "00000000000000000000803F0000C03F",
        // ElModelFlag 0, MultiLayers 1, AutoCov true, ARXPS false; CoverRes empty
        "00000100FFFF0000000080BF",
        // notes "ab", end marker
        "020061626C766445",
    };
    std::string golden;
    for (const char* chunk : kGolden)
        golden += chunk;

    test::Work t;
    FillSmallDocument(t.doc());
    const auto bytes = DataFileBytes(t.doc());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(HexOf(*bytes), golden);
}

TEST(DataFileWriter, TemplateKeepsTheSetUpOnly)
{
    // 3 experiments of intensities, but only 2 rows in the IMFP table.
    test::Work t;
    FillSmallDocument(t.doc());
    Document& doc = t.doc();
    doc.IsTemplate = true;
    doc.ExpCount = 3;
    doc.IMFPRowCount = 2;
    for (int e = 1; e <= 3; ++e)
        doc.IMFPval[e][1] = 1.0f + static_cast<float>(e);
    const auto bytes = DataFileBytes(doc);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(HexOf(*bytes).substr(0, 8), "534C5654");  // "SLVT"

    test::Work reader;
    ASSERT_EQ(ReadDataFile(reader.doc(), *bytes, reader.findings), DataFileStatus::Loaded);
    const Document& loaded = reader.doc();
    EXPECT_TRUE(loaded.IsTemplate);
    EXPECT_EQ(loaded.ExpCount, 2);
    EXPECT_EQ(loaded.IMFPRowCount, 2);
    EXPECT_EQ(loaded.IMFPval[2][1], 3.0f);
    EXPECT_EQ(loaded.Intensity[1][1], kEmptyValue);  // intensities are not part of a template
    EXPECT_TRUE(loaded.LabelText[1][2].isBlank());
    EXPECT_EQ(loaded.CoverRes[1], kEmptyValue);

    // Saved again, the template keeps both IMFP rows.
    EXPECT_EQ(DataFileBytes(loaded), bytes);
}

TEST(DataFileWriter, RefusesDocumentsBeyondTheLayout)
{
    struct Case {
        const char* what;
        void (*spoil)(Document&);
    };
    const Case cases[] = {
        {"21 element rows", [](Document& d) { d.ElemCount = 21; }},
        {"negative experiment count", [](Document& d) { d.ExpCount = -1; }},
        {"6 layers", [](Document& d) { d.LayerCount = 6; }},
        {"notes of 32768 bytes", [](Document& d) { d.NotesText.assign(32768, 'x'); }},
        {"title of 32768 bytes", [](Document& d) { d.ParText[0].assign(32768, 'x'); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Work t;
        FillSmallDocument(t.doc());
        c.spoil(t.doc());
        EXPECT_FALSE(DataFileBytes(t.doc()));
    }
}

TEST(DataFileWriter, RandomDocumentsSurviveSaveLoadSave)
{
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        test::Work original;
        test::RandomDocument(seed).fill(original.doc());
        const auto saved = DataFileBytes(original.doc());
        ASSERT_TRUE(saved);
        // The independent writer of the test support agrees on the current
        // layout, the model flag recording the curved model.
        Document asStored = original.doc();
        if (asStored.ModelOn != 0)
            asStored.ModelOn = asStored.curvedModel() == CurvedModel::Exact ? 2 : 1;
        ASSERT_EQ(*saved, test::LegacyDataFile(asStored, {}));

        test::Work reopened;
        ASSERT_EQ(ReadDataFile(reopened.doc(), *saved, reopened.findings), DataFileStatus::Loaded);
        EXPECT_EQ(test::StoredFieldDifferences(original.doc(), reopened.doc()), "");
        EXPECT_EQ(DataFileBytes(reopened.doc()), saved);
    }
}

}  // namespace
}  // namespace slv
