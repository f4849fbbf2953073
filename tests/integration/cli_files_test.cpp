#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli_app.h"
#include "session/open_file.h"
#include "support/test_session.h"
#include "support/sample_documents.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_cli_files_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
        test::FillSiliconOxide(m_source.doc());
        m_file = (m_folder / "silica.lvd").string();
        test::WriteDataFile(m_source.doc(), m_file);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    int run(std::vector<std::string> args)
    {
        out.str("");
        err.str("");
        return cli::runCli(args, out, err);
    }

    test::TestSession m_source;
    fs::path m_folder;
    std::string m_file;
    std::ostringstream out, err;
};

TEST_F(CliFiles, InfoDescribesTitleParametersElementsAndExperiments)
{
    ASSERT_EQ(run({"info", m_file}), 0) << err.str();
    const std::string text = out.str();
    for (const char* expected : {"Title: silica", "Model:", "Homogeneous", "Excitation:", "Mg K   (1253.6 eV)",
                                 "Cross sections:", "User defined data", "Experiments: 2", "Si", "2p", "531.0"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(CliFiles, CheckExitsOneOnlyWhenTheElementTableHasFindings)
{
    ASSERT_EQ(run({"check", m_file}), 0) << out.str();
    EXPECT_EQ(out.str(), "no findings\n");

    m_source.doc().ElLine[2] = "1p";  // no p subshell in shell 1
    test::WriteDataFile(m_source.doc(), m_file);
    EXPECT_EQ(run({"check", m_file}), 1);
    EXPECT_NE(out.str().find("Invalid line notation at element O"), std::string::npos) << out.str();
}

TEST_F(CliFiles, ConvertWritesATemplateThatKeepsTheSetUpButNoIntensities)
{
    const std::string templ = (m_folder / "silica.lvt").string();
    ASSERT_EQ(run({"convert", m_file, templ}), 0) << err.str();
    test::TestSession t;
    const OpenedFile opened = OpenDocumentFile(t.session, templ);
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.kind, LoadedFileKind::TemplateFile);
    EXPECT_EQ(t.doc().ElemCount, 2);
    EXPECT_EQ(t.doc().ElSymbol[1].trimmedText(), "Si");
    EXPECT_EQ(t.doc().Intensity[1][1], kEmptyValue);

    EXPECT_EQ(run({"convert", m_file, (m_folder / "x.txt").string()}), 2);
    EXPECT_EQ(run({"convert", (m_folder / "none.lvd").string(), templ}), 1);
}

}  // namespace
}  // namespace slv
