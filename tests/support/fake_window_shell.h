// A WindowShell double: child windows are names in a set, the grid windows
// hold real TextGrids, the file dialogs answer from a script, the clipboard
// is a string; every call that shows or moves a window is listed in order.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "session/window_shell.h"

namespace slv::test {

class FakeGridWindow final : public GridWindow {
public:
    explicit FakeGridWindow(int rows = 21, int cols = 10) : m_grid(rows, cols) {}
    TextGrid& grid() override { return m_grid; }
    void commit() override { ++commits; }
    int commits = 0;

private:
    TextGrid m_grid;
};

class FakeWindowShell final : public WindowShell {
public:
    std::optional<WindowId> activeWindow() const override { return active; }
    bool isShown(WindowId window) const override { return shown.count(window) != 0; }
    void showWindow(WindowId window) override
    {
        shown.insert(window);
        calls.push_back("show " + std::to_string(static_cast<int>(window)));
    }
    void closeWindow(WindowId window) override
    {
        shown.erase(window);
        calls.push_back("close " + std::to_string(static_cast<int>(window)));
    }
    void moveToTopLeft(WindowId window) override
    {
        calls.push_back("home " + std::to_string(static_cast<int>(window)));
    }
    void activate(WindowId window) override { active = window; }
    GridWindow* gridWindow(WindowId window) override
    {
        if (auto real = attached.find(window); real != attached.end() && isShown(window))
            return real->second;
        auto it = grids.find(window);
        return it == grids.end() || !isShown(window) ? nullptr : &it->second;
    }
    bool modalDialogOpen() const override { return modalOpen; }
    bool shiftHeld() const override { return shift; }
    void setCommandEnabled(ShellCommand command, bool enabled) override { enabledCommands[command] = enabled; }
    void setLayoutLegend(bool legend) override
    {
        if (isShown(WindowId::ModelLayout))
            layoutLegend = legend;
    }

    std::optional<ChosenFile> chooseFileToOpen(const FileDialogRequest& request) override { return answer(request); }
    std::optional<ChosenFile> chooseFileToSave(const FileDialogRequest& request) override { return answer(request); }
    std::string documentsFolder() const override { return "/home/analyst/Documents"; }
    std::string clipboardText() const override { return clipboard; }
    void setClipboardText(const std::string& text) override { clipboard = text; }

    /// Shows a grid window and makes it the active one.
    FakeGridWindow& open(WindowId window, int rows = 21, int cols = 10)
    {
        grids.insert_or_assign(window, FakeGridWindow(rows, cols));
        shown.insert(window);
        active = window;
        return grids.at(window);
    }

    /// Shows a window whose grid a real controller keeps and makes it the active one.
    void attach(WindowId window, GridWindow& controller)
    {
        attached.insert_or_assign(window, &controller);
        shown.insert(window);
        active = window;
    }

    std::optional<WindowId> active;
    std::set<WindowId> shown;
    std::map<WindowId, GridWindow*> attached;
    std::map<WindowId, FakeGridWindow> grids;
    bool modalOpen = false;
    bool shift = false;
    std::map<ShellCommand, bool> enabledCommands;
    bool layoutLegend = false;  // the legend of the shown Model Layout window
    std::vector<FileDialogRequest> dialogs;
    std::deque<std::optional<ChosenFile>> files;
    std::string clipboard;
    std::vector<std::string> calls;

private:
    std::optional<ChosenFile> answer(const FileDialogRequest& request)
    {
        dialogs.push_back(request);
        if (files.empty())
            return std::nullopt;
        auto chosen = files.front();
        files.pop_front();
        return chosen;
    }
};

}  // namespace slv::test
