// The main window's own conventions: files dropped on it, the title with its
// mark for unsaved changes, the recent files of the File menu across a
// restart, the About box, and every menu command run on an open data set
// with each dialog it opens answered.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <QDialog>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "document/element_table.h"
#include "main_window_fixture.h"
#include "ui/about_dialog.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class MainWindowConventions : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_main_window_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        showActive();
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string copyOfGlass(const std::string& name)
    {
        const fs::path copy = m_folder / name;
        fs::copy_file(test::kFloatGlassFile, copy, fs::copy_options::overwrite_existing);
        return copy.string();
    }
    bool drop(const std::vector<std::string>& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls << QUrl::fromLocalFile(QString::fromStdString(path));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        return true;
    }
    QString shownTitle() { return window.windowHandle()->title(); }

    fs::path m_folder;
};

TEST_F(MainWindowConventions, ADroppedFileIsOpenedWithItsComposition)
{
    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_FALSE(enter.isAccepted());

    const std::string glass = copyOfGlass("dropped.lvd");
    ASSERT_TRUE(drop({glass, copyOfGlass("second.lvd")}));
    EXPECT_EQ(window.session().doc().DocFileName, glass);
    EXPECT_TRUE(window.isShown(WindowId::Results));
    EXPECT_EQ(window.activeWindow(), WindowId::Results);
}

TEST_F(MainWindowConventions, AFileThatCannotBeOpenedIsToldWithoutWaitingForAnAnswerWhenUnattended)
{
    // A picture taken by --grab has nobody to close a message box.
    window.dialogs().setUnattended(true);
    const std::string broken = (m_folder / "broken.lvd").string();
    std::ofstream(broken) << "garbage";
    for (const std::string& file : {broken, (m_folder / "missing.lvd").string()})
        EXPECT_FALSE(window.commands().openAtStart(file)) << file;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowConventions, TheTitleNamesTheFileAndMarksUnsavedChanges)
{
    EXPECT_EQ(shownTitle(), "Untitled - XPS Selvaro");
    const std::string glass = copyOfGlass("glass.lvd");
    ASSERT_TRUE(window.commands().openAtStart(glass));
    EXPECT_EQ(shownTitle(), "glass.lvd - XPS Selvaro");

    ASSERT_TRUE(window.showView(WindowId::Elements));
    TextGrid& grid = gridOf(WindowId::Elements);
    grid.SetRow(1);
    grid.SetCol(kColCrossSect);
    QTest::keyClicks(&viewOf(WindowId::Elements), "2");
    EXPECT_EQ(shownTitle(), "glass.lvd* - XPS Selvaro");
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window.session().doc().DocDirty);
    EXPECT_EQ(shownTitle(), "glass.lvd - XPS Selvaro");
}

TEST_F(MainWindowConventions, RecentFilesAreOfferedNewestFirstAfterARestart)
{
    QAction* recent = command({"&File", "Open &Recent"});
    ASSERT_NE(recent, nullptr);
    EXPECT_FALSE(recent->isEnabled());
    const std::string first = copyOfGlass("first & only.lvd");
    const std::string second = copyOfGlass("second.lvd");
    ASSERT_TRUE(drop({first}));
    ASSERT_TRUE(drop({second}));
    window.close();

    MainWindow restarted(settings, SLV_LIBRARY_DIR);
    restarted.show();
    QMenu* file = nullptr;
    for (QAction* action : restarted.menuBar()->actions())
        if (action->text() == "&File")
            file = action->menu();
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    QMenu* list = nullptr;
    for (QAction* action : file->actions())
        if (action->text() == "Open &Recent")
            list = action->menu();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->actions().size(), 2);
    EXPECT_EQ(list->actions()[0]->text(), "&1 second.lvd");
    EXPECT_EQ(list->actions()[1]->text(), "&2 first && only.lvd");
    list->actions()[1]->trigger();
    EXPECT_EQ(restarted.session().doc().DocFileName, first);
}

TEST_F(MainWindowConventions, TheAboutBoxShowsTheVersionsAndLoopsItsAnimation)
{
    QStringList texts;
    int frames = 0;
    whileModal(
        [&] {
            run({"&Help", "&About XPS Selvaro..."});
        },
        [&](QWidget& dialog) {
            auto* about = dynamic_cast<AboutDialog*>(&dialog);
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(dialog.windowTitle(), "About XPS Selvaro");
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                texts << label->text();
            for (int tick = 0; tick < AboutDialog::kFrameCount; ++tick)
                about->advance();
            frames = about->frame();
            about->advance();
            frames = frames * 10 + about->frame();
            about->accept();
        });
    const QString all = texts.join('|');
    EXPECT_TRUE(all.contains("XPS Selvaro|Multimodel X-ray Photoelectron Spectroscopy quantification program"));
    EXPECT_TRUE(all.contains("Program version|7.00|Library version|4.00|Data file version|2.30|")) << all.toStdString();
    EXPECT_TRUE(all.contains("\"Literature\""));
    EXPECT_FALSE(all.contains("Windows"));
    EXPECT_EQ(frames, 1);  // eight ticks come back to the first frame, the ninth shows the second
}

/// Answers every modal dialog that opens: messages with their way out, the
/// file dialogs, the input box and the line list by cancelling.
class DialogAnswerer {
public:
    DialogAnswerer()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                return;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                messages << box->text();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
        m_timer.start();
    }
    QStringList messages;

private:
    QTimer m_timer;
};

TEST_F(MainWindowConventions, EveryMenuCommandRunsOnAnOpenDataSet)
{
    ASSERT_TRUE(window.commands().openAtStart(copyOfGlass("walk.lvd")));
    DialogAnswerer answerer;
    int commands = 0;
    const QString shots = qEnvironmentVariable("SLV_MENU_SHOTS");
    std::function<void(QMenu&, const QString&)> walk = [&](QMenu& menu, const QString& path) {
        emit menu.aboutToShow();
        for (QAction* action : menu.actions()) {
            if (action->isSeparator() || action->text() == "E&xit" || !action->isEnabled())
                continue;
            const QString name = path + "/" + QString(action->text()).remove('&');
            if (action->menu() != nullptr) {
                walk(*action->menu(), name);
                continue;
            }
            action->trigger();
            ++commands;
            if (!shots.isEmpty())
                window.grab().save(shots + "/" + QString::number(commands) + QString(name).replace('/', '_') + ".png");
        }
    };
    // The File menu last: its New empties the data set the others work on.
    QList<QAction*> menus = window.menuBar()->actions();
    menus.move(0, menus.size() - 1);
    for (QAction* top : menus)
        walk(*top->menu(), top->text().remove('&'));
    EXPECT_GE(commands, 20);
    // New, then the recent file opened again and saved.
    EXPECT_FALSE(window.session().doc().DocDirty);
    EXPECT_EQ(fs::path(window.session().doc().DocFileName).filename(), "walk.lvd");
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace slv
