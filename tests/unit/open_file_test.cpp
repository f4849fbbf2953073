#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/open_file.h"
#include "support/sample_documents.h"

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
    fs::path m_folder;
};

TEST_F(OpenFile, DataFileKeepsItsNameAndMarksElementsMeasuredWithSeveralLines)
{
    test::TestSession source;
    test::FillSiliconOxide(source.doc());
    source.doc().ElemCount = 3;
    source.doc().ElSymbol[3] = "Si";
    source.doc().ElLine[3] = "2s";
    source.doc().BindEnergy[3] = 150.0f;
    source.doc().CrossSect[3] = 1.0f;
    source.doc().Asymmetry[3] = 2.0f;
    source.doc().AtWeight[3] = 28.086f;
    const fs::path path = m_folder / "a.lvd";
    test::WriteDataFile(source.doc(), path);

    test::TestSession t;
    t.session.Closing = true;
    const OpenedFile opened = OpenDocumentFile(t.session, path.string());
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.kind, LoadedFileKind::DataFile);
    EXPECT_EQ(t.doc().DocFileName, path.string());
    EXPECT_TRUE(t.session.res.MultiLineFound);
    EXPECT_TRUE(t.session.res.MultiLineMark[1]);
    EXPECT_FALSE(t.session.res.MultiLineMark[2]);
    EXPECT_FALSE(t.session.Closing);  // the first results message of the new file is shown
}

TEST_F(OpenFile, AFileThatCannotBeReadLeavesNoNameToSaveOver)
{
    const fs::path path = m_folder / "bad.lvd";
    std::ofstream(path, std::ios::binary) << "SLVD\x01\x02\x03";
    test::TestSession t;
    t.doc().DocFileName = "/somewhere/else.lvd";
    const OpenedFile opened = OpenDocumentFile(t.session, path.string());
    EXPECT_FALSE(opened.ok);
    EXPECT_TRUE(t.doc().DocFileName.empty());
    EXPECT_FALSE(t.dialogs.messages.empty());
}

TEST_F(OpenFile, TemplateSeedsAnUntitledDataSet)
{
    test::TestSession source;
    test::FillSiliconOxide(source.doc());
    source.doc().IsTemplate = true;
    source.doc().IMFPRowCount = 1;
    const fs::path path = m_folder / "a.lvt";
    test::WriteDataFile(source.doc(), path);

    test::TestSession t;
    const OpenedFile opened = OpenDocumentFile(t.session, path.string());
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.kind, LoadedFileKind::TemplateFile);
    EXPECT_TRUE(t.doc().DocFileName.empty());
    EXPECT_FALSE(t.doc().IsTemplate);
    EXPECT_EQ(t.doc().ElemCount, 2);
}

}  // namespace
}  // namespace slv
