#pragma once
// Every registry key path and value name the program reads or writes.
// Key paths below the root are appended to the root path the records are given.

namespace RegistryNames {

inline constexpr char kRootPath[] = "software\\Brindlecove\\Tesselwane";
inline constexpr char kKeyClass[] = "Tessel_Wane";

inline constexpr char kElapsedTime[] = "ElapsedTime";

inline constexpr char kFolderKey[] = "\\Folder";
inline constexpr char kFolderListKey[] = "\\Folders";  // below kFolderKey
inline constexpr char kTmpPath[] = "TmpPath";
inline constexpr char kEscPath[] = "EscPath";
inline constexpr char kNumFolder[] = "NumFolder";
inline constexpr char kCurrentFile[] = "CurrentFile";
inline constexpr char kRound[] = "Round";  // the random order's round, after CurrentFile
inline constexpr char kExcludeKey[] = "\\Exclude";  // files the walks pass over: "0", "1", …

inline constexpr char kOptionKey[] = "\\Option";
inline constexpr char kProcessListKey[] = "\\Process";  // below kOptionKey
inline constexpr char kNoAutoChange[] = "NoAutoChange";
inline constexpr char kNoSaver[] = "NoSaver";
inline constexpr char kByProcess[] = "ByProcess";
inline constexpr char kNotifyAll[] = "NotifyAll";
inline constexpr char kResize[] = "Resize";
inline constexpr char kStyle[] = "Style";
inline constexpr char kOrder[] = "Order";
inline constexpr char kInterval[] = "Interval";
inline constexpr char kSeeThrough[] = "See-through";
inline constexpr char kTextColor[] = "TextColor";
inline constexpr char kFullScreen[] = "FullScreen";  // this and the two below after the others
inline constexpr char kFill[] = "Fill";
inline constexpr char kPerMonitor[] = "PerMonitor";

// What the desktop shows, as this program left it (not a setting: written as it changes).
inline constexpr char kShowingKey[] = "\\Showing";
inline constexpr char kCanvas[] = "Canvas";  // the canvas file while one shows, else ""
inline constexpr char kScreen[] = "Screen";  // and the shown files as "0", "1", …

inline constexpr char kHotkeyKey[] = "\\Hotkey";
// Hotkey values in action order: change, next, previous, random, saver, pause, escape.
inline constexpr const char* kHotkeyNames[7] = {
    "Change", "Next", "Prev", "Random", "Saver", "Pause", "Escape",
};
inline constexpr char kLButton[] = "LButton";

inline constexpr char kRunQuitKey[] = "\\RunAndQuit";
inline constexpr char kRunPath[] = "RunPath";
inline constexpr char kQuitPath[] = "QuitPath";
inline constexpr char kRunOption[] = "RunOption";
inline constexpr char kQuitOption[] = "QuitOption";

inline constexpr char kSpiKey[] = "\\Spi";
inline constexpr char kUseSpi[] = "UseSpi";
inline constexpr char kSpiPath[] = "SpiPath";

// System key: opened only, never created; the trailing backslash is part of the path.
inline constexpr char kDesktopPath[] = "Control Panel\\desktop\\";
inline constexpr char kTileWallpaper[] = "TileWallpaper";
inline constexpr char kWallpaperStyle[] = "WallpaperStyle";

}  // namespace RegistryNames
