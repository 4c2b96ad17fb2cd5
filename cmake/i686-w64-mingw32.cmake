# Cross build of the 32-bit Windows program.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TESSEL_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
