list(APPEND TESSEL_PORTABLE_TESTS app/CommandLineTest.cpp)
if(WIN32)
  tessel_test(app_tests app/ExceptionTest.cpp)
endif()
