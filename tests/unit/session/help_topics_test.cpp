// The help topic a window opens with F1: its caption's page, a part's own
// page before the window's, the contents for anything unknown, and the
// topic table of the help folder read as the program reads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "session/help_topics.h"

namespace slv {
namespace {

TEST(HelpTopics, ATabsPageComesFirstThenTheWindowsThenTheContents)
{
    const HelpTopics topics("# comment\tnot.html\r\nChart\tchart.html\r\nParameters\tparameters.html\n"
                            "Parameters / IMFP\tparameters.html#imfp\nno tab here\nEmpty\t  \n");
    EXPECT_EQ(topics.size(), 3u);
    EXPECT_EQ(topics.topicOf("Chart"), "chart.html");
    EXPECT_EQ(topics.topicOf("Parameters", "IMFP"), "parameters.html#imfp");
    EXPECT_EQ(topics.topicOf("Parameters", "Labels"), "parameters.html");
    EXPECT_EQ(topics.topicOf("Empty"), "index.html");
    EXPECT_EQ(topics.topicOf("# comment"), "index.html");
    EXPECT_EQ(HelpTopics().topicOf("Chart"), "index.html");
}

TEST(HelpTopics, TheHelpFoldersTableServesTheWindowsOfThisProgram)
{
    std::ifstream in(std::filesystem::path(SLV_SOURCE_DIR) / "help" / "topics.tsv", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const HelpTopics topics(text.str());
    EXPECT_EQ(topics.topicOf("XPS Selvaro Notes"), "notes.html");
    EXPECT_EQ(topics.topicOf("XPS Selvaro Transmission", "File format"), "ref_transmission_files.html");
    EXPECT_EQ(topics.topicOf("Print Options"), "print.html#print-options");
    EXPECT_EQ(topics.topicOf("IMFP & Contamination", "Model"), "imfp_contamination.html#model");
}

}  // namespace
}  // namespace slv
