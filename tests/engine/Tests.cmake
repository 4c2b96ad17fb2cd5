# Process watcher, hotkeys, option and start/quit settings.
list(APPEND TESSEL_PORTABLE_TESTS
  engine/HotkeyValueTest.cpp
  engine/MonitorOrderTest.cpp
  engine/ProcessFileNameTest.cpp
)
if(WIN32)
  tessel_test(engine_tests
    engine/HotkeySettingsTest.cpp
    engine/OptionSettingsTest.cpp
    engine/ProcessWatcherTest.cpp
    engine/RunQuitSettingsTest.cpp
    hook/DesktopWindows.cpp
    hook/HookLibrary.cpp
  )
  target_link_libraries(engine_tests PRIVATE comctl32)
endif()
