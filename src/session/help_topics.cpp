#include "session/help_topics.h"

#include "platform/fixed_text.h"

namespace slv {

namespace {
constexpr std::string_view kPartSeparator = " / ";
}  // namespace

HelpTopics::HelpTopics(std::string_view table)
{
    std::size_t start = 0;
    while (start < table.size()) {
        std::size_t end = table.find('\n', start);
        if (end == std::string_view::npos)
            end = table.size();
        std::string_view line = table.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto tab = line.find('\t');
        if (line.empty() || line.front() == '#' || tab == std::string_view::npos)
            continue;
        const std::string_view page = trimmed(line.substr(tab + 1));
        if (!page.empty())
            m_topics.emplace(std::string(trimmed(line.substr(0, tab))), std::string(page));
    }
}

std::string HelpTopics::topicOf(std::string_view caption, std::string_view part) const
{
    if (!part.empty()) {
        const std::string key = std::string(caption) + std::string(kPartSeparator) + std::string(part);
        if (const auto it = m_topics.find(key); it != m_topics.end())
            return it->second;
    }
    if (const auto it = m_topics.find(caption); it != m_topics.end())
        return it->second;
    return kHelpContents;
}

}  // namespace slv
