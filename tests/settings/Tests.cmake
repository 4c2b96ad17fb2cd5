list(APPEND TESSEL_PORTABLE_TESTS settings/IndexNameTest.cpp)
if(WIN32)
  tessel_test(settings_tests settings/RegistryKeyTest.cpp)
endif()
