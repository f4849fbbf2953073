// The help pages that the desktop program shows in its help window: every link
// leads to a page and an anchor that exist, every page can be reached from the
// contents, the pages keep to what a QTextBrowser renders (relative links, no
// scripts, plain ASCII with character entities, properly closed elements), and
// every window of the program has its F1 topic in help/topics.tsv.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <queue>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kHelpFolder = fs::path(SLV_SOURCE_DIR) / "help";
const std::string kContents = "index.html";
const std::string kStyleSheet = "style.css";

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> allMatches(const std::string& text, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str());
    return found;
}

std::vector<std::string> linksOf(const std::string& html)
{
    static const std::regex link(R"re((?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
    return allMatches(html, link);
}

std::set<std::string> anchorsOf(const std::string& html)
{
    static const std::regex name(R"re(<a\s[^>]*name\s*=\s*"([^"]*)")re", std::regex::icase);
    static const std::regex id(R"re(\sid\s*=\s*"([^"]*)")re", std::regex::icase);
    std::set<std::string> anchors;
    for (const auto& a : allMatches(html, name))
        anchors.insert(a);
    for (const auto& a : allMatches(html, id))
        anchors.insert(a);
    return anchors;
}

struct Page {
    std::string text;
    std::set<std::string> anchors;
};

std::map<std::string, Page> loadPages()
{
    std::map<std::string, Page> pages;
    for (const auto& entry : fs::directory_iterator(kHelpFolder))
        if (entry.path().extension() == ".html") {
            Page page{readFile(entry.path()), {}};
            page.anchors = anchorsOf(page.text);
            pages.emplace(entry.path().filename().string(), std::move(page));
        }
    return pages;
}

/// A link split into the file it names (the linking page for "#anchor") and its
/// anchor.
struct Target {
    std::string file;
    std::string anchor;
};

Target targetOf(const std::string& fromPage, const std::string& link)
{
    const auto hash = link.find('#');
    Target target{link.substr(0, hash), hash == std::string::npos ? "" : link.substr(hash + 1)};
    if (target.file.empty())
        target.file = fromPage;
    return target;
}

/// Why a link cannot work in the installed help folder, or "" when it can.
std::string linkFault(const std::string& link)
{
    if (link.find(':') != std::string::npos)
        return "names a scheme or drive (only relative links reach the installed "
               "pages)";
    if (!link.empty() && link.front() == '/')
        return "is absolute";
    if (link.find('\\') != std::string::npos)
        return "uses a backslash";
    if (link.find("..") != std::string::npos)
        return "leaves the help folder";
    return "";
}

/// Why a target does not exist, or "" when it does.
std::string targetFault(const Target& target, const std::map<std::string, Page>& pages)
{
    if (!fs::exists(kHelpFolder / target.file))
        return "no file " + target.file;
    if (target.anchor.empty())
        return "";
    const auto page = pages.find(target.file);
    if (page == pages.end() || page->second.anchors.count(target.anchor) == 0)
        return "no anchor #" + target.anchor + " in " + target.file;
    return "";
}

/// The first element that is closed out of order or left open, or "" when all
/// elements that need a closing tag have one (void elements need none). The
/// help window also ends a list at a table inside a list item or definition,
/// so such a table must be the last thing in it.
std::string elementFault(const std::string& html)
{
    static const std::set<std::string> kVoid = {"!doctype", "meta", "link", "br", "hr", "img"};
    static const std::regex tag(R"re(<(/?)(!?[a-zA-Z][a-zA-Z0-9]*)[^>]*>)re");
    std::vector<std::string> open;
    std::size_t endOfNestedTable = std::string::npos;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag); it != std::sregex_iterator(); ++it) {
        const auto position = static_cast<std::size_t>(it->position());
        const bool closing = (*it)[1].length() != 0;
        std::string name = (*it)[2].str();
        for (auto& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (endOfNestedTable != std::string::npos) {
            const auto between = html.substr(endOfNestedTable, position - endOfNestedTable);
            if (!closing || name != open.back() || between.find_first_not_of(" \t\r\n") != std::string::npos)
                return "something follows a table inside <" + open.back() + ">";
            endOfNestedTable = std::string::npos;
        }
        if (kVoid.count(name) != 0)
            continue;
        if (!closing) {
            open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return "</" + name + "> closes " + (open.empty() ? "nothing" : "<" + open.back() + ">");
        } else {
            open.pop_back();
            if (name == "table" && !open.empty() && (open.back() == "li" || open.back() == "dd"))
                endOfNestedTable = position + static_cast<std::size_t>(it->length());
        }
    }
    return open.empty() ? "" : "<" + open.back() + "> is never closed";
}

/// Why a page would not show as written in the help window, or "".
std::string renderingFault(const std::string& html)
{
    for (const unsigned char c : html)
        if (c >= 0x80)
            return "holds a byte outside ASCII; write characters as entities";
    static const std::regex script(R"re(<script|javascript:|\son[a-z]+\s*=)re", std::regex::icase);
    if (std::regex_search(html, script))
        return "holds a script";
    static const std::regex title(R"re(<title>[^<]+</title>)re", std::regex::icase);
    if (!std::regex_search(html, title))
        return "has no title";
    if (html.find("href=\"" + kStyleSheet + "\"") == std::string::npos)
        return "does not use the style sheet";
    return elementFault(html);
}

TEST(HelpPageChecks, FindTheFaultsTheyAreMeantToFind)
{
    const std::string page = "<html><head><title>T</title><link href=\"style.css\"></head><body>";
    for (const std::string& fault :
         {linkFault("http://example.org/x.html"), linkFault("/usr/share/help/x.html"), linkFault("../README.md"),
          elementFault("<b><tt>x</b></tt>"), elementFault("<ul><li>x</li>"),
          elementFault("<ol><li><table><tr><td>1</td></tr></table>so</li></ol>"),
          renderingFault(page + "<p onclick=\"x()\">y</p></body></html>"),
          renderingFault(page + "<p>\xc2\xb0</p></body></html>")})
        EXPECT_FALSE(fault.empty());
    EXPECT_EQ(elementFault("<dl><dd>so: <table><tr><td>1</td></tr></table></dd></dl>"), "");
    EXPECT_EQ(renderingFault(page + "<p>&lambda;<br></p></body></html>"), "");
}

TEST(HelpPages, EveryLinkLeadsToAPageAndAnchorThatExist)
{
    const auto pages = loadPages();
    ASSERT_GT(pages.size(), 30u);
    std::size_t links = 0;
    for (const auto& [name, page] : pages)
        for (const auto& link : linksOf(page.text)) {
            ++links;
            const std::string fault = linkFault(link);
            EXPECT_EQ(fault, "") << name << ": link \"" << link << "\"";
            if (fault.empty()) {
                EXPECT_EQ(targetFault(targetOf(name, link), pages), "") << name << ": link \"" << link << "\"";
            }
        }
    EXPECT_GT(links, 300u);
}

TEST(HelpPages, EveryPageCanBeReachedFromTheContents)
{
    const auto pages = loadPages();
    std::set<std::string> reached{kContents};
    std::queue<std::string> toVisit;
    toVisit.push(kContents);
    while (!toVisit.empty()) {
        const auto page = pages.find(toVisit.front());
        toVisit.pop();
        if (page == pages.end())
            continue;
        for (const auto& link : linksOf(page->second.text)) {
            const std::string file = targetOf(page->first, link).file;
            if (reached.insert(file).second)
                toVisit.push(file);
        }
    }
    for (const auto& [name, page] : pages)
        EXPECT_EQ(reached.count(name), 1u) << name << " is not reachable from " << kContents;
}

TEST(HelpPages, ShowInTheHelpWindowAsWritten)
{
    for (const auto& [name, page] : loadPages())
        EXPECT_EQ(renderingFault(page.text), "") << name;
}

struct Topic {
    std::string caption;
    std::string target;
};

std::vector<Topic> readTopics()
{
    std::ifstream in(kHelpFolder / "topics.tsv");
    std::vector<Topic> topics;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        const auto tab = line.find('\t');
        EXPECT_NE(tab, std::string::npos) << "no tab in \"" << line << "\"";
        EXPECT_EQ(line.find('\t', tab + 1), std::string::npos) << "more than two fields in \"" << line << "\"";
        if (tab != std::string::npos)
            topics.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return topics;
}

TEST(HelpTopics, EveryTopicLeadsToAPageAndATabFallsBackToItsWindow)
{
    const auto pages = loadPages();
    const auto topics = readTopics();
    ASSERT_FALSE(topics.empty());
    std::set<std::string> captions;
    for (const auto& topic : topics) {
        EXPECT_TRUE(captions.insert(topic.caption).second) << "\"" << topic.caption << "\" is listed twice";
        EXPECT_EQ(linkFault(topic.target), "") << topic.caption;
        EXPECT_EQ(targetFault(targetOf(kContents, topic.target), pages), "") << topic.caption;
    }
    for (const auto& topic : topics) {
        const auto slash = topic.caption.find(" / ");
        if (slash != std::string::npos) {
            EXPECT_EQ(captions.count(topic.caption.substr(0, slash)), 1u) << topic.caption;
        }
    }
}

TEST(HelpTopics, EveryWindowOfTheProgramHasATopic)
{
    // The captions the windows of the desktop program show, and the tabs of the
    // Parameters dialog; F1 in any of them must find its page.
    const std::string kWindows =
        "XPS Selvaro;Elements;Intensity;IMFP & Contamination;Composition;Layer Thickness;Chart;Model;Model Layout;"
        "Parameters;XPS Selvaro Notes;XPS Selvaro Transmission;Data Wizard;Print;Print Options;About XPS Selvaro;"
        "Intensity Simulation;Layer Calculation;Model Summary;Polyhedron Editor;Applied IMFP;Transmission Function;"
        "Parameters / General;Parameters / Cross section;Parameters / IMFP;Parameters / Angular;"
        "Parameters / Transmission;Parameters / Contamination;Parameters / Model;Parameters / Labels";
    std::set<std::string> captions;
    for (const auto& topic : readTopics())
        captions.insert(topic.caption);
    std::istringstream windows(kWindows);
    for (std::string window; std::getline(windows, window, ';');)
        EXPECT_EQ(captions.count(window), 1u) << "no topic for \"" << window << "\"";
}

}  // namespace
