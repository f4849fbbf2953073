// selvaro-cli quantify, check and convert on a small silica data set: the
// text and CSV forms, the element findings and the exit codes. The JSON form
// of every command on the examples is pinned by the golden records.
#include "session/open_file.h"
#include "support/cli_fixture.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

class CliQuantify : public test::CliFixture {
protected:
    void SetUp() override
    {
        CliFixture::SetUp();
        file = temp("silica.lvd");
        test::FillSiliconOxide(m_source.doc());
        test::WriteDataFile(m_source.doc(), file);
    }

    test::TestSession m_source;
    std::string file;
};

TEST_F(CliQuantify, TextAndCsvShowTheWindowsMasksAndRatiosUseTheReference)
{
    ASSERT_EQ(run({"quantify", file}), 0) << err.str();
    for (const char* expected : {"Time (min)", "30.0", "70.0"})
        EXPECT_NE(out.str().find(expected), std::string::npos) << expected << "\n" << out.str();

    ASSERT_EQ(run({"quantify", file, "--type", "1", "--ref", "2", "--value", "2", "--format", "csv"}), 0);
    EXPECT_EQ(out.str(), ",Time (min),Si,O\n1,10,0.86,2.00\n2,20,0.67,2.00\n");
    // A result type by its name. 70 measured O atoms against 2 x 30 required: balance 7/6; O itself has no oxide.
    EXPECT_EQ(run({"quantify", file, "--type", "Oxide molar %", "--format", "csv"}), 0);
    EXPECT_EQ(out.str(), ",Time (min),SiO2,O,O balance\n1,10,100.0,,1.17\n2,20,100.0,,1.50\n");
}

TEST_F(CliQuantify, BadUsageAndUnusableFilesAreToldApart)
{
    EXPECT_EQ(run({"quantify", file, "--type", "Bogus %"}), 2);
    EXPECT_EQ(run({"quantify", file, "--format", "xml"}), 2);
    EXPECT_EQ(run({"quantify"}), 2);
    EXPECT_EQ(run({"quantify", file, "--ref", "9"}), 2);
    EXPECT_EQ(run({"quantify", temp("missing.lvd")}), 1);
    EXPECT_NE(err.str().find("error:"), std::string::npos);
}

TEST_F(CliQuantify, CheckExitsOneOnlyWhenTheElementTableHasFindings)
{
    m_source.doc().ElLine[2] = "1p";  // no p subshell in shell 1
    test::WriteDataFile(m_source.doc(), file);
    EXPECT_EQ(run({"check", file}), 1);
    EXPECT_NE(out.str().find("Invalid line notation at element O"), std::string::npos) << out.str();
}

TEST_F(CliQuantify, ConvertWritesATemplateThatKeepsTheSetUpButNoIntensities)
{
    const std::string templ = temp("silica.lvt");
    ASSERT_EQ(run({"convert", file, templ}), 0) << err.str();
    test::TestSession t;
    const OpenedFile opened = OpenDocumentFile(t.session, templ);
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.kind, LoadedFileKind::TemplateFile);
    EXPECT_EQ(t.doc().ElemCount, 2);
    EXPECT_EQ(t.doc().ElSymbol[1].trimmedText(), "Si");
    EXPECT_EQ(t.doc().Intensity[1][1], kEmptyValue);

    EXPECT_EQ(run({"convert", file, temp("x.txt")}), 2);
    EXPECT_EQ(run({"convert", temp("none.lvd"), templ}), 1);
}

}  // namespace
}  // namespace slv
