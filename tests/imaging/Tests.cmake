list(APPEND TESSEL_PORTABLE_TESTS imaging/FileExtensionTest.cpp)
