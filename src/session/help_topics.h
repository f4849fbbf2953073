// The help topic of each window: the table that the help folder keeps
// (topics.tsv: a window's caption, a tab, the page with an optional
// #anchor), and the page F1 and Context Help open for a window or for one
// part of it ("Parameters / IMFP"), falling back to the window's own topic
// and then to the contents.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace slv {

inline constexpr const char* kHelpContents = "index.html";
inline constexpr const char* kHelpTopicsFile = "topics.tsv";

class HelpTopics {
public:
    HelpTopics() = default;
    /// The table's text; comment lines (#) and lines without a tab are passed over.
    explicit HelpTopics(std::string_view table);

    /// The page of a window's caption and, when given, the part of it.
    std::string topicOf(std::string_view caption, std::string_view part = {}) const;
    std::size_t size() const { return m_topics.size(); }

private:
    std::map<std::string, std::string, std::less<>> m_topics;
};

}  // namespace slv
