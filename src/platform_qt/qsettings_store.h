// The analyst's settings kept by QSettings: organisation and application
// "SLV", one group per section ("Defaults", "Ini"). Every value is text.
#pragma once

#include <memory>

#include "platform/settings_store.h"

class QSettings;

namespace slv {

class QSettingsStore final : public SettingsStore {
public:
    /// The per-user store of the platform.
    QSettingsStore();
    /// An INI file at the given path (tests, portable installations).
    explicit QSettingsStore(const std::string& iniFilePath);
    ~QSettingsStore() override;

    std::optional<std::string> read(const std::string& application, const std::string& section,
                                    const std::string& key) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

/// The decimal separator of the system locale: the one used when 1.1 is
/// written as text, '.' unless that text holds none.
char systemDecimalSeparator();

}  // namespace slv
