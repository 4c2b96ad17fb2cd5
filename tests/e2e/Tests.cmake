if(WIN32)
  tessel_test(e2e_tests e2e/TesselRun.cpp e2e/ProgramTest.cpp)
  add_dependencies(e2e_tests Tessel)
endif()
