if(WIN32)
  tessel_test(app_tests app/ExceptionTest.cpp)
endif()
