// The analysis defaults kept in the settings store, section "Defaults" of
// application "SLV": the parameter record, label selections, unit choices,
// chart axis, model switches and the print options. They are read into every
// new document and written by File > Save Defaults. Each key is declared
// once below with its default and check; reading and writing go through
// these declarations in the order of the table.
#pragma once

#include <string>

#include "document/document.h"
#include "document/print_options.h"
#include "platform/setting_key.h"

namespace slv {

namespace defaults {

inline constexpr std::string_view kSection = kDefaultsSection;

Integer AxisInRange(Integer axis);
Integer OrientationInRange(Integer orientation);

inline const SettingKey<std::string> Text{kSection, "Text", "", 1, kParTextCount};
inline const SettingKey<float> Number{kSection, "Number", 0.0f, 1, kParNumberCount};
inline const SettingKey<Integer> Index{kSection, "Index", 0, 1, kParIndexCount};
inline const SettingKey<Integer> Library{kSection, "Library", 0, 1, kParLibraryCount};
inline const SettingKey<Integer> Select{kSection, "Select", 0, 1, kLabelsPerExperiment};
/// The names of the free labels 7 and 8 (LabelName 6 and 7).
inline const SettingKey<std::string> Label{kSection, "Label", "0", 7, 2};
inline const SettingKey<Integer> LabInd{kSection, "LabInd", 1, 1, 3};
inline const SettingKey<Integer> Axis{kSection, "Axis", 1, 0, 0, AxisInRange};
inline const SettingKey<Integer> PrintWhat{kSection, "PrintWhat", 0, 0, kPrintSectionCount};
inline const SettingKey<std::string> FontName{kSection, "FontName", "Times New Roman"};
inline const SettingKey<Integer> FontSize{kSection, "FontSize", 10};
inline const SettingKey<float> Margin{kSection, "Margin", 1.5f};
inline const SettingKey<Integer> Orientation{kSection, "Orientation", 1, 0, 0, OrientationInRange};
inline const SettingKey<bool> AutoCov{kSection, "AutoCov", false};
inline const SettingKey<bool> ARXPS{kSection, "ARXPS", false};

}  // namespace defaults

/// Reads every key of section "Defaults" into the document and print options.
/// A missing key gives its default; a value that does not convert is skipped.
void ReadDefaults(Document& doc, PrintOptions& print, const SettingsStore& settings);

/// Writes every key of section "Defaults" from the document and print options.
void SaveDefaults(const Document& doc, const PrintOptions& print, SettingsStore& settings);

}  // namespace slv
