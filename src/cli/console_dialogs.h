// The command line's answer to the program's message boxes: nothing is asked
// interactively. Every message goes to the error stream, prefixed by its kind
// ("error:", "warning:", "question:", "note:"), and a question is answered
// with its default button, which is said on the same line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/user_dialogs.h"

namespace slv::cli {

class ConsoleDialogs final : public UserDialogs {
public:
    explicit ConsoleDialogs(std::ostream& err) : m_err(err) {}

    DialogAnswer message(const MessageRequest& request) override;
    std::optional<std::string> inputBox(const InputRequest& request) override;
    std::optional<int> chooseLine(const LineChoiceRequest& request) override;
    void beep() override {}

    /// Whether any message with the critical icon was shown.
    bool anyError() const { return m_errors > 0; }
    /// Every message text shown, as the program would show it.
    const std::vector<std::string>& shown() const { return m_shown; }

private:
    std::ostream& m_err;
    int m_errors = 0;
    std::vector<std::string> m_shown;
};

/// A message text as one readable terminal paragraph: UTF-8, CR LF as line
/// breaks, the blanks that end the program's message fragments removed, and
/// no control characters (a message may quote a file's text).
std::string ConsoleText(const std::string& messageText);

}  // namespace slv::cli
