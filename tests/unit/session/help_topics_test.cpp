// The help topic a window opens with F1: its caption's page, a part's own
// page before the window's, the contents for anything unknown. The help
// folder's own table is checked with the help pages.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace slv
