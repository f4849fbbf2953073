// The notes and transmission-file editor: the question on closing a changed
// text and what each answer does, notes stored with their line break and
// refused when a data file could not hold them, and a transmission file
// written back only when a changed text was stored, to the file that was
// read, with the line ends it had and nothing added.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "session/text_editor.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNotesQuestion = "Do you want to save changed Notes text?    ";
constexpr const char* kTransmissionQuestion = "Do you want to save changed Transmission file?    ";
constexpr const char* kTable = "# analyser 2\r\nEXP\r\n0 1 0.5 0\r\n";

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

TEST(NotesEditor, ClosingAsksOnlyWhenTheTextDiffersAndEachAnswerDoesItsPart)
{
    struct Case {
        const char* name;
        std::string typed;
        std::optional<DialogAnswer> answer;  // nullopt: nothing is asked
        bool closes;
        std::string notesAfter;
    };
    const std::string stored = "spot 1 charged\r\nspot 2 fine\r\n";
    const Case cases[] = {
        {"UnchangedAfterTypingAndDeleting", "spot 1 charged\nspot 2 fine\n", std::nullopt, true, stored},
        {"Cancel", "new", DialogAnswer::Cancel, false, stored},
        {"No", "new", DialogAnswer::No, true, stored},
        {"YesAddsTheLineBreak", "spot 1 charged\nspot 3", DialogAnswer::Yes, true, "spot 1 charged\r\nspot 3\r\n"},
        {"YesKeepsAnEndingLineBreak", "a\n\n", DialogAnswer::Yes, true, "a\r\n\r\n"},
    };
    for (const Case& c : cases) {
        test::TestSession t;
        t.doc().NotesText = stored;
        t.doc().NotesLen = static_cast<Integer>(stored.size());
        TextEditor editor(t.session);
        EXPECT_EQ(editor.shownText(), "spot 1 charged\nspot 2 fine\n") << c.name;
        if (c.answer)
            t.dialogs.answers.push_back(*c.answer);
        EXPECT_EQ(editor.close(c.typed), c.closes) << c.name;
        if (c.answer) {
            ASSERT_EQ(t.texts(), std::vector<std::string>{kNotesQuestion}) << c.name;
            EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
        } else {
            EXPECT_TRUE(t.texts().empty()) << c.name;
        }
        EXPECT_EQ(t.session.doc().NotesText, c.notesAfter) << c.name;
        EXPECT_EQ(t.session.doc().NotesLen, static_cast<Integer>(c.notesAfter.size())) << c.name;
        EXPECT_EQ(t.session.doc().DocDirty, c.notesAfter != stored) << c.name;
    }
}

TEST(NotesEditor, NotesADataFileCouldNotHoldAreRefusedAndKeptInTheWindow)
{
    test::TestSession t;
    TextEditor editor(t.session);
    const std::string longest(32765, 'x');  // with CR LF exactly 32767 bytes
    t.dialogs.answers = {DialogAnswer::Yes, DialogAnswer::Yes};
    EXPECT_FALSE(editor.close(longest + "y"));
    ASSERT_EQ(t.texts().size(), 2u);
    EXPECT_EQ(t.texts()[1], std::string(kNotesTooLong) + "\r\n" + kShortenNotes);
    EXPECT_TRUE(t.session.doc().NotesText.empty());
    EXPECT_FALSE(t.session.doc().DocDirty);

    EXPECT_TRUE(editor.close(longest));
    EXPECT_EQ(t.session.doc().NotesLen, 32767);
}

struct TransmissionFolder {
    fs::path folder = fs::temp_directory_path() / ("slv_editor_" + std::to_string(::getpid()));
    fs::path file = folder / "analyser.ltr";
    TransmissionFolder()
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~TransmissionFolder() { fs::remove_all(folder); }
};

TEST(TransmissionEditor, TheFileIsWrittenOnlyWhenAChangedTextIsStored)
{
    struct Case {
        const char* name;
        std::string original;
        std::string typed;
        std::optional<DialogAnswer> answer;
        std::string fileAfter;
    };
    const Case cases[] = {
        {"Unchanged", kTable, "# analyser 2\nEXP\n0 1 0.5 0\n", std::nullopt, kTable},
        {"ChangedButNotStored", kTable, "EXP\n", DialogAnswer::No, kTable},
        {"StoredWithItsLineEnds", kTable, "# analyser 3\nEXP\n0 1 0.6 0", DialogAnswer::Yes,
         "# analyser 3\r\nEXP\r\n0 1 0.6 0"},
        {"LineFeedFileStaysSo", "EXP\n0 1 0.5 0\n", "EXP\n0 1 0.7 0\n", DialogAnswer::Yes, "EXP\n0 1 0.7 0\n"},
    };
    for (const Case& c : cases) {
        TransmissionFolder where;
        writeAll(where.file, c.original);
        test::TestSession t;
        std::string path = where.file.string();
        auto editor = TextEditor::ForTransmissionFile(t.session, path);
        ASSERT_TRUE(editor) << c.name;
        if (c.answer)
            t.dialogs.answers.push_back(*c.answer);
        EXPECT_TRUE(editor->close(c.typed)) << c.name;
        EXPECT_EQ(t.texts(), c.answer ? std::vector<std::string>{kTransmissionQuestion} : std::vector<std::string>{})
            << c.name;
        EXPECT_EQ(readAll(where.file), c.fileAfter) << c.name;
        EXPECT_FALSE(t.session.doc().DocDirty) << c.name;
    }
}

TEST(TransmissionEditor, AMovedFileIsWrittenWhereItWasFound)
{
    TransmissionFolder where;
    const fs::path program = where.folder / "program";
    fs::create_directories(program);
    writeAll(program / "analyser.ltr", kTable);
    test::TestSession t;
    t.setProgramFolder(program);
    std::string path = (where.folder / "gone" / "analyser.ltr").string();
    const std::string before = path;
    t.dialogs.answers = {DialogAnswer::Yes, DialogAnswer::Yes};  // keep the old path; then store
    auto editor = TextEditor::ForTransmissionFile(t.session, path);
    ASSERT_TRUE(editor);
    EXPECT_EQ(path, before);
    EXPECT_EQ(editor->file(), program / "analyser.ltr");
    EXPECT_TRUE(editor->close("EXP\n0 2 0.5 0\n"));
    EXPECT_EQ(readAll(program / "analyser.ltr"), "EXP\r\n0 2 0.5 0\r\n");
    EXPECT_FALSE(fs::exists(before));
}

TEST(TransmissionEditor, AFailedWriteIsReportedAndTheTextStaysInTheWindow)
{
    TransmissionFolder where;
    writeAll(where.file, kTable);
    test::TestSession t;
    std::string path = where.file.string();
    auto editor = TextEditor::ForTransmissionFile(t.session, path);
    ASSERT_TRUE(editor);
    fs::remove_all(where.folder);
    t.dialogs.answers = {DialogAnswer::Yes};
    EXPECT_FALSE(editor->close("EXP\n"));
    ASSERT_EQ(t.texts().size(), 2u);
    EXPECT_EQ(t.dialogs.messages[1].icon, MessageIcon::Critical);
    EXPECT_NE(t.texts()[1].find(where.folder.string()), std::string::npos) << t.texts()[1];
}

TEST(TransmissionEditor, NothingToEditWithoutAFileOrWithAHugeOne)
{
    TransmissionFolder where;
    test::TestSession t;
    std::string missing = (where.folder / "none.ltr").string();
    EXPECT_FALSE(TextEditor::ForTransmissionFile(t.session, missing));
    EXPECT_EQ(t.dialogs.messages.size(), 1u);

    writeAll(where.file, std::string((std::size_t{1} << 20) + 1, 'x'));
    std::string huge = where.file.string();
    EXPECT_FALSE(TextEditor::ForTransmissionFile(t.session, huge));
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[1].text, kNotAnEditableTransmissionFile);
}

}  // namespace
}  // namespace slv
