#include "platform/setting_key.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/fixed_text.h"
#include "platform/number_text.h"

namespace slv {

namespace {

/// Integers and Booleans are stored in the invariant form.
constexpr char kStoredDecimalPoint = '.';

template<typename T>
std::optional<std::string> storedText(const SettingsStore& store, const SettingKey<T>& key, int index)
{
    return store.read(kSettingsApplication, std::string(key.section), key.keyAt(index));
}

template<typename T>
std::optional<T> checked(const SettingKey<T>& key, std::optional<T> value)
{
    if (value && key.check != nullptr)
        value = key.check(*value);
    return value;
}

template<typename T>
void write(SettingsStore& store, const SettingKey<T>& key, int index, const std::string& text)
{
    store.write(kSettingsApplication, std::string(key.section), key.keyAt(index), text);
}

}  // namespace

std::optional<std::string> ReadSetting(const SettingsStore& store, const SettingKey<std::string>& key, int index)
{
    return checked(key, std::optional(storedText(store, key, index).value_or(key.fallback)));
}

std::optional<float> ReadSetting(const SettingsStore& store, const SettingKey<float>& key, int index)
{
    const auto stored = storedText(store, key, index);
    if (!stored)
        return checked(key, std::optional(key.fallback));
    const auto value = NeutralNumberValue(*stored);
    if (!value || std::fabs(*value) > FLT_MAX)
        return std::nullopt;
    return checked(key, std::optional(static_cast<float>(*value)));
}

std::optional<Integer> ReadSetting(const SettingsStore& store, const SettingKey<Integer>& key, int index)
{
    const auto stored = storedText(store, key, index);
    if (!stored)
        return checked(key, std::optional(key.fallback));
    return checked(key, ConvertInteger(*stored, kStoredDecimalPoint));
}

std::optional<int> ReadSetting(const SettingsStore& store, const SettingKey<int>& key, int index)
{
    const auto stored = storedText(store, key, index);
    if (!stored)
        return checked(key, std::optional(key.fallback));
    const auto value = ConvertNumber(*stored, kStoredDecimalPoint);
    if (!value || std::fabs(*value) > std::numeric_limits<int>::max())
        return std::nullopt;
    return checked(key, std::optional(static_cast<int>(std::nearbyint(*value))));
}

std::optional<bool> ReadSetting(const SettingsStore& store, const SettingKey<bool>& key, int index)
{
    const auto stored = storedText(store, key, index);
    if (!stored)
        return checked(key, std::optional(key.fallback));
    std::string word(trimmed(*stored));
    std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::tolower(c); });
    if (word == "true")
        return checked(key, std::optional(true));
    if (word == "false")
        return checked(key, std::optional(false));
    if (const auto n = ConvertNumber(word, kStoredDecimalPoint))
        return checked(key, std::optional(*n != 0.0));
    return std::nullopt;
}

void WriteSetting(SettingsStore& store, const SettingKey<std::string>& key, std::string_view value, int index)
{
    write(store, key, index, std::string(value));
}

void WriteSetting(SettingsStore& store, const SettingKey<float>& key, float value, int index)
{
    write(store, key, index, NeutralNumberText(value));
}

void WriteSetting(SettingsStore& store, const SettingKey<Integer>& key, Integer value, int index)
{
    write(store, key, index, std::to_string(value));
}

void WriteSetting(SettingsStore& store, const SettingKey<int>& key, int value, int index)
{
    write(store, key, index, std::to_string(value));
}

void WriteSetting(SettingsStore& store, const SettingKey<bool>& key, bool value, int index)
{
    write(store, key, index, value ? "True" : "False");
}

}  // namespace slv
