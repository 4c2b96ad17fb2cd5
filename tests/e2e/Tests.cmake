if(WIN32)
  tessel_test(e2e_tests e2e/TesselRun.cpp e2e/StoredValues.cpp e2e/ProgramTest.cpp)
  add_executable(screen_saver_state e2e/ScreenSaverState.cpp)
  tessel_warnings(screen_saver_state)
  add_dependencies(e2e_tests Tessel ifwic screen_saver_state)
endif()
if(WIN32)
  tessel_test(e2e_hostile_tests
    e2e/TesselRun.cpp
    e2e/StoredValues.cpp
    e2e/HostileSettingsTest.cpp
    e2e/HostileImageRunTest.cpp
    imaging/HostileImages.cpp
  )
  add_dependencies(e2e_hostile_tests Tessel)
  tessel_imaging_fixtures(e2e_hostile_tests)
  tessel_test(e2e_fault_tests
    e2e/TesselRun.cpp
    e2e/StoredValues.cpp
    e2e/FaultTest.cpp
    imaging/HostileImages.cpp
  )
  add_dependencies(e2e_fault_tests Tessel ifwic)
endif()
if(WIN32)
  tessel_test(e2e_soak_tests e2e/TesselRun.cpp e2e/StoredValues.cpp e2e/ReliabilitySoakTest.cpp
    hook/HookLibrary.cpp hook/StandInProcess.cpp)
  target_link_libraries(e2e_soak_tests PRIVATE psapi)
  add_dependencies(e2e_soak_tests Tessel tesselsub shell_stand_in)
  # About 2 minutes on an idle 2-core machine; more when the machine is shared.
  set_tests_properties(e2e_soak_tests PROPERTIES TIMEOUT 900)
endif()
# Tests that need a display of their own: the script that makes it runs them by their label.
function(tessel_display_test name source label)
  tessel_test(${name} e2e/TesselRun.cpp e2e/StoredValues.cpp ${source}
    imaging/ImagingTestUtil.cpp)
  add_dependencies(${name} Tessel)
  set_tests_properties(${name} PROPERTIES LABELS ${label})
endfunction()
if(WIN32)
  # Two monitors: tools/wine-monitor-tests.
  tessel_display_test(monitor_tests e2e/MonitorTest.cpp monitors)
  # Modes to switch to: tools/wine-display-tests.
  tessel_display_test(display_tests e2e/DisplayChangeTest.cpp display)
endif()
# Needs 64-bit Windows: the 32-bit build's runs in Wine's 64-bit prefix (label wow64, see
# tools/wine-tests); the 64-bit build's, where 32-bit code does not run, with the others.
if(WIN32)
  tessel_test(caption_shell_tests e2e/TesselRun.cpp e2e/StoredValues.cpp
    e2e/CaptionShellTest.cpp hook/DesktopWindows.cpp hook/StandInProcess.cpp)
  target_link_libraries(caption_shell_tests PRIVATE comctl32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_dependencies(caption_shell_tests Tessel shell_stand_in hook64)
    set_tests_properties(caption_shell_tests PROPERTIES LABELS wow64)
  else()
    add_dependencies(caption_shell_tests Tessel shell_stand_in TesselHook64)
  endif()
endif()
