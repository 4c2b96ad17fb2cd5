# The same sources built for 64-bit Windows, only for testing on hosts that cannot run 32-bit
# code (tools/wine-arch); the program people run is the 32-bit build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESSEL_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
