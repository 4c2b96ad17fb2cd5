#pragma once
// The choices the settings store as numbers. The stored numbers are these enumerators'
// values; a stored number that names none of them is kept as it is and does nothing.
#include <cstdint>

// "Order": how the automatic change and the change command walk the list.
enum class WallpaperOrder : std::int32_t { Name = 0, Reverse = 1, Random = 2 };

// "RunOption" and "QuitOption": what happens to the wallpaper at start and at quit.
enum class StartQuitAction : std::int32_t { None = 0, Change = 1, SetFile = 2 };

// "Style": the desktop's layout of the wallpaper.
enum class DesktopStyle : std::int32_t { Centre = 0, Tile = 1, Stretch = 2 };

// The actions of the hotkeys, the tray icon click and the tray menu; the value is the
// hotkey identifier, the position of its registry value and the stored click action.
enum class Action : std::int32_t { Change, Next, Previous, Random, Saver, Pause, Escape };
inline constexpr std::int32_t kActionCount = 7;
