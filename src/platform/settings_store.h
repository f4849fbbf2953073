// The per-user settings store: text values addressed by application, section
// and key. The program keeps its analysis defaults in section "Defaults" and
// its window geometry in section "Ini" of application "SLV".
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace slv {

inline constexpr const char* kSettingsApplication = "SLV";
inline constexpr const char* kDefaultsSection = "Defaults";
inline constexpr const char* kIniSection = "Ini";

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    /// The stored text, or nullopt when the key has never been written.
    virtual std::optional<std::string> read(const std::string& application, const std::string& section,
                                            const std::string& key) const = 0;
    virtual void write(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

/// A settings store that lives only as long as the object: for tests and for
/// command-line runs that must not touch the analyst's own settings.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> read(const std::string& application, const std::string& section,
                                    const std::string& key) const override
    {
        auto it = m_values.find({application, section, key});
        if (it == m_values.end())
            return std::nullopt;
        return it->second;
    }
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override
    {
        m_values[{application, section, key}] = value;
    }
    std::size_t size() const { return m_values.size(); }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_values;
};

}  // namespace slv
