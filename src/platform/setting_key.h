// A key of the settings store, declared once with everything a reader and a
// writer need: its section, its name, the type of its value, the default when
// it is missing, and the check that replaces a value out of range. Indexed
// keys ("Index1" to "Index14") are declared once for all their indices.
//
// Values are stored as text: texts as they are, numbers (float) in the
// locale-independent form (" 1.5", a leading blank before a value that is not
// negative), whole numbers as digits, Booleans as the words True and False.
// A value that is missing gives the default; one that does not convert is
// reported as absent so that the field keeps what it held.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/integer.h"
#include "platform/settings_store.h"

namespace slv {

template<typename T>
struct SettingKey {
    std::string_view section;
    std::string_view name;
    T fallback{};
    /// Indexed keys: the first index and how many there are; 0 for a plain key.
    int firstIndex = 0;
    int count = 0;
    /// Replaces a value that was read but lies out of range; nullptr: any value is kept.
    T (*check)(T) = nullptr;

    /// The stored key: the name, followed by the index for an indexed key.
    std::string keyAt(int index) const
    {
        return count == 0 ? std::string(name) : std::string(name) + std::to_string(index);
    }
    /// The same key with a default that depends on other settings.
    SettingKey withFallback(T value) const
    {
        SettingKey key = *this;
        key.fallback = std::move(value);
        return key;
    }
};

/// The value of the key (at index, for an indexed key): the default when the
/// store has none, nullopt when the stored text does not convert.
std::optional<std::string> ReadSetting(const SettingsStore& store, const SettingKey<std::string>& key, int index = 0);
std::optional<float> ReadSetting(const SettingsStore& store, const SettingKey<float>& key, int index = 0);
std::optional<Integer> ReadSetting(const SettingsStore& store, const SettingKey<Integer>& key, int index = 0);
std::optional<int> ReadSetting(const SettingsStore& store, const SettingKey<int>& key, int index = 0);
std::optional<bool> ReadSetting(const SettingsStore& store, const SettingKey<bool>& key, int index = 0);

void WriteSetting(SettingsStore& store, const SettingKey<std::string>& key, std::string_view value, int index = 0);
void WriteSetting(SettingsStore& store, const SettingKey<float>& key, float value, int index = 0);
void WriteSetting(SettingsStore& store, const SettingKey<Integer>& key, Integer value, int index = 0);
void WriteSetting(SettingsStore& store, const SettingKey<int>& key, int value, int index = 0);
void WriteSetting(SettingsStore& store, const SettingKey<bool>& key, bool value, int index = 0);

/// Reads the key into field when it converts; a missing key gives the
/// default, a text that does not convert leaves the field as it was.
template<typename T, typename Field>
void ReadSettingInto(const SettingsStore& store, const SettingKey<T>& key, Field& field, int index = 0)
{
    if (const auto value = ReadSetting(store, key, index))
        field = *value;
}

}  // namespace slv
