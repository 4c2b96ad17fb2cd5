if(WIN32)
  tessel_test(e2e_tests e2e/TesselRun.cpp e2e/StoredValues.cpp e2e/ProgramTest.cpp)
  add_dependencies(e2e_tests Tessel ifwic)
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
    hook/HookLibrary.cpp)
  target_link_libraries(e2e_soak_tests PRIVATE psapi)
  add_dependencies(e2e_soak_tests Tessel tesselsub)
endif()
