list(APPEND TESSEL_PORTABLE_TESTS app/CommandLineTest.cpp)
# The program's window and resources, in-process, and what the real program makes of the
# screen's size (rerun at 144 dpi by tools/wine-tests).
if(WIN32)
  tessel_test(program_tests
    app/MainWindowTest.cpp
    app/FittedChangeTest.cpp
    e2e/StoredValues.cpp
    e2e/TesselRun.cpp
    ui/ModalDriver.cpp
    ${PROJECT_SOURCE_DIR}/resources/Tessel.rc
    ${PROJECT_SOURCE_DIR}/resources/Dialogs.rc
  )
  target_link_libraries(program_tests PRIVATE version)
  add_dependencies(program_tests Tessel)
endif()
