// The notes window and the editor of transmission files: a plain-text editor
// with File, Edit, Format and Help menus, word wrap and a font of the
// analyst's choice, which come back with the window's place and size from
// the window settings. The TextEditor of the session layer decides what
// closing does with the text.
#pragma once

#include <functional>

#include <QDialog>

#include "session/text_editor.h"
#include "session/window_settings.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace slv {

class ReportSpooler;

class TextEditorWindow final : public QDialog {
public:
    /// Opens the help topic of a caption and a part of the window (may be empty).
    using HelpOpener = std::function<void(const QString& caption, const QString& part)>;

    TextEditorWindow(TextEditor editor, WindowSettings& settings, ReportSpooler& spooler, HelpOpener help,
                     QWidget* parent);

    /// Opens the transmission file at path in the editor, modally, and
    /// returns when it is closed; the file is written when a changed text
    /// was stored. path may change when the file had moved (the analyst is
    /// asked). False when there was no file to edit.
    static bool EditTransmissionFile(Session& session, std::string& path, WindowSettings& settings,
                                     ReportSpooler& spooler, HelpOpener help, QWidget* parent);

    QPlainTextEdit& textBox() { return *m_text; }
    /// The text as the window shows it, as ANSI.
    std::string text() const;
    void setWordWrap(bool on);
    bool wordWrap() const;
    void printText();

    /// Closing: the editor's question, and the window's place and size kept.
    void reject() override;
    /// Closes without the question: the text it edits is gone.
    void discard();

private:
    void buildMenus(QMenu* file, QMenu* edit, QMenu* format, QMenu* help);
    void chooseFont();
    void applyFont();
    void keepGeometry();

    TextEditor m_editor;
    WindowSettings& m_settings;
    ReportSpooler& m_spooler;
    HelpOpener m_help;
    QPlainTextEdit* m_text = nullptr;
    QAction* m_wrap = nullptr;
    QFont m_font;
};

}  // namespace slv
