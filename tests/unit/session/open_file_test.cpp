// File Open: the document reset, the file read (data file, template or
// exchange file), the loaded document prepared and its element table
// validated, every message shown in order, and the views told once.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "document/data_file.h"
#include "session/open_file.h"
#include "support/child_process.h"
#include "support/empty_document.h"
#include "support/non_regular_files.h"
#include "support/sample_documents.h"
#include "support/stored_document.h"
#include "support/test_library.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class OpenFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_open_file_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string write(const std::string& name, std::string_view bytes)
    {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
        return (m_folder / name).string();
    }
    std::string write(const std::string& name, const Document& doc)
    {
        const auto bytes = *DataFileBytes(doc);
        return write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    static std::string contentOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path m_folder;
};

TEST_F(OpenFile, ADataFileIsLoadedPreparedAndValidated)
{
    Document stored = test::EmptyDocument();
    test::RandomDocument(31).fill(stored);
    stored.IsTemplate = false;
    stored.setModelType(ModelType::Polyhedron);  // its geometry weights come from the file, not the library
    stored.setSource(ExcitationSource::AlKAlpha);
    stored.setContaminationMethod(ContaminationMethod::Varn);
    stored.setIslands(true);
    stored.setLengthUnit(LengthUnit::Angstrom);
    const std::string path = write("sample.lvd", stored);

    test::TestSession t;
    t.session.setClosing(true);
    t.doc().DocDirty = true;
    test::RecordingObserver views(t.session);
    const OpenedFile opened = OpenDocumentFile(t.session, path);

    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.kind, LoadedFileKind::DataFile);
    const Document& doc = t.session.doc();
    EXPECT_EQ(test::StoredFieldDifferences(stored, doc), "");
    EXPECT_EQ(doc.DocFileName, path);
    EXPECT_TRUE(t.session.corrections().ExcludeCarbon);
    EXPECT_EQ(doc.IslandMode, 1);
    EXPECT_EQ(doc.UnitText[3].trimmedText(), "A");
    EXPECT_EQ(t.session.model().AngleWeight[4], stored.PolyPar[4]);
    EXPECT_FLOAT_EQ(doc.ExcEnergy, 1486.6f);
    EXPECT_FALSE(doc.DocDirty);
    // The random element rows break every rule: one message lists the findings.
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.starts_with("Element error(s):\r\n\r\n"));
    EXPECT_EQ(opened.findings.texts(), t.texts());
    EXPECT_FALSE(t.session.closing());  // the first results message of the new file is shown
    EXPECT_EQ(views.notices, std::vector<ChangeSet>{ChangeSet::everything()});
}

TEST_F(OpenFile, ElementsMeasuredWithSeveralLinesAreMarked)
{
    Document stored = test::EmptyDocument();
    test::FillSiliconOxide(stored);
    stored.ElemCount = 3;
    stored.ElSymbol[3] = "Si";
    stored.ElLine[3] = "2s";
    stored.BindEnergy[3] = 150.0f;
    stored.CrossSect[3] = 1.0f;
    stored.Asymmetry[3] = 2.0f;
    stored.AtWeight[3] = 28.086f;
    test::TestSession t;
    ASSERT_TRUE(OpenDocumentFile(t.session, write("a.lvd", stored)).ok);
    EXPECT_TRUE(t.dialogs.messages.empty());
    const QuantResults& res = t.session.results();
    EXPECT_TRUE(res.MultiLineFound);
    EXPECT_TRUE(res.MultiLineMark[1]);
    EXPECT_FALSE(res.MultiLineMark[2]);
    EXPECT_TRUE(res.MultiLineMark[3]);
}

TEST_F(OpenFile, ATemplateSeedsAnUntitledDataSet)
{
    Document stored = test::EmptyDocument();
    test::FillSiliconOxide(stored);
    stored.IsTemplate = true;
    stored.IMFPRowCount = 1;
    test::TestSession t;
    const OpenedFile opened = OpenDocumentFile(t.session, write("a.lvt", stored));
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.kind, LoadedFileKind::TemplateFile);
    EXPECT_TRUE(t.session.doc().DocFileName.empty());
    EXPECT_FALSE(t.session.doc().IsTemplate);
    EXPECT_EQ(t.session.doc().ElemCount, 2);
    EXPECT_FALSE(t.session.corrections().ExcludeCarbon);
}

TEST_F(OpenFile, AFileThatCannotBeReadIsReportedAndLeavesNoNameToSaveOver)
{
    Document stored = test::EmptyDocument();
    stored.setTitle("Cut");
    const auto whole = *DataFileBytes(stored);
    const std::string half(reinterpret_cast<const char*>(whole.data()), whole.size() / 2);
    std::string hostile(reinterpret_cast<const char*>(whole.data()), whole.size());
    hostile[8] = 3;  // three parameter texts
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {(m_folder / "missing.lvd").string(),
         "Data file not found\r\n" + (m_folder / "missing.lvd").string() + ": No such file or directory    "},
        {(m_folder / "no folder" / "x.lvd").string(),
         "Data file not found\r\n" + (m_folder / "no folder" / "x.lvd").string() + ": No such file or directory    "},
        {"", "Bad file name    "},
        {write("cut.lvd", half), "File shorter than expected    "},
        {write("corrupted.lvd", hostile), "Number of parameters greater than expected.\r\nFile may be corrupted    "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string before = fs::is_regular_file(c.path) ? contentOf(c.path) : "";
        test::TestSession t;
        t.doc().DocFileName = "/somewhere/else.lvd";
        const OpenedFile opened = OpenDocumentFile(t.session, c.path);
        EXPECT_FALSE(opened.ok);
        EXPECT_TRUE(t.session.doc().DocFileName.empty());
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.messages[0].text, c.message);
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(fs::is_regular_file(c.path) ? contentOf(c.path) : "", before);
    }
}

TEST_F(OpenFile, OnlyRegularFilesAreOpenedAndNothingWaitsOnAPipe)
{
    for (const char* name : {"sample.lvd", "sample.lvt", "sample.lvx"}) {
        for (const test::NonRegularFile& special : test::MakeNonRegularFiles(m_folder / name, name)) {
            SCOPED_TRACE(special.path);
            test::TestSession t;
            const OpenedFile opened = test::WithoutWaitingOn(
                special.path, [&] { return OpenDocumentFile(t.session, special.path.string()); });
            EXPECT_FALSE(opened.ok);
            ASSERT_EQ(t.dialogs.messages.size(), 1u);
            EXPECT_EQ(t.dialogs.messages[0].text,
                      "Path not found or incorrect\r\n" + special.path.string() + ": " + special.reason + "    ");
        }
    }
}

TEST_F(OpenFile, AFileTheAnalystMayNotReadIsNamedWithTheReason)
{
    Document stored = test::EmptyDocument();
    stored.setTitle("Private");
    const std::string path = write("private.lvd", stored);
    fs::permissions(path, fs::perms::none);
    std::string whyNot;
    const auto message = test::AsOrdinaryUser(
        [&] {
            test::TestSession t;
            const OpenedFile opened = OpenDocumentFile(t.session, path);
            return opened.ok || t.dialogs.messages.size() != 1 ? std::string("opened") : t.dialogs.messages[0].text;
        },
        whyNot);
    if (!message)
        GTEST_SKIP() << whyNot;
    EXPECT_EQ(*message, "Path not found or incorrect\r\n" + path + ": Permission denied    ");
}

TEST_F(OpenFile, OtherFilesGoToTheExchangeImport)
{
    struct Case {
        const char* what;
        const char* text;
        bool ok;
        bool reported;  // the suspect-data message and its beep
    };
    const Case cases[] = {
        {"clean", "XPSRDE;1.00\r\nTITL;Sample A\r\nELEM\r\nO;1s\r\nINTE\r\n1000\r\nEND\r\n", true, false},
        {"with errors", "XPSRDE;1.00\r\nTITL;Sample A\r\nCROS;XXXX\r\nELEM\r\nO;1s\r\nINTE\r\n1000\r\nEND\r\n", true,
         true},
        {"unreadable header", "no exchange file\r\n", false, false},
    };
    const test::LibraryFolder library(LibraryBytes(test::SmallLibrary()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestSession t;
        t.setProgramFolder(library.path());
        const std::string path = write("hand over.lvx", c.text);
        const OpenedFile opened = OpenDocumentFile(t.session, path);
        EXPECT_EQ(opened.ok, c.ok);
        EXPECT_EQ(opened.kind, c.ok ? LoadedFileKind::ExchangeFile : LoadedFileKind::None);
        EXPECT_TRUE(t.session.doc().DocFileName.empty());
        EXPECT_EQ(contentOf(path), c.text);  // the file stays as it was
        EXPECT_EQ(t.dialogs.beeps, c.reported ? 1 : 0);
        if (c.ok) {
            EXPECT_EQ(t.session.doc().title(), "Sample A");
            EXPECT_EQ(t.session.doc().DocDirty, !c.reported);
        }
        // The import's message, with its error lines, comes before those of the element validation.
        const std::string suspect =
            "Error in XPS Reduced Data Exchange file:    \r\nhand over.lvx  \r\n\r\nLoaded data "
            "may be incorrect   \r\n\r\n - Illegal cross section set\r\n";
        const auto shown = std::find_if(t.dialogs.messages.begin(), t.dialogs.messages.end(),
                                        [&](const MessageRequest& m) { return m.text == suspect; });
        EXPECT_EQ(shown != t.dialogs.messages.end(), c.reported);
        if (c.reported) {
            EXPECT_EQ(shown, t.dialogs.messages.begin());
            EXPECT_EQ(shown->icon, MessageIcon::Critical);
        }
    }
}

}  // namespace
}  // namespace slv
