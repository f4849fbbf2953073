// The document-level library functions: lookup of element rows with its
// messages and line choice, the refresh of element constants and the
// geometry weights, on small libraries written to a temporary program folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>

#include "document/asymmetry.h"
#include "document/element_library.h"
#include "document/file_error.h"
#include "support/empty_document.h"
#include "support/non_regular_files.h"
#include "support/recording_dialogs.h"
#include "support/test_library.h"

namespace slv {
namespace {

class LibraryLookupTest : public ::testing::Test {
protected:
    /// A program folder that holds `bytes` as SLV.lib, with lookup enabled,
    /// Al K-alpha and the Scofield set.
    void useLibrary(const std::vector<std::byte>& bytes)
    {
        folder = std::make_unique<test::LibraryFolder>(bytes);
        programFolder = folder->path();
        Document& doc = t.doc();
        doc.setLibraryLookupEnabled(true);
        doc.setSource(ExcitationSource::AlKAlpha);
        doc.setCrossSectionSet(CrossSectionSet::Scofield);
        doc.ExcEnergy = ExcitationEnergy(doc, ExcitationSource::AlKAlpha);
    }
    void useLibrary(const LibraryContents& contents) { useLibrary(LibraryBytes(contents)); }

    /// Appends an element row with symbol and line, a prior cross section of 5.
    int addRow(std::string_view symbol, std::string_view line)
    {
        Document& doc = t.doc();
        const int row = ++doc.ElemCount;
        doc.ElSymbol[row] = symbol;
        doc.ElLine[row] = line;
        doc.CrossSect[row] = 5.0f;
        return row;
    }

    /// The lookup of rows first..last; its findings shown, as the program does.
    void lookup(int first, int last)
    {
        LibraryLookup(t.doc(), programFolder, first, last, findings);
        findings.presentTo(dialogs);
    }
    const std::vector<MessageRequest>& messages() const { return dialogs.messages; }

    test::Work t;
    test::RecordingDialogs dialogs;
    Findings findings{dialogs};
    std::filesystem::path programFolder;
    std::unique_ptr<test::LibraryFolder> folder;
};

TEST_F(LibraryLookupTest, FillsTheRowFromTheLineOfTheChosenSetSourceAndAsymmetryTable)
{
    struct Case {
        const char* what;
        ExcitationSource source;
        CrossSectionSet set;
        float crossSect;
        float asymmetry;
    };
    const Case cases[] = {
        {"Scofield, Al", ExcitationSource::AlKAlpha, CrossSectionSet::Scofield, 10.82f, 1.2f + 0.01f * 26},
        {"Scofield, Mg", ExcitationSource::MgKAlpha, CrossSectionSet::Scofield, 10.54f, 1.0f + 0.01f * 26},
        {"Wagner, Al", ExcitationSource::AlKAlpha, CrossSectionSet::Wagner, 2.0f, 1.2f + 0.01f * 26},
        // No set: the cross section is left as it was, the rest is filled.
        {"no set", ExcitationSource::AlKAlpha, CrossSectionSet::None, 5.0f, 1.2f + 0.01f * 26},
        // A source without a table gives no asymmetry parameter: -2, not -1.
        {"other source", ExcitationSource::Other, CrossSectionSet::Scofield, 10.82f, kNoAsymmetry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t.doc().ElemCount = 0;
        useLibrary(test::SmallLibrary());
        t.doc().setSource(c.source);
        t.doc().setCrossSectionSet(c.set);
        const int fe = addRow("Fe", "2p3");
        const int o = addRow("O", "1s");
        lookup(fe, o);
        const Document& doc = t.doc();
        EXPECT_TRUE(messages().empty());
        EXPECT_FLOAT_EQ(doc.CrossSect[fe], c.crossSect);
        EXPECT_FLOAT_EQ(doc.Asymmetry[fe], c.asymmetry);
        EXPECT_FLOAT_EQ(doc.BindEnergy[fe], 706.8f);
        EXPECT_EQ(doc.AtomicNo[fe], 26);
        EXPECT_FLOAT_EQ(doc.AtWeight[fe], 55.845f);
        EXPECT_EQ(doc.Valence[fe] + doc.Oxygens[fe], 3);
        EXPECT_FLOAT_EQ(doc.ElDensity[fe], 7.874f);
        EXPECT_FLOAT_EQ(doc.ValElectrons[fe], 7.0f);
        if (c.source != ExcitationSource::Other) {
            EXPECT_FLOAT_EQ(doc.Asymmetry[o], 2.0f);  // s line
        }
    }
}

TEST_F(LibraryLookupTest, AMissingLineIsChosenFromTheUsableLines)
{
    useLibrary(test::SmallLibrary());
    const int chosen = addRow("Fe", "2p9");
    const int cancelled = addRow("Au", "5d");
    dialogs.choiceAnswers = {2, std::nullopt};
    lookup(1, 2);
    const Document& doc = t.doc();

    ASSERT_EQ(dialogs.choices.size(), 2u);
    EXPECT_EQ(dialogs.choices[0].prompt, "Line Fe2p9 not found");
    EXPECT_EQ(dialogs.choices[0].lines, (std::vector<std::string>{"2s", "2p1", "2p3", "2p", "3p"}));
    EXPECT_EQ(doc.ElLine[chosen].trimmedText(), "2p3");
    EXPECT_FLOAT_EQ(doc.CrossSect[chosen], 10.82f);
    EXPECT_FLOAT_EQ(doc.BindEnergy[chosen], 706.8f);

    // Cancelled: the element constants are in, the line values stay empty.
    EXPECT_EQ(doc.ElLine[cancelled].trimmedText(), "5d");
    EXPECT_EQ(doc.AtomicNo[cancelled], 79);
    EXPECT_EQ(doc.BindEnergy[cancelled], kEmptyValue);
    EXPECT_EQ(doc.CrossSect[cancelled], kEmptyValue);
    EXPECT_EQ(doc.Asymmetry[cancelled], kNoAsymmetry);
    EXPECT_TRUE(messages().empty());
}

TEST_F(LibraryLookupTest, SetsAndElementsWithoutValuesAreSaidPlainlyOnce)
{
    // The library holds no Evans values (factor 0): completing by that factor
    // must leave them missing, and the analyst is told once, not asked to
    // choose from an empty list.
    useLibrary(test::SmallLibrary());
    t.doc().setCrossSectionSet(CrossSectionSet::Evans);
    t.doc().setScaling(ScalingOption::AverageFactor);
    const int fe = addRow("Fe", "2p3");
    addRow("O", "1s");
    lookup(1, 2);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "The element library holds no Evans cross sections    ");
    EXPECT_EQ(messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.choices.empty());
    EXPECT_EQ(t.doc().CrossSect[fe], kEmptyValue);
    EXPECT_EQ(t.doc().AtomicNo[fe], 26);

    // An element without values of a set the library does hold is named.
    dialogs.messages.clear();
    t.doc().setCrossSectionSet(CrossSectionSet::Wagner);
    t.doc().setScaling(ScalingOption::None);
    const int au = addRow("Au", "4f7");
    const int xx = addRow("Xx", "1s");
    const int zz = addRow("Zz", "1s");
    lookup(au, au);
    t.doc().setCrossSectionSet(CrossSectionSet::None);
    lookup(xx, zz);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, "The element library holds no lines of Xx    ");
    EXPECT_EQ(messages()[1].text, "Element Zz not found    ");
    EXPECT_EQ(messages()[1].icon, MessageIcon::Critical);
    EXPECT_EQ(t.doc().AtomicNo[zz], -1);
    EXPECT_EQ(t.doc().AtWeight[zz], kEmptyValue);
    // Au offers its whole 4f Wagner line to choose from.
    ASSERT_EQ(dialogs.choices.size(), 1u);
    EXPECT_EQ(dialogs.choices[0].lines, (std::vector<std::string>{"4f"}));
}

TEST_F(LibraryLookupTest, UnusableLibrariesAreReportedAndLeaveTheRowsAlone)
{
    auto wrongVersion = LibraryBytes(test::SmallLibrary());
    wrongVersion[4] = std::byte{0x00};  // 512 = 0x0200
    wrongVersion[5] = std::byte{0x02};
    auto badHeader = LibraryBytes(test::SmallLibrary());
    badHeader[0] = badHeader[6] = std::byte{'X'};
    auto damaged = LibraryBytes(test::SmallLibrary());
    damaged.resize(damaged.size() - 1);

    struct Case {
        const char* what;
        std::vector<std::byte> bytes;  // empty: no library at all
        bool enabled;
        std::string text;
        MessageIcon icon;
    };
    const Case cases[] = {
        {"disabled", LibraryBytes(test::SmallLibrary()), false, "Library disabled    ", MessageIcon::Exclamation},
        {"missing", {}, true, "Library not found.", MessageIcon::Critical},
        {"version 512", wrongVersion, true, "Incompatible library.\r\n\r\nLibrary version should be  4.00   ",
         MessageIcon::Critical},
        {"bad header", badHeader, true, "Illegal or damaged library file header   ", MessageIcon::Critical},
        {"truncated", damaged, true, "", MessageIcon::Critical},
    };
    for (const Case& c : cases) {
        Document doc = test::EmptyDocument();
        Findings found;
        test::LibraryFolder where(c.bytes);
        doc.setLibraryLookupEnabled(c.enabled);
        doc.setCrossSectionSet(CrossSectionSet::Scofield);
        doc.ElemCount = 1;
        doc.ElSymbol[1] = "Fe";
        doc.ElLine[1] = "2p3";
        doc.AtomicNo[1] = 26;
        doc.CrossSect[1] = 5.0f;
        LibraryLookup(doc, where.path(), 1, 1, found);
        ASSERT_EQ(found.size(), 1u) << c.what;
        EXPECT_EQ(IconOf(found[0].kind), c.icon) << c.what;
        if (!c.text.empty()) {
            EXPECT_TRUE(found[0].text.starts_with(c.text)) << c.what << ": " << found[0].text;
        }
        EXPECT_EQ(doc.AtomicNo[1], 26) << c.what;
        EXPECT_EQ(doc.CrossSect[1], 5.0f) << c.what;
    }
}

TEST_F(LibraryLookupTest, ALibraryThatIsNoRegularFileIsRefusedWithoutWaiting)
{
    test::LibraryFolder scratch({});
    t.doc().setLibraryLookupEnabled(true);
    addRow("Fe", "2p3");
    for (const test::NonRegularFile& special :
         test::MakeNonRegularFiles(scratch.path(), std::string(kLibraryFileName))) {
        SCOPED_TRACE(special.kind);
        Findings found;
        test::WithoutWaitingOn(special.path, [&] { LibraryLookup(t.doc(), special.path.parent_path(), 1, 1, found); });
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].text,
                  "Path not found or incorrect\r\n" + special.path.string() + ": " + special.reason + "    ");
        EXPECT_EQ(t.doc().CrossSect[1], 5.0f);
    }
}

TEST_F(LibraryLookupTest, AChangedLibraryFileIsReadAgain)
{
    // The library read once is kept; a file that changed after it must not
    // be answered from what was kept. Carbon's atomic weight tells the
    // versions apart.
    using namespace std::chrono_literals;
    const LibraryContents original = test::SmallLibrary();
    const auto withCarbonWeight = [&](float weight, bool dropLastElement) {
        LibraryContents changed = original;
        changed.elements[0].atWeight = weight;
        if (dropLastElement)
            changed.elements.pop_back();
        return LibraryBytes(changed);
    };
    struct Case {
        const char* what;
        std::vector<std::byte> bytes;  // the new content; none: the file is removed
        std::filesystem::file_time_type::duration later;
        bool otherFolder;  // the new content is another folder's library
        LibraryOpenStatus status;
        float carbonWeight;
    };
    const Case cases[] = {
        {"same size, later", withCarbonWeight(13.0f, false), 1s, false, LibraryOpenStatus::Ok, 13.0f},
        {"other size, same time", withCarbonWeight(14.0f, true), 0s, false, LibraryOpenStatus::Ok, 14.0f},
        {"same size and time, other folder", withCarbonWeight(15.0f, false), 0s, true, LibraryOpenStatus::Ok, 15.0f},
        {"damaged in place", withCarbonWeight(std::nanf(""), false), 1s, false, LibraryOpenStatus::Damaged, 0.0f},
        {"removed", {}, 0s, false, LibraryOpenStatus::NotFound, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::LibraryFolder first(LibraryBytes(original));
        LibraryOpenResult before = ReadLibrary(first.path());
        ASSERT_TRUE(before.library);
        EXPECT_FLOAT_EQ(FindElement(*before.library, "C", {}).LibElement.AtWeight, 12.011f);

        test::LibraryFolder second({});
        const std::filesystem::path folder = c.otherFolder ? second.path() : first.path();
        const std::filesystem::path file = folder / kLibraryFileName;
        const auto written = std::filesystem::last_write_time(first.path() / kLibraryFileName);
        std::filesystem::remove(file);
        if (!c.bytes.empty()) {
            std::ofstream(file, std::ios::binary)
                .write(reinterpret_cast<const char*>(c.bytes.data()), static_cast<std::streamsize>(c.bytes.size()));
            std::filesystem::last_write_time(file, written + c.later);
        }
        LibraryOpenResult after = ReadLibrary(folder);
        EXPECT_EQ(after.status, c.status);
        if (after.library) {
            EXPECT_FLOAT_EQ(FindElement(*after.library, "C", {}).LibElement.AtWeight, c.carbonWeight);
        }
    }
}

TEST_F(LibraryLookupTest, RefreshElementConstantsSetsOnlyZDensityAndValenceElectrons)
{
    useLibrary(test::SmallLibrary());
    const int au = addRow("Au", "4f7");
    const int unknown = addRow("Zz", "1s");
    Document& doc = t.doc();
    doc.AtWeight[au] = 1.0f;
    doc.AtomicNo[unknown] = 7;
    doc.ElDensity[unknown] = 3.0f;
    RefreshElementConstants(doc, programFolder, t.findings);
    EXPECT_TRUE(t.findings.empty());
    EXPECT_EQ(doc.AtomicNo[au], 79);
    EXPECT_FLOAT_EQ(doc.ElDensity[au], 19.3f);
    EXPECT_FLOAT_EQ(doc.ValElectrons[au], 10.0f);
    EXPECT_EQ(doc.AtWeight[au], 1.0f);
    EXPECT_EQ(doc.CrossSect[au], 5.0f);
    EXPECT_EQ(doc.AtomicNo[unknown], 7);
    EXPECT_EQ(doc.ElDensity[unknown], 3.0f);

    // Without a library: the file error and "Library access error".
    test::LibraryFolder empty({});
    RefreshElementConstants(doc, empty.path(), t.findings);
    ASSERT_EQ(t.findings.size(), 2u);
    EXPECT_EQ(t.findings[1].text, "Library access error    ");
}

TEST_F(LibraryLookupTest, GeometryWeightsFollowTheModelType)
{
    useLibrary(test::SmallLibrary());
    Document& doc = t.doc();
    for (int i = 1; i <= kPolyhedronParameters; ++i)
        doc.PolyPar[i] = 100.0f + static_cast<float>(i);
    struct Case {
        const char* what;
        ModelType model;
        bool sphereOption;
        float firstWeight;  // weight 1; the test weights tell the records apart
        float lastWeight;
    };
    const Case cases[] = {
        {"sphere", ModelType::Sphere, false, 0.1f, 0.9f},
        {"alternative sphere", ModelType::Sphere, true, 11.0f, 19.0f},
        {"cylinder", ModelType::Cylinder, false, 1.0f, 9.0f},
        {"polyhedron", ModelType::Polyhedron, false, 101.0f, 109.0f},
    };
    for (const Case& c : cases) {
        doc.setModelType(c.model);
        doc.setSingleRowOfSpheres(c.sphereOption);
        const auto weights = GeometryWeightsOf(doc, programFolder, t.findings);
        ASSERT_TRUE(weights) << c.what;
        EXPECT_FLOAT_EQ((*weights)[1], c.firstWeight) << c.what;
        EXPECT_FLOAT_EQ((*weights)[9], c.lastWeight) << c.what;
        EXPECT_EQ((*weights)[0], 0.0f) << c.what;  // index 0 is not a class
    }
    doc.setModelType(ModelType::Plane);
    EXPECT_FALSE(GeometryWeightsOf(doc, programFolder, t.findings));
    EXPECT_TRUE(t.findings.empty());
}

TEST_F(LibraryLookupTest, AsymmetryParameterNeedsNoLibraryForSLines)
{
    test::LibraryFolder empty({});
    EXPECT_EQ(AsymmetryParameter(empty.path(), 26, "2s", ExcitationSource::AlKAlpha, t.findings), 2.0f);
    EXPECT_TRUE(t.findings.empty());

    useLibrary(test::SmallLibrary());
    EXPECT_FLOAT_EQ(AsymmetryParameter(programFolder, 79, "4f7", ExcitationSource::MgKAlpha, t.findings), 0.5f);
    EXPECT_EQ(AsymmetryParameter(programFolder, 79, "4d5", ExcitationSource::MgKAlpha, t.findings),
              kAsymmetryNotFound);  // no d entry
    EXPECT_EQ(AsymmetryParameter(programFolder, 95, "2p", ExcitationSource::AlKAlpha, t.findings),
              kAsymmetryNotFound);  // beyond Zhigh + 3
    EXPECT_FLOAT_EQ(AsymmetryParameter(programFolder, 93, "2p", ExcitationSource::AlKAlpha, t.findings),
                    1.2f + 0.01f * 93);
    EXPECT_EQ(AsymmetryParameter(programFolder, 26, "2p", ExcitationSource::Other, t.findings), kAsymmetryNotFound);
}

}  // namespace
}  // namespace slv
