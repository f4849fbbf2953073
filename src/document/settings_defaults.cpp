#include "document/settings_defaults.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "platform/number_text.h"

namespace slv {

namespace {

constexpr float kDefaultMarginCm = 1.5f;
constexpr Integer kDefaultFontSize = 10;
constexpr Integer kDefaultUnitIndex = 1;
const char* const kDefaultFontName = "Times New Roman";
const char* const kDefaultLabelName = "0";

/// Integers and Booleans are stored as their text in the invariant form.
constexpr char kStoredDecimalPoint = '.';

class DefaultsSection {
public:
    explicit DefaultsSection(SettingsStore& store) : m_store(store) {}

    std::string text(const std::string& key, const std::string& fallback) const
    {
        return m_store.read(kSettingsApplication, kDefaultsSection, key).value_or(fallback);
    }
    /// The stored Integer, the default when missing, nullopt when it does not convert.
    std::optional<Integer> integer(const std::string& key, Integer fallback) const
    {
        const auto stored = m_store.read(kSettingsApplication, kDefaultsSection, key);
        return stored ? ConvertInteger(*stored, kStoredDecimalPoint) : std::optional<Integer>(fallback);
    }
    std::optional<float> number(const std::string& key, float fallback) const
    {
        const auto stored = m_store.read(kSettingsApplication, kDefaultsSection, key);
        if (!stored)
            return fallback;
        const auto value = NeutralNumberValue(*stored);
        if (!value || std::abs(*value) > 3.4028234663852886e38)
            return std::nullopt;
        return static_cast<float>(*value);
    }
    std::optional<bool> boolean(const std::string& key, bool fallback) const
    {
        const auto stored = m_store.read(kSettingsApplication, kDefaultsSection, key);
        if (!stored)
            return fallback;
        std::string word(trimmed(*stored));
        std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::tolower(c); });
        if (word == "true")
            return true;
        if (word == "false")
            return false;
        if (const auto n = ConvertNumber(word, kStoredDecimalPoint))
            return *n != 0.0;
        return std::nullopt;
    }

    void write(const std::string& key, const std::string& value)
    {
        m_store.write(kSettingsApplication, kDefaultsSection, key, value);
    }

private:
    SettingsStore& m_store;
};

template<typename T>
void assignIf(T& field, const std::optional<T>& value)
{
    if (value)
        field = *value;
}

std::string key(const char* name, int index) { return name + std::to_string(index); }

std::string booleanWord(bool value) { return value ? "True" : "False"; }

}  // namespace

void ReadDefaults(Session& session)
{
    Document& doc = session.doc;
    PrintOptions& print = session.print;
    const DefaultsSection section(session.settings);

    for (int i = 0; i < kParTextCount; ++i)
        doc.ParText[i] = section.text(key("Text", i + 1), "");
    for (int i = 0; i < kParNumberCount; ++i)
        assignIf(doc.ParNumber[i], section.number(key("Number", i + 1), 0.0f));
    for (int i = 0; i < kParIndexCount; ++i)
        assignIf(doc.ParIndex[i], section.integer(key("Index", i + 1), 0));
    for (int i = 0; i < kParLibraryCount; ++i)
        assignIf(doc.ParLibrary[i], section.integer(key("Library", i + 1), 0));
    for (int i = 0; i < kLabelsPerExperiment; ++i)
        assignIf(doc.LabelSelect[i], section.integer(key("Select", i + 1), 0));
    for (int i = 6; i <= 7; ++i)
        doc.LabelName[i] = section.text(key("Label", i + 1), kDefaultLabelName);
    for (int i = 0; i < 3; ++i)
        assignIf(doc.UnitIndex[i], section.integer(key("LabInd", i + 1), kDefaultUnitIndex));
    assignIf(doc.AxisIndex, section.integer("Axis", 1));
    if (doc.AxisIndex < 1 || doc.AxisIndex > kLabelsPerExperiment)
        doc.AxisIndex = 1;
    for (int i = 0; i < kPrintSectionCount; ++i)
        assignIf(print.PrintWhat[i], section.integer(key("PrintWhat", i), 0));
    print.PrintFontName = section.text("FontName", kDefaultFontName);
    assignIf(print.PrintFontSize, section.integer("FontSize", kDefaultFontSize));
    assignIf(print.PrintMargin, section.number("Margin", kDefaultMarginCm));
    assignIf(print.PrintOrientation, section.integer("Orientation", 1));
    if (print.PrintOrientation < 1 || print.PrintOrientation > 2)
        print.PrintOrientation = 1;
    assignIf(doc.AutoCov, section.boolean("AutoCov", false));
    assignIf(doc.ARXPS, section.boolean("ARXPS", false));
}

void SaveDefaults(Session& session)
{
    const Document& doc = session.doc;
    const PrintOptions& print = session.print;
    DefaultsSection section(session.settings);

    for (int i = 0; i < kParTextCount; ++i)
        section.write(key("Text", i + 1), doc.ParText[i]);
    for (int i = 0; i < kParNumberCount; ++i)
        section.write(key("Number", i + 1), NeutralNumberText(doc.ParNumber[i]));
    for (int i = 0; i < kParIndexCount; ++i)
        section.write(key("Index", i + 1), std::to_string(doc.ParIndex[i]));
    for (int i = 0; i < kParLibraryCount; ++i)
        section.write(key("Library", i + 1), std::to_string(doc.ParLibrary[i]));
    for (int i = 0; i < kLabelsPerExperiment; ++i)
        section.write(key("Select", i + 1), std::to_string(doc.LabelSelect[i]));
    for (int i = 6; i <= 7; ++i)
        section.write(key("Label", i + 1), std::string(doc.LabelName[i].padded()));
    for (int i = 0; i < 3; ++i)
        section.write(key("LabInd", i + 1), std::to_string(doc.UnitIndex[i]));
    section.write("Axis", std::to_string(doc.AxisIndex));
    for (int i = 0; i < kPrintSectionCount; ++i)
        section.write(key("PrintWhat", i), std::to_string(print.PrintWhat[i]));
    section.write("FontName", print.PrintFontName);
    section.write("FontSize", std::to_string(print.PrintFontSize));
    section.write("Margin", NeutralNumberText(print.PrintMargin));
    section.write("Orientation", std::to_string(print.PrintOrientation));
    section.write("AutoCov", booleanWord(doc.AutoCov));
    section.write("ARXPS", booleanWord(doc.ARXPS));
}

}  // namespace slv
