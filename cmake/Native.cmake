# Native build of the platform-free code only, with AddressSanitizer and UBSan.
set(TESSEL_SANITIZE "-fsanitize=address,undefined;-fno-sanitize-recover=all;-fno-omit-frame-pointer")
add_compile_options(-ffp-contract=off ${TESSEL_SANITIZE})
add_link_options(${TESSEL_SANITIZE})

add_library(tessel_portable STATIC ${TESSEL_PORTABLE_SOURCES})
target_include_directories(tessel_portable PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tessel_portable PUBLIC tessel_jpeg)
tessel_warnings(tessel_portable)

# Every include points down the layers (tools/check-layers holds their order).
if(BUILD_TESTING)
  add_test(NAME layering COMMAND ${PROJECT_SOURCE_DIR}/tools/check-layers ${PROJECT_SOURCE_DIR})
endif()

# The pixel code's own programs: they replace the sanitizer options above with their own.
set(TESSEL_PIXEL_SOURCES
  imaging/BilinearFill.cpp
  imaging/Orientation.cpp
  imaging/BitmapLayout.cpp
  imaging/DesktopFit.cpp
  imaging/Canvas.cpp
  imaging/PreviewLayout.cpp
  tests/imaging/ReferenceFill.cpp
)

# libFuzzer over the scaler and the byte arithmetic (clang only); ctest runs it briefly.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(TESSEL_FUZZ "-fsanitize=fuzzer,address,undefined;-fno-sanitize-recover=all")
  add_executable(imaging_fuzz tests/fuzz/ImagingFuzz.cpp ${TESSEL_PIXEL_SOURCES})
  target_include_directories(imaging_fuzz PRIVATE ${PROJECT_SOURCE_DIR})
  set_target_properties(imaging_fuzz PROPERTIES
    COMPILE_OPTIONS "-O1;-g;-ffp-contract=off;${TESSEL_FUZZ}"
    LINK_OPTIONS "${TESSEL_FUZZ}")
  tessel_warnings(imaging_fuzz)
  if(BUILD_TESTING)
    add_test(NAME imaging_fuzz_smoke COMMAND imaging_fuzz -max_total_time=5 -rss_limit_mb=1024)
  endif()

  # The text and block checks. A smoke run reads its seed corpus from the source tree and
  # writes what it finds into the build tree, never into the sources.
  function(tessel_fuzz name corpus)
    add_executable(${name} ${ARGN})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    set_target_properties(${name} PROPERTIES
      COMPILE_OPTIONS "-O1;-g;-ffp-contract=off;${TESSEL_FUZZ}"
      LINK_OPTIONS "${TESSEL_FUZZ}")
    tessel_warnings(${name})
    if(BUILD_TESTING)
      set(found ${CMAKE_BINARY_DIR}/fuzz-found/${corpus})
      file(MAKE_DIRECTORY ${found})
      add_test(NAME ${name}_smoke
        COMMAND ${name} -max_total_time=3 -rss_limit_mb=1024
                ${found} ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${corpus})
    endif()
  endfunction()
  tessel_fuzz(file_extension_fuzz file_extension
    tests/fuzz/FileExtensionFuzz.cpp imaging/FileExtension.cpp)
  tessel_fuzz(strip_quotes_fuzz strip_quotes tests/fuzz/StripQuotesFuzz.cpp app/CommandLine.cpp)
  tessel_fuzz(name_order_fuzz name_order tests/fuzz/NameOrderFuzz.cpp wallpaper/Shuffle.cpp)
  tessel_fuzz(spi_picture_fuzz spi_picture tests/fuzz/SpiPictureFuzz.cpp imaging/SpiPicture.cpp)
  tessel_fuzz(bmp_file_fuzz bmp_file tests/fuzz/BmpFileFuzz.cpp imaging/BmpFileCheck.cpp)
  tessel_fuzz(exif_orientation_fuzz exif_orientation tests/fuzz/ExifOrientationFuzz.cpp
    imaging/ExifOrientation.cpp)
  tessel_fuzz(jpeg_decode_fuzz jpeg_decode tests/fuzz/JpegDecodeFuzz.cpp imaging/JpegDecode.c)
  target_link_libraries(jpeg_decode_fuzz PRIVATE tessel_jpeg)
endif()

# Google Benchmark of the scaler, optimised and without sanitizers: tools/bench-scaler.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(scaler_benchmark tools/benchmarks/ScalerBenchmark.cpp ${TESSEL_PIXEL_SOURCES})
  target_include_directories(scaler_benchmark PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(scaler_benchmark PRIVATE benchmark::benchmark)
  set_target_properties(scaler_benchmark PROPERTIES
    COMPILE_OPTIONS "-O2;-ffp-contract=off"
    LINK_OPTIONS "")
  tessel_warnings(scaler_benchmark)
endif()
