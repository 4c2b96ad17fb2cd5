# The 32-bit Windows program and the static library every test program links.
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX
                        WIN32_LEAN_AND_MEAN STRICT)
# Sources are UTF-8; narrow literals become code page 932 bytes for the ANSI API.
# (C++17: the C++20 <chrono> holds a "µs" literal that code page 932 cannot encode.)
# True double precision for the pixel code: SSE2, no x87, no fused multiply-adds.
add_compile_options(-fexec-charset=CP932 -msse2 -mfpmath=sse -ffp-contract=off)
add_link_options(-static -static-libgcc -static-libstdc++)
# A 32-bit program gets 4 GB of address space on 64-bit Windows only when its header says so;
# a 16000 x 12000 photo needs more than 2 GB while it is decoded. Every program of the build
# gets it, so tests and benchmarks run the decoding in the address space Tessel.exe has.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  string(APPEND CMAKE_EXE_LINKER_FLAGS " -Wl,--large-address-aware")
endif()
# A module-definition file as the linker of this build needs it: 32-bit names keep their
# stdcall decoration (name@bytes), 64-bit names have none.
function(tessel_def_file source out)
  file(READ ${source} text)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    string(REGEX REPLACE "([A-Za-z_])@[0-9]+" "\\1" text "${text}")
  endif()
  file(WRITE ${out} "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

# Programs and libraries side by side, so every test program finds the hook library.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_subdirectory(hook)

add_library(tessel_core STATIC ${TESSEL_PORTABLE_SOURCES} ${TESSEL_WIN32_SOURCES})
target_include_directories(tessel_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tessel_core PUBLIC comctl32 shlwapi ole32 oleaut32 uuid tesselsub_imports
                      tessel_jpeg)
tessel_warnings(tessel_core)

# windres reads these itself, so the build must be told that the script depends on them.
file(GLOB TESSEL_RC_INPUTS ${PROJECT_SOURCE_DIR}/resources/Tessel.manifest
     ${PROJECT_SOURCE_DIR}/resources/icons/*.ico)
set_source_files_properties(resources/Tessel.rc PROPERTIES OBJECT_DEPENDS "${TESSEL_RC_INPUTS}")
add_executable(Tessel WIN32 app/WinMain.cpp resources/Tessel.rc resources/Dialogs.rc)
target_link_libraries(Tessel PRIVATE tessel_core)
tessel_warnings(Tessel)

add_subdirectory(plugins)
add_subdirectory(tools/benchmarks)
add_subdirectory(tests/plugins)
include(cmake/Package.cmake)
