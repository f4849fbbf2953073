// The help window: the program's HTML pages in a text browser with Back,
// Forward and Contents, and the topics that F1 and Context Help open for
// each window by its caption.
#pragma once

#include <filesystem>

#include <QMainWindow>
#include <QPointer>

#include "session/help_topics.h"

class QTextBrowser;

namespace slv {

inline constexpr const char* kHelpCaption = "XPS Selvaro Help";

class HelpWindow final : public QMainWindow {
public:
    explicit HelpWindow(const std::filesystem::path& folder, QWidget* parent = nullptr);
    /// Shows a page of the help folder, with an optional #anchor.
    void showPage(const QString& page);
    QTextBrowser& browser() { return *m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

/// The program's help: the folder of pages, the topic table, one help window.
class Help {
public:
    /// folder: the help folder (the pages and topics.tsv).
    explicit Help(std::filesystem::path folder);
    ~Help();
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;

    /// Help Topics: the contents page.
    void showContents();
    /// F1 and Context Help: the topic of a window's caption (and the part of it), else the contents.
    void showTopic(const QString& caption, const QString& part = {});
    /// The page a caption opens.
    QString topicOf(const QString& caption, const QString& part = {}) const;
    /// The help window, opened when it is not.
    HelpWindow& window();
    bool windowShown() const { return !m_window.isNull() && m_window->isVisible(); }
    void close();

private:
    std::filesystem::path m_folder;
    HelpTopics m_topics;
    QPointer<HelpWindow> m_window;
};

/// The help folder of a program folder: "help" beside the programs.
std::filesystem::path HelpFolderOf(const std::filesystem::path& programFolder);

}  // namespace slv
