#include "cli/console_dialogs.h"

#include <ostream>

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
    return AnsiToUtf8(lines);
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
