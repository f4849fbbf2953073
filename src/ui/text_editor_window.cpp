#include "ui/text_editor_window.h"

#include <QAction>
#include <QFontDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "chart_qt/ansi_text.h"
#include "session/report_spooler.h"
#include "ui/whats_this.h"

namespace slv {

namespace {

// The window is never made smaller than this, twips.
constexpr int kMinimumWidth = 4000;
constexpr int kMinimumHeight = 2500;
constexpr const char* kDefaultFont = "Courier New";
constexpr int kDefaultSize = 10;
/// The part of the transmission editor's help that describes the file format.
constexpr const char* kTransmissionFormatTopic = "File format";

int pixelsOf(const QWidget& widget, int twips)
{
    return static_cast<int>(twips * widget.logicalDpiX() / kTwipsPerInch);
}

int twipsOf(const QWidget& widget, int pixels)
{
    return static_cast<int>(pixels * kTwipsPerInch / widget.logicalDpiX());
}

}  // namespace

TextEditorWindow::TextEditorWindow(TextEditor editor, WindowSettings& settings, ReportSpooler& spooler, HelpOpener help,
                                   QWidget* parent)
    : QDialog(parent),
      m_editor(std::move(editor)),
      m_settings(settings),
      m_spooler(spooler),
      m_help(std::move(help))
{
    setWindowTitle(m_editor.caption());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    m_text = new QPlainTextEdit;
    m_text->setPlainText(AnsiQString(m_editor.shownText()));
    m_text->document()->setModified(false);
    auto* menus = new QMenuBar;
    QMenu* file = menus->addMenu("&File");
    QMenu* edit = menus->addMenu("&Edit");
    QMenu* format = menus->addMenu("F&ormat");
    buildMenus(file, edit, format, menus->addMenu("&Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menus);
    layout->addWidget(m_text);

    setMinimumSize(pixelsOf(*this, kMinimumWidth), pixelsOf(*this, kMinimumHeight));
    if (m_settings.notesWidth > 0 && m_settings.notesHeight > 0)
        resize(pixelsOf(*this, m_settings.notesWidth), pixelsOf(*this, m_settings.notesHeight));
    if (m_settings.notesLeft > 0 || m_settings.notesTop > 0)
        move(pixelsOf(*this, std::max(m_settings.notesLeft, 0)), pixelsOf(*this, std::max(m_settings.notesTop, 0)));
    m_font = QFont(AnsiQString(m_settings.notesFont.empty() ? kDefaultFont : m_settings.notesFont));
    m_font.setPointSize(m_settings.notesSize >= 1 ? m_settings.notesSize : kDefaultSize);
    applyFont();
    setWordWrap(m_settings.wrap == 1);
    AddEditorWhatsThis(*m_text, m_editor.mode() == EditorMode::Notes);
}

bool TextEditorWindow::EditTransmissionFile(Session& session, std::string& path, WindowSettings& settings,
                                            ReportSpooler& spooler, HelpOpener help, QWidget* parent)
{
    auto editor = TextEditor::ForTransmissionFile(session, path);
    if (!editor)
        return false;
    TextEditorWindow window(std::move(*editor), settings, spooler, std::move(help), parent);
    window.exec();
    return true;
}

void TextEditorWindow::buildMenus(QMenu* file, QMenu* edit, QMenu* format, QMenu* help)
{
    const auto item = [this](QMenu* menu, const QString& caption, auto run, QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    item(file, "&Print", [this] { printText(); });
    file->addSeparator();
    item(file, "E&xit", [this] { close(); });

    QAction* undo = item(
        edit, "&Undo", [this] { m_text->undo(); }, QKeySequence::Undo);
    edit->addSeparator();
    item(
        edit, "Cu&t", [this] { m_text->cut(); }, QKeySequence::Cut);
    item(
        edit, "&Copy", [this] { m_text->copy(); }, QKeySequence::Copy);
    item(
        edit, "&Paste", [this] { m_text->paste(); }, QKeySequence::Paste);
    item(edit, "&Delete", [this] { m_text->textCursor().removeSelectedText(); });
    edit->addSeparator();
    item(
        edit, "Select &All", [this] { m_text->selectAll(); }, QKeySequence::SelectAll);
    connect(edit, &QMenu::aboutToShow, this, [this, undo] { undo->setEnabled(m_text->document()->isUndoAvailable()); });

    m_wrap = item(format, "&Word Wrap", [this](bool on) { setWordWrap(on); });
    m_wrap->setCheckable(true);
    item(format, "&Font...", [this] { chooseFont(); });

    const bool notes = m_editor.mode() == EditorMode::Notes;
    item(help, notes ? "&Notes Help" : "&Transmission Files", [this, notes] {
        if (m_help)
            m_help(windowTitle(), notes ? QString() : QString(kTransmissionFormatTopic));
    });
}

std::string TextEditorWindow::text() const
{
    return Utf8ToAnsi(m_text->toPlainText().toStdString());
}

void TextEditorWindow::setWordWrap(bool on)
{
    m_settings.wrap = on ? 1 : 0;
    m_text->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_wrap->setChecked(on);
}

bool TextEditorWindow::wordWrap() const
{
    return m_text->lineWrapMode() == QPlainTextEdit::WidgetWidth;
}

void TextEditorWindow::printText()
{
    m_spooler.printText(m_editor.printTitle(), TextEditor::printedText(text()));
}

void TextEditorWindow::chooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_font, this, "Font");
    if (!chosen)
        return;
    m_font = font;
    m_settings.notesFont = Utf8ToAnsi(font.family().toStdString());
    m_settings.notesSize = font.pointSize() >= 1 ? font.pointSize() : kDefaultSize;
    applyFont();
}

void TextEditorWindow::applyFont()
{
    m_text->setFont(m_font);
}

void TextEditorWindow::keepGeometry()
{
    const QRect frame = geometry();
    m_settings.notesWidth = twipsOf(*this, frame.width());
    m_settings.notesHeight = twipsOf(*this, frame.height());
    m_settings.notesTop = twipsOf(*this, frame.top());
    m_settings.notesLeft = twipsOf(*this, frame.left());
}

void TextEditorWindow::discard()
{
    keepGeometry();
    QDialog::reject();
}

void TextEditorWindow::reject()
{
    // The close button, Escape and File, Exit all come here.
    if (!m_editor.close(text()))
        return;
    keepGeometry();
    QDialog::reject();
}

}  // namespace slv
