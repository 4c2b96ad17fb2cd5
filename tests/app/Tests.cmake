list(APPEND TESSEL_PORTABLE_TESTS app/CommandLineTest.cpp app/TrayTipTest.cpp)
# The program's window and resources, in-process.
if(WIN32)
  tessel_test(program_tests
    app/MainWindowTest.cpp
    ui/ModalDriver.cpp
    ${PROJECT_SOURCE_DIR}/resources/Tessel.rc
    ${PROJECT_SOURCE_DIR}/resources/Dialogs.rc
  )
  target_link_libraries(program_tests PRIVATE version)
  add_dependencies(program_tests Tessel)
endif()
