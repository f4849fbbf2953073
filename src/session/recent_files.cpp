#include "session/recent_files.h"

#include <algorithm>
#include <filesystem>

namespace slv {

namespace {

constexpr std::string_view kRecentSection = "Recent";
const SettingKey<std::string> kRecentFile{kRecentSection, "File", "", 1, RecentFiles::kCapacity};

}  // namespace

RecentFiles::RecentFiles(SettingsStore& settings) : m_settings(settings)
{
    for (int i = kRecentFile.firstIndex; i < kRecentFile.firstIndex + kRecentFile.count; ++i) {
        const std::string path = ReadSetting(m_settings, kRecentFile, i).value_or("");
        if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
            m_paths.push_back(path);
    }
}

void RecentFiles::add(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string entry = ec ? path : absolute.lexically_normal().string();
    std::erase(m_paths, entry);
    m_paths.insert(m_paths.begin(), entry);
    if (m_paths.size() > static_cast<std::size_t>(kCapacity))
        m_paths.resize(kCapacity);
    write();
}

void RecentFiles::remove(const std::string& path)
{
    if (std::erase(m_paths, path) != 0)
        write();
}

void RecentFiles::write()
{
    for (int i = 0; i < kRecentFile.count; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        WriteSetting(m_settings, kRecentFile, slot < m_paths.size() ? m_paths[slot] : std::string(),
                     kRecentFile.firstIndex + i);
    }
}

}  // namespace slv
