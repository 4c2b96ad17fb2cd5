set(TESSEL_APP_PORTABLE
  CommandLine.cpp
)
set(TESSEL_APP_WIN32
  Exception.cpp
  MainWindow.cpp
  OneShot.cpp
  WallpaperChanger.cpp
)
# Process watcher, hotkeys, option and start/quit settings.
list(APPEND TESSEL_APP_PORTABLE
  HotkeyValue.cpp
  ProcessFileName.cpp
)
list(APPEND TESSEL_APP_WIN32
  HotkeySettings.cpp
  OptionSettings.cpp
  ProcessWatcher.cpp
  RunQuitSettings.cpp
)
