# libjpeg-turbo, linked statically, as the target tessel_jpeg. Natively: the system's
# (Debian's libjpeg62-turbo-dev). For Windows: an installed MinGW build (MSYS2's package) when
# there is one, else Debian's source package that tools/setup unpacked, built here once per
# architecture with its SIMD code and without the TurboJPEG API.

# The version a jconfig.h names; empty when it is not libjpeg-turbo's.
function(tessel_jpeg_version header out)
  file(STRINGS ${header} line REGEX "^#define[ \t]+LIBJPEG_TURBO_VERSION[ \t]")
  string(REGEX REPLACE ".*VERSION[ \t]+" "" version "${line}")
  set(${out} "${version}" PARENT_SCOPE)
endfunction()

if(TESSEL_HOOK64)
  # The 64-bit caption pair decodes nothing.
  add_library(tessel_jpeg INTERFACE)
  return()
endif()

if(NOT WIN32)
  find_package(JPEG REQUIRED)
  find_file(TESSEL_JPEG_CONFIG jconfig.h PATHS ${JPEG_INCLUDE_DIRS} PATH_SUFFIXES ${CMAKE_LIBRARY_ARCHITECTURE})
  tessel_jpeg_version(${TESSEL_JPEG_CONFIG} version)
  if(NOT version)
    message(FATAL_ERROR "${JPEG_LIBRARIES} is not libjpeg-turbo (install libjpeg62-turbo-dev)")
  endif()
  message(STATUS "libjpeg-turbo ${version}: the system's, ${JPEG_LIBRARIES}")
  add_library(tessel_jpeg INTERFACE)
  target_link_libraries(tessel_jpeg INTERFACE JPEG::JPEG)
  return()
endif()

find_path(TESSEL_JPEG_INSTALLED_INCLUDE jpeglib.h)
find_library(TESSEL_JPEG_INSTALLED_LIBRARY NAMES libjpeg.a)
if(TESSEL_JPEG_INSTALLED_INCLUDE AND TESSEL_JPEG_INSTALLED_LIBRARY
   AND EXISTS ${TESSEL_JPEG_INSTALLED_INCLUDE}/jconfig.h)
  tessel_jpeg_version(${TESSEL_JPEG_INSTALLED_INCLUDE}/jconfig.h version)
endif()
if(version)
  message(STATUS "libjpeg-turbo ${version}: installed, ${TESSEL_JPEG_INSTALLED_LIBRARY}")
  add_library(tessel_jpeg STATIC IMPORTED)
  set_target_properties(tessel_jpeg PROPERTIES
    IMPORTED_LOCATION ${TESSEL_JPEG_INSTALLED_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${TESSEL_JPEG_INSTALLED_INCLUDE})
  return()
endif()

set(TESSEL_JPEG_SOURCE ${PROJECT_SOURCE_DIR}/build/third-party/libjpeg-turbo CACHE PATH
    "libjpeg-turbo's unpacked source (tools/setup fetches Debian's)")
if(NOT EXISTS ${TESSEL_JPEG_SOURCE}/jconfig.h.in)
  message(FATAL_ERROR "No libjpeg-turbo source in ${TESSEL_JPEG_SOURCE}: run tools/setup")
endif()
file(STRINGS ${TESSEL_JPEG_SOURCE}/CMakeLists.txt line REGEX "^set\\(VERSION ")
string(REGEX REPLACE "^set\\(VERSION ([^)]*)\\).*" "\\1" version "${line}")
set(origin "source in ${TESSEL_JPEG_SOURCE}")
if(EXISTS ${TESSEL_JPEG_SOURCE}/debian/changelog)
  file(STRINGS ${TESSEL_JPEG_SOURCE}/debian/changelog line LIMIT_COUNT 1)
  string(REGEX REPLACE "^[^(]*\\(([^)]*)\\).*" "Debian \\1 source" origin "${line}")
endif()
message(STATUS "libjpeg-turbo ${version}: ${origin}, built for ${CMAKE_SYSTEM_PROCESSOR}")

include(ExternalProject)
# The library configures in a folder of its own: a toolchain named relative to this build
# (as the Makefile names it) is found there only by its full path.
set(toolchain ${CMAKE_TOOLCHAIN_FILE})
if(toolchain AND NOT IS_ABSOLUTE ${toolchain})
  if(EXISTS ${CMAKE_BINARY_DIR}/${toolchain})
    set(toolchain ${CMAKE_BINARY_DIR}/${toolchain})
  else()
    set(toolchain ${PROJECT_SOURCE_DIR}/${toolchain})
  endif()
endif()
set(binary ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(library ${binary}/libjpeg.a)
ExternalProject_Add(libjpeg_turbo
  SOURCE_DIR ${TESSEL_JPEG_SOURCE}
  BINARY_DIR ${binary}
  CMAKE_ARGS -Wno-dev -DCMAKE_TOOLCHAIN_FILE=${toolchain} -DCMAKE_C_COMPILER=${CMAKE_C_COMPILER}
             -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=${binary}/unused
             -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DREQUIRE_SIMD=ON
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${library}
  USES_TERMINAL_BUILD ON)
add_library(tessel_jpeg STATIC IMPORTED)
add_dependencies(tessel_jpeg libjpeg_turbo)
# jconfig.h is made in the build folder, the other headers are the source's.
set_target_properties(tessel_jpeg PROPERTIES
  IMPORTED_LOCATION ${library}
  INTERFACE_INCLUDE_DIRECTORIES "${TESSEL_JPEG_SOURCE};${binary}")
