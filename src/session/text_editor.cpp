#include "session/text_editor.h"

#include <limits>
#include <span>

#include "document/file_bytes.h"
#include "document/file_error.h"
#include "quant/transmission_file.h"
#include "report/report_text.h"

namespace slv {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
/// The notes are a counted text of the data file.
constexpr std::size_t kMaxNotesBytes = std::numeric_limits<Integer>::max();

std::string lineFeedsOnly(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            shown += text[i];
    return shown;
}

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

TextEditor::TextEditor(Session& session) : TextEditor(session, EditorMode::Notes, session.doc().NotesText, {}) {}

TextEditor::TextEditor(Session& session, EditorMode mode, std::string stored, std::filesystem::path file)
    : m_session(&session),
      m_mode(mode),
      m_shown(lineFeedsOnly(stored)),
      m_file(std::move(file))
{
    // Notes are written with CR LF; a transmission file keeps the line ends it has.
    const bool crLf = mode == EditorMode::Notes || stored.find(kCrLf) != std::string::npos;
    m_lineEnd = crLf ? kCrLf : kLf;
}

std::optional<TextEditor> TextEditor::ForTransmissionFile(Session& session, std::string& path)
{
    Findings findings(session.dialogs());
    std::filesystem::path readFrom;
    auto text = OpenTransmissionFile(path, session.environment().programFolder, findings, &readFrom);
    if (text && text->size() > kMaxTransmissionFileBytes) {
        findings.error(kNotAnEditableTransmissionFile);
        text.reset();
    }
    session.present(findings);
    if (!text)
        return std::nullopt;
    return TextEditor(session, EditorMode::Transmission, std::move(*text), std::move(readFrom));
}

const char* TextEditor::caption() const
{
    return m_mode == EditorMode::Notes ? kNotesCaption : kTransmissionCaption;
}

const char* TextEditor::printTitle() const
{
    return m_mode == EditorMode::Notes ? kNotesTitle : kTransmissionFileTitle;
}

bool TextEditor::close(const std::string& text)
{
    if (text == m_shown)
        return true;
    const std::string question = std::string(kSaveChangedQuestion) +
                                 (m_mode == EditorMode::Notes ? kNotesTextName : kTransmissionFileName) + kQuestionTail;
    switch (m_session->dialogs().show(question, MessageIcon::Exclamation, MessageButtons::YesNoCancel)) {
    case DialogAnswer::No: return true;
    case DialogAnswer::Yes: return store(text);
    default: return false;
    }
}

std::string TextEditor::withStoredLineEnds(const std::string& text) const
{
    if (m_lineEnd == kLf)
        return text;
    std::string stored;
    stored.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            stored += m_lineEnd;
        else
            stored += c;
    }
    return stored;
}

bool TextEditor::store(const std::string& text)
{
    std::string stored = withStoredLineEnds(text);
    if (m_mode == EditorMode::Notes) {
        if (!endsWith(stored, m_lineEnd))
            stored += m_lineEnd;
        if (stored.size() > kMaxNotesBytes) {
            m_session->dialogs().show(std::string(kNotesTooLong) + "\r\n" + kShortenNotes, MessageIcon::Exclamation);
            return false;
        }
        auto edit = m_session->edit({});
        edit.doc.NotesLen = static_cast<Integer>(stored.size());
        edit.doc.NotesText = std::move(stored);
        edit.doc.DocDirty = true;
    } else {
        const std::span bytes(reinterpret_cast<const std::byte*>(stored.data()), stored.size());
        if (const auto failure = ReplaceFileContents(m_file, bytes)) {
            Findings findings(m_session->dialogs());
            findings.add(FileFailureFinding(*failure, FileAccess::Write, kContextTransmission,
                                            m_session->environment().programFolder));
            m_session->present(findings);
            return false;
        }
    }
    m_shown = text;
    return true;
}

}  // namespace slv
