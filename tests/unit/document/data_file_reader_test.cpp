#include <gtest/gtest.h>

#include <array>

#include "document/data_file.h"
#include "support/empty_document.h"
#include "support/legacy_data_file_writer.h"
#include "support/stored_document.h"

namespace slv {
namespace {

constexpr std::array<int, 14> kAcceptedVersions = {102, 111, 112, 120, 121, 124, 130,
                                                   140, 141, 142, 143, 210, 220, 230};

const char* const kShortFileText = "File shorter than expected    ";
const char* const kCorruptedText = "Number of parameters greater than expected.\r\nFile may be corrupted    ";

/// A random document that an older version can hold unchanged: no combined
/// model code, library options that need no renumbering, and the curved model
/// of a file that does not record it.
void FillForVersion(Document& doc, std::uint32_t seed, int version)
{
    test::RandomDocument(seed).fill(doc);
    doc.setCurvedModel(doc.ModelOn != 0 ? CurvedModel::SurfaceAngleClasses : CurvedModel::Exact);
    if (version < 210) {
        doc.setModelType(static_cast<ModelType>(0));
        doc.setIslands(0);
        doc.setSplitting(static_cast<SplittingOption>(1));
        doc.setExampleLayout(0);
    }
}

/// The document as read back from a file of the version: the fields the
/// version does not store keep the values of the reset document.
Document ExpectedAfterReading(const Document& written, const Document& reset, int version)
{
    Document e = written;
    for (int exp = 1; version < 220 && exp <= kMaxExperiments; ++exp)
        e.ExpMatClass[exp] = reset.ExpMatClass[exp];
    if (version < 230)
        e.InnerRadius = reset.InnerRadius;
    for (int k = 0; k <= kMaxLayers; ++k) {
        if (version < 131)
            e.LayerBandGap[k] = reset.LayerBandGap[k];
        if (version < 141) {
            e.LayerValElec[k] = reset.LayerValElec[k];
            e.LayerMatClass[k] = reset.LayerMatClass[k];
            e.LayerComp[k][0] = reset.LayerComp[k][0];
            e.LayerIMFP[k][0] = reset.LayerIMFP[k][0];
        }
        if (version < 103)
            e.LayerKind[k] = reset.LayerKind[k];
        if (version < 122)
            e.LayerLink[k] = reset.LayerLink[k];
    }
    if (version < 122) {
        e.ElModelFlag = reset.ElModelFlag;
        e.MultiLayers = reset.MultiLayers;
        e.AutoCov = reset.AutoCov;
    }
    if (version < 142)
        e.ARXPS = reset.ARXPS;
    return e;
}

TEST(DataFileReader, ReadsEveryAcceptedVersion)
{
    std::uint32_t seed = 1;
    for (int version : kAcceptedVersions) {
        for (bool isTemplate : {false, true}) {
            SCOPED_TRACE(testing::Message() << "version " << version << (isTemplate ? " template" : " data"));
            test::Work t;
            const Document reset = t.doc();
            FillForVersion(t.doc(), seed++, version);
            t.doc().IsTemplate = isTemplate;
            t.doc().ExpCount = t.doc().IMFPRowCount;
            const auto file = test::LegacyDataFile(t.doc(), {version});

            test::Work first;
            ASSERT_EQ(ReadDataFile(first.doc(), file, first.findings), DataFileStatus::Loaded);
            EXPECT_TRUE(first.findings.empty());
            EXPECT_EQ(test::StoredFieldDifferences(ExpectedAfterReading(t.doc(), reset, version), first.doc()), "");

            // Saved in the current format and read again, nothing changes.
            const auto saved = DataFileBytes(first.doc());
            ASSERT_TRUE(saved);
            test::Work second;
            ASSERT_EQ(ReadDataFile(second.doc(), *saved, second.findings), DataFileStatus::Loaded);
            EXPECT_EQ(test::StoredFieldDifferences(first.doc(), second.doc()), "");
        }
    }
}

TEST(DataFileReader, OlderVersionsSplitTheCombinedModelCode)
{
    struct Case {
        int stored;
        ModelType modelType;
        int islands;
    };
    const Case cases[] = {
        {0, ModelType::Homogeneous, 0},    {1, ModelType::Plane, 0},
        {2, ModelType::Sphere, 0},         {3, ModelType::Cylinder, 0},
        {4, ModelType::Plane, 1},          {5, ModelType::Sphere, 1},
        {6, ModelType::Cylinder, 1},       {7, ModelType::OxideLayer, 0},
        {9, static_cast<ModelType>(9), 3},  // no code of the older versions: kept as stored
    };
    for (int version : {121, 210}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << " code " << c.stored);
            test::Work t;
            t.doc().ParIndex[0] = static_cast<Integer>(c.stored);
            t.doc().ParIndex[11] = 3;
            test::Work reader;
            ASSERT_EQ(ReadDataFile(reader.doc(), test::LegacyDataFile(t.doc(), {version}), reader.findings),
                      DataFileStatus::Loaded);
            if (version >= 210) {
                EXPECT_EQ(reader.doc().ParIndex[0], c.stored);  // current versions store the model type
                EXPECT_EQ(reader.doc().ParIndex[11], 3);
            } else {
                EXPECT_EQ(reader.doc().ParIndex[0], CodeOf(c.modelType));
                EXPECT_EQ(reader.doc().ParIndex[11], c.islands);
            }
        }
    }
}

TEST(DataFileReader, TheModelFlagRecordsTheCurvedModel)
{
    struct Case {
        int version;
        Integer storedFlag;
        Integer modelOn;
        CurvedModel curved;
    };
    const Case cases[] = {
        {230, 1, 1, CurvedModel::SurfaceAngleClasses},  // every file written before the choice existed
        {230, 2, 1, CurvedModel::Exact},
        {220, 2, 1, CurvedModel::Exact},
        {230, -1, 1, CurvedModel::SurfaceAngleClasses},
        {230, 3, 1, CurvedModel::SurfaceAngleClasses},
        {230, 0, 0, CurvedModel::Exact},  // no model block: the new-document choice
        {143, 2, 1, CurvedModel::SurfaceAngleClasses},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " flag " << c.storedFlag);
        test::Work t;
        t.doc().setModelType(ModelType::Plane);
        t.doc().ModelOn = c.storedFlag;
        test::Work reader;
        ASSERT_EQ(ReadDataFile(reader.doc(), test::LegacyDataFile(t.doc(), {c.version}), reader.findings),
                  DataFileStatus::Loaded);
        EXPECT_EQ(reader.doc().ModelOn, c.modelOn);
        EXPECT_EQ(reader.doc().curvedModel(), c.curved);
    }
}

TEST(DataFileReader, VersionsBefore124RenumberTheLibraryOptions)
{
    struct Case {
        std::array<Integer, 4> stored, converted;
    };
    const Case cases[] = {
        {{1, 2, 0, 0}, {1, 0, 0, 0}}, {{1, 3, 1, 1}, {1, 2, 2, 0}}, {{0, 1, 1, 0}, {0, 1, 1, 0}},
        {{1, 0, 1, 1}, {1, 0, 2, 0}}, {{1, 3, 0, 5}, {1, 2, 0, 0}},
    };
    for (int version : {121, 124}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "version " << version << " options " << c.stored[1] << c.stored[2] << c.stored[3]);
            test::Work t;
            t.doc().ParLibrary = c.stored;
            test::Work reader;
            ASSERT_EQ(ReadDataFile(reader.doc(), test::LegacyDataFile(t.doc(), {version}), reader.findings),
                      DataFileStatus::Loaded);
            EXPECT_EQ(reader.doc().ParLibrary, version < 124 ? c.converted : c.stored);
        }
    }
}

TEST(DataFileReader, ShorterParameterBlocksFillTheFirstEntries)
{
    test::Work t;
    const Document reset = t.doc();
    FillForVersion(t.doc(), 7, 143);
    const test::LegacyLayout layout{
        .version = 143, .texts = 1, .numbers = 5, .indices = 12, .library = 3, .labels = 6, .units = 2};
    test::Work reader;
    ASSERT_EQ(ReadDataFile(reader.doc(), test::LegacyDataFile(t.doc(), layout), reader.findings),
              DataFileStatus::Loaded);
    const Document& d = reader.doc();
    EXPECT_EQ(d.ParText[0], t.doc().ParText[0]);
    EXPECT_EQ(d.ParText[1], reset.ParText[1]);
    EXPECT_EQ(d.ParNumber[4], t.doc().ParNumber[4]);
    EXPECT_EQ(d.ParNumber[5], reset.ParNumber[5]);
    EXPECT_EQ(d.ParIndex[11], t.doc().ParIndex[11]);
    EXPECT_EQ(d.ParIndex[12], reset.ParIndex[12]);
    EXPECT_EQ(d.ParLibrary[2], t.doc().ParLibrary[2]);
    EXPECT_EQ(d.LabelSelect[5], t.doc().LabelSelect[5]);
    EXPECT_EQ(d.LabelSelect[6], reset.LabelSelect[6]);
    EXPECT_EQ(d.UnitIndex[2], reset.UnitIndex[2]);
    // The size of the label-selection block is the number of labels per experiment.
    for (int exp = 1; exp <= d.ExpCount; ++exp) {
        EXPECT_EQ(d.LabelText[exp][6], t.doc().LabelText[exp][6]);
        EXPECT_EQ(d.LabelText[exp][7], reset.LabelText[exp][7]);
    }
    EXPECT_EQ(d.CoverRes[d.ExpCount], t.doc().CoverRes[d.ExpCount]);  // what follows the labels still in step
}

TEST(DataFileReader, RejectsUnknownVersionsAndLeavesTheDocument)
{
    for (int version : {-1, 101, 103, 144, 231}) {
        SCOPED_TRACE(version);
        test::Work t;
        test::RandomDocument(3).fill(t.doc());
        const Document before = t.doc();
        test::Work other;
        auto file = test::LegacyDataFile(other.doc(), {230});
        file[6] = static_cast<std::byte>(version & 0xFF);
        file[7] = static_cast<std::byte>((version >> 8) & 0xFF);

        EXPECT_EQ(ReadDataFile(t.doc(), file, t.findings), DataFileStatus::IncompatibleVersion);
        ASSERT_EQ(t.findings.size(), 1u);
        EXPECT_EQ(t.findings[0].text, "Incompatible data file version    ");
        EXPECT_EQ(t.findings[0].kind, FindingKind::Error);
        EXPECT_EQ(test::StoredFieldDifferences(before, t.doc()), "");
    }
}

TEST(DataFileReader, HostileCountsAreReportedAndLeaveTheDocument)
{
    // A file with the title "T", no element rows, no experiments, and a model
    // of the bulk alone; offsets of its counts in the version 230 layout.
    test::Work base;
    base.doc().ParText = {"T", ""};
    base.doc().ModelOn = 1;
    base.doc().LayerCount = 0;
    base.doc().NotesText = "";
    const std::vector<std::byte> file = *DataFileBytes(base.doc());
    ASSERT_EQ(file.size(), 213u);

    struct Case {
        const char* what;
        std::size_t offset;
        int value;
        DataFileStatus status;
    };
    const Case cases[] = {
        {"3 parameter texts", 8, 3, DataFileStatus::CorruptedCount},
        {"negative text count", 8, -1, DataFileStatus::CorruptedCount},
        {"negative title length", 10, -1, DataFileStatus::CorruptedCount},
        {"title longer than the file", 10, 32767, DataFileStatus::Truncated},
        {"8 parameter numbers", 15, 8, DataFileStatus::CorruptedCount},
        {"15 parameter indices", 45, 15, DataFileStatus::CorruptedCount},
        {"5 library options", 75, 5, DataFileStatus::CorruptedCount},
        {"9 label selections", 85, 9, DataFileStatus::CorruptedCount},
        {"4 unit choices", 103, 4, DataFileStatus::CorruptedCount},
        {"21 element rows", 143, 21, DataFileStatus::CorruptedCount},
        {"negative element rows", 143, -32768, DataFileStatus::CorruptedCount},
        {"41 experiments", 145, 41, DataFileStatus::CorruptedCount},
        {"20 element rows that are not there", 143, 20, DataFileStatus::Truncated},
        {"6 layers", 159, 6, DataFileStatus::CorruptedCount},
        {"5 layers that are not there", 159, 5, DataFileStatus::Truncated},
        {"negative notes length", 207, -5, DataFileStatus::CorruptedCount},
        {"notes longer than the file", 207, 100, DataFileStatus::Truncated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto hostile = file;
        hostile[c.offset] = static_cast<std::byte>(c.value & 0xFF);
        hostile[c.offset + 1] = static_cast<std::byte>((c.value >> 8) & 0xFF);
        test::Work t;
        test::RandomDocument(5).fill(t.doc());
        const Document before = t.doc();

        EXPECT_EQ(ReadDataFile(t.doc(), hostile, t.findings), c.status);
        ASSERT_EQ(t.findings.size(), 1u);
        EXPECT_EQ(t.findings[0].text, c.status == DataFileStatus::CorruptedCount ? kCorruptedText : kShortFileText);
        EXPECT_EQ(t.findings[0].kind, FindingKind::Error);
        EXPECT_EQ(test::StoredFieldDifferences(before, t.doc()), "");
    }
}

TEST(DataFileReader, EveryTruncatedFileIsReported)
{
    struct Case {
        int version;
        bool isTemplate;
    };
    for (const Case c : {Case{230, false}, Case{230, true}, Case{143, false}, Case{120, false}}) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << (c.isTemplate ? " template" : " data"));
        test::Work source;
        FillForVersion(source.doc(), 11, c.version);
        Document& doc = source.doc();
        doc.IsTemplate = c.isTemplate;
        doc.ElemCount = 5;  // every kind of record, in a file short enough to cut at every byte
        doc.ExpCount = doc.IMFPRowCount = 4;
        doc.ModelOn = 1;
        doc.LayerCount = 2;
        if (c.version >= 210)
            doc.setModelType(ModelType::Polyhedron);
        const auto file = test::LegacyDataFile(doc, {c.version});

        test::Work t;
        test::RandomDocument(12).fill(t.doc());
        const Document before = t.doc();
        for (std::size_t length = 0; length < file.size(); ++length) {
            SCOPED_TRACE(length);
            t.findings = {};
            const auto status = ReadDataFile(t.doc(), std::span(file).first(length), t.findings);
            if (length < 4) {
                ASSERT_EQ(status, DataFileStatus::NotADataFile);
                ASSERT_TRUE(t.findings.empty());
            } else if (c.version > 120 && length >= file.size() - 4) {
                // The body is complete, only the end marker is cut.
                ASSERT_EQ(status, DataFileStatus::MissingEndMarker);
                ASSERT_EQ(t.doc().ExpCount, doc.ExpCount);
                t.doc() = before;
            } else {
                ASSERT_EQ(status, DataFileStatus::Truncated);
                ASSERT_EQ(test::StoredFieldDifferences(before, t.doc()), "");
            }
            if (length >= 4) {
                ASSERT_EQ(t.findings.size(), 1u);
                ASSERT_EQ(t.findings[0].text, kShortFileText);
            }
        }
    }
}

TEST(DataFileReader, EndMarkerChecksAndTrailingBytes)
{
    test::Work source;
    FillForVersion(source.doc(), 21, 230);
    const auto file = test::LegacyDataFile(source.doc(), {230});

    auto trailing = file;
    trailing.insert(trailing.end(), 100, std::byte{0xEE});
    test::Work t;
    EXPECT_EQ(ReadDataFile(t.doc(), trailing, t.findings), DataFileStatus::Loaded);
    EXPECT_TRUE(t.findings.empty());

    auto wrongMarker = file;
    wrongMarker.back() = std::byte{'X'};
    test::Work u;
    EXPECT_EQ(ReadDataFile(u.doc(), wrongMarker, u.findings), DataFileStatus::MissingEndMarker);
    ASSERT_EQ(u.findings.size(), 1u);
    EXPECT_EQ(u.findings[0].text, kShortFileText);
    EXPECT_EQ(test::StoredFieldDifferences(source.doc(), u.doc()), "");  // the data read stay

    const std::vector<std::byte> exchange = {std::byte{'X'}, std::byte{'P'}, std::byte{'S'},
                                             std::byte{'R'}, std::byte{'D'}, std::byte{'E'}};
    test::Work w;
    EXPECT_EQ(ReadDataFile(w.doc(), exchange, w.findings), DataFileStatus::NotADataFile);
    EXPECT_TRUE(w.findings.empty());
}

}  // namespace
}  // namespace slv
