list(APPEND TESSEL_PORTABLE_TESTS app/CommandLineTest.cpp)
if(WIN32)
  tessel_test(app_tests app/ExceptionTest.cpp)
endif()
# Process watcher, hotkeys, option and start/quit settings.
list(APPEND TESSEL_PORTABLE_TESTS
  app/HotkeyValueTest.cpp
  app/ProcessFileNameTest.cpp
)
if(WIN32)
  tessel_test(app_settings_tests
    app/HotkeySettingsTest.cpp
    app/OptionSettingsTest.cpp
    app/ProcessWatcherTest.cpp
    app/RunQuitSettingsTest.cpp
    hook/DesktopWindows.cpp
    hook/HookLibrary.cpp
  )
  target_link_libraries(app_settings_tests PRIVATE comctl32)
endif()
# The program's window and resources, in-process.
if(WIN32)
  tessel_test(program_tests
    app/MainWindowTest.cpp
    ui/ModalDriver.cpp
    ${PROJECT_SOURCE_DIR}/resources/Tessel.rc
    ${PROJECT_SOURCE_DIR}/resources/Dialogs.rc
  )
endif()
