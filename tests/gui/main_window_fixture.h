// A main window over in-memory settings on Qt's offscreen platform, with the
// ways a test reaches its menus, child windows and modal dialogs as an
// analyst would.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "gui/offscreen_application.h"
#include "ui/child_window.h"
#include "ui/main_window.h"

namespace slv::test {

inline const std::string kFloatGlassFile = std::string(SLV_SOURCE_DIR) + "/examples/float_glass.lvd";

class MainWindowTest : public OffscreenApplicationTest {
protected:
    ChildWindow* childOf(WindowId id)
    {
        for (QMdiSubWindow* sub : window.findChildren<QMdiSubWindow*>())
            if (auto* child = dynamic_cast<ChildWindow*>(sub); child != nullptr && child->id() == id)
                return child;
        return nullptr;
    }
    GridView& viewOf(WindowId id) { return childOf(id)->view(); }
    TextGrid& gridOf(WindowId id) { return window.gridWindow(id)->grid(); }

    /// The menu command reached through the menu bar by its captions, e.g. {"&Edit", "&Copy Table", "&ASCII"}.
    QAction* command(std::initializer_list<const char*> captions)
    {
        QList<QAction*> actions = window.menuBar()->actions();
        QAction* found = nullptr;
        for (const char* caption : captions) {
            found = nullptr;
            for (QAction* action : actions)
                if (action->text() == caption)
                    found = action;
            if (found == nullptr)
                return nullptr;
            if (found->menu() != nullptr) {
                emit found->menu()->aboutToShow();
                actions = found->menu()->actions();
            }
        }
        return found;
    }
    void run(std::initializer_list<const char*> captions)
    {
        QAction* action = command(captions);
        ASSERT_NE(action, nullptr);
        action->trigger();
    }
    /// Runs `act` and lets `answer` handle the modal dialog that act opens.
    static void whileModal(const std::function<void()>& act, const std::function<void(QWidget&)>& answer)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                answered = true;
                answer(*dialog);
            }
        });
        act();
        EXPECT_TRUE(answered) << "no dialog opened";
    }

    /// Shows the main window as the active one, which its keyboard shortcuts need.
    void showActive()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    MemorySettingsStore settings;
    MainWindow window{settings, SLV_LIBRARY_DIR};
};

}  // namespace slv::test
