#include "platform/findings.h"

#include <algorithm>

#include "platform/fixed_text.h"

namespace slv {

MessageIcon IconOf(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Error: return MessageIcon::Critical;
    case FindingKind::Warning: return MessageIcon::Exclamation;
    case FindingKind::Note: return MessageIcon::Information;
    case FindingKind::Question: return MessageIcon::Question;
    }
    return MessageIcon::None;
}

Finding MessageFinding(FindingKind kind, std::string text)
{
    Finding finding;
    finding.kind = kind;
    finding.text = std::move(text);
    return finding;
}

void Findings::add(Finding finding)
{
    m_all.push_back(std::move(finding));
}

void Findings::error(std::string text)
{
    add(MessageFinding(FindingKind::Error, std::move(text)));
}

void Findings::warning(std::string text)
{
    add(MessageFinding(FindingKind::Warning, std::move(text)));
}

void Findings::note(std::string text)
{
    add(MessageFinding(FindingKind::Note, std::move(text)));
}

void Findings::append(const Findings& other)
{
    m_all.insert(m_all.end(), other.m_all.begin(), other.m_all.end());
}

DialogAnswer Findings::ask(Finding question)
{
    if (m_dialogs != nullptr) {
        presentTo(*m_dialogs);
        question.answer = Present(*m_dialogs, question);
        m_all.push_back(std::move(question));
        markPresented();
        return *m_all.back().answer;
    }
    const auto offered = answersOf(question.buttons);
    const auto index = static_cast<std::size_t>(question.defaultButton);
    question.answer = index < offered.size() ? offered[index] : offered.front();
    m_all.push_back(std::move(question));
    return *m_all.back().answer;
}

std::optional<int> Findings::chooseLine(const LineChoiceRequest& request)
{
    if (m_dialogs == nullptr)
        return std::nullopt;
    presentTo(*m_dialogs);
    return m_dialogs->chooseLine(request);
}

bool Findings::any(FindingKind kind) const
{
    return std::any_of(m_all.begin(), m_all.end(), [kind](const Finding& f) { return f.kind == kind; });
}

std::vector<std::string> Findings::texts() const
{
    std::vector<std::string> texts;
    for (const Finding& finding : m_all)
        texts.push_back(finding.text);
    return texts;
}

std::optional<DialogAnswer> Findings::presentTo(UserDialogs& dialogs)
{
    std::optional<DialogAnswer> last;
    for (; m_presented < m_all.size(); ++m_presented) {
        Finding& finding = m_all[m_presented];
        if (finding.suppressed)
            continue;
        if (!finding.answer)
            finding.answer = Present(dialogs, finding);
        last = finding.answer;
    }
    return last;
}

DialogAnswer Present(UserDialogs& dialogs, const Finding& finding)
{
    const DialogAnswer answer =
        dialogs.message({finding.text, IconOf(finding.kind), finding.buttons, finding.defaultButton, {}});
    if (finding.beep)
        dialogs.beep();
    return answer;
}

std::vector<std::string> ItemsOf(std::string_view lines)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = lines.size();
        std::string_view line = trimmed(lines.substr(start, end - start));
        if (line.starts_with("- "))
            line = trimmed(line.substr(2));
        if (!line.empty())
            items.emplace_back(line);
        start = end + 1;
    }
    return items;
}

}  // namespace slv
