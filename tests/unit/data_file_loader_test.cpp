#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "document/data_file.h"
#include "quant/correction_chain.h"
#include "support/legacy_data_file_writer.h"
#include "support/stored_document.h"
#include "support/test_library.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class LoadDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("slv_load_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string write(const std::string& name, const std::vector<std::byte>& bytes)
    {
        std::ofstream out(folder / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return (folder / name).string();
    }
    std::string write(const std::string& name, std::string_view text)
    {
        return write(name, std::vector<std::byte>(reinterpret_cast<const std::byte*>(text.data()),
                                                  reinterpret_cast<const std::byte*>(text.data() + text.size())));
    }
    static std::string contentOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    test::TestSession t;
    fs::path folder;
};

TEST_F(LoadDocumentTest, PreparesALoadedDataFile)
{
    test::TestSession source;
    Document& doc = source.doc();
    test::RandomDocument(31).fill(doc);
    doc.IsTemplate = false;
    doc.setModelType(ModelType::Polyhedron);  // its geometry weights come from the file, not the library
    doc.setSource(ExcitationSource::AlKAlpha);
    doc.setContaminationMethod(ContaminationMethod::Varn);
    doc.setIslands(1);           // islands
    doc.ModelOn = 1;
    doc.LenUnitA = 1;
    std::string path = write("sample.lvd", *DataFileBytes(doc));
    const std::string given = path;
    t.doc().DocDirty = true;

    bool ok = false;
    EXPECT_EQ(LoadDocument(t.session, path, ok), LoadedFileKind::DataFile);
    EXPECT_TRUE(ok);
    EXPECT_EQ(path, given);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_EQ(test::StoredFieldDifferences(doc, t.doc()), "");
    EXPECT_TRUE(t.session.corr.ExcludeCarbon);
    EXPECT_EQ(t.doc().IslandMode, 1);
    EXPECT_EQ(t.doc().UnitText[3].trimmedText(), "A");
    EXPECT_EQ(t.session.AngleWeight[4], doc.PolyPar[4]);
    EXPECT_FLOAT_EQ(t.doc().ExcEnergy, 1486.6f);  // Al K-alpha
    EXPECT_FALSE(t.doc().DocDirty);
}

TEST_F(LoadDocumentTest, TemplatesAreMarked)
{
    test::TestSession source;
    source.doc().IsTemplate = true;
    source.doc().setTitle("Set-up");
    std::string path = write("setup.lvt", *DataFileBytes(source.doc()));
    bool ok = false;
    EXPECT_EQ(LoadDocument(t.session, path, ok), LoadedFileKind::TemplateFile);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(t.doc().IsTemplate);
    EXPECT_FALSE(t.session.corr.ExcludeCarbon);
}

TEST_F(LoadDocumentTest, FailuresLeaveDocumentAndFile)
{
    test::TestSession source;
    source.doc().setTitle("Cut");
    auto file = *DataFileBytes(source.doc());
    file.resize(file.size() / 2);
    const std::string cut = write("cut.lvd", file);
    auto hostile = *DataFileBytes(source.doc());
    hostile[8] = std::byte{3};  // three parameter texts
    const std::string corrupted = write("corrupted.lvd", hostile);
    fs::create_directories(folder / "folder.lvd");

    struct Case {
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {(folder / "missing.lvd").string(), "Data file not found    "},
        {(folder / "folder.lvd").string(), "Path not found or incorrect    "},
        {"", "Bad file name    "},
        {cut, "File shorter than expected    "},
        {corrupted, "Number of parameters greater than expected.\r\nFile may be corrupted    "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        test::TestSession s;
        s.doc().setTitle("unchanged");
        s.doc().DocDirty = true;
        const std::string before = fs::is_regular_file(c.path) ? contentOf(c.path) : "";
        std::string path = c.path;
        bool ok = true;
        EXPECT_EQ(LoadDocument(s.session, path, ok), LoadedFileKind::None);
        EXPECT_FALSE(ok);
        ASSERT_EQ(s.dialogs.messages.size(), 1u);
        EXPECT_EQ(s.dialogs.messages[0].text, c.message);
        EXPECT_EQ(s.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(s.doc().ParText[0], "unchanged");
        EXPECT_TRUE(s.doc().DocDirty);
        EXPECT_EQ(path, c.path);
        if (!before.empty()) {
            EXPECT_EQ(contentOf(c.path), before);
        }
    }
}

TEST_F(LoadDocumentTest, OtherFilesGoToTheExchangeImport)
{
    struct Case {
        const char* what;
        const char* text;
        bool ok;
        bool reported;  // the loader's own message and beep
    };
    const Case cases[] = {
        {"clean", "XPSRDE;1.00\r\nTITL;Sample A\r\nELEM\r\nO;1s\r\nINTE\r\n1000\r\nEND\r\n", true, false},
        {"with errors", "XPSRDE;1.00\r\nTITL;Sample A\r\nCROS;XXXX\r\nELEM\r\nO;1s\r\nINTE\r\n1000\r\nEND\r\n",
         true, true},
        {"unreadable header", "no exchange file\r\n", false, false},
    };
    const test::LibraryFolder library(LibraryBytes(test::SmallLibrary()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestSession s;
        s.session.programFolder = library.path();
        std::string path = write("hand over.lvx", c.text);
        const std::string given = path;
        bool ok = !c.ok;
        const LoadedFileKind kind = LoadDocument(s.session, path, ok);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(kind, c.ok ? LoadedFileKind::ExchangeFile : LoadedFileKind::None);
        EXPECT_EQ(path.empty(), c.ok);
        EXPECT_EQ(contentOf(given), c.text);  // the file stays as it was
        EXPECT_EQ(s.dialogs.beeps, c.reported ? 1 : 0);
        if (c.ok) {
            EXPECT_EQ(s.doc().ParText[0], "Sample A");
            EXPECT_EQ(s.doc().DocDirty, !c.reported);
        }
        if (c.reported) {
            ASSERT_FALSE(s.dialogs.messages.empty());
            EXPECT_EQ(s.dialogs.messages.back().text,
                      "Error in XPS Reduced Data Exchange file:    \r\nhand over.lvx  \r\n\r\nLoaded data may be "
                      "incorrect   ");
            EXPECT_EQ(s.dialogs.messages.back().icon, MessageIcon::Critical);
        }
    }
}

}  // namespace
}  // namespace slv
