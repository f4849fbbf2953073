#include "ui/help_window.h"

#include <QAction>
#include <QFile>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace slv {

namespace {
constexpr int kHelpWidth = 760;  // pixels
constexpr int kHelpHeight = 600;
constexpr const char* kHelpFolderName = "help";
}  // namespace

HelpWindow::HelpWindow(const std::filesystem::path& folder, QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setWindowTitle(kHelpCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new QTextBrowser;
    m_browser->setSearchPaths({QString::fromStdString(folder.string())});
    m_browser->setOpenExternalLinks(true);
    setCentralWidget(m_browser);
    QToolBar* bar = addToolBar("Navigation");
    bar->setMovable(false);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "&Back");
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "&Forward");
    QAction* contents = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), "&Contents");
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(contents, &QAction::triggered, this, [this] { showPage(kHelpContents); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QString(kHelpCaption) : QString(kHelpCaption) + " - " + title);
    });
    resize(kHelpWidth, kHelpHeight);
}

void HelpWindow::showPage(const QString& page)
{
    m_browser->setSource(QUrl(page));
}

Help::Help(std::filesystem::path folder) : m_folder(std::move(folder))
{
    QFile table(QString::fromStdString((m_folder / kHelpTopicsFile).string()));
    if (table.open(QIODevice::ReadOnly))
        m_topics = HelpTopics(table.readAll().toStdString());
}

Help::~Help()
{
    delete m_window.data();
}

HelpWindow& Help::window()
{
    if (m_window.isNull())
        m_window = new HelpWindow(m_folder);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return *m_window;
}

void Help::showContents()
{
    window().showPage(kHelpContents);
}

QString Help::topicOf(const QString& caption, const QString& part) const
{
    return QString::fromStdString(m_topics.topicOf(caption.toStdString(), part.toStdString()));
}

void Help::showTopic(const QString& caption, const QString& part)
{
    window().showPage(topicOf(caption, part));
}

void Help::close()
{
    if (!m_window.isNull())
        m_window->close();
}

std::filesystem::path HelpFolderOf(const std::filesystem::path& programFolder)
{
    return programFolder / kHelpFolderName;
}

}  // namespace slv
