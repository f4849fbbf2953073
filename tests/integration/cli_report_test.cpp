// selvaro-cli report as a user runs it: the PDF it writes, turned back into
// text with pdftotext, shows the header, the parameters and the tables with
// the numbers selvaro-cli quantify and fit give; bad requests leave no PDF
// and an existing file as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "support/cli_fixture.h"
#include "support/report_documents.h"
#include "support/run_cli_binary.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(SLV_SOURCE_DIR) / "examples";

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> words(const std::string& line, char separator = ' ')
{
    std::vector<std::string> found;
    std::istringstream in(line);
    for (std::string word; std::getline(in, word, separator);)
        if (!word.empty())
            found.push_back(word);
    return found;
}

class CliReport : public test::CliFixture {
protected:
    /// Runs report on a file (an example when the path is relative) into
    /// out.pdf; the PDF as pdftotext -layout reads it.
    std::string report(const fs::path& file, const std::string& options = "")
    {
        const fs::path pdf = m_folder / "out.pdf";
        const test::CliRun run = test::RunCliBinary(
            "report '" + (kExamples / file).string() + "' --pdf '" + pdf.string() + "' " + options, true);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(run.output, "");
        const test::CliRun text = test::RunShell("pdftotext -layout '" + pdf.string() + "' - 2>&1");
        EXPECT_EQ(text.exitCode, 0) << text.output;
        return text.output;
    }

    /// The rows of a table in the text: after its title, the lines that start
    /// with an experiment number, as words.
    static std::vector<std::vector<std::string>> tableRows(const std::string& text, const std::string& title)
    {
        const auto lines = splitLines(text);
        std::vector<std::vector<std::string>> rows;
        auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l == title; });
        EXPECT_NE(line, lines.end()) << title;
        for (int expected = 1; line != lines.end(); ++line) {
            const auto cells = words(*line);
            if (!cells.empty() && cells.front() == std::to_string(expected)) {
                rows.push_back(cells);
                ++expected;
            } else if (expected > 1 && !cells.empty()) {
                break;
            }
        }
        return rows;
    }
};

TEST_F(CliReport, ResultTablesCarryTheNumbersOfQuantify)
{
    for (int type = 0; type < 8; ++type) {
        const test::CliRun csv = test::RunCliBinary("quantify '" + (kExamples / "float_glass.lvd").string() +
                                                    "' --format csv --type " + std::to_string(type));
        ASSERT_EQ(csv.exitCode, 0);
        const auto csvLines = splitLines(csv.output);
        const std::vector<std::string> names = {"Atomic %", "Atomic ratio", "Oxide molar %", "Oxide molar ratio",
                                                "Mass %",   "Mass ratio",   "Oxide mass %",  "Oxide mass ratio"};
        const auto rows = tableRows(report("float_glass.lvd", "--sections '" + names[type] + "'"), names[type]);
        ASSERT_EQ(rows.size(), csvLines.size() - 1) << names[type];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            // The CSV row without its blank cells: number, the name "spot A" in two words, the values.
            std::vector<std::string> expected;
            for (const auto& cell : words(csvLines[i + 1], ','))
                for (const auto& word : words(cell))
                    expected.push_back(word);
            EXPECT_EQ(rows[i], expected) << names[type] << " row " << i + 1;
        }
    }
}

TEST_F(CliReport, StructuredSampleShowsItsModelAndTheOxideThickness)
{
    const std::string text = report("sio2_on_si.lvd");
    for (const char* title : {"Model data", "Atom locations", "IMFP values", "Layer thickness (nm)", "Oxide-Layer"})
        EXPECT_NE(text.find(title), std::string::npos) << title;
    const test::CliRun fit = test::RunCliBinary("fit '" + (kExamples / "sio2_on_si.lvd").string() + "'");
    ASSERT_EQ(fit.exitCode, 0);
    const auto rows = tableRows(text, "Layer thickness (nm)");
    const auto fitLines = splitLines(fit.output);
    ASSERT_EQ(rows.size(), fitLines.size() - 2);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].back(), words(fitLines[i + 2]).back()) << i;
}

TEST_F(CliReport, AFullDataSetWithEverySection)
{
    test::TestSession t;
    test::FillReportDocument(t.doc());
    const fs::path data = m_folder / "batch17.lvd";
    test::WriteDataFile(t.doc(), data);
    const std::string text = report(data, "--sections parameters,elements,intensity,imfp,model,notes,filename,"
                                          "'Atomic %,Atomic ratio,Oxide molar %,Oxide molar ratio,Mass %,Mass ratio',"
                                          "'Oxide mass %,Oxide mass ratio'");
    // The sections in their order, each title on a line of its own (after a page break or not).
    std::size_t at = 0;
    for (const char* title :
         {"Parameters", "Elements", "Intensity", "IMFP & Contamination", "Atomic %", "Atomic ratio", "Oxide molar %",
          "Oxide molar ratio", "Mass %", "Mass ratio", "Oxide mass %", "Oxide mass ratio", "Notes"}) {
        const std::size_t onLine = text.find("\n" + std::string(title) + "\n", at);
        const std::size_t onNewPage = text.find("\f" + std::string(title) + "\n", at);
        ASSERT_TRUE(onLine != std::string::npos || onNewPage != std::string::npos) << title;
        at = std::min(onLine, onNewPage) + 1;
    }
    // Each of the ten experiment tables lists its 40 experiments in three stacked blocks.
    int spot40 = 0;
    for (const auto& line : splitLines(text))
        spot40 += line.find("spot 40") != std::string::npos ? 1 : 0;
    EXPECT_EQ(spot40, 10 * 3);
    EXPECT_NE(text.find("adventitious carbon"), std::string::npos);

    // The header, the parameter labels and an 8-bit caption as the PDF shows them.
    EXPECT_NE(text.find("XPS Selvaro"), std::string::npos);
    EXPECT_NE(text.find("Glass batch 17, all spots"), std::string::npos);
    // pdftotext gives the blanks between "File:" and the name as it measures the gap.
    EXPECT_TRUE(std::regex_search(text, std::regex("File: +batch17\\.lvd")));
    for (const char* label : {"Model:", "Multiline approach:", "Excitation:", "Cross sections:", "IMFP correction:",
                              "Angular correction:", "Transmission:", "Contamination correction:",
                              "Temp. (\xC2\xB0"
                              "C)"})
        EXPECT_NE(text.find(label), std::string::npos) << label;
}

TEST_F(CliReport, RefusalsLeaveNoPdfAndTheOldFileAsItWas)
{
    struct Case {
        const char* name;
        std::string input;
        std::string output;
        std::string options;
        int exitCode;
        std::string message;
    };
    const fs::path existing = m_folder / "kept.pdf";
    const std::vector<Case> cases = {
        {"UnknownSection", "float_glass.lvd", existing.string(), "--sections parameters,bogus", 2, "bogus"},
        {"MissingInput", "no_such_file.lvd", existing.string(), "", 1, "not found"},
        {"NoFolder", "float_glass.lvd", (m_folder / "missing" / "r.pdf").string(), "", 1, "could not be written"},
        {"NoPdfOption", "float_glass.lvd", "", "", 2, "--pdf"},
    };
    for (const auto& c : cases) {
        std::ofstream(existing) << "old report";
        const std::string pdf = c.output.empty() ? "" : " --pdf '" + c.output + "'";
        const test::CliRun run =
            test::RunCliBinary("report '" + (kExamples / c.input).string() + "'" + pdf + " " + c.options, true);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.name << ": " << run.output;
        std::ifstream in(existing);
        std::string kept;
        std::getline(in, kept);
        EXPECT_EQ(kept, "old report") << c.name;
        EXPECT_FALSE(fs::exists(m_folder / "missing")) << c.name;
    }
}

}  // namespace
}  // namespace slv
