if(WIN32)
  tessel_test(hook_tests hook/CaptionHookTest.cpp hook/DesktopWindows.cpp hook/HookLibrary.cpp)
  target_link_libraries(hook_tests PRIVATE comctl32)

  # The programs bind the hook library by ordinal only (2 to 5), never by name.
  add_test(NAME hook_ordinal_imports
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
            "-DPROGRAMS=$<TARGET_FILE:Tessel>;$<TARGET_FILE:engine_tests>"
            -P ${CMAKE_CURRENT_SOURCE_DIR}/hook/OrdinalImports.cmake)
endif()
