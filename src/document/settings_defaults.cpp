#include "document/settings_defaults.h"

namespace slv {

namespace defaults {

Integer AxisInRange(Integer axis)
{
    return axis >= 1 && axis <= kLabelsPerExperiment ? axis : Integer{1};
}

Integer OrientationInRange(Integer orientation)
{
    return orientation == 1 || orientation == 2 ? orientation : Integer{1};
}

}  // namespace defaults

namespace {

/// Index i of an indexed key stands for element i - firstIndex of its array.
template<typename T, typename Array>
void readIndexed(const SettingsStore& settings, const SettingKey<T>& key, Array& fields, int firstField = 0)
{
    for (int i = 0; i < key.count; ++i)
        ReadSettingInto(settings, key, fields[static_cast<std::size_t>(firstField + i)], key.firstIndex + i);
}

template<typename T, typename Array>
void writeIndexed(SettingsStore& settings, const SettingKey<T>& key, const Array& fields, int firstField = 0)
{
    for (int i = 0; i < key.count; ++i)
        WriteSetting(settings, key, fields[static_cast<std::size_t>(firstField + i)], key.firstIndex + i);
}

/// The label names are fixed-length texts, kept in the store with their blanks.
constexpr int kFirstFreeLabel = 6;

}  // namespace

void ReadDefaults(Document& doc, PrintOptions& print, const SettingsStore& settings)
{
    readIndexed(settings, defaults::Text, doc.ParText);
    readIndexed(settings, defaults::Number, doc.ParNumber);
    readIndexed(settings, defaults::Index, doc.ParIndex);
    readIndexed(settings, defaults::Library, doc.ParLibrary);
    readIndexed(settings, defaults::Select, doc.LabelSelect);
    for (int i = 0; i < defaults::Label.count; ++i)
        if (const auto name = ReadSetting(settings, defaults::Label, defaults::Label.firstIndex + i))
            doc.LabelName[kFirstFreeLabel + i] = *name;
    readIndexed(settings, defaults::LabInd, doc.UnitIndex);
    ReadSettingInto(settings, defaults::Axis, doc.AxisIndex);
    readIndexed(settings, defaults::PrintWhat, print.PrintWhat);
    ReadSettingInto(settings, defaults::FontName, print.PrintFontName);
    ReadSettingInto(settings, defaults::FontSize, print.PrintFontSize);
    ReadSettingInto(settings, defaults::Margin, print.PrintMargin);
    ReadSettingInto(settings, defaults::Orientation, print.PrintOrientation);
    ReadSettingInto(settings, defaults::AutoCov, doc.AutoCov);
    ReadSettingInto(settings, defaults::ARXPS, doc.ARXPS);
}

void SaveDefaults(const Document& doc, const PrintOptions& print, SettingsStore& settings)
{
    writeIndexed(settings, defaults::Text, doc.ParText);
    writeIndexed(settings, defaults::Number, doc.ParNumber);
    writeIndexed(settings, defaults::Index, doc.ParIndex);
    writeIndexed(settings, defaults::Library, doc.ParLibrary);
    writeIndexed(settings, defaults::Select, doc.LabelSelect);
    for (int i = 0; i < defaults::Label.count; ++i)
        WriteSetting(settings, defaults::Label, doc.LabelName[kFirstFreeLabel + i].padded(),
                     defaults::Label.firstIndex + i);
    writeIndexed(settings, defaults::LabInd, doc.UnitIndex);
    WriteSetting(settings, defaults::Axis, doc.AxisIndex);
    writeIndexed(settings, defaults::PrintWhat, print.PrintWhat);
    WriteSetting(settings, defaults::FontName, print.PrintFontName);
    WriteSetting(settings, defaults::FontSize, print.PrintFontSize);
    WriteSetting(settings, defaults::Margin, print.PrintMargin);
    WriteSetting(settings, defaults::Orientation, print.PrintOrientation);
    WriteSetting(settings, defaults::AutoCov, doc.AutoCov);
    WriteSetting(settings, defaults::ARXPS, doc.ARXPS);
}

}  // namespace slv
