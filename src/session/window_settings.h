// The window settings kept in the settings store, section "Ini" of
// application "SLV": the main window's place and size, the notes window's
// place, size, font and word wrap, and whether the data wizard opens at
// start-up. They are read when the main window loads and written when it
// closes. Positions and sizes are in twips (1440 per inch).
#pragma once

#include <string>

#include "platform/setting_key.h"

namespace slv {

namespace ini {

inline constexpr std::string_view kSection = kIniSection;

inline const SettingKey<int> Top{kSection, "Top", 1500};
inline const SettingKey<int> Left{kSection, "Left", 1500};
inline const SettingKey<int> Width{kSection, "Width", 9000};
inline const SettingKey<int> Height{kSection, "Height", 7500};
/// Defaults that follow the main window: half its width, that over 1.4, its top.
inline const SettingKey<int> NotesWidth{kSection, "Nwidth", 0};
inline const SettingKey<int> NotesHeight{kSection, "Nheight", 0};
inline const SettingKey<int> NotesTop{kSection, "Ntop", 0};
inline const SettingKey<int> NotesLeft{kSection, "Nleft", 200};
inline const SettingKey<std::string> NotesFont{kSection, "Nfont", "Courier New"};
inline const SettingKey<int> NotesSize{kSection, "Nsize", 10};
inline const SettingKey<int> Wrap{kSection, "Wrap", 1};
inline const SettingKey<bool> Wizard{kSection, "Wizard", true};

}  // namespace ini

struct WindowSettings {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    int notesWidth = 0;
    int notesHeight = 0;
    int notesTop = 0;
    int notesLeft = 0;
    std::string notesFont;
    int notesSize = 0;
    int wrap = 0;
    bool wizard = false;

    friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

/// The window settings of the store; a missing key gives its default, one
/// that does not convert the default too.
WindowSettings ReadWindowSettings(const SettingsStore& settings);

void SaveWindowSettings(const WindowSettings& windows, SettingsStore& settings);

}  // namespace slv
