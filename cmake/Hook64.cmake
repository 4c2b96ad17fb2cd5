# The caption pair for 64-bit shells: tesselsub64.dll (the hook library's source built for
# 64 bits) and its helper TesselHook64.exe. The 32-bit build configures this same source tree
# once more with the x86_64 compiler (hook64/ in its build folder, TESSEL_HOOK64 on), builds
# only the pair there (and the 64-bit stand-in shell its tests use) and copies it beside the
# program.
# A 64-bit build (for hosts that run no 32-bit code) builds the helper too, for its tests.
if(TESSEL_HOOK64 OR CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_subdirectory(hook64)
elseif(CMAKE_SIZEOF_VOID_P EQUAL 4)
  include(ExternalProject)
  set(files tesselsub64.dll TesselHook64.exe)
  set(targets tesselsub TesselHook64)
  if(BUILD_TESTING)
    list(APPEND files ShellStandIn64.exe)
    list(APPEND targets shell_stand_in)
  endif()
  list(TRANSFORM files PREPEND <BINARY_DIR>/bin/ OUTPUT_VARIABLE built)
  list(TRANSFORM files PREPEND ${CMAKE_BINARY_DIR}/bin/ OUTPUT_VARIABLE copies)
  ExternalProject_Add(hook64
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/hook64
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/x86_64-w64-mingw32.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DTESSEL_HOOK64=ON
               -DBUILD_TESTING=${BUILD_TESTING}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${targets}
    INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different ${built} ${CMAKE_BINARY_DIR}/bin
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${copies}
    USES_TERMINAL_BUILD ON)
endif()
