// What a piece of work found, as data: every message the analyst is to see,
// in the order the work met it, with its kind and its exact text. The core
// returns findings to its caller instead of showing them; a front end presents
// them (the desktop program in message boxes, the command line on the error
// stream and in its JSON output).
//
// Work that must ask the analyst something before it can go on (whether a
// moved transmission file's new place is to be kept, which library line an
// element row means) asks through its Findings. A Findings given a UserDialogs
// first presents what it collected so far, so that the analyst sees every
// message in the order the work met it, and then asks; without one, the
// question takes its default answer. Either way the question and its answer
// are kept in the list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_dialogs.h"

namespace slv {

/// Finding texts break their lines with CR LF and most end in four blanks.
inline constexpr std::string_view kFindingLineBreak = "\r\n";
inline constexpr std::string_view kFindingTail = "    ";

/// The icon a message box shows: error (critical), warning (exclamation),
/// note (information), question.
enum class FindingKind { Error, Warning, Note, Question };

struct Finding {
    FindingKind kind = FindingKind::Error;
    /// The whole message as the analyst sees it, trailing blanks included.
    std::string text;
    /// For a message that gathers findings under a heading ("Results
    /// error(s):"): the heading, and each finding without its leading "- "
    /// and its trailing blanks.
    std::string heading;
    std::vector<std::string> items;
    /// The buttons the message offers and the default among them.
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 0;
    /// The information sound follows the message.
    bool beep = false;
    /// The button pressed, once the message was shown or the question answered.
    std::optional<DialogAnswer> answer;
    /// Kept but not shown: the same report was shown just before.
    bool suppressed = false;

    friend bool operator==(const Finding&, const Finding&) = default;
};

MessageIcon IconOf(FindingKind kind);

class Findings {
public:
    /// Findings whose questions take their default answers.
    Findings() = default;
    /// Findings that ask their questions through dialogs.
    explicit Findings(UserDialogs& dialogs) : m_dialogs(&dialogs) {}

    void add(Finding finding);
    void error(std::string text);
    void warning(std::string text);
    void note(std::string text);
    /// Appends what another piece of work found, in its order.
    void append(const Findings& other);

    /// Asks the analyst: presents the findings not yet presented, then the
    /// question, and returns the button pressed.
    DialogAnswer ask(Finding question);
    /// Lets the analyst pick one of several lines (presenting the findings
    /// before it first); nullopt when cancelled or when nobody can be asked.
    std::optional<int> chooseLine(const LineChoiceRequest& request);

    const std::vector<Finding>& all() const { return m_all; }
    bool empty() const { return m_all.empty(); }
    std::size_t size() const { return m_all.size(); }
    const Finding& operator[](std::size_t i) const { return m_all[i]; }
    const Finding& front() const { return m_all.front(); }
    const Finding& back() const { return m_all.back(); }
    Finding& back() { return m_all.back(); }
    bool any(FindingKind kind) const;
    /// The texts in order, for tests and logs.
    std::vector<std::string> texts() const;

    /// Presents, through dialogs, every finding not yet presented (but not a
    /// suppressed one), and keeps the buttons pressed. Returns the answer of
    /// the last one presented.
    std::optional<DialogAnswer> presentTo(UserDialogs& dialogs);
    /// Marks every finding as presented without showing it.
    void markPresented() { m_presented = m_all.size(); }

private:
    std::vector<Finding> m_all;
    std::size_t m_presented = 0;
    UserDialogs* m_dialogs = nullptr;
};

/// One message box for a finding; returns the button pressed.
DialogAnswer Present(UserDialogs& dialogs, const Finding& finding);

/// A single message of one kind.
Finding MessageFinding(FindingKind kind, std::string text);

/// The lines of a gathered message ("- finding    \r\n" each) as items:
/// every line that is not blank, without a leading "- " and without the
/// blanks around it.
std::vector<std::string> ItemsOf(std::string_view lines);

}  // namespace slv
