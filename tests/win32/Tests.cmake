if(WIN32)
  tessel_test(win32_tests win32/AnsiPathTest.cpp win32/ExceptionTest.cpp)
endif()
