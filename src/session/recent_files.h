// The files the analyst opened or saved last, newest first, kept in the
// settings store (section "Recent" of application "SLV") so that the File
// menu offers them again after the program was restarted.
#pragma once

#include <string>
#include <vector>

#include "platform/setting_key.h"

namespace slv {

class RecentFiles {
public:
    static constexpr int kCapacity = 4;

    /// Reads the list; empty and repeated entries are left out.
    explicit RecentFiles(SettingsStore& settings);

    const std::vector<std::string>& paths() const { return m_paths; }
    /// Puts the file first (a relative name is made absolute), drops the
    /// oldest beyond the capacity and writes the list.
    void add(const std::string& path);
    /// Takes a file that can no longer be opened off the list.
    void remove(const std::string& path);

private:
    void write();

    SettingsStore& m_settings;
    std::vector<std::string> m_paths;
};

}  // namespace slv
