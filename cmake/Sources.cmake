# Each subsystem lists its own sources in <folder>/Sources.cmake:
#   TESSEL_<NAME>_PORTABLE — no <windows.h>; also built natively (sanitizers, fuzzing, benchmarks)
#   TESSEL_<NAME>_WIN32    — needs the Win32 API
# Bottom to top: each folder includes only its own headers and those of folders before it.
set(TESSEL_SUBSYSTEMS portable win32 settings wallpaper imaging engine ui app)
set(TESSEL_PORTABLE_SOURCES)
set(TESSEL_WIN32_SOURCES)
foreach(subsystem IN LISTS TESSEL_SUBSYSTEMS)
  string(TOUPPER ${subsystem} upper)
  set(TESSEL_${upper}_PORTABLE)
  set(TESSEL_${upper}_WIN32)
  include(${PROJECT_SOURCE_DIR}/${subsystem}/Sources.cmake OPTIONAL)
  list(TRANSFORM TESSEL_${upper}_PORTABLE PREPEND ${subsystem}/)
  list(TRANSFORM TESSEL_${upper}_WIN32 PREPEND ${subsystem}/)
  list(APPEND TESSEL_PORTABLE_SOURCES ${TESSEL_${upper}_PORTABLE})
  list(APPEND TESSEL_WIN32_SOURCES ${TESSEL_${upper}_WIN32})
endforeach()

function(tessel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
