#include "cli/console_dialogs.h"

#include <algorithm>
#include <ostream>

#include "cli/printable_text.h"
#include "platform/text_encoding.h"

namespace slv::cli {

namespace {

const char* kindOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return "error";
    case MessageIcon::Exclamation: return "warning";
    case MessageIcon::Question: return "question";
    default: return "note";
    }
}

const char* wordOf(DialogAnswer answer)
{
    switch (answer) {
    case DialogAnswer::Ok: return "OK";
    case DialogAnswer::Cancel: return "Cancel";
    case DialogAnswer::Yes: return "Yes";
    case DialogAnswer::No: return "No";
    case DialogAnswer::Retry: return "Retry";
    case DialogAnswer::Abort: return "Abort";
    case DialogAnswer::Ignore: return "Ignore";
    }
    return "OK";
}

}  // namespace

std::string ConsoleText(const std::string& messageText)
{
    std::string lines;
    std::string line;
    auto endLine = [&] {
        const auto end = line.find_last_not_of(' ');
        lines += line.substr(0, end == std::string::npos ? 0 : end + 1);
        lines += '\n';
        line.clear();
    };
    for (const char c : messageText) {
        if (c == '\r')
            continue;
        if (c == '\n')
            endLine();
        else
            line += c;
    }
    endLine();
    while (lines.size() > 1 && lines[lines.size() - 1] == '\n' && lines[lines.size() - 2] == '\n')
        lines.pop_back();
    if (!lines.empty() && lines.back() == '\n')
        lines.pop_back();
    // A message may quote a file's text: its control characters are not passed on.
    const std::string utf8 = AnsiToUtf8(lines);
    std::string shown;
    for (std::size_t start = 0; start <= utf8.size();) {
        const std::size_t end = std::min(utf8.find('\n', start), utf8.size());
        shown += PrintableText(std::string_view(utf8).substr(start, end - start));
        if (end < utf8.size())
            shown += '\n';
        start = end + 1;
    }
    return shown;
}

DialogAnswer ConsoleDialogs::message(const MessageRequest& request)
{
    m_shown.push_back(request.text);
    if (request.icon == MessageIcon::Critical)
        ++m_errors;
    const auto offered = answersOf(request.buttons);
    const auto index = static_cast<std::size_t>(request.defaultButton);
    const DialogAnswer answer = index < offered.size() ? offered[index] : offered.front();
    m_err << kindOf(request.icon) << ": " << ConsoleText(request.text);
    if (offered.size() > 1)
        m_err << " [answered " << wordOf(answer) << "]";
    m_err << "\n";
    return answer;
}

std::optional<std::string> ConsoleDialogs::inputBox(const InputRequest& request)
{
    m_err << "question: " << ConsoleText(request.prompt) << " [cancelled: no input on the command line]\n";
    return std::nullopt;
}

std::optional<int> ConsoleDialogs::chooseLine(const LineChoiceRequest& request)
{
    m_err << "question: " << ConsoleText(request.prompt) << " [cancelled: no choice on the command line]\n";
    return std::nullopt;
}

}  // namespace slv::cli
