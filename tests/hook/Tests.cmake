if(WIN32)
  tessel_test(hook_tests hook/CaptionHookTest.cpp hook/DesktopWindows.cpp hook/HookLibrary.cpp)
  target_link_libraries(hook_tests PRIVATE comctl32)

  # The programs bind the hook library by ordinal only (2 to 5), never by name.
  add_test(NAME hook_ordinal_imports
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
            "-DPROGRAMS=$<TARGET_FILE:Tessel>;$<TARGET_FILE:engine_tests>"
            -P ${CMAKE_CURRENT_SOURCE_DIR}/hook/OrdinalImports.cmake)
endif()

# The shell stand-in, built by the 32-bit build and by its 64-bit pair build (cmake/Hook64.cmake).
if(WIN32)
  math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
  add_executable(shell_stand_in hook/ShellStandIn.cpp hook/DesktopWindows.cpp)
  set_target_properties(shell_stand_in PROPERTIES OUTPUT_NAME ShellStandIn${bits})
  target_include_directories(shell_stand_in PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(shell_stand_in PRIVATE comctl32)
  tessel_warnings(shell_stand_in)
endif()
