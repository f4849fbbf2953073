// The plain-text editor behind the notes window and the editing of a
// transmission file: the text it shows, the question when it is closed with
// a changed text, and what storing does. Notes go into the document (never
// longer than a data file holds); a transmission file is written back, with
// the replacing save of the data files, to the file that was read, and only
// when a changed text was stored. The window shows texts with line feeds;
// stored texts keep the line ends they had.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"

namespace slv {

inline constexpr const char* kNotesCaption = "XPS Selvaro Notes";
inline constexpr const char* kTransmissionCaption = "XPS Selvaro Transmission";
inline constexpr const char* kSaveChangedQuestion = "Do you want to save changed ";
inline constexpr const char* kNotesTextName = "Notes text";
inline constexpr const char* kTransmissionFileName = "Transmission file";
inline constexpr const char* kQuestionTail = "?    ";
inline constexpr const char* kNotesTooLong = "The notes are longer than a data file can hold (32767 characters).    ";
inline constexpr const char* kShortenNotes = "Shorten them before you store them.    ";
inline constexpr const char* kNotAnEditableTransmissionFile = "The file is too large for a transmission file.    ";

enum class EditorMode { Notes, Transmission };

class TextEditor {
public:
    /// The notes of the session's document.
    explicit TextEditor(Session& session);
    /// The transmission file at path, read as the analysis reads it (a moved
    /// file is looked for, and path may change with the analyst's consent);
    /// nullopt, with the reason shown, when there is nothing to edit.
    static std::optional<TextEditor> ForTransmissionFile(Session& session, std::string& path);

    EditorMode mode() const { return m_mode; }
    /// The window's caption.
    const char* caption() const;
    /// The title of the printed text: "Notes" or "Transmission file".
    const char* printTitle() const;
    /// The stored text with line feeds as its line ends, as the window shows it.
    const std::string& shownText() const { return m_shown; }
    /// The file a transmission text was read from and is written back to.
    const std::filesystem::path& file() const { return m_file; }

    /// The analyst closes the window showing text: when it differs from the
    /// stored text, asks whether to save it (Yes stores it). False keeps the
    /// window open: Cancel, or a text that could not be stored.
    bool close(const std::string& text);

    /// What File, Print prints: the shown text with a line feed appended.
    static std::string printedText(const std::string& text) { return text + "\n"; }

private:
    TextEditor(Session& session, EditorMode mode, std::string stored, std::filesystem::path file);
    bool store(const std::string& text);
    /// The text with the stored text's line ends.
    std::string withStoredLineEnds(const std::string& text) const;

    Session* m_session;
    EditorMode m_mode;
    std::string m_shown;
    std::string m_lineEnd;
    std::filesystem::path m_file;
};

}  // namespace slv
