# The MinGW-w64 cross compilers (posix threads) named by TESSEL_MINGW_PREFIX; included by the
# toolchain files.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TESSEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSEL_MINGW_PREFIX}-windres)
set(CMAKE_DLLTOOL ${TESSEL_MINGW_PREFIX}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine; tools/wine-env sets up its prefix (and, for 64-bit Wine, puts
# its wine first on the PATH).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
