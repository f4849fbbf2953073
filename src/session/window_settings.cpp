#include "session/window_settings.h"

namespace slv {

namespace {

constexpr double kNotesAspect = 1.4;

template<typename T>
T read(const SettingsStore& settings, const SettingKey<T>& key)
{
    return ReadSetting(settings, key).value_or(key.fallback);
}

}  // namespace

WindowSettings ReadWindowSettings(const SettingsStore& settings)
{
    WindowSettings w;
    w.top = read(settings, ini::Top);
    w.left = read(settings, ini::Left);
    w.width = read(settings, ini::Width);
    w.height = read(settings, ini::Height);
    w.notesWidth = read(settings, ini::NotesWidth.withFallback(w.width / 2));
    w.notesHeight = read(settings, ini::NotesHeight.withFallback(static_cast<int>(w.notesWidth / kNotesAspect)));
    w.notesTop = read(settings, ini::NotesTop.withFallback(w.top));
    w.notesLeft = read(settings, ini::NotesLeft);
    w.notesFont = read(settings, ini::NotesFont);
    w.notesSize = read(settings, ini::NotesSize);
    w.wrap = read(settings, ini::Wrap);
    w.wizard = read(settings, ini::Wizard);
    return w;
}

void SaveWindowSettings(const WindowSettings& w, SettingsStore& settings)
{
    WriteSetting(settings, ini::Top, w.top);
    WriteSetting(settings, ini::Left, w.left);
    WriteSetting(settings, ini::Width, w.width);
    WriteSetting(settings, ini::Height, w.height);
    WriteSetting(settings, ini::NotesWidth, w.notesWidth);
    WriteSetting(settings, ini::NotesHeight, w.notesHeight);
    WriteSetting(settings, ini::NotesTop, w.notesTop);
    WriteSetting(settings, ini::NotesLeft, w.notesLeft);
    WriteSetting(settings, ini::NotesFont, w.notesFont);
    WriteSetting(settings, ini::NotesSize, w.notesSize);
    WriteSetting(settings, ini::Wrap, w.wrap);
    WriteSetting(settings, ini::Wizard, w.wizard);
}

}  // namespace slv
